#pragma once

#include <QFile>
#include <QString>

// Opens `path` for reading, but only a regular file: opening a named pipe would wait for good
// for a writer, and a device would never end. Answers 0 with `file` open, or why it failed: an
// errno value, EISDIR for a folder, NotARegularFile (fileresult.h) for anything else.
int openRegularFile(QFile& file, const QString& path);
