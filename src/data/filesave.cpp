#include "data/filesave.h"

#include "data/fileerrors.h"
#include "data/regularfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// The save is written against the system calls rather than QSaveFile: QSaveFile's commit()
// syncs the file a second time, gives a test no way to stop between its steps, and reports
// success after a failed write. Qt still carries the writes (QFile on the descriptor), so a
// device that fails part-way can be put in between.

namespace {

FileResult saveFailure(const QString& displayName, int errnoValue)
{
    return FileResult::failure(QStringLiteral("Filen %1 kunde inte sparas: %2.")
                                   .arg(displayName, reasonFromErrno(errnoValue)));
}

QByteArray encoded(const QString& path)
{
    return QFile::encodeName(path);
}

// The temporary file: the real name, a dot and six random letters, created new (never an
// existing file opened), so that a save killed half-way leaves a name the next start knows.
int createTemporary(const QString& finalPath, QString& temporaryPath)
{
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
    for (int attempt = 0; attempt < 100; ++attempt) {
        QString name = finalPath + QLatin1Char('.');
        for (int i = 0; i < 6; ++i)
            name += QLatin1Char(letters[QRandomGenerator::global()->bounded(52)]);
        const int fd = ::open(encoded(name).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            temporaryPath = name;
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

// The new file takes over the old one's owner, group and permissions where the system allows
// it (a member of the file's group may give a file that group, only root its owner).
void keepOwnershipAndMode(int fd, const struct stat& old)
{
    if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
        [[maybe_unused]] const int ignored = ::fchown(fd, uid_t(-1), old.st_gid);
    }
    // After the change of group, which may have cleared the set-group-ID bit.
    [[maybe_unused]] const int ignored = ::fchmod(fd, old.st_mode & 07777);
}

// Makes the rename itself durable: without it a power cut shortly after a save can bring back
// the previous file, and with it the receipt just registered. Some file systems cannot sync a
// folder; the file itself is synced by then, so that is no failed save.
void syncFolder(const QString& folder)
{
    const int fd = ::open(encoded(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

// The temporary file as the write step sees it: every write goes to the file in pieces of at
// most SaveChunk bytes, each one a step the observer sees.
class TemporaryDevice : public QIODevice {
public:
    TemporaryDevice(QFile& file, SaveObserver* observer) : m_file(file), m_observer(observer)
    {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 len) override
    {
        qint64 n = qMin(len, SaveChunk);
        if (m_observer) {
            qint64 shortBy = 0;
            if (const int why = m_observer->before(SaveStep::Write, &shortBy)) {
                errno = why;
                return -1;
            }
            n = qMax<qint64>(1, n - qMax<qint64>(0, shortBy));
        }
        errno = 0;
        const qint64 written = m_file.write(data, n);
        if (written > 0 && m_observer)
            m_observer->after(SaveStep::Write);
        return written;
    }

private:
    QFile& m_file;
    SaveObserver* m_observer;
};

// Runs one step: the observer may fail it with an errno value instead; otherwise `step` runs
// and answers 0 or the errno of its failure.
template <typename Step>
int runStep(SaveObserver* observer, SaveStep which, Step step)
{
    if (observer) {
        if (const int why = observer->before(which, nullptr))
            return why;
    }
    errno = 0;
    if (const int why = step())
        return why;
    if (observer)
        observer->after(which);
    return 0;
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

FileResult saveFileAtomically(const QString& path, const QByteArray& bytes, SaveObserver* observer)
{
    const QFileInfo info(path);
    const QString displayName = info.fileName();
    if (info.isDir())
        return saveFailure(displayName, EISDIR);
    // A write-protected file stays as it is, though the folder would let it be replaced.
    if (info.exists() && !info.isWritable())
        return saveFailure(displayName, EACCES);
    // A link whose file is not there (a network folder not mounted) is not replaced by a file:
    // the clinic's file is behind it.
    if (const QString target = missingLinkTarget(path); !target.isEmpty())
        return fileerrors::missingLinkTarget(path, target);
    // A link to the file keeps pointing at it: the file it names is the one replaced.
    const QString finalPath = info.isSymLink() && info.exists() ? info.canonicalFilePath() : path;

    QString temporaryPath;
    const int fd = createTemporary(finalPath, temporaryPath);
    if (fd < 0)
        return saveFailure(displayName, errno);
    bool open = true;
    const auto fail = [&](int why) {
        if (open)
            ::close(fd);
        ::unlink(encoded(temporaryPath).constData());
        return saveFailure(displayName, why ? why : EIO);
    };

    struct stat old {};
    if (::stat(encoded(finalPath).constData(), &old) == 0)
        keepOwnershipAndMode(fd, old);

    {
        QFile file;
        // Unbuffered: a write that falls short shows at once, with errno still telling why.
        if (!file.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::DontCloseHandle))
            return fail(EIO);
        TemporaryDevice temporary(file, observer);
        if (FileResult written = writeWhole(temporary, bytes, displayName); !written) {
            ::close(fd);
            ::unlink(encoded(temporaryPath).constData());
            return written;
        }
        if (const int why = runStep(observer, SaveStep::Flush, [&] { return file.flush() ? 0 : (errno ? errno : EIO); }))
            return fail(why);
    }
    if (const int why = runStep(observer, SaveStep::Sync, [&] { return ::fsync(fd) == 0 ? 0 : errno; }))
        return fail(why);
    open = false;
    // A network disk may report a failed write only when the file is closed.
    if (::close(fd) != 0)
        return fail(errno);
    if (const int why = runStep(observer, SaveStep::Rename, [&] {
            return ::rename(encoded(temporaryPath).constData(), encoded(finalPath).constData()) == 0 ? 0 : errno;
        }))
        return fail(why);
    syncFolder(QFileInfo(finalPath).absolutePath());
    if (observer)
        observer->after(SaveStep::FolderSync);
    return FileResult::success();
}

FileResult removeStraySaveFiles(const QString& folder, const QStringList& fileNames,
                                const QString& namePattern)
{
    // A save writes to a temporary file named after the real one with a dot and six random
    // letters. One killed half-way is left behind.
    QStringList names;
    for (const QString& name : fileNames)
        names += QRegularExpression::escape(name);
    if (!namePattern.isEmpty())
        names += QStringLiteral("(?:%1)").arg(namePattern);
    if (names.isEmpty())
        return FileResult::success();
    const QRegularExpression stray(QStringLiteral("^(?:%1)\\.[A-Za-z]{6}$").arg(names.join(u'|')));
    const QDir dir(folder);
    QStringList failed;
    for (const QString& entry : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (!stray.match(entry).hasMatch())
            continue;
        if (::unlink(encoded(dir.filePath(entry)).constData()) != 0 && errno != ENOENT)
            failed += QStringLiteral("Filen %1 kunde inte tas bort: %2.").arg(entry, reasonFromErrno(errno));
    }
    if (failed.isEmpty())
        return FileResult::success();
    return FileResult::failure(failed.join(u'\n'));
}
