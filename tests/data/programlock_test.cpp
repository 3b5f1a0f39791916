#include "data/programlock.h"

#include "datatest.h"

#include <functional>
#include <sys/stat.h>

namespace {

using datatest::Folder;

class ProgramLockTest : public Folder {
protected:
    QString lockFile() const { return path(QStringLiteral("Kassa.lck")); }

    // Another copy of the program, in a process of its own, tries to take the lock and then
    // dies without letting go, as a killed copy does.
    FileResult anotherCopy()
    {
        return datatest::inChildProcess([this] {
            auto* lock = new ProgramLock(tmp.path()); // never destroyed: the copy is killed
            return lock->acquire();
        });
    }
};

TEST_F(ProgramLockTest, SecondCopyIsRefusedWhileTheFirstRunsAndTheLockGoesWithIt)
{
    {
        ProgramLock lock(tmp.path());
        ASSERT_TRUE(lock.acquire());
        EXPECT_TRUE(lock.acquire().ok) << "asking again while holding it is fine";
        const FileResult second = anotherCopy();
        EXPECT_TRUE(!second.ok &&
                    second.error.startsWith(QStringLiteral("Kassaprogrammet är redan igång i den här mappen")) &&
                    second.error.contains(QDir::toNativeSeparators(tmp.path())))
            << second.error.toStdString();
    }
    EXPECT_FALSE(QFile::exists(lockFile()));
}

// A lock left by a killed copy, or an empty or garbled lock file, does not block start-up,
// and the lock taken over keeps another copy out.
TEST_F(ProgramLockTest, LeftOverLockIsTakenOver)
{
    ASSERT_TRUE(anotherCopy());
    ASSERT_TRUE(QFile::exists(lockFile())) << "a killed copy leaves its lock file";
    const QByteArray leftOvers[] = {
        {}, QByteArray("\x01\xFFgarbage\n\n\x7F", 13), QByteArray(64, '\0'), "999999\nkassa\nsomehost\n",
        "1\nkassa_tests\n" + QSysInfo::machineHostName().toUtf8() + "\n"};
    for (int i = -1; i < int(std::size(leftOvers)); ++i) {
        if (i >= 0)
            write(QStringLiteral("Kassa.lck"), leftOvers[i]);
        ProgramLock lock(tmp.path());
        const FileResult r = lock.acquire();
        EXPECT_TRUE(r.ok) << "left-over " << i << ": " << r.error.toStdString();
        EXPECT_FALSE(anotherCopy().ok) << "left-over " << i;
    }
}

} // namespace

namespace {

// Something that is no lock file in the lock's place: no copy can hold it, so the message says
// the lock cannot be made and why, instead of calling it another running copy (and a named pipe
// is never read, which would wait for good).
TEST_F(ProgramLockTest, NoFileInTheLocksPlaceIsToldAsALockThatCannotBeMade)
{
    const QString folderName = QDir::toNativeSeparators(tmp.path());
    const auto message = [&](const QString& why) {
        return QStringLiteral("Låsfilen Kassa.lck kunde inte skapas i mappen %1: %2. Ta bort eller "
                              "byt namn på det som heter Kassa.lck och starta programmet igen.")
            .arg(folderName, why);
    };
    const struct {
        const char* name;
        std::function<bool(const QString&)> make;
        QString error;
    } rows[] = {
        {"folder", [](const QString& p) { return QDir().mkdir(p); },
         message(QStringLiteral("det finns en mapp med samma namn"))},
        {"named pipe", [](const QString& p) { return ::mkfifo(QFile::encodeName(p).constData(), 0644) == 0; },
         message(QStringLiteral("det är ingen vanlig fil"))},
        {"link to nothing", [](const QString& p) { return QFile::link(QStringLiteral("/finns/inte"), p); },
         message(QStringLiteral("det är ingen vanlig fil"))},
    };
    for (const auto& row : rows) {
        ASSERT_TRUE(row.make(lockFile())) << row.name;
        const FileResult r = datatest::inChildProcess([this] {
            ::alarm(10);
            return ProgramLock(tmp.path()).acquire();
        });
        EXPECT_EQ(r.error, row.error) << row.name;
        ASSERT_TRUE(QDir().rmdir(lockFile()) || QFile::remove(lockFile())) << row.name;
    }
}

} // namespace
