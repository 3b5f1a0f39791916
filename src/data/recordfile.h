#pragma once

#include "data/fileresult.h"
#include "data/filesave.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

// What PatBesök.Dat and Inställn.txt share: a file of fixed-width records in the clinic's
// folder, read only from a regular file and saved whole, atomically.
namespace recordfile {

// Opens `name` in `folder` for reading. Only a regular file is opened (a named pipe in its place
// would hold up the desk for good); any other failure is an error naming the file. No file at
// all is a success with `missing` set, but a link whose target is not there is no missing file:
// it is an error naming the link and where it points, and nothing is created in its place.
FileResult open(const QDir& folder, const QString& name, QFile& file, bool& missing);

// Reads exactly `size` bytes from the current position into `into`; false with errno set.
bool readExactly(QFile& file, char* into, qint64 size);

// Writes `bytes` as the whole file `name` in `folder`, atomically (filesave.h).
FileResult save(const QDir& folder, const QString& name, const QByteArray& bytes,
                SaveObserver* observer);

} // namespace recordfile
