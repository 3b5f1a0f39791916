// "Ny post" and the records beyond the receipt registered: no stored visit may be shown empty
// or written over, and a save that fails leaves the file exactly as it was.

#include "desk/regfixture.h"

#include "data/fileresult.h"
#include "data/visitfile.h"

#include <QDir>

#include <cerrno>
#include <csignal>
#include <sys/resource.h>

using namespace Qt::StringLiterals;

namespace {

class NyPost : public RegistrationFixture {
protected:
    void start(int stored)
    {
        writeNumberedVisits(stored);
        original = visitFile();
        startDesk();
        ASSERT_FALSE(desk->startFailed());
    }
    void goTo(int receipt)
    {
        dialogs.expectInput(QString::number(receipt));
        app.chooseMenu(desk->mnuGåTill);
        ASSERT_EQ(desk->lblKvittoNr.caption(), QString::number(receipt));
    }
    QByteArray original;
};

} // namespace

TEST_F(NyPost, OpensTheNextReceiptWhileTheTableEndsAtN)
{
    start(120);
    app.click(desk->cmdNästa);
    ASSERT_EQ(desk->lblKvittoNr.caption().toStdString(), "121");
    typeAndLeave(desk->txtPersonnummer, u"190001010008"_s);
    app.click(desk->chkNypost);
    app.click(desk->cmdRegistrera);

    ASSERT_EQ(visitFile().size(), 121 * 95);
    EXPECT_EQ(visitFile().left(120 * 95), original);
    EXPECT_EQ(desk->lblKvittoNr.caption().toStdString(), "122");
    EXPECT_EQ(desk->besök().upperBound(), 121) << "the table is what the file holds";
    // The new receipt starts with the defaults and the previous visit's date.
    EXPECT_EQ(desk->txtPersonnummer.text().toStdString(), "");
    EXPECT_EQ(desk->txtBesöksDatum.text().toStdString(), "261209");

    // An open receipt beyond the table has no next one.
    app.click(desk->cmdNästa);
    EXPECT_EQ(desk->lblKvittoNr.caption().toStdString(), "122");

    // Registering there stores receipt 122 normally.
    app.click(desk->chkNypost);
    typeAndLeave(desk->txtPersonnummer, u"191212121212"_s);
    app.click(desk->cmdRegistrera);
    ASSERT_EQ(visitFile().size(), 122 * 95);
    EXPECT_EQ(visitFile().left(120 * 95), original);
    EXPECT_EQ(storedRecord(122).mid(17, 22), QByteArray("00000122F191212121212P"));
    EXPECT_EQ(desk->lblKvittoNr.caption().toStdString(), "122");
}

TEST_F(NyPost, TheDuplicateWarningIsSilentUntilTheDeskIsOnTheLastRecord)
{
    start(120);
    app.click(desk->cmdNästa);
    app.click(desk->chkNypost);
    typeAndLeave(desk->txtPersonnummer, u"190001010008"_s);
    app.click(desk->cmdRegistrera);
    ASSERT_EQ(desk->lblKvittoNr.caption().toStdString(), "122");

    // Receipt 122 opened with the date of 121, which holds this personnummer on that date; but
    // the desk is one beyond the table's end, so nothing is compared.
    app.click(desk->chkDubletter);
    app.click(desk->chkNypost);
    typeAndLeave(desk->txtPersonnummer, u"190001010008"_s);
    app.click(desk->cmdRegistrera);
    ASSERT_EQ(visitFile().size(), 122 * 95);
    EXPECT_TRUE(dialogs.messages().empty());

    // Now the desk is on the table's last record: 121 and 122 itself match, one message each,
    // once on leaving the box and once more at registration; the visit is stored all the same.
    for (int i = 0; i < 4; ++i)
        dialogs.expectMessage(u"OBS! Detta Personnummer är redan registrerat detta daum!"_s);
    typeAndLeave(desk->txtPersonnummer, u"190001010008"_s);
    ASSERT_TRUE(app.type(desk->txtDiagnoskod, u"Z00"_s));
    app.click(desk->cmdRegistrera);
    EXPECT_EQ(dialogs.messages().size(), 4u);
    EXPECT_EQ(storedRecord(122).mid(90, 5), QByteArray("Z00  "));
}

TEST_F(NyPost, AfterAnOlderReceiptOpensOneAfterTheLastRecordOfTheFile)
{
    start(120);
    goTo(3);
    ASSERT_TRUE(app.type(desk->txtDiagnoskod, u"B99"_s));
    app.click(desk->chkNypost);
    app.click(desk->cmdRegistrera);

    const QByteArray afterFirst = visitFile();
    ASSERT_EQ(afterFirst.size(), 120 * 95);
    EXPECT_EQ(afterFirst.left(2 * 95), original.left(2 * 95));
    EXPECT_EQ(afterFirst.mid(2 * 95 + 90, 5), QByteArray("B99  "));
    EXPECT_EQ(afterFirst.mid(3 * 95), original.mid(3 * 95)) << "receipts 4 to 120 untouched";
    EXPECT_EQ(desk->lblKvittoNr.caption().toStdString(), "121");
    // Receipt 121 starts with the date of the file's last visit, 120.
    EXPECT_EQ(desk->txtBesöksDatum.text().toStdString(), "261209");

    typeAndLeave(desk->txtPersonnummer, u"190001010008"_s);
    app.click(desk->chkNypost);
    app.click(desk->cmdRegistrera);
    ASSERT_EQ(visitFile().size(), 121 * 95);
    EXPECT_EQ(visitFile().mid(3 * 95, 117 * 95), original.mid(3 * 95))
        << "receipts 4 to 120 byte-identical";
    EXPECT_EQ(storedRecord(121).mid(17, 22), QByteArray("00000121F190001010008P"));
}

TEST_F(NyPost, ReRegisteringAnOlderReceiptLeavesTheLaterOnesInTheFile)
{
    start(120);
    goTo(3);
    app.select(desk->lstÅtgärd, 2);
    app.click(desk->cmdRegistrera);
    const QByteArray after = visitFile();
    ASSERT_EQ(after.size(), 120 * 95);
    EXPECT_EQ(after.mid(3 * 95), original.mid(3 * 95));
    EXPECT_EQ(after.mid(2 * 95 + 56, 4), QByteArray("C003"));
    EXPECT_EQ(desk->besök().upperBound(), 120) << "read back whole";
    EXPECT_EQ(desk->lblKvittoNr.caption().toStdString(), "3");
}

namespace {

// Files may grow to `bytes` and no further while this lives: a write beyond fails with EFBIG
// (the signal that would end the process is ignored meanwhile). Works for root too, unlike
// write protection, which root ignores.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        m_ok = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_handler);
    }
    bool ok() const { return m_ok; }

private:
    rlimit m_old{};
    void (*m_handler)(int) = nullptr;
    bool m_ok = false;
};

} // namespace

TEST_F(NyPost, AFailedSaveStoresNothingPrintsNothingAndOpensNothing)
{
    start(3);
    app.click(desk->cmdNästa);
    typeAndLeave(desk->txtPersonnummer, u"191212121212"_s);
    ASSERT_TRUE(app.type(desk->txtDiagnoskod, u"K35"_s));
    app.click(desk->chkKvitto);
    app.click(desk->chkNypost);

    QString expected;
    {
        FileSizeLimit limit(3 * 95 + 10);
        ASSERT_TRUE(limit.ok());
        // What the file layer says about this fault, read from the layer itself.
        VisitTable four;
        ASSERT_TRUE(visitfile::HämtaBesöksFil(program.folder, four));
        four.resize(4);
        const FileResult direct = visitfile::SparaBesöksFil(program.folder, four);
        ASSERT_FALSE(direct.ok);
        EXPECT_TRUE(direct.error.contains(u"PatBesök.Dat"_s)) << direct.error.toStdString();
        EXPECT_TRUE(direct.error.contains(reasonFromErrno(EFBIG))) << direct.error.toStdString();
        expected = u"OBS! Besöket är inte registrerat!\n"_s + direct.error;

        dialogs.expectMessage(expected);
        app.click(desk->cmdRegistrera);
    }

    EXPECT_EQ(visitFile(), original) << "the previous file is byte-identical";
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 4)
        << "no temporary file left: " << QDir(dir.path()).entryList().join(u' ').toStdString();
    EXPECT_TRUE(printer.documents().empty());
    EXPECT_TRUE(printer.pending().empty());
    EXPECT_EQ(desk->lblKvittoNr.caption().toStdString(), "4") << "no new receipt opened";
    EXPECT_EQ(desk->besök().upperBound(), 3) << "the table was read back";
    EXPECT_EQ(screen.pointer, ui::Pointer::Default);

    // The desk kept what was typed: once the fault is gone the same visit registers.
    EXPECT_EQ(desk->txtDiagnoskod.text().toStdString(), "K35");
    app.click(desk->chkNypost);
    app.click(desk->chkKvitto);
    app.click(desk->cmdRegistrera);
    ASSERT_EQ(visitFile().size(), 4 * 95);
    EXPECT_EQ(visitFile().left(3 * 95), original);
    EXPECT_EQ(storedRecord(4).mid(17, 22), QByteArray("00000004F191212121212P"));
    EXPECT_EQ(storedRecord(4).mid(90, 5), QByteArray("K35  "));
}
