// Creating ARV files through the window: the confirmation, the file on disk read as the county
// council reads it, ArvFom moving on, and the faults that must leave every file as it was.

#include "data/settingsfile.h"
#include "reports/arvscenario.h"
#include "reports/arvtest.h"

#include "data/faildevice.h"

#include <QFile>
#include <csignal>
#include <sys/resource.h>

namespace {

QString confirmation(const QString& file)
{
    return u"En fil med namnet:  "_s + file + u"  har skapats."_s;
}

// Writes to files of this process stop at `bytes`, failing as a full disk does, until the end of
// the scope.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        m_signal = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limited = m_old;
        limited.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_signal);
    }

private:
    rlimit m_old{};
    void (*m_signal)(int) = nullptr;
};

using ArvSave = ArvScenario;

// The receptionist's round: the proposed range, Enter, the confirmation with the information
// icon; the file reads as one interchange of the receipts; ArvFom is the next receipt, and the
// window proposes it after a trip to the desk, up to the visits registered meanwhile.
TEST_F(ArvSave, CreatesTheFileConfirmsAndProposesTheNextStart)
{
    std::vector<VisitRecord> visits = {visit(1), visit(2), visit(3)};
    visits[1].setText(VisitField::Diagnoskod, u"J069"_s);
    writeVisits(visits);
    openOn();
    const QByteArray visitsBefore = visitFile();
    const QByteArray settingsBefore = readFile(u"Inställn.txt"_s);

    ASSERT_TRUE(app.focusByUser(arv->txtTom));
    dialogs.expectMessage(confirmation(u"00000003.ARV"_s));
    app.pressEnter();
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].icon, ui::Icon::Information);
    EXPECT_EQ(dialogs.messages()[0].buttons, ui::Buttons::Ok);

    const QByteArray file = readFile(u"00000003.ARV"_s);
    EXPECT_EQ(arvtest::readEnvelope(file), u"VLM60200000003"_s);
    EXPECT_TRUE(file.startsWith("UNA:+,? 'UNB+UNOC:2+00072321000016:30:K12345ABCD67+00072321000016:30:S7010"
                                "+261208:0930+VLM60200000003++SLLPVR'\r\n"));
    EXPECT_EQ(file.count("BSK\r\n"), 3);
    EXPECT_TRUE(file.contains("\r\nDIA\r\nJ069 \r\nBSK\r\n" + storedRecord(3).left(56))) << "after receipt 2";
    EXPECT_TRUE(file.contains("\r\nUNT\r\n9     VLM60200000003\r\n"));
    for (int k = 1; k <= 3; ++k)
        EXPECT_TRUE(file.contains("\r\n" + storedRecord(k).left(56) + storedRecord(k).mid(60, 17) + "\r\n")) << k;

    // Only ArvFom changed in the settings; the visit file is untouched; the window stays as it was.
    EXPECT_EQ(storedArvFom(), QByteArray("4       "));
    const QByteArray settingsAfter = readFile(u"Inställn.txt"_s);
    EXPECT_EQ(settingsAfter.left(26) + settingsAfter.mid(34), settingsBefore.left(26) + settingsBefore.mid(34));
    EXPECT_EQ(program.Inställningar.text(SettingsField::ArvFom), u"4       "_s);
    EXPECT_EQ(visitFile(), visitsBefore);
    EXPECT_EQ(app.activeForm(), arv);
    EXPECT_EQ(arv->txtFom.text(), u"1       "_s);
    EXPECT_EQ(arv->txtTom.text(), u"3"_s);

    app.activate(windows->desk());
    writeNumberedVisits(5);
    app.chooseMenu(windows->desk().mnuARV);
    EXPECT_EQ(arv->txtFom.text(), u"4       "_s);
    EXPECT_EQ(arv->txtTom.text(), u"5"_s);
    EXPECT_EQ(arv->lblAntalBeh.caption(), u"2"_s);
}

// Files one after another without closing the window: each has the count of its own receipts,
// and the same To again replaces the earlier file whole.
TEST_F(ArvSave, FilesInARowEachWithItsOwnCount)
{
    open(3);
    const struct {
        const char16_t *from, *to;
        const char* file;
        int receipts;
        const char* countLine;
        const char* arvFom;
    } rows[] = {
        {u"1", u"2", "00000002.ARV", 2, "6     VLM60200000002", "3       "},
        {u"3", u"3", "00000003.ARV", 1, "4     VLM60200000003", "4       "},
        {u"1", u"3", "00000003.ARV", 3, "8     VLM60200000003", "4       "},
        {u"2", u"0003", "00000003.ARV", 2, "6     VLM60200000003", "4       "},
    };
    for (const auto& row : rows) {
        ASSERT_TRUE(app.type(arv->txtFom, QString::fromUtf16(row.from)));
        ASSERT_TRUE(app.type(arv->txtTom, QString::fromUtf16(row.to)));
        dialogs.expectMessage(confirmation(QString::fromLatin1(row.file)));
        app.click(arv->cmdSkapa);
        const QByteArray file = readFile(QString::fromLatin1(row.file));
        EXPECT_EQ(file.count("\r\nBSK\r\n"), row.receipts) << row.file;
        EXPECT_TRUE(file.contains(QByteArray("\r\nUNT\r\n") + row.countLine + "\r\n")) << row.countLine;
        EXPECT_EQ(storedArvFom(), QByteArray(row.arvFom));
    }
    EXPECT_EQ(QDir(dir.path()).entryList({u"*.ARV"_s}), (QStringList{u"00000002.ARV"_s, u"00000003.ARV"_s}));
}

// A write that fails, at the device or for real: the message names the file and the reason, no
// confirmation, ArvFom unchanged, an older file of that name as it was, no temporary left.
TEST_F(ArvSave, FailedWriteLeavesEveryFileAsItWas)
{
    open(3);
    writeFile(u"00000003.ARV"_s, "an older file\r\n");
    const auto before = folderContents();
    const SettingsRecord settingsBefore = program.Inställningar;
    auto failure = [](const QString& reason) {
        return u"OBS! Arv-filen kunde inte skapas!\nFilen 00000003.ARV kunde inte sparas: "_s + reason
             + u".\nNästa startnummer är oförändrat. Åtgärda felet och försök igen."_s;
    };

    for (qint64 capacity : {0, 100, 400}) {
        arv->skrivArvFil = [capacity](QIODevice& temporary, const QByteArray& bytes, const QString& name) {
            FailDevice device(capacity, &temporary);
            return writeWhole(device, bytes, name);
        };
        dialogs.expectMessage(failure(u"disken är full"_s));
        app.click(arv->cmdSkapa);
        EXPECT_EQ(folderContents(), before) << capacity;
    }
    arv->skrivArvFil = writeWhole;
    {
        FileSizeLimit limit(200);
        dialogs.expectMessage(failure(u"filen blir för stor"_s));
        app.click(arv->cmdSkapa);
    }
    EXPECT_EQ(folderContents(), before);
    EXPECT_EQ(program.Inställningar, settingsBefore);
    EXPECT_TRUE(dialogs.allAnswersUsed());
}

// The file is on disk but the settings cannot be saved: the receptionist is told both, and which
// start number to type next time; what the program holds stays what the settings file holds.
TEST_F(ArvSave, SettingsThatCannotBeSavedAreToldAfterTheFile)
{
    open(3);
    ASSERT_TRUE(QFile::remove(path(u"Inställn.txt"_s)));
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"Inställn.txt"_s));
    const FileResult why = settingsfile::SparaInställningsFil(program.folder, program.Inställningar);
    ASSERT_FALSE(why.ok);

    dialogs.expectMessage(u"OBS! En fil med namnet:  00000003.ARV  har skapats, men nästa startnummer "
                          u"kunde inte sparas.\n"_s
                          + why.error + u"\nSkriv 4 i Fr.o.m. nästa gång en Arv-fil skapas."_s);
    app.click(arv->cmdSkapa);
    EXPECT_EQ(arvtest::readEnvelope(readFile(u"00000003.ARV"_s)), u"VLM60200000003"_s);
    EXPECT_EQ(program.Inställningar.text(SettingsField::ArvFom), u"1       "_s);
}

// A visit file holding a line break inside a record would give the county council a file it
// cannot read: the window names the receipt and writes nothing.
TEST_F(ArvSave, ARecordThatWouldBreakTheFileIsRefused)
{
    std::vector<VisitRecord> visits = {visit(1), visit(2)};
    visits[1].setRaw(VisitField::RemissFrån, "AB\nCD");
    writeVisits(visits);
    openOn();
    const auto before = folderContents();
    dialogs.expectMessage(u"OBS! Arv-filen 00000002.ARV kan inte skapas: kvitto 2: rad 9 har en "
                          u"radbrytning inuti raden.\nIngen fil har skrivits."_s);
    app.click(arv->cmdSkapa);
    EXPECT_EQ(folderContents(), before);
}

} // namespace
