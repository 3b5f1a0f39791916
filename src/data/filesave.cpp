#include "data/filesave.h"

#include <QDir>
#include <QFileDevice>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

FileResult saveFailure(const QString& displayName, int errnoValue)
{
    return FileResult::failure(QStringLiteral("Filen %1 kunde inte sparas: %2.")
                                   .arg(displayName, reasonFromErrno(errnoValue)));
}

// Makes the rename itself durable: without it a power cut shortly after a save can bring back
// the previous file, and with it the receipt just registered.
void syncFolder(const QString& folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

FileResult writeWhole(QIODevice& device, const QByteArray& bytes, const QString& displayName)
{
    const char* data = bytes.constData();
    qint64 remaining = bytes.size();
    while (remaining > 0) {
        errno = 0;
        const qint64 written = device.write(data, remaining);
        if (written <= 0)
            return saveFailure(displayName, errno);
        data += written;
        remaining -= written;
    }
    if (auto* file = qobject_cast<QFileDevice*>(&device)) {
        errno = 0;
        if (!file->flush())
            return saveFailure(displayName, errno);
    }
    return FileResult::success();
}

FileResult saveFileAtomically(const QString& path, const QByteArray& bytes)
{
    return saveFileAtomically(path, bytes, writeWhole);
}

FileResult saveFileAtomically(const QString& path, const QByteArray& bytes, const WriteStep& write)
{
    const QFileInfo info(path);
    const QString displayName = info.fileName();

    QSaveFile file(path);
    // Never fall back to writing the real file in place: that is exactly the half-written file
    // the temporary file is there to prevent.
    file.setDirectWriteFallback(false);
    errno = 0;
    // Unbuffered: a write that falls short shows at once, with errno still telling why.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        // Qt refuses a folder in the file's place, or a write-protected file, before asking the
        // system, so errno may tell nothing.
        int why = errno;
        if (why == 0)
            why = info.isDir() ? EISDIR : (info.exists() && !info.isWritable()) ? EACCES : EIO;
        return saveFailure(displayName, why);
    }

    if (FileResult written = write(file, bytes, displayName); !written) {
        file.cancelWriting();
        return written;
    }
    if (::fsync(file.handle()) != 0) {
        const int why = errno;
        file.cancelWriting();
        return saveFailure(displayName, why);
    }
    errno = 0;
    if (!file.commit())
        return saveFailure(displayName, errno ? errno : (info.isDir() ? EISDIR : EIO));
    syncFolder(info.absolutePath());
    return FileResult::success();
}

void removeStraySaveFiles(const QString& folder, const QStringList& fileNames)
{
    // A save writes to a temporary file named after the real one with a dot and six random
    // letters (on Linux it is nameless until the moment before the rename, but on file systems
    // without that it has the name from the start). One killed half-way is left behind.
    const QDir dir(folder);
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : fileNames) {
        const QRegularExpression stray(QStringLiteral("^%1\\.[A-Za-z]{6}$")
                                           .arg(QRegularExpression::escape(name)));
        for (const QString& entry : entries)
            if (stray.match(entry).hasMatch())
                QFile::remove(dir.filePath(entry));
    }
}
