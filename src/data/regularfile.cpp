#include "data/regularfile.h"

#include "data/fileresult.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

int openRegularFile(QFile& file, const QString& path)
{
    // Without O_NONBLOCK the opening of a named pipe itself blocks, before it can be looked at.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno ? errno : EIO;
    struct stat st {};
    int why = 0;
    if (::fstat(fd, &st) != 0)
        why = errno ? errno : EIO;
    else if (S_ISDIR(st.st_mode))
        why = EISDIR;
    else if (!S_ISREG(st.st_mode))
        why = NotARegularFile;
    else if (const int flags = ::fcntl(fd, F_GETFL); flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0)
        why = errno ? errno : EIO;
    if (why != 0) {
        ::close(fd);
        return why;
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return EIO;
    }
    return 0;
}

QString missingLinkTarget(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isSymLink() || info.exists())
        return {};
    return QDir::toNativeSeparators(info.symLinkTarget());
}
