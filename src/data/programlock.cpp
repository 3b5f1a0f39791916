#include "data/programlock.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QThread>

#include <cerrno>
#include <sys/stat.h>

namespace {

QString lockFileName()
{
    return QStringLiteral("Kassa.lck");
}

} // namespace

ProgramLock::ProgramLock(const QString& folder)
    : m_folder(folder)
    , m_lock(std::make_unique<QLockFile>(QDir(folder).filePath(lockFileName())))
{
    // The desk runs all day: age alone must never make a running copy's lock look abandoned.
    // A copy that was killed is still recognised, by its process being gone.
    m_lock->setStaleLockTime(0);
}

ProgramLock::~ProgramLock() = default;

FileResult ProgramLock::acquire()
{
    if (m_lock->isLocked())
        return FileResult::success();

    const QString folder = QDir::toNativeSeparators(QDir(m_folder).absolutePath());
    const auto cannotCreate = [&](int why) {
        return FileResult::failure(
            QStringLiteral("Låsfilen %1 kunde inte skapas i mappen %2: %3. Ta bort eller byt namn "
                           "på det som heter %1 och starta programmet igen.")
                .arg(lockFileName(), folder, reasonFromErrno(why)));
    };
    // A folder, a named pipe or a link to nothing in the lock file's place is no lock of another
    // copy: no copy can ever hold it, and reading a pipe would wait for good.
    struct stat st {};
    if (::lstat(QFile::encodeName(QDir(m_folder).filePath(lockFileName())).constData(), &st) == 0 &&
        !S_ISREG(st.st_mode)) {
        if (S_ISDIR(st.st_mode))
            return cannotCreate(EISDIR);
        if (!S_ISLNK(st.st_mode) || !QFileInfo(QDir(m_folder).filePath(lockFileName())).isFile())
            return cannotCreate(NotARegularFile);
    }

    if (m_lock->tryLock())
        return FileResult::success();

    if (m_lock->error() == QLockFile::LockFailedError) {
        // Qt takes over a lock whose process is gone, but with no age limit it never gives up on
        // a lock file it cannot read, and a power cut can leave one empty or garbled. A running
        // copy holds a lock on the open file itself, which removeStaleLockFile() respects, so
        // removing the file here cannot take the lock from a copy that is alive. A copy that is
        // starting this very moment writes its details right after creating the file; give it
        // that moment before judging the file unreadable.
        qint64 pid = 0;
        QString host, app;
        if (!m_lock->getLockInfo(&pid, &host, &app))
            QThread::msleep(200);
        if (m_lock->removeStaleLockFile() && m_lock->tryLock())
            return FileResult::success();
    }

    switch (m_lock->error()) {
    case QLockFile::LockFailedError:
        return FileResult::failure(
            QStringLiteral("Kassaprogrammet är redan igång i den här mappen (%1). "
                           "Använd det program som redan är öppet, eller avsluta det först.")
                .arg(folder));
    case QLockFile::PermissionError:
        return FileResult::failure(
            QStringLiteral("Låsfilen %1 kunde inte skapas i mappen %2: %3.")
                .arg(lockFileName(), folder, reasonFromErrno(EACCES)));
    default:
        return FileResult::failure(
            QStringLiteral("Låsfilen %1 kunde inte skapas i mappen %2.").arg(lockFileName(), folder));
    }
}
