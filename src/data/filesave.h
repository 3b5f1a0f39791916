#pragma once

#include "data/fileresult.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <functional>

// Atomic replacement of a whole file: the bytes go to a temporary file beside it, which is
// flushed, synced and renamed over the old one only when every byte was written. Qt's
// QSaveFile::commit() alone is not enough: it reports success after a failed write (full disk,
// file-size limit) and then replaces the good file with a cut one. A failed save leaves the
// previous file byte-identical and comes back as an error naming the file and the reason.
FileResult saveFileAtomically(const QString& path, const QByteArray& bytes);

// The same with the write step supplied by the caller (normally writeWhole), so that a device
// failing part-way can be put between the save and its temporary file in a test.
using WriteStep = std::function<FileResult(QIODevice& temporary, const QByteArray& bytes,
                                           const QString& displayName)>;
FileResult saveFileAtomically(const QString& path, const QByteArray& bytes, const WriteStep& write);

// The write step on its own, so a device that fails part-way can be tested: every byte
// written, then flushed, or an error naming `displayName` and the reason.
FileResult writeWhole(QIODevice& device, const QByteArray& bytes, const QString& displayName);

// Removes temporary files that a save killed half-way left beside `fileNames` in `folder`.
void removeStraySaveFiles(const QString& folder, const QStringList& fileNames);
