#pragma once

#include "data/fileresult.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <sys/wait.h>
#include <unistd.h>

// Helpers for the data-file tests: a fresh program folder each, and whole-file access that
// bypasses the code under test.
namespace datatest {

inline QByteArray readBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

inline void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// Runs `work` in a child process (a second copy of the program, or a process with a file-size
// limit) and hands back its result. The child ends with _exit: nothing of it is cleaned up, as
// with a copy that is killed.
inline FileResult inChildProcess(const std::function<FileResult()>& work)
{
    int fds[2];
    if (::pipe(fds) != 0)
        return FileResult::failure(QStringLiteral("pipe"));
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(fds[0]);
        const FileResult r = work();
        const QByteArray out = QByteArray(r.ok ? "1" : "0") + r.error.toUtf8();
        [[maybe_unused]] auto n = ::write(fds[1], out.constData(), size_t(out.size()));
        ::_exit(0);
    }
    ::close(fds[1]);
    QByteArray out;
    char buf[512];
    for (ssize_t n; (n = ::read(fds[0], buf, sizeof buf)) > 0;)
        out.append(buf, n);
    ::close(fds[0]);
    ::waitpid(child, nullptr, 0);
    if (out.isEmpty())
        return FileResult::failure(QStringLiteral("the child process gave no answer"));
    return out[0] == '1' ? FileResult::success() : FileResult::failure(QString::fromUtf8(out.mid(1)));
}

class Folder : public ::testing::Test {
protected:
    QTemporaryDir tmp;
    QDir folder() const { return QDir(tmp.path()); }
    QString path(const QString& name) const { return tmp.filePath(name); }
    QByteArray read(const QString& name) const { return readBytes(path(name)); }
    void write(const QString& name, const QByteArray& bytes) { writeBytes(path(name), bytes); }
    void SetUp() override { ASSERT_TRUE(tmp.isValid()); }
};

} // namespace datatest
