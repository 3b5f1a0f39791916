// The ARV window as the receptionist meets it: opened from the desk's menu on the test clinic's
// files, its boxes' checks, the ranges it refuses, the files it creates and the faults that
// must leave every file as it was.

#include "app/programwindows.h"
#include "data/faildevice.h"
#include "data/settingsfile.h"
#include "reports/arvtest.h"
#include "support/deskfixture.h"

#include <csignal>
#include <sys/resource.h>

using namespace Qt::StringLiterals;

namespace {

const QString EndastSiffror = u"OBS! Endast siffror får användas!"_s;
const QString Mellanslag = u"OBS! Mellanslag är ej tillåtet!"_s;

QString confirmation(const QString& file)
{
    return u"En fil med namnet:  "_s + file + u"  har skapats."_s;
}

class ArvWindow : public DeskFixture {
protected:
    std::unique_ptr<ProgramWindows> windows;
    frmARV* arv = nullptr;

    // The clinic's files (with the visits already written), the program started, and
    // "&Skapa Arv-fil" chosen on the desk.
    void open(const SettingsRecord& settings = clinicSettings())
    {
        writeFile(u"Taxa.txt"_s, tariffBytes());
        writeFile(u"Åtgärd.txt"_s, procedureBytes());
        writeSettings(settings);
        program.folder = QDir(dir.path());
        windows = std::make_unique<ProgramWindows>(app, program);
        windows->start();
        app.chooseMenu(windows->desk().mnuARV);
        arv = windows->arv();
        ASSERT_NE(arv, nullptr);
    }
    void backFromDesk()
    {
        app.activate(windows->desk());
        app.chooseMenu(windows->desk().mnuARV);
    }
    void type(ui::TextBox& box, const char16_t* text) { ASSERT_TRUE(app.type(box, QString::fromUtf16(text))); }
    QString focus() const { return arv->focused() ? arv->focused()->name() : QString(); }
    QByteArray storedArvFom() const { return readFile(u"Inställn.txt"_s).mid(26, 8); }
};

// One instance, shown beside the desk, proposing ArvFom and the last stored receipt at every
// activation; Esc and "Stäng" hand the desk back. Its controls stand as the layout puts them.
TEST_F(ArvWindow, OpensFromTheDeskAndProposesTheRange)
{
    SettingsRecord settings = clinicSettings();
    settings.setText(SettingsField::ArvFom, u"2"_s);
    writeNumberedVisits(3);
    open(settings);
    EXPECT_TRUE(app.activeForm() == arv && app.isShown(windows->desk()));
    EXPECT_EQ(arv->caption(), u"Skapa ARV-fil"_s);
    EXPECT_EQ(arv->txtFom.text() + u"|"_s + arv->txtTom.text() + u"|"_s + arv->lblAntalBeh.caption(), u"2       |3|2"_s);
    EXPECT_EQ(focus(), u"cmdAvbryt"_s);
    EXPECT_TRUE(app.accessKey(u't') && focus() == u"txtTom"_s);

    type(arv->txtFom, u"1");
    app.activate(windows->desk());
    writeNumberedVisits(5);
    clock.time = u"1015"_s;
    app.chooseMenu(windows->desk().mnuARV);
    EXPECT_EQ(windows->arv(), arv) << "the same window, not a second one";
    EXPECT_EQ(arv->txtFom.text() + u"|"_s + arv->txtTom.text() + u"|"_s + arv->lblAntalBeh.caption(), u"2       |5|4"_s);
    EXPECT_EQ(arv->förberedelsedatum() + arv->förberedelsetid(), u"2612081015"_s);

    app.pressEscape();
    EXPECT_TRUE(!app.isShown(*arv) && app.activeForm() == &windows->desk());
    app.chooseMenu(windows->desk().mnuARV);
    app.click(arv->cmdAvbryt);
    EXPECT_TRUE(!app.isShown(*arv) && app.activeForm() == &windows->desk());

    const struct {
        const char* name;
        const char* caption;
        int left, top, width, height, tab;
    } layout[] = {
        {"Label1", "Kvittonummer:", 240, 240, 1335, 255, 7}, {"Label2", "&Fr.o.m.", 360, 840, 615, 255, 1},
        {"txtFom", "", 1200, 840, 975, 285, 2},              {"Label3", "&T.o.m.", 2640, 840, 615, 255, 3},
        {"txtTom", "", 3480, 840, 975, 285, 4},              {"Label4", "Antalkvitton:", 4800, 840, 1215, 255, 6},
        {"lblAntalBeh", "4", 6120, 840, 975, 285, 5},        {"cmdSkapa", "Skapa Arv-fil", 4200, 1680, 1335, 495, 8},
        {"cmdAvbryt", "Stäng", 5880, 1680, 1215, 495, 0},
    };
    EXPECT_EQ(arv->controls().size(), std::size(layout));
    for (const auto& e : layout) {
        const ui::Control* c = arv->control(QString::fromUtf8(e.name));
        ASSERT_NE(c, nullptr) << e.name;
        EXPECT_EQ(c->caption(), QString::fromUtf8(e.caption)) << e.name;
        EXPECT_EQ((std::array{c->left(), c->top(), c->width(), c->height(), c->tabIndex()}),
                  (std::array{e.left, e.top, e.width, e.height, e.tab})) << e.name;
        EXPECT_TRUE(c->fontBold() && c->fontSize() == 8.25) << e.name;
    }
    EXPECT_EQ((std::array{arv->clientWidth(), arv->clientHeight()}), (std::array{7545, 2505}));
    EXPECT_TRUE(arv->defaultButton() == &arv->cmdSkapa && arv->cancelButton() == &arv->cmdAvbryt);
    for (ui::Label* caption : {&arv->Label1, &arv->Label2, &arv->Label3, &arv->Label4})
        EXPECT_TRUE(caption->alignment() == ui::Alignment::Right && caption->backColor() == 0xC0C0C0);
    EXPECT_TRUE(arv->lblAntalBeh.bordered() && arv->lblAntalBeh.backColor() == ui::Label::WindowBackground);
    EXPECT_TRUE(arv->txtFom.captionLabel() == &arv->Label2 && arv->txtTom.captionLabel() == &arv->Label3);
}

// To is checked at every change, both boxes when they are left; the text stays as typed and the
// count follows what both boxes hold as numbers.
TEST_F(ArvWindow, BoxesCheckWhatIsTypedAndTheCountFollows)
{
    writeNumberedVisits(3);
    open();
    const struct {
        bool intoTom;
        const char16_t* typed;
        QString onChange, onLeaving;
        const char16_t* count;
    } rows[] = {
        {true, u"12a", EndastSiffror, EndastSiffror, u"3"}, {true, u"", EndastSiffror, {}, u"3"},
        {true, u" 2", {}, Mellanslag, u"2"},                {true, u"1 2", EndastSiffror, EndastSiffror, u"3"},
        {true, u"40000", {}, {}, u""},                     {false, u"x", {}, EndastSiffror, u"3"},
        {false, u"   ", {}, {}, u"3"},                     {false, u"2", {}, {}, u"2"},
    };
    for (const auto& row : rows) {
        const QString typed = QString::fromUtf16(row.typed);
        backFromDesk();
        ui::TextBox& box = row.intoTom ? arv->txtTom : arv->txtFom;
        ASSERT_TRUE(app.focusByUser(box));
        if (!row.onChange.isEmpty())
            dialogs.expectMessage(row.onChange);
        type(box, row.typed);
        EXPECT_EQ(arv->lblAntalBeh.caption(), QString::fromUtf16(row.count)) << typed.toStdString();
        if (!row.onLeaving.isEmpty())
            dialogs.expectMessage(row.onLeaving);
        app.tab();
        EXPECT_EQ(arv->focused() == &box, !row.onLeaving.isEmpty()) << typed.toStdString();
        EXPECT_EQ(box.text(), typed);
        EXPECT_TRUE(dialogs.allAnswersUsed()) << typed.toStdString();
    }
}

// A range that cannot be reported: its message, the focus on the box at fault, nothing on disk
// changed. The first row is a blank ArvFom.
TEST_F(ArvWindow, RefusedRangesWriteNothing)
{
    SettingsRecord blankStart = clinicSettings();
    blankStart.setText(SettingsField::ArvFom, QString());
    writeNumberedVisits(3);
    open(blankStart);
    const struct {
        const char16_t *from, *to;
        QString message;
        const char* focus;
    } rows[] = {
        {nullptr, nullptr, u"OBS! Du glömde skriva in Kvittonummer Fr.o.m.!"_s, "txtFom"},
        {u"1", u"", u"OBS! Du glömde skriva in Kvittonummer T.o.m.!"_s, "txtTom"},
        {u"3", u"2", u"OBS! Fr.o.m. kan inte vara större än T.o.m.!"_s, "txtTom"},
        {u"0", u"2", u"OBS! Kvittonummer Fr.o.m. måste vara minst 1!"_s, "txtFom"},
        {u"1", u"4", u"OBS! Kvittonummer T.o.m. kan inte vara större än 3, det sista registrerade kvittot!"_s, "txtTom"},
        {u"1", u"99999", u"OBS! Kvittonummer T.o.m. kan inte vara större än 32767!"_s, "txtTom"},
        {u"40000", u"3", u"OBS! Kvittonummer Fr.o.m. kan inte vara större än 32767!"_s, "txtFom"},
        {u"1", u"000000003", u"OBS! Kvittonummer T.o.m. får ha högst 8 siffror!"_s, "txtTom"},
    };
    const auto before = folderContents();
    for (const auto& row : rows) {
        backFromDesk();
        if (row.from)
            type(arv->txtFom, row.from);
        if (row.to && !*row.to)
            dialogs.expectMessage(EndastSiffror); // the box's own check of the change
        if (row.to)
            type(arv->txtTom, row.to);
        dialogs.expectMessage(row.message);
        app.click(arv->cmdSkapa);
        EXPECT_EQ(focus(), QString::fromUtf8(row.focus)) << row.message.toStdString();
        EXPECT_EQ(folderContents(), before) << row.message.toStdString();
    }
    EXPECT_EQ(program.Inställningar.text(SettingsField::ArvFom), QString(8, u' '));
}

// Enter on the proposed range creates the file, confirmed with the information icon; it reads
// as one interchange; only ArvFom changed on disk, and the window proposes it after the desk.
// Further files without closing the window each carry their own count; the same To again
// replaces the earlier file.
TEST_F(ArvWindow, CreatesFilesAndMovesArvFomOn)
{
    std::vector<VisitRecord> visits = {visit(1), visit(2), visit(3)};
    visits[1].setText(VisitField::Diagnoskod, u"J069"_s);
    writeVisits(visits);
    open();
    const QByteArray visitsBefore = visitFile(), settingsBefore = readFile(u"Inställn.txt"_s);
    ASSERT_TRUE(app.focusByUser(arv->txtTom));
    dialogs.expectMessage(confirmation(u"00000003.ARV"_s));
    app.pressEnter();
    EXPECT_TRUE(dialogs.messages().back().icon == ui::Icon::Information
                && dialogs.messages().back().buttons == ui::Buttons::Ok);
    const QByteArray file = readFile(u"00000003.ARV"_s);
    EXPECT_EQ(readEnvelope(file), "VLM60200000003");
    EXPECT_TRUE(file.contains("\r\nDIA\r\nJ069 \r\nBSK\r\n" + storedRecord(3).left(56)));
    for (int k = 1; k <= 3; ++k)
        EXPECT_TRUE(file.contains("\r\n" + storedRecord(k).left(56) + storedRecord(k).mid(60, 17) + "\r\n")) << k;
    const QByteArray settingsAfter = readFile(u"Inställn.txt"_s);
    EXPECT_EQ(settingsAfter, settingsBefore.left(26) + "4       " + settingsBefore.mid(34));
    EXPECT_EQ(visitFile(), visitsBefore);
    EXPECT_EQ(arv->txtFom.text() + arv->txtTom.text(), u"1       3"_s);
    backFromDesk();
    EXPECT_EQ(arv->txtFom.text() + arv->txtTom.text(), u"4       3"_s);

    const struct {
        const char16_t *from, *to;
        const char* file;
        int receipts;
        const char* countLine;
        const char* arvFom;
    } rows[] = {
        {u"1", u"2", "00000002.ARV", 2, "7     VLM60200000002", "3       "},
        {u"3", u"3", "00000003.ARV", 1, "4     VLM60200000003", "4       "},
        {u"2", u"0003", "00000003.ARV", 2, "7     VLM60200000003", "4       "},
    };
    for (const auto& row : rows) {
        type(arv->txtFom, row.from);
        type(arv->txtTom, row.to);
        dialogs.expectMessage(confirmation(QString::fromLatin1(row.file)));
        app.click(arv->cmdSkapa);
        const QByteArray written = readFile(QString::fromLatin1(row.file));
        EXPECT_EQ(written.count("\r\nBSK\r\n"), row.receipts) << row.file;
        EXPECT_TRUE(written.contains(QByteArray("\r\nUNT\r\n") + row.countLine + "\r\n")) << row.countLine;
        EXPECT_EQ(storedArvFom(), QByteArray(row.arvFom));
    }
    EXPECT_EQ(QDir(dir.path()).entryList({u"*.ARV"_s}), (QStringList{u"00000002.ARV"_s, u"00000003.ARV"_s}));
}

// Writes to files of this process stop at `bytes`, as on a full disk, until the end of the scope.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : m_signal(std::signal(SIGXFSZ, SIG_IGN))
    {
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
    void (*m_signal)(int);
    rlimit m_old{};
};

// A failed write, at the device or for real: the file and the reason, no confirmation, ArvFom
// and an older file of that name as they were. A record that would break the file is named and
// nothing written. The file on disk but the settings not saved: both said, and what to type.
TEST_F(ArvWindow, FaultsLeaveEveryFileAsItWas)
{
    std::vector<VisitRecord> visits = {visit(1), visit(2), visit(3)};
    visits[1].setRaw(VisitField::RemissFrån, "AB\nCD");
    writeVisits(visits);
    open();
    writeFile(u"00000003.ARV"_s, "an older file\r\n");
    const auto before = folderContents();
    auto failed = [](const QString& reason) {
        return u"OBS! Arv-filen kunde inte skapas!\nFilen 00000003.ARV kunde inte sparas: "_s + reason
             + u".\nNästa startnummer är oförändrat. Åtgärda felet och försök igen."_s;
    };

    dialogs.expectMessage(u"OBS! Arv-filen 00000003.ARV kan inte skapas: kvitto 2: rad 9 har en "
                          u"radbrytning inuti raden.\nIngen fil har skrivits."_s);
    app.click(arv->cmdSkapa);
    type(arv->txtFom, u"3");
    for (qint64 shortBy : {-1, 1}) { // nothing written; all but the last byte
        DiskFull disk(shortBy);
        program.saveObserver = &disk;
        dialogs.expectMessage(failed(u"disken är full"_s));
        app.click(arv->cmdSkapa);
        program.saveObserver = nullptr;
    }
    {
        FileSizeLimit limit(100);
        dialogs.expectMessage(failed(u"filen blir för stor"_s));
        app.click(arv->cmdSkapa);
    }
    EXPECT_EQ(folderContents(), before);
    EXPECT_EQ(program.Inställningar.text(SettingsField::ArvFom), u"1       "_s);

    ASSERT_TRUE(QFile::remove(path(u"Inställn.txt"_s)) && QDir(dir.path()).mkdir(u"Inställn.txt"_s));
    const FileResult why = settingsfile::SparaInställningsFil(program.folder, program.Inställningar);
    dialogs.expectMessage(u"OBS! En fil med namnet:  00000003.ARV  har skapats, men nästa startnummer kunde "
                          u"inte sparas.\n"_s + why.error + u"\nSkriv 4 i Fr.o.m. nästa gång en Arv-fil skapas."_s);
    app.click(arv->cmdSkapa);
    EXPECT_EQ(readEnvelope(readFile(u"00000003.ARV"_s)), "VLM60200000003");
    EXPECT_EQ(program.Inställningar.text(SettingsField::ArvFom), u"1       "_s);
}

} // namespace

namespace {

// A screen reader hears the count itself, as it changes, described by its caption; the boxes
// by their captions. Closing unloads the window: opened again it starts as a new one, on
// "Stäng", so that Enter closes it instead of writing a file.
TEST_F(ArvWindow, TheCountIsHeardAndAReopenedWindowStartsOnStäng)
{
    SettingsRecord settings = clinicSettings();
    settings.setText(SettingsField::ArvFom, u"2"_s);
    writeNumberedVisits(3);
    open(settings);
    EXPECT_EQ(arv->lblAntalBeh.accessibleName() + u"|"_s + arv->lblAntalBeh.accessibleDescription(),
              u"2|Antalkvitton:"_s);
    type(arv->txtFom, u"1");
    EXPECT_EQ(arv->lblAntalBeh.accessibleName(), u"3"_s);
    EXPECT_EQ(arv->txtTom.accessibleName(), u"T.o.m."_s);

    EXPECT_TRUE(app.accessKey(u't') && focus() == u"txtTom"_s);
    app.pressEscape();
    app.chooseMenu(windows->desk().mnuARV);
    EXPECT_EQ(focus(), u"cmdAvbryt"_s);
    const auto files = folderContents();
    app.pressEnter();
    EXPECT_FALSE(app.isShown(*arv));
    EXPECT_EQ(folderContents(), files);
    EXPECT_TRUE(dialogs.messages().empty());
}

} // namespace
