#include "data/recordfile.h"

#include "data/fileerrors.h"
#include "data/regularfile.h"

#include <cerrno>

namespace recordfile {

FileResult open(const QDir& folder, const QString& name, QFile& file, bool& missing)
{
    missing = false;
    const QString path = folder.filePath(name);
    const int why = openRegularFile(file, path);
    if (why == 0)
        return FileResult::success();
    if (why != ENOENT)
        return fileerrors::readFailure(name, path, why);
    // The clinic's real file is behind a link whose folder is not there (a network folder
    // that is not mounted).
    if (const QString target = missingLinkTarget(path); !target.isEmpty())
        return fileerrors::missingLinkTarget(path, target);
    missing = true;
    return FileResult::success();
}

bool readExactly(QFile& file, char* into, qint64 size)
{
    while (size > 0) {
        errno = 0;
        const qint64 got = file.read(into, size);
        if (got <= 0) {
            // A file that shrank under us stops with no errno; call it a read fault all the same.
            if (errno == 0)
                errno = EIO;
            return false;
        }
        into += got;
        size -= got;
    }
    return true;
}

FileResult save(const QDir& folder, const QString& name, const QByteArray& bytes,
                SaveObserver* observer)
{
    return saveFileAtomically(folder.filePath(name), bytes, observer);
}

} // namespace recordfile
