#pragma once

#include "data/fileresult.h"

#include <QDir>
#include <QFileInfo>
#include <QString>

#include <cerrno>

// Inside the data layer: the errno to report for an open or read that just failed. Qt refuses
// to open a folder without an errno of its own, and a file that ends early sets none; neither
// may reach the user as "Unknown error".
namespace fileerrors {

inline int afterFailedRead(const QString& path, int errnoValue)
{
    if (errnoValue != 0)
        return errnoValue;
    if (QFileInfo(path).isDir())
        return EISDIR;
    return EIO;
}

inline FileResult readFailure(const QString& displayName, const QString& path, int errnoValue)
{
    return FileResult::failure(QStringLiteral("Filen %1 kunde inte läsas: %2.")
                                   .arg(displayName, reasonFromErrno(afterFailedRead(path, errnoValue))));
}

// A name that is a link to a file that is not there: which file points where, and that it
// cannot be read.
inline FileResult missingLinkTarget(const QString& path, const QString& target)
{
    const QFileInfo info(path);
    return FileResult::failure(
        QStringLiteral("Filen %1 i mappen %2 pekar på %3, som inte finns. Filen kan inte läsas.")
            .arg(info.fileName(), QDir::toNativeSeparators(info.absolutePath()), target));
}

} // namespace fileerrors
