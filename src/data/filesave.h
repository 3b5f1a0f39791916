#pragma once

#include "data/fileresult.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

// Atomic replacement of a whole file: the bytes go to a temporary file beside it, which is
// written, flushed, synced once and renamed over the old one only when every byte was written;
// then the folder is synced once, so that a power cut leaves either the old or the new file.
// The new file keeps the old one's permissions and, where the system allows it, its group, so a
// clinic folder shared by a group stays writable for all of its members. A failed save leaves
// the previous file byte-identical, removes its temporary file and comes back as an error naming
// the file and the reason.

// The steps of one save, in the order they run. Write comes once for every piece of at most
// SaveChunk bytes.
enum class SaveStep { Write, Flush, Sync, Rename, FolderSync };

inline constexpr qint64 SaveChunk = 64 * 1024;

// Watches the steps of one save, so that a test can make a step fail as the system would, or
// stop the process right after it (as a power cut or a kill would). Passed to the save that it
// watches and to no other: nothing of it outlives that call.
class SaveObserver {
public:
    virtual ~SaveObserver() = default;
    // Before a step runs: 0 lets it run; an errno value makes it fail with that reason instead.
    // A Write step may also be cut short: `*shortBy` bytes fewer are written (the piece is still
    // at least one byte), as a disk that fills up takes part of a write.
    virtual int before(SaveStep step, qint64* shortBy)
    {
        (void)step;
        (void)shortBy;
        return 0;
    }
    // After a step that succeeded.
    virtual void after(SaveStep step) { (void)step; }
};

FileResult saveFileAtomically(const QString& path, const QByteArray& bytes,
                              SaveObserver* observer = nullptr);

// The write step on its own, so a device that fails part-way can be tested: every byte
// written, then flushed, or an error naming `displayName` and the reason.
FileResult writeWhole(QIODevice& device, const QByteArray& bytes, const QString& displayName);

// Removes temporary files that a save killed half-way left beside `fileNames` in `folder`, and
// beside every file whose whole name matches `namePattern` (a regular expression; none when
// empty), such as the ARV files, whose names change with every export. Only the save's own
// temporary names go. A stray that cannot be removed is an error naming it and the reason.
FileResult removeStraySaveFiles(const QString& folder, const QStringList& fileNames,
                                const QString& namePattern = {});
