// Every save with each of its steps failing in turn: the k-th write, flush, sync or rename fails,
// for every k, once or from then on. Never is success reported, the previous file stays
// byte-identical and no temporary file is left. Then the same with real faults of the system in
// a child process: a file-size limit at every size the file passes through, and no file handle
// left to open.

#include "data/filesave.h"
#include "data/settingsfile.h"
#include "data/visitfile.h"

#include "datatest.h"

#include <csignal>
#include <fcntl.h>
#include <functional>
#include <iostream>
#include <sys/resource.h>
#include <unistd.h>

namespace {

using datatest::Folder;

enum class Mode { Once, FromThenOn, ShortThenFull };

// Fails the k-th step of a save (1-based, writes, flush, sync and rename counted together) with
// the error the system would give there.
class FailStep : public SaveObserver {
public:
    FailStep(int k, Mode mode) : m_k(k), m_mode(mode) {}
    int steps = 0;
    int failed = 0;
    int before(SaveStep step, qint64* shortBy) override
    {
        ++steps;
        if (steps < m_k || (m_mode == Mode::Once && steps > m_k))
            return 0;
        if (m_mode == Mode::ShortThenFull && steps == m_k && step == SaveStep::Write) {
            *shortBy = SaveChunk / 2; // the disk takes part of the piece, then is full
            return 0;
        }
        ++failed;
        return errnoFor(step);
    }
    static int errnoFor(SaveStep step)
    {
        switch (step) {
        case SaveStep::Write: return ENOSPC;
        case SaveStep::Flush: return EDQUOT;
        case SaveStep::Sync: return EIO;
        default: return EACCES;
        }
    }

private:
    int m_k;
    Mode m_mode;
};

// Counts the steps of a save without failing any.
class CountSteps : public SaveObserver {
public:
    int steps = 0;
    int before(SaveStep, qint64*) override { return ++steps, 0; }
};

class FaultLoop : public Folder {
protected:
    using Save = std::function<FileResult(SaveObserver*)>;
    int injected = 0;

    QStringList files() const { return folder().entryList(QDir::Files | QDir::Hidden | QDir::System); }

    // Every step of `save` failing in each way; `name` is the file it replaces.
    void failEveryStep(const QString& name, const Save& save)
    {
        const QByteArray before = read(name);
        const QStringList filesBefore = files();
        CountSteps counter;
        ASSERT_TRUE(save(&counter));
        const QByteArray after = read(name);
        ASSERT_NE(after, before) << "the save must change the file for the loop to show anything";
        write(name, before);
        ASSERT_GE(counter.steps, 4);

        for (const Mode mode : {Mode::Once, Mode::FromThenOn, Mode::ShortThenFull}) {
            for (int k = 1; k <= counter.steps; ++k) {
                FailStep fault(k, mode);
                const FileResult r = save(&fault);
                // A short write is no failure when nothing follows it to fail (the last write of a
                // file that is all one piece, cut short, is completed by the next one).
                if (fault.failed == 0)
                    continue;
                ++injected;
                EXPECT_FALSE(r.ok) << name.toStdString() << " step " << k << " mode " << int(mode);
                EXPECT_TRUE(r.error.startsWith(QStringLiteral("Filen %1 kunde inte sparas: ").arg(name)))
                    << r.error.toStdString();
                ASSERT_EQ(read(name), before) << name.toStdString() << " step " << k << " mode " << int(mode);
                ASSERT_EQ(files(), filesBefore) << "a temporary file left, step " << k;
            }
        }
        // After all that, the save works.
        ASSERT_TRUE(save(nullptr));
        EXPECT_EQ(read(name), after);
    }
};

TEST_F(FaultLoop, NoFailedStepOfASaveIsReportedAsSuccessOrChangesTheFile)
{
    // A full visit file: 48 pieces written, then the flush, the sync and the rename.
    VisitTable table;
    table.resize(VisitTable::MaxRecords);
    write(visitfile::fileName(), QByteArray(qsizetype(VisitTable::MaxRecords) * 95, 'o'));
    table[VisitTable::MaxRecords].setText(VisitField::Diagnoskod, QStringLiteral("NY"));
    failEveryStep(visitfile::fileName(),
                  [&](SaveObserver* o) { return visitfile::SparaBesöksFil(folder(), table, o); });

    SettingsRecord settings = SettingsRecord::firstRunDefault();
    ASSERT_TRUE(settingsfile::SparaInställningsFil(folder(), settings));
    settings.setText(SettingsField::Klinik, QStringLiteral("Ny klinik"));
    failEveryStep(settingsfile::fileName(),
                  [&](SaveObserver* o) { return settingsfile::SparaInställningsFil(folder(), settings, o); });
    std::cout << "[ figures  ] faults injected into saves: " << injected << std::endl;
}

// The reason for each step's failure reaches the message as the system gave it.
TEST_F(FaultLoop, TheFailedStepsReasonIsTheMessages)
{
    write(settingsfile::fileName(), "old");
    const SettingsRecord settings = SettingsRecord::firstRunDefault();
    const QString reasons[] = {QStringLiteral("disken är full"), QStringLiteral("det tilldelade diskutrymmet är slut"),
                               QStringLiteral("läs- eller skrivfel på disken"), QStringLiteral("åtkomst nekad")};
    for (int k = 1; k <= 4; ++k) {
        FailStep fault(k, Mode::Once);
        EXPECT_EQ(settingsfile::SparaInställningsFil(folder(), settings, &fault).error,
                  QStringLiteral("Filen Inställn.txt kunde inte sparas: %1.").arg(reasons[k - 1]));
    }
}

// Runs `save` in a child process limited as `limit` says.
FileResult inLimitedChild(const std::function<void()>& limit, const std::function<FileResult()>& save)
{
    return datatest::inChildProcess([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        limit();
        return save();
    });
}

void limitFileSize(rlim_t bytes)
{
    rlimit rl{};
    ::getrlimit(RLIMIT_FSIZE, &rl);
    rl.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &rl);
}

// No file handle left: the three standard ones are all the process may have open (a missing
// one is filled first, so that no opening takes its number).
void noFileHandleLeft()
{
    for (int fd = 0; fd < 3; ++fd)
        if (::fcntl(fd, F_GETFD) < 0)
            ::open("/dev/null", O_RDWR);
    rlimit rl{};
    ::getrlimit(RLIMIT_NOFILE, &rl);
    rl.rlim_cur = 3;
    ::setrlimit(RLIMIT_NOFILE, &rl);
}

TEST_F(FaultLoop, RealFaultsOfTheSystemFailTheSaveAndKeepTheFile)
{
    int real = 0;
    SettingsRecord settings = SettingsRecord::firstRunDefault();
    ASSERT_TRUE(settingsfile::SparaInställningsFil(folder(), settings));
    const QByteArray settingsBefore = read(settingsfile::fileName());
    settings.setText(SettingsField::Klinik, QStringLiteral("Ny klinik"));
    const auto saveSettings = [&] { return settingsfile::SparaInställningsFil(folder(), settings); };

    // Every size the settings file passes through on its way to 196 bytes.
    for (rlim_t limit = 0; limit < 196; ++limit) {
        const FileResult r = inLimitedChild([&] { limitFileSize(limit); }, saveSettings);
        ++real;
        EXPECT_EQ(r.error, QStringLiteral("Filen Inställn.txt kunde inte sparas: filen blir för stor.")) << limit;
        ASSERT_EQ(read(settingsfile::fileName()), settingsBefore) << limit;
    }

    // A full visit file at the piece boundaries of its write and around them.
    VisitTable table;
    table.resize(VisitTable::MaxRecords);
    const QByteArray visitsBefore(qsizetype(VisitTable::MaxRecords) * 95, 'o');
    write(visitfile::fileName(), visitsBefore);
    table[1].setText(VisitField::Diagnoskod, QStringLiteral("NY"));
    const auto saveVisits = [&] { return visitfile::SparaBesöksFil(folder(), table); };
    for (const rlim_t limit : {rlim_t(0), rlim_t(1), rlim_t(95), rlim_t(SaveChunk - 1), rlim_t(SaveChunk),
                               rlim_t(SaveChunk + 1), rlim_t(20 * SaveChunk), rlim_t(visitsBefore.size() - 95),
                               rlim_t(visitsBefore.size() - 1)}) {
        const FileResult r = inLimitedChild([&] { limitFileSize(limit); }, saveVisits);
        ++real;
        EXPECT_EQ(r.error, QStringLiteral("Filen PatBesök.Dat kunde inte sparas: filen blir för stor.")) << limit;
        ASSERT_EQ(read(visitfile::fileName()), visitsBefore) << limit;
    }

    // No file handle to open the temporary file (or the old file, to read its tail).
    for (const auto& save : {std::function<FileResult()>(saveSettings), std::function<FileResult()>(saveVisits)}) {
        const FileResult r = inLimitedChild(noFileHandleLeft, save);
        ++real;
        EXPECT_FALSE(r.ok);
        EXPECT_TRUE(r.error.endsWith(QStringLiteral(": för många öppna filer."))) << r.error.toStdString();
    }
    EXPECT_EQ(read(settingsfile::fileName()), settingsBefore);
    EXPECT_EQ(read(visitfile::fileName()), visitsBefore);

    // A folder that refuses writing stops every user but root, who is let through: the fault is
    // real only for another user.
    if (::geteuid() != 0) {
        ASSERT_TRUE(QFile::setPermissions(tmp.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        const FileResult r = saveSettings();
        ASSERT_TRUE(QFile::setPermissions(tmp.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                          QFileDevice::ExeOwner));
        ++real;
        EXPECT_EQ(r.error, QStringLiteral("Filen Inställn.txt kunde inte sparas: åtkomst nekad."));
        EXPECT_EQ(read(settingsfile::fileName()), settingsBefore);
    }
    EXPECT_EQ(folder().entryList(QDir::Files | QDir::Hidden).size(), 2) << "no temporary file";
    std::cout << "[ figures  ] real faults of the system tried: " << real << std::endl;
}

} // namespace
