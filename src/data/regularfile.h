#pragma once

#include <QFile>
#include <QString>

// Opens `path` for reading, but only a regular file: opening a named pipe would wait for good
// for a writer, and a device would never end. Answers 0 with `file` open, or why it failed: an
// errno value, EISDIR for a folder, NotARegularFile (fileresult.h) for anything else.
int openRegularFile(QFile& file, const QString& path);

// When `path` is a symbolic link whose target is missing (a network folder that is not
// mounted), where it points; empty otherwise. Such a name is neither read as a missing file
// nor written over: the clinic's real file is behind it.
QString missingLinkTarget(const QString& path);
