// Files that a killed save, an unmounted network folder, a careless editor or a disk fault leave
// behind, as the program meets them at its start and when its windows read them again: each is
// told, and none is written over unasked.

#include "app/programwindows.h"
#include "data/filesave.h"
#include "support/deskfixture.h"
#include "ui/filemessages.h"

#include <QFile>

using namespace Qt::StringLiterals;

namespace {

class FileProblems : public DeskFixture {
protected:
    // A fresh program for every start, as a new process has.
    std::unique_ptr<ui::Application> application;
    std::unique_ptr<ProgramWindows> windows;

    void start()
    {
        windows.reset();
        application = std::make_unique<ui::Application>(dialogs, printer, clock, screen);
        program = Program{};
        program.folder = QDir(dir.path());
        windows = std::make_unique<ProgramWindows>(*application, program);
        windows->start();
    }
    ui::Application& ui() { return *application; }
    frmKassa& kassa() { return windows->desk(); }
    frmInställningar& openSettings()
    {
        ui().chooseMenu(kassa().mnuInställningar);
        return *windows->inställningar();
    }
    QString folderName() const { return QDir::toNativeSeparators(QDir(dir.path()).absolutePath()); }
};

// A save killed half-way leaves its temporary file: the real name, a dot and six letters. The
// next start removes those of the visit file, the settings file and every ARV file, without a
// word, and nothing that merely looks like one.
TEST_F(FileProblems, StraysOfKilledSavesGoAtTheNextStartAndNothingElse)
{
    writeClinicFiles();
    writeNumberedVisits(2);
    const QStringList strays{u"00000120.ARV.qiDVyu"_s, u"00000002.ARV.ABCdef"_s,
                             u"PatBesök.Dat.xYzAbC"_s, u"Inställn.txt.zzzzzz"_s};
    const QStringList kept{u"00000120.ARV"_s, u"0000120.ARV.qiDVyu"_s, u"00000120.ARV.qiDVy1"_s,
                           u"00000120.ARV.qiDVyu.bak"_s, u"Kopia.ARV.qiDVyu"_s,
                           u"00000120.arv.qiDVyu"_s, u"Taxa.txt.abcdef"_s, u"PatBesök.Dat.skadad-261208-0930"_s};
    for (const QString& name : strays + kept)
        writeFile(name, "half a file");
    auto expected = folderContents();
    for (const QString& name : strays)
        expected.erase(name);

    start(); // the scripted dialogs fail on any message
    EXPECT_FALSE(kassa().startFailed());
    EXPECT_EQ(folderContents(), expected);
}

// A data file that is a link to a file that is not there (a network folder not mounted) is no
// first start: the program names the file and where it points and ends, and the link stays.
TEST_F(FileProblems, ALinkToAMissingFileIsToldAndNotWrittenOver)
{
    for (const QString& name : {u"Inställn.txt"_s, u"PatBesök.Dat"_s, u"Taxa.txt"_s, u"Åtgärd.txt"_s}) {
        SCOPED_TRACE(name.toStdString());
        QDir(dir.path()).removeRecursively();
        ASSERT_TRUE(QDir().mkpath(dir.path()));
        writeClinicFiles();
        writeNumberedVisits(1);
        const QString target = u"/mnt/klinik-saknas/"_s + name;
        QFile::remove(path(name));
        ASSERT_TRUE(QFile::link(target, path(name)));
        const auto before = folderContents();

        const QString told = u"Filen %1 i mappen %2 pekar på %3, som inte finns. Filen kan inte läsas."_s
                                 .arg(name, folderName(), target);
        dialogs.expectMessage(told + u"\nProgrammet avslutas."_s);
        start();
        EXPECT_TRUE(kassa().startFailed());
        EXPECT_EQ(windows->inställningar(), nullptr) << "no first-start settings window";
        // Nor does a save put a file in the link's place.
        EXPECT_EQ(saveFileAtomically(path(name), "new").error, told);
        EXPECT_EQ(QFileInfo(path(name)).symLinkTarget(), target);
        EXPECT_EQ(folderContents(), before);
    }
}

// Inställn.txt that is not one line of 194 Windows-1252 characters and CR LF is read as far as
// it goes, told at the start and at every activation of the settings window, and left as it is
// until the user saves.
TEST_F(FileProblems, ADamagedSettingsFileIsToldAndNotSavedBackUnasked)
{
    const QByteArray line = clinicSettings().bytes().toByteArray();
    const auto with = [&](int at, QByteArrayView bytes) { return QByteArray(line).replace(at, bytes.size(), bytes.toByteArray()) + "\r\n"; };
    const struct {
        const char* name;
        QByteArray file;
        const char16_t* told;
    } cases[] = {
        {"empty", "", u"filen är tom"},
        {"cut to 50 bytes", line.left(50), u"raden har 50 tecken i stället för 194"},
        {"shorter line", line.left(120) + "\r\n", u"raden har 120 tecken i stället för 194"},
        {"re-encoded as UTF-8", QString::fromLatin1(line).replace(u"Testkliniken"_s, u"Åsens Vårdcentral"_s).toUtf8() + "\r\n",
         u"raden har fler än 194 tecken"},
        {"no line end", line, u"raden slutar inte med CR LF"},
        {"a second line", line + "\r\nmer\r\n", u"filen har mer än en rad"},
        {"a line end inside", with(60, "\r\n"), u"raden bryts av efter 60 tecken av 194"},
        {"NUL bytes", with(40, QByteArrayView("\0\0", 2)), u"tecken 41 är ett nolltecken"},
        {"an undefined byte", with(100, "\x8F"), u"tecken 101 finns inte i Windows-1252"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QDir(dir.path()).removeRecursively();
        ASSERT_TRUE(QDir().mkpath(dir.path()));
        writeFile(u"Taxa.txt"_s, tariffBytes());
        writeFile(u"Åtgärd.txt"_s, procedureBytes());
        writeFile(u"Inställn.txt"_s, c.file);
        writeNumberedVisits(1);
        const auto before = folderContents();
        const QString told = filemessages::skadadInställningsfil(QDir(dir.path()), QString::fromUtf16(c.told));

        dialogs.expectMessage(told);
        start();
        dialogs.expectMessage(told);
        frmInställningar& settings = openSettings();
        ui().close(settings);
        ui().activate(kassa());
        EXPECT_EQ(folderContents(), before) << "written before the user saved";
    }
    EXPECT_EQ(filemessages::skadadInställningsfil(QDir(u"/kassa"_s), u"filen är tom"_s),
              u"OBS! Inställningsfilen Inställn.txt i mappen /kassa är skadad: filen är tom.\n"
              u"Den ska vara en rad med 194 tecken och CR LF. Den läses så långt den räcker, och fält "
              u"som saknas blir tomma. Inget skrivs i filen förrän inställningarna sparas; kontrollera "
              u"dem under Inställningar och tryck på Spara."_s);
}

// Removed while the program runs: the settings window says so at its next activation and shows
// the values last read; nothing is written, not by the desk's activations either, until "S&para".
TEST_F(FileProblems, ASettingsFileRemovedWhileRunningKeepsTheValuesUntilSaved)
{
    writeClinicFiles();
    writeNumberedVisits(1);
    start();
    ui().close(openSettings());
    ASSERT_TRUE(QFile::remove(path(u"Inställn.txt"_s)));
    ui().activate(kassa());

    dialogs.expectMessage(filemessages::inställningsfilenSaknas(QDir(dir.path())));
    frmInställningar& settings = openSettings();
    EXPECT_EQ(settings.txtKlinik.text(), u"Testkliniken"_s);
    EXPECT_EQ(settings.lstTaxekod.listIndex(), 1);
    EXPECT_EQ(program.Inställningar, clinicSettings());
    EXPECT_FALSE(QFile::exists(path(u"Inställn.txt"_s)));

    ui().click(settings.cmdSpara);
    EXPECT_EQ(readFile(u"Inställn.txt"_s), clinicSettings().bytes().toByteArray() + "\r\n");
}

// Bytes damaged in the visit file after the start reach no ARV file and no total unnoticed: both
// report windows tell the damage at activation, and the ARV file is refused naming the receipt.
TEST_F(FileProblems, RecordsDamagedWhileRunningAreToldAndKeptOutOfTheArvFile)
{
    writeClinicFiles();
    writeNumberedVisits(3);
    start();
    QByteArray visits = visitFile();
    visits[95 + 26 + 3] = '\0';     // receipt 2's identity number
    visits[2 * 95 + 26 + 5] = '\x81'; // receipt 3's
    writeFile(u"PatBesök.Dat"_s, visits);
    const QString damage =
        u"OBS! Besöksfilen PatBesök.Dat är skadad!\nKvitto 2 innehåller nolltecken.\n"
        u"Kvitto 3 innehåller tecken som inte finns i Windows-1252.\nEn kopia av hela filen har "
        u"sparats som PatBesök.Dat.skadad-261208-0930 i samma mapp. Kontrollera kvittona och "
        u"registrera dem på nytt vid behov."_s;

    dialogs.expectMessage(damage);
    ui().chooseMenu(kassa().mnuARV);
    frmARV& arv = *windows->arv();
    const struct {
        const char16_t *from, *why;
    } ranges[] = {{u"1", u"kvitto 2: rad 9 har ett nolltecken"},
                  {u"3", u"kvitto 3: rad 5 har ett tecken som inte finns i Windows-1252"}};
    for (const auto& r : ranges) {
        ASSERT_TRUE(ui().type(arv.txtFom, QString::fromUtf16(r.from)));
        dialogs.expectMessage(u"OBS! Arv-filen 00000003.ARV kan inte skapas: %1.\nIngen fil har skrivits."_s
                                  .arg(QString::fromUtf16(r.why)));
        ui().click(arv.cmdSkapa);
    }
    ui().close(arv);

    dialogs.expectMessage(damage);
    ui().chooseMenu(kassa().mnuSamlingsräkning);
    EXPECT_FALSE(QFile::exists(path(u"00000003.ARV"_s)));
    EXPECT_EQ(readFile(u"PatBesök.Dat.skadad-261208-0930"_s), visits);
    EXPECT_EQ(readFile(u"Inställn.txt"_s), clinicSettings().bytes().toByteArray() + "\r\n");
}

// A code list emptied while the program runs is an unreadable list: the settings window keeps
// the saved default row rather than saving "none".
TEST_F(FileProblems, AnEmptyCodeListKeepsTheSavedDefault)
{
    const struct {
        const char16_t* file;
        const char16_t* list;
        const char16_t* bytes;
    } cases[] = {{u"Taxa.txt", u"taxekoder blir tom, och den sparade taxekoden", u""},
                 {u"Taxa.txt", u"taxekoder blir tom, och den sparade taxekoden", u"\r\n"},
                 {u"Åtgärd.txt", u"åtgärder blir tom, och den sparade åtgärden", u""}};
    for (const auto& c : cases) {
        const QString file = QString::fromUtf16(c.file);
        SCOPED_TRACE(file.toStdString());
        writeClinicFiles();
        writeNumberedVisits(1);
        start();
        writeFile(file, QString::fromUtf16(c.bytes).toLatin1());
        const QString told = u"Filen %1 i mappen %2 är tom."_s.arg(file, folderName());
        dialogs.expectMessage(told + u"\nListan över %1 behålls."_s.arg(QString::fromUtf16(c.list)));
        ui().click(openSettings().cmdSpara);
        EXPECT_EQ(readFile(u"Inställn.txt"_s), clinicSettings().bytes().toByteArray() + "\r\n");
    }
}

// One reading of a fee: what the desk's start warns of is what the invoice counts as 0 and
// names. Receipt k uses tariff row k.
TEST_F(FileProblems, TheStartsWarningAndTheInvoiceAgreeOnWhatAFeeIs)
{
    writeFile(u"Taxa.txt"_s, "019E4" "02-99" "031,5" "04 50" "05 7 " "06+10");
    writeFile(u"Åtgärd.txt"_s, procedureBytes());
    writeSettings(clinicSettings());
    std::vector<VisitRecord> visits;
    for (int k = 1; k <= 6; ++k)
        visits.push_back(visit(k, u"191212121212"_s, u"261201"_s, u"0%1"_s.arg(k)));
    writeVisits(visits);

    dialogs.expectMessage(
        u"OBS! Filen Taxa.txt i mappen %1 har patientavgifter som inte är tal: rad 1 (taxekod \"01\"), "
        u"rad 2 (taxekod \"02\"), rad 3 (taxekod \"03\") och rad 6 (taxekod \"06\").\n"
        u"Avgiften tas som den står i filen när taxekoden väljs. Rätta filen så att varje avgift är "
        u"ett helt antal kronor."_s.arg(folderName()));
    start();
    ui().chooseMenu(kassa().mnuSamlingsräkning);
    frmSamlingsräkning& invoice = *windows->samlingsräkning();
    ASSERT_TRUE(ui().type(invoice.txtFrom, u"1"_s) && ui().type(invoice.txtTom, u"6"_s));
    dialogs.expectMessage(
        u"OBS! Kontrollera summorna innan räkningen skickas!\nKvitto nr 1, 2, 3 och 6 har en taxekod eller "
        u"åtgärd som saknas i Taxa.txt eller Åtgärd.txt, eller en avgift där som inte är ett tal. "
        u"En kod som saknas har räknats med avgiften från det närmast föregående kvittot vars kod "
        u"finns, en avgift som inte är ett tal som 0. Rätta filerna och räkna om."_s);
    ui().click(invoice.cmdRäkna);
    EXPECT_EQ(invoice.lblPatAvgifter.caption(), u"57"_s) << "50 and 7; the others count 0";
}

} // namespace
