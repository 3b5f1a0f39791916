#pragma once

#include <QString>

// The outcome of one file operation. The data layer never shows anything; the windows turn
// an error into a Swedish message. `error` names the file and the reason, in Swedish.
struct FileResult {
    bool ok = true;
    QString error;

    static FileResult success() { return {}; }
    static FileResult failure(QString why) { return {false, std::move(why)}; }
    explicit operator bool() const { return ok; }
};

// Not an errno value: what reasonFromErrno says of a name that is neither a file nor a folder
// (a named pipe, a device), which the data files never open.
inline constexpr int NotARegularFile = -1;

// A Swedish reason for an errno value ("disken är full", "åtkomst nekad", ...), for messages
// that name the file and why it failed. Qt's own errorString() is often just "Unknown error".
QString reasonFromErrno(int errnoValue);
