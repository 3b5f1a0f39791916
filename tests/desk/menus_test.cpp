// The desk's menus and the controls that switch a mode, driven as a receptionist would: choose
// the menu entry, click the box, pick the list item; then look at what the desk shows and what
// reached the visit file. The check marks are the modes: every new receipt, and activation while
// one is open, reset them to the clinic's settings; a stored receipt shows its own.

#include "desk/desk_scenario.h"

#include <functional>

namespace {

class DeskMenus : public DeskScenario {
protected:
    void SetUp() override
    {
        DeskScenario::SetUp();
        start(3);
        ASSERT_EQ(kvitto(), u"3"_s);
    }
};

TEST_F(DeskMenus, AvslutaEndsAtOnceWithAHalfTypedVisitAndWritesNothing)
{
    const QByteArray before = visitFile();
    ASSERT_TRUE(app.type(desk->txtPersonnummer, u"1912"_s));
    bool ended = false;
    app.onQuit = [&ended] { ended = true; };
    app.chooseMenu(desk->mnuAvsluta);
    EXPECT_TRUE(ended);
    EXPECT_TRUE(app.hasQuit());
    EXPECT_TRUE(dialogs.messages().empty()) << "no question, no check of the half-typed number";
    EXPECT_EQ(visitFile(), before);
}

TEST_F(DeskMenus, EntriesWithoutAnActionAreGreyedOutAndChangeNothing)
{
    ASSERT_TRUE(app.type(desk->txtPersonnummer, u"1912"_s));
    const QStringList before = bild();
    for (ui::MenuItem* item : {&desk->mnuBesökslista, &desk->mnuVerifikation,
                               &desk->mnuEjBetPatAvg, &desk->mnuPatientregister}) {
        EXPECT_FALSE(item->enabled()) << item->name().toStdString();
        app.chooseMenu(*item);
        // Even if the entry's event were raised some other way.
        ASSERT_TRUE(item->Click) << item->name().toStdString();
        app.runEvent([item] { item->Click(); });
    }
    EXPECT_EQ(bild(), before) << diff(before, bild());
    EXPECT_FALSE(app.hasQuit());
}

TEST_F(DeskMenus, WindowEntriesOpenTheirWindowOnceAndDoNothingWhileItIsNotThere)
{
    const QStringList before = bild();
    const std::pair<ui::MenuItem*, std::function<void()> frmKassa::*> entries[] = {
        {&desk->mnuARV, &frmKassa::visaARV},
        {&desk->mnuSamlingsräkning, &frmKassa::visaSamlingsräkning},
        {&desk->mnuInställningar, &frmKassa::visaInställningar}};
    for (const auto& [item, opener] : entries)
        app.chooseMenu(*item);
    for (const auto& [item, opener] : entries) {
        int opened = 0;
        desk.get()->*opener = [&opened] { ++opened; };
        app.chooseMenu(*item);
        EXPECT_EQ(opened, 1) << item->name().toStdString();
        desk.get()->*opener = nullptr;
    }
    EXPECT_EQ(bild(), before) << diff(before, bild());
    EXPECT_FALSE(app.hasQuit());
}

// The choice holds for this desk only: stored with the visit, never in the settings, and back to
// the settings' F-Skatt at the next new receipt.
TEST_F(DeskMenus, SkattCarriesOneCheckMarkUntilTheNextReset)
{
    const QByteArray settings = readFile(u"Inställn.txt"_s);
    visar({.skatt = Skatt::F});
    app.chooseMenu(*desk->mnuSkatt[1]);
    visar({.skatt = Skatt::A});
    EXPECT_EQ(desk->värden().Skatt, u"A"_s);
    app.chooseMenu(*desk->mnuSkatt[1]);
    visar({.skatt = Skatt::A}); // choosing the checked item keeps it checked
    app.chooseMenu(*desk->mnuSkatt[0]);
    visar({.skatt = Skatt::F});
    EXPECT_EQ(desk->värden().Skatt, u"F"_s);

    app.chooseMenu(*desk->mnuSkatt[1]);
    app.pressEnter(); // registers receipt 3 again, as shown
    EXPECT_EQ(field(storedRecord(3), VisitField::Skatt), QByteArray("A"));
    EXPECT_EQ(readFile(u"Inställn.txt"_s), settings);
    visar({.skatt = Skatt::A}); // registering does not reset the choice
    återaktivera();
    visar({.skatt = Skatt::A}); // receipt 3 as registered

    app.chooseMenu(*desk->mnuSkatt[1]);
    app.click(desk->chkNypost);
    app.pressEnter();
    EXPECT_EQ(field(storedRecord(3), VisitField::Skatt), QByteArray("A"));
    visar({.kvitto = u"4"_s, .skatt = Skatt::F});
}

TEST_F(DeskScenario, ASkattInTheSettingsComesBackAtEveryReset)
{
    SettingsRecord settings = clinicSettings();
    settings.setChoice(SettingsField::Skatt, false);
    writeSettings(settings);
    start(3);
    visar({.skatt = Skatt::F}); // the stored receipt's own
    app.click(desk->cmdNästa);
    visar({.skatt = Skatt::A});
    app.chooseMenu(*desk->mnuSkatt[0]);
    visar({.skatt = Skatt::F});
    återaktivera(); // receipt 4 is still open
    visar({.kvitto = u"4"_s, .skatt = Skatt::A});
}

// The box that goes away is emptied as it is hidden: a half-typed number in it is dropped
// without a message. The rows keep their places; only the frame's height changes.
TEST_F(DeskMenus, TheIdentityTypeSwitchesTheRowsWhenChosen)
{
    const auto tops = [this] {
        return QList<int>{desk->txtReservnummer.top(), desk->lblReservnummer.top(),
                          desk->txtFödelsedatum.top(), desk->lblFödelsedatum.top(),
                          desk->txtPersonnummer.top()};
    };
    const QList<int> before = tops();
    ASSERT_TRUE(app.type(desk->txtPersonnummer, u"191212"_s));
    app.chooseMenu(*desk->mnuIdTyp[1]);
    visar({.fokus = &desk->txtReservnummer, .idtyp = IdTyp::R, .ram = 1400, .rader = u".RF"_s,
           .txtPersonnummer = u""_s});
    EXPECT_TRUE(dialogs.messages().empty()) << "the emptied box passes its check";

    ASSERT_TRUE(app.type(desk->txtReservnummer, u"0001010008"_s));
    ASSERT_TRUE(app.type(desk->txtFödelsedatum, u"450101"_s));
    app.chooseMenu(*desk->mnuIdTyp[0]);
    visar({.fokus = &desk->txtPersonnummer, .idtyp = IdTyp::P, .ram = 850, .rader = u"P.."_s,
           .txtPersonnummer = u""_s, .txtReservnummer = u""_s, .txtFödelsedatum = u""_s});
    EXPECT_EQ(tops(), before);

    // "Personnummer" when already checked keeps the typed number, but still empties the reserve
    // fields: activation on an open receipt puts the mark back on "Personnummer" and leaves a
    // reserve number shown.
    ASSERT_TRUE(app.type(desk->txtPersonnummer, u"190001010008"_s));
    app.chooseMenu(*desk->mnuIdTyp[0]);
    visar({.idtyp = IdTyp::P, .txtPersonnummer = u"190001010008"_s});
    app.click(desk->cmdNästa);
    app.chooseMenu(*desk->mnuIdTyp[1]);
    ASSERT_TRUE(app.type(desk->txtFödelsedatum, u"450101"_s));
    ASSERT_TRUE(app.type(desk->txtReservnummer, u"0001010008"_s));
    återaktivera();
    visar({.idtyp = IdTyp::P, .txtReservnummer = u"0001010008"_s});
    app.chooseMenu(*desk->mnuIdTyp[0]);
    visar({.fokus = &desk->txtPersonnummer, .rader = u"P.."_s, .txtReservnummer = u""_s,
           .txtFödelsedatum = u""_s});
    EXPECT_TRUE(dialogs.messages().empty());
}

// An infection-control visit has no identity: the boxes go away while the box is ticked, and
// clearing it brings back the identity the desk values hold (the receipt shown last).
TEST_F(DeskMenus, InfectionControlHidesTheIdentityAndRestoresItFromTheDeskValues)
{
    app.click(desk->chkSmittskydd);
    visar({.idtyp = IdTyp::Ingen, .idmeny = false, .rader = u"..."_s, .txtPersonnummer = u""_s,
           .chkSmittskydd = 1});
    EXPECT_EQ(desk->värden().Smittskydd, u"1"_s);
    app.chooseMenu(*desk->mnuIdTyp[1]); // cannot be switched meanwhile
    visar({.idtyp = IdTyp::Ingen, .rader = u"..."_s});

    app.click(desk->chkSmittskydd);
    // The identity menu is enabled again only by showing a receipt.
    visar({.fokus = &desk->txtPersonnummer, .idtyp = IdTyp::P, .idmeny = false, .ram = 850,
           .rader = u"P.."_s, .txtPersonnummer = u"191212121212"_s, .chkSmittskydd = 0});
    EXPECT_EQ(desk->värden().Smittskydd, u"0"_s);
    app.click(desk->cmdFöregående);
    visar({.idmeny = true});
}

// Ticked on a reserve-number visit, the birth date is emptied and disabled but stays in place.
TEST_F(DeskMenus, InfectionControlRoundTripOnAReserveNumberVisit)
{
    writeVisits({visit(1), visit(2), visit(3), reservbesök(4)});
    återaktivera(); // reads the file again
    app.click(desk->cmdNästa);
    visar({.kvitto = u"4"_s, .rader = u":RF"_s});

    app.click(desk->chkSmittskydd);
    visar({.rader = u"..f"_s, .txtFödelsedatum = u""_s});
    app.click(desk->chkSmittskydd);
    visar({.fokus = &desk->txtReservnummer, .idtyp = IdTyp::R, .ram = 1400, .rader = u".RF"_s,
           .txtReservnummer = u"1234567898"_s});
}

TEST_F(DeskMenus, TheTariffListShowsTheFeeAndSetsTheCode)
{
    for (const auto& [row, fee, code] : std::initializer_list<std::tuple<int, const char16_t*, const char16_t*>>{
             {0, u"100 Kr", u"01"}, {2, u" 50 Kr", u"03"}, {3, u"  0 Kr", u"06"}, {4, u"150 Kr", u"1 "}}) {
        app.select(desk->lstTaxekod, row == 0 ? 1 : 0);
        app.select(desk->lstTaxekod, row);
        visar({.lblPatientavgift = QString::fromUtf16(fee)});
        EXPECT_EQ(desk->värden().Taxekod, QString::fromUtf16(code));
    }
}

// Activation on an open receipt resets the modes but not the boxes. The next one shows the
// table's last receipt as registered, without infection control or "Ej erlagt". A new receipt
// resets the modes too.
TEST_F(DeskMenus, ActivationAndANewReceiptResetTheModes)
{
    app.click(desk->cmdNästa);
    app.chooseMenu(*desk->mnuNyReg[1]);
    app.chooseMenu(*desk->mnuSkatt[1]);
    app.chooseMenu(*desk->mnuIdTyp[1]);
    ASSERT_TRUE(app.type(desk->txtReservnummer, u"0001010008"_s));
    återaktivera();
    // The defaults do not hide the voiding field.
    visar({.kvitto = u"4"_s, .nyreg = NyReg::N, .skatt = Skatt::F, .idtyp = IdTyp::P,
           .makulering = true, .rader = u".RF"_s, .txtReservnummer = u"0001010008"_s});

    app.click(desk->chkSmittskydd);
    app.click(desk->chkEjBetPatAvg);
    återaktivera();
    // Showing a visit enables the hidden reserve rows' boxes, as browsing to it would.
    visar({.kvitto = u"3"_s, .idtyp = IdTyp::P, .makulering = false, .rader = u"P::"_s,
           .txtPersonnummer = u"191212121212"_s, .chkSmittskydd = 0, .chkEjBetPatAvg = 0});

    // So does a new receipt; the voiding field stays until the next registration or mode choice.
    app.chooseMenu(*desk->mnuNyReg[1]);
    app.chooseMenu(*desk->mnuSkatt[1]);
    app.click(desk->chkSmittskydd);
    app.click(desk->cmdNästa);
    visar({.kvitto = u"4"_s, .nyreg = NyReg::N, .skatt = Skatt::F, .idtyp = IdTyp::P,
           .makulering = true, .chkSmittskydd = 0});
    app.chooseMenu(*desk->mnuNyReg[0]);
    visar({.makulering = false});
}

} // namespace
