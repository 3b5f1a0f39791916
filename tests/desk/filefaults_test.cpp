// What the desk does with faults of the disk and of its files: a file-size limit during a
// registration, a damaged visit file at start-up, and names that are no regular file.

#include "desk/desk_scenario.h"

#include "app/processsignals.h"
#include "data/fileresult.h"
#include "data/filesave.h"

#include <QFile>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class DeskFileFaults : public DeskScenario {
protected:
    // Registers the visit typed on the open receipt in a child process whose files may not grow
    // beyond `limit` bytes, and answers the messages the child's desk showed, or why it has none.
    QString registerUnderSizeLimit(rlim_t limit, bool ignoreSignal)
    {
        int fds[2];
        if (::pipe(fds) != 0)
            return u"pipe"_s;
        const pid_t child = ::fork();
        if (child == 0) {
            ::close(fds[0]);
            if (ignoreSignal)
                ignoreFileSizeSignal(); // what main() does first
            else
                std::signal(SIGXFSZ, SIG_DFL);
            rlimit rl{};
            ::getrlimit(RLIMIT_FSIZE, &rl);
            rl.rlim_cur = limit;
            ::setrlimit(RLIMIT_FSIZE, &rl);
            dialogs.expectMessage(u"OBS! Besöket är inte registrerat!\n"
                                  u"Filen PatBesök.Dat kunde inte sparas: filen blir för stor."_s);
            app.click(desk->cmdRegistrera);
            QString shown;
            for (const auto& m : dialogs.messages())
                shown += m.text + u'|';
            const QByteArray out = shown.toUtf8();
            [[maybe_unused]] auto n = ::write(fds[1], out.constData(), size_t(out.size()));
            ::_exit(0);
        }
        ::close(fds[1]);
        QByteArray out;
        char buf[512];
        for (ssize_t n; (n = ::read(fds[0], buf, sizeof buf)) > 0;)
            out.append(buf, n);
        ::close(fds[0]);
        int status = 0;
        ::waitpid(child, &status, 0);
        if (WIFSIGNALED(status))
            return u"killed by signal %1"_s.arg(WTERMSIG(status));
        return QString::fromUtf8(out);
    }
};

// Under a file-size limit the write of receipt 4 fails instead of ending the program: the
// receptionist is told, and every stored byte stays as it was.
TEST_F(DeskFileFaults, AFileSizeLimitTellsTheVisitIsNotRegisteredAndKeepsEveryByte)
{
    start(3);
    const QByteArray original = visitFile();
    app.click(desk->cmdNästa);
    typeAndLeave(desk->txtPersonnummer, u"191212121212"_s);
    ASSERT_TRUE(app.type(desk->txtDiagnoskod, u"K35"_s));

    // Without the signal ignored the limit kills the program in the middle of the save.
    EXPECT_EQ(registerUnderSizeLimit(3 * 95 + 10, false), u"killed by signal %1"_s.arg(SIGXFSZ));
    EXPECT_EQ(visitFile(), original);
    // The killed save leaves its temporary file, which the next start removes.
    removeStraySaveFiles(dir.path(), {u"PatBesök.Dat"_s});
    EXPECT_EQ(registerUnderSizeLimit(3 * 95 + 10, true),
              u"OBS! Besöket är inte registrerat!\n"
              u"Filen PatBesök.Dat kunde inte sparas: filen blir för stor.|"_s);
    EXPECT_EQ(visitFile(), original);
    for (int k = 1; k <= 3; ++k)
        EXPECT_EQ(storedRecord(k), visit(k, u"191212121212"_s, u"2612%1"_s.arg(k + 1, 2, 10, QLatin1Char('0')))
                                       .bytes()
                                       .toByteArray())
            << "receipt " << k;
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 4) << "no temporary file";

    // With room enough the same visit is stored.
    app.click(desk->cmdRegistrera);
    ASSERT_EQ(visitFile().size(), 4 * 95);
    EXPECT_EQ(visitFile().left(3 * 95), original);
    EXPECT_EQ(field(storedRecord(4), VisitField::Diagnoskod), QByteArray("K35  "));
}

// Fails the k-th step of each save and every step after it, with the given reason.
class FailFromStep : public SaveObserver {
public:
    int k = 0, steps = 0, why = ENOSPC;
    int before(SaveStep, qint64*) override { return ++steps >= k ? why : 0; }
};

// Every step of the registration's save failing in turn: each time the receptionist is told, the
// file keeps every byte, and the desk still holds the visit, which registers once the disk works.
TEST_F(DeskFileFaults, EveryFailedStepOfTheSaveIsToldAndStoresNothing)
{
    start(1400); // 133,000 bytes: three pieces written, a flush, a sync and a rename
    const QByteArray original = visitFile();
    app.click(desk->cmdNästa);
    typeAndLeave(desk->txtPersonnummer, u"191212121212"_s);
    ASSERT_TRUE(app.type(desk->txtDiagnoskod, u"K35"_s));
    FailFromStep fault;
    program.saveObserver = &fault;
    const int steps = 6;
    for (fault.k = 1; fault.k <= steps; ++fault.k) {
        fault.steps = 0;
        dialogs.expectMessage(u"OBS! Besöket är inte registrerat!\nFilen PatBesök.Dat kunde inte sparas: "
                              u"disken är full."_s);
        app.click(desk->cmdRegistrera);
        ASSERT_TRUE(dialogs.allAnswersUsed()) << "step " << fault.k;
        ASSERT_EQ(visitFile(), original) << "step " << fault.k;
        visar({.kvitto = u"1401"_s, .txtDiagnoskod = u"K35"_s});
    }
    fault.steps = 0;
    app.click(desk->cmdRegistrera);
    EXPECT_EQ(fault.steps, steps) << "the save has as many steps as were failed";
    ASSERT_EQ(visitFile().size(), 1401 * 95);
    EXPECT_EQ(visitFile().left(1400 * 95), original);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 4) << "no temporary file";
}

// A cut last record and records holding NUL bytes: the whole file is kept aside before the desk
// may write over those bytes, and the receptionist is told which receipts to look at.
TEST_F(DeskFileFaults, ADamagedVisitFileIsKeptAsideAndToldAtStartUp)
{
    writeNumberedVisits(6);
    QByteArray damaged = visitFile();
    damaged[95 * 1 + 30] = '\0';                     // receipt 2
    damaged.replace(95 * 3, 95 * 2, QByteArray(190, '\0')); // receipts 4 and 5
    damaged += visit(7).bytes().first(40);            // receipt 7 cut after 40 bytes
    writeFile(u"PatBesök.Dat"_s, damaged);
    const auto before = folderContents();

    const QString warning = u"OBS! Besöksfilen PatBesök.Dat är skadad!\n"
                            u"Kvittona 2, 4-5 innehåller nolltecken.\n"
                            u"Kvitto 7 är avklippt: filen har bara 40 av dess 95 tecken, och nästa "
                            u"registrering skriver över dem.\n"
                            u"En kopia av hela filen har sparats som PatBesök.Dat.skadad-261208-0930 "
                            u"i samma mapp. Kontrollera kvittona och registrera dem på nytt vid behov."_s;
    dialogs.expectMessage(warning);
    startDesk();
    EXPECT_FALSE(desk->startFailed());
    auto expected = before;
    expected[u"PatBesök.Dat.skadad-261208-0930"_s] = damaged;
    EXPECT_EQ(folderContents(), expected);
    visar({.kvitto = u"6"_s});

    // The registration of receipt 7 writes over the cut record; the copy still holds it, and the
    // file is whole again.
    app.click(desk->cmdNästa);
    typeAndLeave(desk->txtPersonnummer, u"191212121212"_s);
    app.click(desk->cmdRegistrera);
    EXPECT_EQ(visitFile().size(), 7 * 95);
    EXPECT_EQ(visitFile().left(6 * 95), damaged.left(6 * 95));
    EXPECT_EQ(readFile(u"PatBesök.Dat.skadad-261208-0930"_s), damaged);
}

// A copy that cannot be written leaves the damaged bytes unsafe: the desk does not start.
TEST_F(DeskFileFaults, ADamagedFileThatCannotBeCopiedEndsTheStartBeforeAnythingIsWritten)
{
    writeNumberedVisits(2);
    writeFile(u"PatBesök.Dat"_s, visitFile() + "cut");
    const auto before = folderContents();
    // A file-size limit below the file's size: no copy can be made.
    const pid_t child = ::fork();
    if (child == 0) {
        ignoreFileSizeSignal();
        rlimit rl{};
        ::getrlimit(RLIMIT_FSIZE, &rl);
        rl.rlim_cur = 100;
        ::setrlimit(RLIMIT_FSIZE, &rl);
        const QString expected = (u"Besöksfilen PatBesök.Dat är skadad, och en kopia av den kunde inte "
                              u"sparas innan kassan skriver i den. Filen "
                              u"PatBesök.Dat.skadad-261208-0930 kunde inte sparas: filen blir för "
                              u"stor. Frigör utrymme eller kontrollera mappens behörighet och starta "
                              u"programmet igen.\nProgrammet avslutas."_s);
        dialogs.expectMessage(expected);
        startDesk();
        ::_exit(desk->startFailed() && dialogs.messages().size() == 1 &&
                        dialogs.messages()[0].text == expected ? 0 : 1);
    }
    int status = -1;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(folderContents(), before);
}

// A named pipe in the place of any file the desk reads at start-up: a message naming it and an
// orderly end, never a start that waits for good (the child is stopped after 10 seconds).
TEST_F(DeskFileFaults, ANamedPipeInPlaceOfADataFileIsNamedAndTheStartEnds)
{
    writeNumberedVisits(2);
    const QString folder = QDir::toNativeSeparators(dir.path());
    const struct {
        const char16_t* name;
        QString message;
    } rows[] = {
        {u"PatBesök.Dat", u"Filen PatBesök.Dat kunde inte läsas: det är ingen vanlig fil."_s},
        {u"Taxa.txt", u"Filen Taxa.txt i mappen %1 kunde inte läsas: det är ingen vanlig fil."_s.arg(folder)},
        {u"Åtgärd.txt", u"Filen Åtgärd.txt i mappen %1 kunde inte läsas: det är ingen vanlig fil."_s.arg(folder)},
        {u"Inställn.txt", u"Filen Inställn.txt kunde inte läsas: det är ingen vanlig fil."_s},
    };
    for (const auto& row : rows) {
        const QString file = QString::fromUtf16(row.name);
        SCOPED_TRACE(file.toStdString());
        const QByteArray kept = readFile(file);
        ASSERT_TRUE(QFile::remove(path(file)));
        ASSERT_EQ(::mkfifo(QFile::encodeName(path(file)).constData(), 0644), 0);
        const pid_t child = ::fork();
        if (child == 0) {
            ::alarm(10);
            const QString expected = row.message + u"\nProgrammet avslutas."_s;
            dialogs.expectMessage(expected);
            startDesk();
            ::_exit(desk->startFailed() && dialogs.messages().size() == 1 &&
                            dialogs.messages()[0].text == expected ? 0 : 1);
        }
        int status = -1;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
        ASSERT_TRUE(QFile::remove(path(file)));
        writeFile(file, kept);
    }
}

} // namespace
