// Start-up and activation of the desk: which receipt it shows, the clinic's defaults and layout,
// the receipt left open by "Nästa" or "Ny post", and what happens when a file is missing.

#include "desk/desk_scenario.h"

#include "data/codetables.h"
#include "data/visitfile.h"
#include "settings/frmInstallningar.h"

#include <QFile>
#include <functional>
#include <tuple>

namespace {

class DeskStartup : public DeskScenario {
protected:
    // The message a read of a code file gives as the folder is now.
    QString taxaFel() const
    {
        TariffTable scratch;
        return codetables::HämtaTaxeFil(QDir(dir.path()), scratch).error;
    }
    QString åtgärdFel() const
    {
        ProcedureTable scratch;
        return codetables::HämtaÅtgärdsFil(QDir(dir.path()), scratch).error;
    }
};

TEST_F(DeskStartup, ShowsTheLastOf120ReceiptsAsRegisteredAndComesBackToIt)
{
    writeNumberedVisits(120);
    const auto before = folderContents();
    startDesk();

    EXPECT_FALSE(desk->startFailed());
    EXPECT_EQ(desk->besök().upperBound(), 120);
    EXPECT_EQ(desk->lstTaxekod.items(), (QStringList{u"01"_s, u"02"_s, u"03"_s, u"06"_s, u"1 "_s}));
    EXPECT_EQ(desk->lstÅtgärd.items(), (QStringList{u"A001"_s, u"B002"_s, u"C003"_s}));
    EXPECT_EQ(desk->lstRemissTill.items(), (QStringList{u"  00 "_s, u"  01 "_s, u"  02 "_s, u"  03 "_s}));
    EXPECT_EQ(desk->taxor().count(), 5);
    EXPECT_EQ(desk->åtgärder().count(), 3);
    // The receipt's own codes ("01", "A001"), not the clinic's default tariff row 1: one Enter
    // must not store it again with other codes.
    visar({.kvitto = u"120"_s, .fokus = &desk->txtPersonnummer, .nyreg = NyReg::N,
           .skatt = Skatt::F, .idtyp = IdTyp::P, .makulering = false,
           .txtPersonnummer = u"191212121212"_s, .txtBesöksDatum = u"261209"_s,
           .txtKombikakod = u"12345ABCD67"_s, .txtVikKomkod = u""_s, .lstTaxekod = 0,
           .lstÅtgärd = 0, .lstRemissTill = 0, .chkSmittskydd = 0, .optBesök0 = 1,
           .lblPatientavgift = u"100 Kr"_s});
    EXPECT_EQ(folderContents(), before) << "starting writes nothing when every file is there";

    gåTill(u"3"_s);
    visar({.kvitto = u"3"_s, .txtBesöksDatum = u"261204"_s});
    återaktivera();
    visar({.kvitto = u"120"_s, .txtBesöksDatum = u"261209"_s});
}

// "Nästa" on the last receipt opens the next one in memory only, with the previous visit's date.
// It has no next one, and it outlives one activation: the file read back ends before it.
TEST_F(DeskStartup, NästaOnTheLastReceiptOpensAReceiptThatOutlivesOneActivation)
{
    start(120);
    const auto before = folderContents();
    ASSERT_TRUE(app.type(desk->txtDiagnoskod, u"J06"_s));
    app.click(desk->cmdNästa);
    EXPECT_EQ(desk->besök().upperBound(), 121);
    EXPECT_FALSE(desk->besök()[121].isStoredReceipt());
    // The empty receipt empties the fields, then the defaults fill theirs.
    visar({.kvitto = u"121"_s, .fokus = &desk->txtPersonnummer, .txtPersonnummer = u""_s,
           .txtBesöksDatum = u"261209"_s, .txtKombikakod = u"12345ABCD67"_s, .txtDiagnoskod = u""_s,
           .lstTaxekod = 1});
    const QStringList open = bild();
    app.click(desk->cmdNästa);
    EXPECT_EQ(desk->besök().upperBound(), 121);
    // The click itself moves the focus to the button; nothing else may change.
    EXPECT_EQ(bild().mid(1), open.mid(1)) << diff(open, bild());

    app.chooseMenu(*desk->mnuSkatt[1]);
    ASSERT_TRUE(app.type(desk->txtPersonnummer, u"190001010008"_s));
    återaktivera();
    // Still the open receipt, what was typed stays, the defaults are applied again.
    visar({.kvitto = u"121"_s, .skatt = Skatt::F, .txtPersonnummer = u"190001010008"_s});
    EXPECT_EQ(desk->besök().upperBound(), 120);
    app.click(desk->cmdNästa); // beyond the table there is no next receipt either
    visar({.kvitto = u"121"_s});
    återaktivera();
    visar({.kvitto = u"120"_s, .txtPersonnummer = u"191212121212"_s});
    EXPECT_EQ(folderContents(), before) << "a new receipt exists only in memory";
}

TEST_F(DeskStartup, OnAReserveNumberReceiptTheFocusIsInTheReserveNumber)
{
    start({visit(1), reservbesök(2)});
    visar({.fokus = &desk->txtReservnummer, .idtyp = IdTyp::R, .rader = u":RF"_s,
           .txtReservnummer = u"1234567898"_s});
}

TEST_F(DeskStartup, AnEmptyVisitFileStartsOnANewReceipt1WhereTheFirstVisitIsStored)
{
    const auto before = folderContents();
    startDesk();

    EXPECT_FALSE(desk->startFailed());
    EXPECT_EQ(desk->besök().upperBound(), 0) << "the open receipt lives on the desk only";
    EXPECT_EQ(desk->caption(), u"Kassaprogram för Läkare Ver 6.02"_s);
    visar({.kvitto = u"1"_s, .fokus = &desk->txtPersonnummer, .nyreg = NyReg::N,
           .makulering = false, .txtPersonnummer = u""_s, .txtBesöksDatum = u""_s,
           .txtKombikakod = u"12345ABCD67"_s, .lstTaxekod = 1, .lblPatientavgift = u"200 Kr"_s});
    app.click(desk->cmdNästa);
    app.click(desk->cmdFöregående);
    återaktivera();
    gåTill(u"1"_s, u"OBS! Det finns inga registrerade kvitton ännu!"_s);
    visar({.kvitto = u"1"_s});
    // The opening of the missing visit file created it, empty; nothing else was written.
    auto created = before;
    created[u"PatBesök.Dat"_s] = QByteArray();
    EXPECT_EQ(folderContents(), created);

    typeAndLeave(desk->txtPersonnummer, u"191212121212"_s);
    typeAndLeave(desk->txtBesöksDatum, u"261208"_s);
    app.click(desk->cmdRegistrera);
    ASSERT_EQ(visitFile().size(), 95);
    EXPECT_EQ(field(storedRecord(1), VisitField::Kvittonummer), QByteArray("00000001"));
}

// A clinic whose last visit has codes of its own: the desk starts on it showing them, and one
// Enter stores the same bytes. New defaults saved in the settings window leave the shown receipt
// as registered (only the title and the referral list follow the new profession) and go to the
// next new receipt.
TEST_F(DeskStartup, AStoredReceiptKeepsItsOwnCodesAtEveryActivation)
{
    start({visit(1), visit(2), visitWithOwnCodes(3)});
    const std::string file = visitFile().toStdString();
    const Visas egna{.kvitto = u"3"_s, .fokus = &desk->txtPersonnummer, .skatt = Skatt::A,
                     .txtKombikakod = u"54321ZYXW98"_s, .txtVikKomkod = u"98765"_s,
                     .lstTaxekod = 3, .lstÅtgärd = 2, .lstRemissTill = 2, .chkAkutbesök = 1,
                     .chkEjBetPatAvg = 1, .optBesök1 = 1, .lblPatientavgift = u"  0 Kr"_s};
    visar(egna);
    screen.changes.clear();
    app.pressEnter();
    EXPECT_FALSE(screen.changes.empty()) << "Enter registered (with the hourglass)";
    EXPECT_EQ(visitFile().toStdString(), file);

    std::unique_ptr<frmInställningar> inställningar;
    desk->visaInställningar = [&] {
        if (!inställningar)
            inställningar = std::make_unique<frmInställningar>(app, program);
        app.show(*inställningar);
    };
    app.chooseMenu(desk->mnuInställningar);
    ASSERT_TRUE(inställningar && app.activeForm() == inställningar.get());
    frmInställningar& f = *inställningar;
    app.select(f.lstTaxekod, 4);
    app.select(f.lstÅtgärd, 1);
    for (ui::OptionButton* option : {f.optSkatt[1], f.optBesök[1], f.optYrke[1]})
        app.click(*option);
    app.click(f.cmdSpara);
    app.click(f.cmdStäng);
    ASSERT_EQ(app.activeForm(), desk.get());
    EXPECT_EQ(desk->caption(), u"Kassaprogram för Sjukgymnaster Ver 6.02"_s);
    EXPECT_FALSE(desk->lstRemissTill.visible());
    visar(egna);
    app.pressEnter();
    EXPECT_EQ(visitFile().toStdString(), file) << "the hidden referral list still holds the receipt's \"02\"";

    app.click(desk->cmdNästa);
    visar({.kvitto = u"4"_s, .fokus = &desk->txtPersonnummer, .skatt = Skatt::A,
           .txtKombikakod = u"12345ABCD67"_s, .txtVikKomkod = u"     "_s, .lstTaxekod = 4,
           .lstÅtgärd = 1, .lstRemissTill = 0, .chkAkutbesök = 0, .chkEjBetPatAvg = 0,
           .optBesök1 = 1, .lblPatientavgift = u"150 Kr"_s});
    EXPECT_TRUE(dialogs.messages().empty());
}

// A file the desk cannot work without: a message naming it, then an orderly end before anything
// is written. There is no settings file either: a start that went on would write the default.
struct Startfel {
    const char* name;
    const char16_t* file;
};

class DeskStartFailure : public DeskStartup, public ::testing::WithParamInterface<Startfel> {};

TEST_P(DeskStartFailure, EndsAfterAMessageNamingTheFileAndWritesNothing)
{
    ASSERT_TRUE(QFile::remove(path(u"Inställn.txt"_s)));
    writeNumberedVisits(5);
    const QString file = QString::fromUtf16(GetParam().file);
    QString error;
    if (file == u"PatBesök.Dat") {
        writeFile(file, QByteArray(95 * 32768, '1')); // one record more than a receipt number holds
        VisitTable scratch;
        error = visitfile::HämtaBesöksFil(QDir(dir.path()), scratch).error;
    } else {
        ASSERT_TRUE(QFile::remove(path(file)));
        error = file == u"Taxa.txt" ? taxaFel() : åtgärdFel();
        EXPECT_TRUE(error.contains(QDir::toNativeSeparators(dir.path()))) << error.toStdString();
    }
    EXPECT_TRUE(error.contains(file)) << error.toStdString();
    const auto before = folderContents();
    dialogs.expectMessage(error + u"\nProgrammet avslutas."_s);

    startDesk();

    EXPECT_TRUE(desk->startFailed());
    EXPECT_EQ(dialogs.messages().size(), 1u);
    visar({.kvitto = u"0"_s}); // the activation does nothing
    EXPECT_EQ(folderContents(), before);
}

INSTANTIATE_TEST_SUITE_P(Filer, DeskStartFailure,
                         ::testing::Values(Startfel{"Taxa", u"Taxa.txt"},
                                           Startfel{"Atgard", u"Åtgärd.txt"},
                                           Startfel{"BesokTillStor", u"PatBesök.Dat"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DeskStartup, AFirstStartWritesTheDefaultSettings)
{
    ASSERT_TRUE(QFile::remove(path(u"Inställn.txt"_s)));
    start(2);

    EXPECT_TRUE(dialogs.messages().empty());
    const SettingsRecord first = SettingsRecord::firstRunDefault();
    EXPECT_EQ(readFile(u"Inställn.txt"_s), first.bytes().toByteArray() + "\r\n");
    EXPECT_EQ(program.Inställningar, first);
    EXPECT_EQ(desk->caption(), u"Kassaprogram för Läkare Ver 6.02"_s);
    app.click(desk->cmdNästa); // a new receipt gets the defaults
    visar({.txtKombikakod = u"           "_s, .lstTaxekod = 0, .lblPatientavgift = u"100 Kr"_s});
}

// The display and the activation read both code files again; one that is gone is told once per
// file and event, and the tables read before stay in use.
TEST_F(DeskStartup, CodeFilesGoneLaterAreToldOnceAndTheTablesAreKept)
{
    start({visit(1), reservbesök(2), visit(3), visit(4)});
    ASSERT_TRUE(QFile::remove(path(u"Taxa.txt"_s)));
    ASSERT_TRUE(QFile::remove(path(u"Åtgärd.txt"_s)));

    dialogs.expectInput(u"2"_s);
    dialogs.expectMessage(åtgärdFel());
    dialogs.expectMessage(taxaFel());
    app.chooseMenu(desk->mnuGåTill);
    visar({.kvitto = u"2"_s, .lstTaxekod = 2, .lstÅtgärd = 2, .lblPatientavgift = u" 50 Kr"_s});
    EXPECT_EQ(desk->åtgärder().count(), 3);
    EXPECT_EQ(desk->taxor().count(), 5);

    // The activation reads each file twice (the display, then the re-read).
    dialogs.clear();
    dialogs.expectMessage(åtgärdFel());
    dialogs.expectMessage(taxaFel());
    återaktivera();
    EXPECT_EQ(dialogs.messages().size(), 2u);
    visar({.kvitto = u"4"_s, .lblPatientavgift = u"100 Kr"_s}); // the kept table still gives fees
    EXPECT_EQ(desk->lstTaxekod.listCount(), 5);
    EXPECT_FALSE(QFile::exists(path(u"Taxa.txt"_s))) << "nothing writes a code file";
    EXPECT_FALSE(QFile::exists(path(u"Åtgärd.txt"_s)));
}

// The settings window writes Inställn.txt; the desk reads it when it gets the focus back and
// applies it at the next activation: the kombikakod, the title and referral layout of the
// profession (anything but "-1" is the second choice), the default list rows (an index outside
// the list, or none, selects nothing). An empty visit file keeps the desk on new receipt 1, where
// every activation applies the defaults.
TEST_F(DeskStartup, ChangedSettingsAreReadAtGotFocusAndAppliedAtTheNextActivation)
{
    start(0);
    const auto ändra = [this](const std::function<void(SettingsRecord&)>& change) {
        SettingsRecord settings = clinicSettings();
        change(settings);
        writeSettings(settings);
        app.runEvent([this] { desk->Form_GotFocus(); });
        EXPECT_EQ(program.Inställningar, settings);
    };
    ändra([](SettingsRecord& r) { r.setText(SettingsField::Kombikakod, u"99999XXXX99"_s); });
    visar({.txtKombikakod = u"12345ABCD67"_s});
    återaktivera();
    visar({.txtKombikakod = u"99999XXXX99"_s});

    for (const auto& [yrke, title, bredd, till] : std::initializer_list<std::tuple<const char*, const char16_t*, int, bool>>{
             {"0 ", u"Kassaprogram för Sjukgymnaster Ver 6.02", 2445, false},
             {"-1", u"Kassaprogram för Läkare Ver 6.02", 3375, true},
             {"  ", u"Kassaprogram för Sjukgymnaster Ver 6.02", 2445, false}}) {
        SCOPED_TRACE(yrke);
        ändra([yrke](SettingsRecord& r) { r.setRaw(SettingsField::Yrke, yrke); });
        återaktivera();
        EXPECT_EQ(desk->caption(), QString::fromUtf16(title));
        EXPECT_EQ(desk->fraRemiss.width(), bredd);
        for (ui::Control* c : std::initializer_list<ui::Control*>{&desk->fraRemiss, &desk->lblKombikakod,
                                                                   &desk->txtRemissFrån, &desk->lblDatum,
                                                                   &desk->txtRemissDatum})
            EXPECT_TRUE(c->visible()) << c->name().toStdString();
        EXPECT_EQ(desk->lblTill.visible(), till);
        EXPECT_EQ(desk->lstRemissTill.visible(), till);
    }

    const auto rader = [&](const char* åtgärd, const char* taxekod) {
        ändra([&](SettingsRecord& r) {
            r.setRaw(SettingsField::ÅtgärdIndex, åtgärd);
            r.setRaw(SettingsField::TaxekodIndex, taxekod);
        });
        återaktivera();
    };
    for (const auto& [åtgärd, taxekod] : std::initializer_list<std::pair<const char*, const char*>>{
             {"-1", "-1"}, {"3 ", "99"}, {"  ", "  "}, {"x ", "1x"}}) {
        SCOPED_TRACE(std::string(åtgärd) + "|" + taxekod);
        rader("2 ", "4 ");
        visar({.lstTaxekod = 4, .lstÅtgärd = 2, .lblPatientavgift = u"150 Kr"_s});
        rader(åtgärd, taxekod);
        visar({.lstTaxekod = -1, .lstÅtgärd = -1, .lblPatientavgift = u""_s});
    }
    EXPECT_TRUE(dialogs.messages().empty());
}

} // namespace
