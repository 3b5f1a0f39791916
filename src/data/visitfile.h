#pragma once

#include "data/fileresult.h"
#include "data/filesave.h"
#include "data/visittable.h"

#include <QDir>
#include <QString>

// PatBesök.Dat: record k at byte 95 × (k − 1), no header. The record count is the file's
// length divided by 95; a trailing partial record is not read, and it is kept in place when the
// table is written back.
namespace visitfile {

QString fileName(); // "PatBesök.Dat"

// Reads the whole file into `table`, replacing what it held. A missing file is created empty;
// a missing or empty file gives an empty table (the desk then starts on receipt 1). Only a
// regular file is opened: a named pipe or a device in its place is an error naming the file. A file of more than 32767 records is refused
// with an error naming it; the table is then left as it was.
FileResult HämtaBesöksFil(const QDir& folder, VisitTable& table);

// Writes records 1..n of the table, followed by the old file's bytes beyond byte 95 × n, so the
// records beyond the table's end (and a trailing partial record) stay as they were. The file is
// replaced atomically: a failure leaves the previous file whole and comes back as an error.
// `observer` watches the steps of the save (filesave.h); the desk passes none.
FileResult SparaBesöksFil(const QDir& folder, const VisitTable& table,
                          SaveObserver* observer = nullptr);

} // namespace visitfile
