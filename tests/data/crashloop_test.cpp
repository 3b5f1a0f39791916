// Kills during registrations: a child process registers visits into a visit file at its limit of
// 32767 records while the parent kills it (SIGKILL), at random moments and right after each step
// of a save. After every kill the next start must find a whole file, the old or the new one, with
// every visit whose save had reported success, no temporary file, and the lock free to take.

#include "data/filesave.h"
#include "data/programlock.h"
#include "data/visitdamage.h"
#include "data/visitfile.h"
#include "ui/filemessages.h"

#include "datatest.h"

#include <QElapsedTimer>
#include <QRandomGenerator>

#include <csignal>
#include <cstring>
#include <iostream>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using datatest::Folder;

constexpr int Full = VisitTable::MaxRecords;

// Registration number `op`: a new receipt while the file has room, then a receipt registered
// again in place (the file is full). Which receipt and what it holds follow from `op` alone, so
// the parent knows what each registration writes.
void registration(int op, VisitTable& table)
{
    int receipt = table.upperBound() + 1;
    if (receipt > Full)
        receipt = int((quint64(op) * 7919u) % Full) + 1;
    else
        table.resize(receipt);
    VisitRecord& r = table[receipt];
    r.setText(VisitField::Registreringstyp, QStringLiteral("1"));
    r.setText(VisitField::Kvittonummer, QStringLiteral("%1").arg(receipt, 8, 10, QLatin1Char('0')));
    r.setText(VisitField::IdNummer, QStringLiteral("%1").arg(op, 12, 10, QLatin1Char('0')));
    r.setText(VisitField::Diagnoskod, QStringLiteral("R%1").arg(op % 10000));
}

struct Message {
    char kind; // 'b' a save begins, 'a' it reported success
    qint32 op;
};

void send(int fd, char kind, int op)
{
    const Message m{kind, op};
    [[maybe_unused]] auto n = ::write(fd, &m, sizeof m);
}

// Kills the process right after the `count`-th time `step` has run.
class KillAfter : public SaveObserver {
public:
    KillAfter(SaveStep step, int count) : m_step(step), m_count(count) {}
    void after(SaveStep step) override
    {
        if (step == m_step && --m_count == 0)
            ::raise(SIGKILL);
    }

private:
    SaveStep m_step;
    int m_count;
};

// The child: starts as the program does (the lock, stray files removed), then registers visits
// from `firstOp` on, each read back from the file first as the desk does, until it is killed.
[[noreturn]] void registerUntilKilled(const QString& folder, int firstOp, int fd, SaveObserver* observer)
{
    ProgramLock lock(folder);
    if (!lock.acquire())
        ::_exit(3);
    removeStraySaveFiles(folder, {visitfile::fileName()});
    VisitTable table;
    for (int op = firstOp;; ++op) {
        if (!visitfile::HämtaBesöksFil(QDir(folder), table))
            ::_exit(4);
        registration(op, table);
        send(fd, 'b', op);
        if (!visitfile::SparaBesöksFil(QDir(folder), table, observer))
            ::_exit(5);
        send(fd, 'a', op);
    }
}

class CrashLoop : public Folder {
protected:
    VisitTable model; // the file after `done` registrations
    int done = 0;
    int kills = 0, killsInASave = 0;

    QByteArray modelBytes() const
    {
        return QByteArray(reinterpret_cast<const char*>(model.records().constData()),
                          qsizetype(model.upperBound()) * VisitRecord::Size);
    }

    // One child, killed after `delayMicroseconds` (or by its own observer); then the next start.
    void runAndKill(int delayMicroseconds, SaveObserver* observer)
    {
        int fds[2];
        ASSERT_EQ(::pipe(fds), 0);
        const pid_t child = ::fork();
        if (child == 0) {
            ::close(fds[0]);
            registerUntilKilled(tmp.path(), done + 1, fds[1], observer);
        }
        ::close(fds[1]);
        if (!observer) {
            ::usleep(useconds_t(delayMicroseconds));
            ::kill(child, SIGKILL);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "child status " << status;
        int acknowledged = done;
        bool inASave = false;
        Message m{};
        while (::read(fds[0], &m, sizeof m) == sizeof m) {
            inASave = m.kind == 'b';
            if (m.kind == 'a')
                acknowledged = m.op;
        }
        ::close(fds[0]);
        ++kills;
        killsInASave += inASave;
        checkTheNextStart(acknowledged);
    }

    void checkTheNextStart(int acknowledged)
    {
        {
            ProgramLock lock(tmp.path());
            const FileResult locked = lock.acquire();
            ASSERT_TRUE(locked) << "kill " << kills << ": " << locked.error.toStdString();
            removeStraySaveFiles(tmp.path(), {visitfile::fileName()});
            ASSERT_EQ(folder().entryList(QDir::Files | QDir::Hidden | QDir::System),
                      (QStringList{QStringLiteral("Kassa.lck"), visitfile::fileName()}))
                << "kill " << kills;
        }
        while (done < acknowledged)
            registration(++done, model);
        const QByteArray file = read(visitfile::fileName());
        if (file != modelBytes()) {
            // The save under way when the kill came may have been completed: the new file.
            registration(++done, model);
            ASSERT_EQ(file.size(), modelBytes().size()) << "kill " << kills;
            ASSERT_TRUE(file == modelBytes())
                << "kill " << kills << ": neither the old nor the new file after registration " << done;
        }
        QString warning;
        ASSERT_TRUE(filemessages::granskaBesöksfil(folder(), QStringLiteral("x"), warning));
        ASSERT_TRUE(warning.isEmpty()) << warning.toStdString();
    }
};

TEST_F(CrashLoop, EveryKillLeavesTheOldOrTheNewFileWithEveryAcknowledgedVisit)
{
    // Receipts 1..32760 stored: the first registrations grow the file to its limit, the rest
    // register receipts again in place.
    model.resize(Full - 7);
    for (int k = 1; k <= model.upperBound(); ++k)
        model[k].setText(VisitField::Kvittonummer, QStringLiteral("%1").arg(k, 8, 10, QLatin1Char('0')));
    write(visitfile::fileName(), modelBytes());

    // One registration's time, to spread the random kills over a few of them.
    QElapsedTimer timer;
    timer.start();
    {
        VisitTable table;
        ASSERT_TRUE(visitfile::HämtaBesöksFil(folder(), table));
        ASSERT_TRUE(visitfile::SparaBesöksFil(folder(), table));
    }
    const int oneSave = int(qMax<qint64>(timer.nsecsElapsed() / 1000, 500));

    // Right after each step of a save: the first, a middle and the last piece written, the
    // flush, the sync, the rename and the sync of the folder.
    const int pieces = int((qint64(Full) * VisitRecord::Size + SaveChunk - 1) / SaveChunk);
    const std::pair<SaveStep, int> seams[] = {
        {SaveStep::Write, 1}, {SaveStep::Write, pieces / 2}, {SaveStep::Write, pieces},
        {SaveStep::Flush, 1}, {SaveStep::Sync, 1}, {SaveStep::Rename, 1}, {SaveStep::FolderSync, 1},
        {SaveStep::Rename, 3}, // the third registration of one run
    };
    for (const auto& [step, count] : seams) {
        KillAfter killer(step, count);
        runAndKill(0, &killer);
        if (HasFatalFailure())
            return;
    }
    const int seamKills = kills;

    // At random moments, seeded so that a failure can be repeated.
    const quint32 seed = QRandomGenerator::global()->generate();
    SCOPED_TRACE("seed " + std::to_string(seed));
    QRandomGenerator random(seed);
    for (int i = 0; i < 220; ++i) {
        runAndKill(int(random.bounded(quint32(4 * oneSave))), nullptr);
        if (HasFatalFailure())
            return;
    }
    EXPECT_GT(done, 7) << "the file never reached its limit";
    EXPECT_EQ(model.upperBound(), Full);
    EXPECT_GT(killsInASave, 0);
    std::cout << "[ figures  ] kills survived: " << kills << " (" << seamKills << " right after a step of "
              << "a save, " << kills - seamKills << " at random moments, " << killsInASave
              << " of them in the middle of a save); registrations done: " << done
              << "; one save: " << oneSave << " µs; seed " << seed << std::endl;
}

} // namespace
