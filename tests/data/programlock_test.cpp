#include "data/programlock.h"

#include "datatest.h"

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using datatest::Folder;

class ProgramLockTest : public Folder {
protected:
    QString lockFile() const { return path(QStringLiteral("Kassa.lck")); }

    // A second copy of the program, in a process of its own, holding the lock until told to go.
    struct OtherCopy {
        pid_t pid = -1;
        int release = -1;
    };
    OtherCopy startOtherCopy()
    {
        int ready[2], release[2];
        EXPECT_EQ(::pipe(ready), 0);
        EXPECT_EQ(::pipe(release), 0);
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::close(ready[0]);
            ::close(release[1]);
            ProgramLock lock(tmp.path());
            const char ok = lock.acquire().ok ? '1' : '0';
            [[maybe_unused]] auto w = ::write(ready[1], &ok, 1);
            char c;
            [[maybe_unused]] auto r = ::read(release[0], &c, 1);
            ::_exit(0);
        }
        ::close(ready[1]);
        ::close(release[0]);
        char ok = '0';
        EXPECT_EQ(::read(ready[0], &ok, 1), 1);
        EXPECT_EQ(ok, '1');
        ::close(ready[0]);
        return {pid, release[1]};
    }
    void stop(OtherCopy& copy, bool kill)
    {
        if (kill)
            ::kill(copy.pid, SIGKILL);
        ::close(copy.release);
        int status = 0;
        ::waitpid(copy.pid, &status, 0);
    }
};

TEST_F(ProgramLockTest, FirstCopyGetsTheLock)
{
    ProgramLock lock(tmp.path());
    const FileResult r = lock.acquire();
    EXPECT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_TRUE(QFile::exists(lockFile()));
    EXPECT_TRUE(lock.acquire().ok); // asking again while holding it is fine
}

TEST_F(ProgramLockTest, LockIsGoneWhenTheProgramEnds)
{
    {
        ProgramLock lock(tmp.path());
        ASSERT_TRUE(lock.acquire());
    }
    EXPECT_FALSE(QFile::exists(lockFile()));
}

TEST_F(ProgramLockTest, SecondLiveCopyIsRefusedWithAClearMessage)
{
    OtherCopy other = startOtherCopy();
    {
        ProgramLock lock(tmp.path());
        const FileResult r = lock.acquire();
        EXPECT_FALSE(r.ok);
        EXPECT_TRUE(r.error.startsWith(QStringLiteral("Kassaprogrammet är redan igång i den här mappen")))
            << r.error.toStdString();
        EXPECT_TRUE(r.error.contains(QDir::toNativeSeparators(tmp.path()))) << r.error.toStdString();
    }
    stop(other, false);
    ProgramLock lock(tmp.path());
    EXPECT_TRUE(lock.acquire().ok);
}

TEST_F(ProgramLockTest, LockOfAKilledCopyIsTakenOver)
{
    OtherCopy other = startOtherCopy();
    stop(other, true);
    ASSERT_TRUE(QFile::exists(lockFile())) << "a killed copy leaves its lock file";
    ProgramLock lock(tmp.path());
    const FileResult r = lock.acquire();
    EXPECT_TRUE(r.ok) << r.error.toStdString();
}

struct LeftOver {
    const char* name;
    QByteArray contents;
};

class LeftOverLockFile : public ProgramLockTest, public ::testing::WithParamInterface<LeftOver> {};

TEST_P(LeftOverLockFile, DoesNotBlockStartUp)
{
    write(QStringLiteral("Kassa.lck"), GetParam().contents);
    ProgramLock lock(tmp.path());
    const FileResult r = lock.acquire();
    EXPECT_TRUE(r.ok) << r.error.toStdString();

    // And the lock is real afterwards: another copy is kept out.
    const pid_t child = ::fork();
    if (child == 0) {
        ProgramLock second(tmp.path());
        ::_exit(second.acquire().ok ? 1 : 0);
    }
    int status = -1;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "second copy got the lock";
}

INSTANTIATE_TEST_SUITE_P(
    ProgramLock, LeftOverLockFile,
    ::testing::Values(LeftOver{"Empty", QByteArray()},
                      LeftOver{"Garbled", QByteArray("\x01\xFFgarbage\n\n\x7F", 13)},
                      LeftOver{"NullBytes", QByteArray(64, '\0')},
                      LeftOver{"DeadProcess", QByteArray("999999\nkassa\nsomehost\n")},
                      LeftOver{"ThisHostsInit", QByteArray("1\nkassa_tests\n") +
                                                    QSysInfo::machineHostName().toUtf8() + "\n"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
