// Start-up and activation of the desk: which receipt it shows, the clinic's defaults and layout,
// the receipt left open by "Nästa" or "Ny post", and what happens when a file is missing.

#include "desk/desk_scenario.h"
#include "desk/menus_snapshot.h"

#include "data/visitfile.h"

#include <QFile>

using namespace Qt::StringLiterals;

namespace {


// The visit date that writeNumberedVisits gives receipt k.
QString datumFör(int k) { return QStringLiteral("2612%1").arg(k % 28 + 1, 2, 10, QLatin1Char('0')); }

class DeskStartup : public DeskScenario {
protected:
    void SetUp() override { writeClinicFiles(); }
};

// --- A file of 120 receipts ---

TEST_F(DeskStartup, ShowsTheLastOf120ReceiptsWithTheClinicsDefaults)
{
    writeNumberedVisits(120);
    const auto before = folderContents();
    startDesk();

    EXPECT_FALSE(desk->startFailed());
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(desk->lblKvittoNr.caption(), u"120"_s);
    EXPECT_EQ(desk->besök().upperBound(), 120);
    EXPECT_EQ(desk->txtBesöksDatum.text(), datumFör(120));
    EXPECT_EQ(desk->txtPersonnummer.text(), u"191212121212"_s);
    EXPECT_EQ(desk->focused(), &desk->txtPersonnummer);

    // The lists in file order, the referral list with its four destinations.
    EXPECT_EQ(desk->lstTaxekod.items(), (QStringList{u"01"_s, u"02"_s, u"03"_s, u"06"_s, u"1 "_s}));
    EXPECT_EQ(desk->lstÅtgärd.items(), (QStringList{u"A001"_s, u"B002"_s, u"C003"_s}));
    EXPECT_EQ(desk->lstRemissTill.items(),
              (QStringList{u"  00 "_s, u"  01 "_s, u"  02 "_s, u"  03 "_s}));
    EXPECT_EQ(program.AntalTaxekoder, 5);
    EXPECT_EQ(program.AntalÅtgärder, 3);

    // The activation applies the settings after showing the receipt: the default codes win
    // over the receipt's own ("01", "A001").
    EXPECT_EQ(desk->lstTaxekod.listIndex(), 1);
    EXPECT_EQ(desk->lblPatientavgift.caption(), u"200 Kr"_s);
    EXPECT_EQ(desk->lstÅtgärd.listIndex(), 0);
    EXPECT_EQ(desk->lstRemissTill.listIndex(), 0);
    EXPECT_EQ(desk->txtKombikakod.text(), u"12345ABCD67"_s);
    EXPECT_EQ(desk->txtVikKomkod.text(), u"     "_s) << "the settings' 5 characters as stored";
    EXPECT_TRUE(desk->mnuNyReg[0]->checked());
    EXPECT_FALSE(desk->mnuNyReg[1]->checked());
    EXPECT_TRUE(desk->mnuSkatt[0]->checked());
    EXPECT_FALSE(desk->mnuSkatt[1]->checked());
    EXPECT_TRUE(desk->mnuIdTyp[0]->checked());
    EXPECT_TRUE(desk->optBesök[0]->value());
    EXPECT_EQ(desk->chkSmittskydd.value(), 0);
    EXPECT_FALSE(desk->lblMakulering.visible());
    EXPECT_FALSE(desk->txtMakulering.visible());

    EXPECT_EQ(folderContents(), before) << "starting writes nothing when every file is there";
}

TEST_F(DeskStartup, NästaOnTheLastReceiptOpensTheNextWithItsDateAndThenDoesNothing)
{
    writeNumberedVisits(120);
    startDesk();
    const auto before = folderContents();
    ASSERT_TRUE(app.type(desk->txtDiagnoskod, u"J06"_s));

    app.click(desk->cmdNästa);

    EXPECT_EQ(desk->lblKvittoNr.caption(), u"121"_s);
    EXPECT_EQ(desk->besök().upperBound(), 121);
    EXPECT_FALSE(desk->besök()[121].isStoredReceipt());
    EXPECT_EQ(desk->txtBesöksDatum.text(), datumFör(120)) << "the previous visit's date";
    EXPECT_EQ(desk->txtPersonnummer.text(), QString());
    EXPECT_EQ(desk->txtDiagnoskod.text(), QString()) << "the empty receipt empties the fields";
    EXPECT_EQ(desk->txtKombikakod.text(), u"12345ABCD67"_s) << "then the defaults fill them";
    EXPECT_EQ(desk->lstTaxekod.listIndex(), 1);
    EXPECT_EQ(desk->focused(), &desk->txtPersonnummer);

    const QStringList open = snapshot::of(*desk);
    app.click(desk->cmdNästa);
    EXPECT_EQ(desk->lblKvittoNr.caption(), u"121"_s);
    EXPECT_EQ(desk->besök().upperBound(), 121) << "the open receipt has no next one";
    const QStringList after = snapshot::of(*desk);
    // The click itself moves the focus to the button; nothing else may change.
    EXPECT_EQ(after.mid(1), open.mid(1)) << snapshot::diff(open, after).toStdString();

    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(folderContents(), before) << "a new receipt exists only in memory";
}

TEST_F(DeskStartup, ActivationOnAStoredReceiptGoesBackToTheLast)
{
    writeNumberedVisits(120);
    startDesk();
    gåTill(u"3"_s);
    ASSERT_EQ(desk->lblKvittoNr.caption(), u"3"_s);
    ASSERT_EQ(desk->txtBesöksDatum.text(), datumFör(3));

    återaktivera();

    EXPECT_EQ(desk->lblKvittoNr.caption(), u"120"_s);
    EXPECT_EQ(desk->txtBesöksDatum.text(), datumFör(120));
}

// --- The open receipt ---

TEST_F(DeskStartup, AReceiptOpenedBySkapaNyPostOutlivesOneActivation)
{
    writeNumberedVisits(120);
    startDesk();
    // What a registration with "Ny post" checked does after storing receipt 120.
    app.runEvent([this] { desk->SkapaNyPost(); });
    ASSERT_EQ(desk->lblKvittoNr.caption(), u"121"_s);
    EXPECT_EQ(desk->txtBesöksDatum.text(), datumFör(120));
    app.chooseMenu(*desk->mnuSkatt[1]);
    ASSERT_TRUE(app.type(desk->txtPersonnummer, u"190001010008"_s));

    återaktivera();

    EXPECT_EQ(desk->lblKvittoNr.caption(), u"121"_s) << "still the open receipt";
    EXPECT_EQ(desk->besök().upperBound(), 120) << "the file read back ends at the last stored one";
    EXPECT_TRUE(desk->mnuSkatt[0]->checked()) << "the defaults are applied again";
    EXPECT_FALSE(desk->mnuSkatt[1]->checked());
    EXPECT_EQ(desk->txtPersonnummer.text(), u"190001010008"_s) << "what was typed stays";

    återaktivera();
    EXPECT_EQ(desk->lblKvittoNr.caption(), u"120"_s);
    EXPECT_EQ(desk->txtPersonnummer.text(), u"191212121212"_s);
}

TEST_F(DeskStartup, TheOpenReceiptBeyondTheTableHasNoNextButAPrevious)
{
    writeNumberedVisits(120);
    startDesk();
    const auto before = folderContents();
    // A registration with "Ny post": the next number is shown, then the file is read back.
    app.runEvent([this] {
        desk->SkapaNyPost();
        ASSERT_TRUE(visitfile::HämtaBesöksFil(program.folder, desk->besök()));
    });
    ASSERT_EQ(desk->lblKvittoNr.caption(), u"121"_s);
    ASSERT_EQ(desk->besök().upperBound(), 120);

    app.click(desk->cmdNästa);
    EXPECT_EQ(desk->lblKvittoNr.caption(), u"121"_s);
    EXPECT_EQ(desk->besök().upperBound(), 120);

    app.click(desk->cmdFöregående);
    EXPECT_EQ(desk->lblKvittoNr.caption(), u"120"_s);
    EXPECT_EQ(desk->txtBesöksDatum.text(), datumFör(120));
    EXPECT_EQ(folderContents(), before);
}

// --- Profession ---

struct Yrke {
    const char* name;
    const char* stored;
    const char16_t* title;
    int remissBredd;
    bool remissTill;
};

class DeskProfession : public DeskStartup, public ::testing::WithParamInterface<Yrke> {};

TEST_P(DeskProfession, TitleAndReferralLayout)
{
    SettingsRecord settings = clinicSettings();
    settings.setRaw(SettingsField::Yrke, GetParam().stored);
    writeSettings(settings);
    writeNumberedVisits(2);
    startDesk();

    EXPECT_EQ(desk->caption(), QString::fromUtf16(GetParam().title));
    EXPECT_TRUE(desk->fraRemiss.visible());
    EXPECT_EQ(desk->fraRemiss.width(), GetParam().remissBredd);
    for (ui::Control* c : std::initializer_list<ui::Control*>{
             &desk->lblKombikakod, &desk->txtRemissFrån, &desk->lblDatum, &desk->txtRemissDatum})
        EXPECT_TRUE(c->visible()) << c->name().toStdString();
    EXPECT_EQ(desk->lblTill.visible(), GetParam().remissTill);
    EXPECT_EQ(desk->lstRemissTill.visible(), GetParam().remissTill);
}

INSTANTIATE_TEST_SUITE_P(
    Yrken, DeskProfession,
    ::testing::Values(Yrke{"Lakare", "-1", u"Kassaprogram för Läkare Ver 6.02", 3375, true},
                      Yrke{"Sjukgymnast", "0 ", u"Kassaprogram för Sjukgymnaster Ver 6.02", 2445, false},
                      // Anything but "-1" is the second choice on the desk.
                      Yrke{"Blankt", "  ", u"Kassaprogram för Sjukgymnaster Ver 6.02", 2445, false}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Default list rows from the settings ---

struct Index {
    const char* name;
    const char* åtgärd;
    const char* taxekod;
    int åtgärdRad;
    int taxaRad;
    const char16_t* avgift;
};

class DeskListDefaults : public DeskStartup, public ::testing::WithParamInterface<Index> {};

TEST_P(DeskListDefaults, SelectTheRowTheSettingsName)
{
    SettingsRecord settings = clinicSettings();
    settings.setRaw(SettingsField::ÅtgärdIndex, GetParam().åtgärd);
    settings.setRaw(SettingsField::TaxekodIndex, GetParam().taxekod);
    writeSettings(settings);
    writeNumberedVisits(2);
    startDesk();

    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(desk->lstÅtgärd.listIndex(), GetParam().åtgärdRad);
    EXPECT_EQ(desk->lstTaxekod.listIndex(), GetParam().taxaRad);
    EXPECT_EQ(desk->lblPatientavgift.caption(), QString::fromUtf16(GetParam().avgift));
}

INSTANTIATE_TEST_SUITE_P(
    Index, DeskListDefaults,
    ::testing::Values(Index{"LastRows", "2 ", "4 ", 2, 4, u"150 Kr"},
                      Index{"NoSelection", "-1", "-1", -1, -1, u""},
                      Index{"BeyondTheLists", "3 ", "99", -1, -1, u""},
                      Index{"Blank", "  ", "  ", -1, -1, u""},
                      Index{"NotANumber", "x ", "1x", -1, -1, u""}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Focus ---

TEST_F(DeskStartup, OnAReserveNumberReceiptTheFocusIsInTheReserveNumber)
{
    writeVisits({visit(1), reservbesök(2)});
    startDesk();

    EXPECT_EQ(desk->focused(), &desk->txtReservnummer);
    EXPECT_TRUE(desk->txtReservnummer.visible());
    EXPECT_EQ(desk->txtReservnummer.text(), reservnummer());
    EXPECT_FALSE(desk->txtPersonnummer.visible());
    // The defaults put the check mark back on "Personnummer"; the boxes stay as they are.
    EXPECT_TRUE(desk->mnuIdTyp[0]->checked());
    EXPECT_FALSE(desk->mnuIdTyp[1]->checked());
}

// --- An empty visit file ---

TEST_F(DeskStartup, AnEmptyVisitFileStartsOnANewReceipt1)
{
    const auto before = folderContents();
    startDesk();

    EXPECT_FALSE(desk->startFailed());
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(desk->lblKvittoNr.caption(), u"1"_s);
    EXPECT_EQ(desk->besök().upperBound(), 0) << "the open receipt lives on the desk only";
    EXPECT_EQ(desk->txtBesöksDatum.text(), QString()) << "there is no previous visit date";
    EXPECT_EQ(desk->txtPersonnummer.text(), QString());
    EXPECT_EQ(desk->txtKombikakod.text(), u"12345ABCD67"_s);
    EXPECT_EQ(desk->lstTaxekod.listIndex(), 1);
    EXPECT_EQ(desk->lblPatientavgift.caption(), u"200 Kr"_s);
    EXPECT_TRUE(desk->mnuNyReg[0]->checked());
    EXPECT_FALSE(desk->txtMakulering.visible()) << "no voiding field outside voiding mode";
    EXPECT_EQ(desk->caption(), u"Kassaprogram för Läkare Ver 6.02"_s);
    EXPECT_EQ(desk->focused(), &desk->txtPersonnummer);

    app.click(desk->cmdNästa);
    app.click(desk->cmdFöregående);
    EXPECT_EQ(desk->lblKvittoNr.caption(), u"1"_s);
    återaktivera();
    EXPECT_EQ(desk->lblKvittoNr.caption(), u"1"_s);
    EXPECT_EQ(folderContents(), before);
}

// --- Missing files ---

struct Saknas {
    const char* name;
    const char16_t* file;
};

class DeskMissingCodeFile : public DeskScenario, public ::testing::WithParamInterface<Saknas> {};

TEST_P(DeskMissingCodeFile, EndsAfterAMessageNamingTheFileAndTheFolderAndWritesNothing)
{
    // No settings file either: a start that goes on would write the first-run default.
    writeFile(QStringLiteral("Taxa.txt"), tariffBytes());
    writeFile(QStringLiteral("Åtgärd.txt"), procedureBytes());
    writeNumberedVisits(5);
    const QString file = QString::fromUtf16(GetParam().file);
    ASSERT_TRUE(QFile::remove(path(file)));
    const auto before = folderContents();
    const QString error = file == u"Taxa.txt" ? taxaFel()
                                               : åtgärdFel();
    ASSERT_TRUE(error.contains(file));
    ASSERT_TRUE(error.contains(QDir::toNativeSeparators(dir.path())));
    dialogs.expectMessage(error + u"\nProgrammet avslutas."_s);

    startDesk();

    EXPECT_TRUE(desk->startFailed());
    EXPECT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(desk->lblKvittoNr.caption(), u"0"_s) << "the activation does nothing";
    EXPECT_EQ(folderContents(), before);
}

INSTANTIATE_TEST_SUITE_P(Kodfiler, DeskMissingCodeFile,
                         ::testing::Values(Saknas{"Taxa", u"Taxa.txt"},
                                           Saknas{"Atgard", u"Åtgärd.txt"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DeskStartup, AVisitFileTooLargeToHoldEndsTheProgramUntouched)
{
    writeFile(QStringLiteral("PatBesök.Dat"), QByteArray(95 * 32768, '1'));
    const auto before = folderContents();
    VisitTable scratch;
    const QString error = visitfile::HämtaBesöksFil(QDir(dir.path()), scratch).error;
    ASSERT_FALSE(error.isEmpty());
    dialogs.expectMessage(error + u"\nProgrammet avslutas."_s);

    startDesk();

    EXPECT_TRUE(desk->startFailed());
    EXPECT_EQ(folderContents(), before);
}

TEST_F(DeskStartup, AFirstStartWritesTheDefaultSettings)
{
    ASSERT_TRUE(QFile::remove(path(u"Inställn.txt"_s)));
    writeNumberedVisits(2);
    startDesk();

    EXPECT_FALSE(desk->startFailed());
    EXPECT_TRUE(dialogs.messages().empty());
    const SettingsRecord first = SettingsRecord::firstRunDefault();
    EXPECT_EQ(readFile(u"Inställn.txt"_s), first.bytes().toByteArray() + "\r\n");
    EXPECT_EQ(program.Inställningar, first);
    EXPECT_EQ(desk->caption(), u"Kassaprogram för Läkare Ver 6.02"_s);
    EXPECT_EQ(desk->lstTaxekod.listIndex(), 0);
    EXPECT_EQ(desk->lblPatientavgift.caption(), u"100 Kr"_s);
    EXPECT_EQ(desk->txtKombikakod.text(), QString(11, u' '));
}

// --- A code file gone after start-up ---

TEST_F(DeskStartup, ACodeFileGoneLaterIsReportedOncePerActivationAndTheTablesAreKept)
{
    writeNumberedVisits(4);
    startDesk();
    const TariffTable taxor = desk->taxor();
    ASSERT_TRUE(QFile::remove(path(u"Taxa.txt"_s)));
    const QString error = taxaFel();

    // The activation reads the tariff file twice (the display, then the re-read): one message.
    dialogs.expectMessage(error);
    app.click(desk->cmdFöregående); // move off the last receipt, so the activation shows it
    dialogs.clear();
    dialogs.expectMessage(error);
    återaktivera();
    EXPECT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(desk->lblKvittoNr.caption(), u"4"_s);

    EXPECT_EQ(desk->taxor().Taxekod, taxor.Taxekod);
    EXPECT_EQ(desk->taxor().Patientavgift, taxor.Patientavgift);
    EXPECT_EQ(desk->lstTaxekod.listCount(), 5);
    EXPECT_EQ(desk->lblPatientavgift.caption(), u"200 Kr"_s) << "the kept table still gives fees";
    EXPECT_FALSE(QFile::exists(path(u"Taxa.txt"_s))) << "nothing writes a code file";
}

// --- The window itself receives the focus ---

TEST_F(DeskStartup, GotFocusReadsTheSettingsAgain)
{
    writeNumberedVisits(2);
    startDesk();
    SettingsRecord changed = clinicSettings();
    changed.setText(SettingsField::Kombikakod, u"99999XXXX99"_s);
    writeSettings(changed);

    app.runEvent([this] { desk->Form_GotFocus(); });

    EXPECT_EQ(program.Inställningar, changed);
    EXPECT_EQ(desk->txtKombikakod.text(), u"12345ABCD67"_s) << "applied only at the next activation";
    återaktivera();
    EXPECT_EQ(desk->txtKombikakod.text(), u"99999XXXX99"_s);
}

} // namespace
