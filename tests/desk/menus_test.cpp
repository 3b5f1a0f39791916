// The desk's menus and the controls that switch a mode, driven as a receptionist would: choose
// the menu entry, click the box, pick the list item; then look at what the desk shows and what
// reached the visit file.

#include "desk/menus_snapshot.h"
#include "support/deskfixture.h"

#include <functional>

using namespace Qt::StringLiterals;

namespace {


// Another window of the program: showing it and closing it again activates the desk, as closing
// a report or the settings window does.
class AnnatFönster : public ui::Form {
public:
    explicit AnnatFönster(ui::Application& app) : ui::Form(app, QStringLiteral("frmAnnat")) {}
};

class DeskMenus : public DeskFixture {
protected:
    void SetUp() override
    {
        writeClinicFiles();
        writeNumberedVisits(3);
        startDesk();
        ASSERT_EQ(desk->lblKvittoNr.caption(), QStringLiteral("3"));
    }

    // Leaves the desk for another window of the program and comes back.
    void återaktivera()
    {
        AnnatFönster annat(app);
        app.show(annat);
        ASSERT_EQ(app.activeForm(), &annat);
        app.close(annat);
        ASSERT_EQ(app.activeForm(), desk.get());
    }

    QByteArray field(const QByteArray& record, VisitField f) const
    {
        const FieldSpan span = spanOf(f);
        return record.mid(span.offset, span.width);
    }
};

// --- Arkiv ---

TEST_F(DeskMenus, AvslutaEndsAtOnceWithAHalfTypedVisitAndWritesNothing)
{
    const QByteArray before = visitFile();
    ASSERT_TRUE(app.type(desk->txtPersonnummer, QStringLiteral("1912")));
    bool ended = false;
    app.onQuit = [&ended] { ended = true; };

    app.chooseMenu(desk->mnuAvsluta);

    EXPECT_TRUE(ended);
    EXPECT_TRUE(app.hasQuit());
    EXPECT_TRUE(dialogs.messages().empty()) << "no question, no check of the half-typed number";
    EXPECT_EQ(visitFile(), before);
}

struct IdleEntry {
    const char* name;
    ui::MenuItem& (*item)(frmKassa&);
    void (frmKassa::*handler)();
};

class DeskIdleEntries : public DeskMenus, public ::testing::WithParamInterface<IdleEntry> {};

TEST_P(DeskIdleEntries, AreGreyedOutAndChangeNothing)
{
    ui::MenuItem& item = GetParam().item(*desk);
    ASSERT_TRUE(app.type(desk->txtPersonnummer, QStringLiteral("1912")));
    const QStringList before = snapshot::of(*desk);
    const QByteArray file = visitFile();

    EXPECT_FALSE(item.enabled());
    app.chooseMenu(item);
    (desk.get()->*GetParam().handler)(); // even if it were reached some other way

    const QStringList after = snapshot::of(*desk);
    EXPECT_EQ(after, before) << snapshot::diff(before, after).toStdString();
    EXPECT_FALSE(app.hasQuit());
    EXPECT_EQ(visitFile(), file);
}

INSTANTIATE_TEST_SUITE_P(
    Arkiv, DeskIdleEntries,
    ::testing::Values(
        IdleEntry{"Besokslista", [](frmKassa& d) -> ui::MenuItem& { return d.mnuBesökslista; },
                  &frmKassa::mnuBesökslista_Click},
        IdleEntry{"Verifikationslista", [](frmKassa& d) -> ui::MenuItem& { return d.mnuVerifikation; },
                  &frmKassa::mnuVerifikation_Click},
        IdleEntry{"EjBetPatAvg", [](frmKassa& d) -> ui::MenuItem& { return d.mnuEjBetPatAvg; },
                  &frmKassa::mnuEjBetPatAvg_Click},
        IdleEntry{"Patientregister", [](frmKassa& d) -> ui::MenuItem& { return d.mnuPatientregister; },
                  &frmKassa::mnuPatientregister_Click}),
    [](const auto& info) { return std::string(info.param.name); });

struct WindowEntry {
    const char* name;
    ui::MenuItem& (*item)(frmKassa&);
    std::function<void()> frmKassa::*opener;
};

class DeskWindowEntries : public DeskMenus, public ::testing::WithParamInterface<WindowEntry> {};

TEST_P(DeskWindowEntries, OpenTheirWindowOnlyOnce)
{
    int opened = 0;
    desk.get()->*GetParam().opener = [&opened] { ++opened; };
    const QStringList before = snapshot::of(*desk);

    app.chooseMenu(GetParam().item(*desk));

    EXPECT_EQ(opened, 1);
    EXPECT_EQ(snapshot::of(*desk), before) << "opening a window leaves the desk as it is";
}

TEST_P(DeskWindowEntries, DoNothingWhileTheirWindowIsNotThere)
{
    const QStringList before = snapshot::of(*desk);
    app.chooseMenu(GetParam().item(*desk));
    EXPECT_EQ(snapshot::of(*desk), before);
    EXPECT_FALSE(app.hasQuit());
}

INSTANTIATE_TEST_SUITE_P(
    Menyer, DeskWindowEntries,
    ::testing::Values(
        WindowEntry{"ARV", [](frmKassa& d) -> ui::MenuItem& { return d.mnuARV; }, &frmKassa::visaARV},
        WindowEntry{"Samlingsrakning", [](frmKassa& d) -> ui::MenuItem& { return d.mnuSamlingsräkning; },
                    &frmKassa::visaSamlingsräkning},
        WindowEntry{"Installningar", [](frmKassa& d) -> ui::MenuItem& { return d.mnuInställningar; },
                    &frmKassa::visaInställningar}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Skatt ---

TEST_F(DeskMenus, SkattPairCarriesOneCheckMarkAndSetsTheDeskValue)
{
    ASSERT_TRUE(desk->mnuSkatt[0]->checked()) << "the settings name F-Skatt";

    app.chooseMenu(*desk->mnuSkatt[1]);
    EXPECT_FALSE(desk->mnuSkatt[0]->checked());
    EXPECT_TRUE(desk->mnuSkatt[1]->checked());
    EXPECT_EQ(desk->värden().Skatt, QStringLiteral("A"));

    app.chooseMenu(*desk->mnuSkatt[1]);
    EXPECT_TRUE(desk->mnuSkatt[1]->checked()) << "choosing the checked item keeps it checked";
    EXPECT_FALSE(desk->mnuSkatt[0]->checked());

    app.chooseMenu(*desk->mnuSkatt[0]);
    EXPECT_TRUE(desk->mnuSkatt[0]->checked());
    EXPECT_FALSE(desk->mnuSkatt[1]->checked());
    EXPECT_EQ(desk->värden().Skatt, QStringLiteral("F"));
}

TEST_F(DeskMenus, ASkattIsStoredAndTheSettingsComeBackAtActivation)
{
    const QByteArray settings = readFile(QStringLiteral("Inställn.txt"));
    app.chooseMenu(*desk->mnuSkatt[1]);
    app.pressEnter(); // registers receipt 3 again, as shown

    EXPECT_EQ(field(storedRecord(3), VisitField::Skatt), QByteArray("A"));
    EXPECT_EQ(readFile(QStringLiteral("Inställn.txt")), settings) << "the settings keep F-Skatt";
    EXPECT_TRUE(desk->mnuSkatt[1]->checked()) << "registering does not reset the choice";

    återaktivera();
    EXPECT_TRUE(desk->mnuSkatt[0]->checked());
    EXPECT_FALSE(desk->mnuSkatt[1]->checked());
}

// --- Identity type ---

TEST_F(DeskMenus, ReservnummerDropsAHalfTypedPersonnummerWithoutAMessage)
{
    ASSERT_TRUE(app.type(desk->txtPersonnummer, QStringLiteral("191212")));

    app.chooseMenu(*desk->mnuIdTyp[1]);

    EXPECT_TRUE(dialogs.messages().empty()) << "the emptied box passes its check";
    EXPECT_FALSE(desk->mnuIdTyp[0]->checked());
    EXPECT_TRUE(desk->mnuIdTyp[1]->checked());
    EXPECT_EQ(desk->txtPersonnummer.text(), QString());
    EXPECT_FALSE(desk->txtPersonnummer.visible());
    EXPECT_FALSE(desk->txtPersonnummer.enabled());
    EXPECT_FALSE(desk->lblPersonnummer.visible());
    for (ui::Control* c : {static_cast<ui::Control*>(&desk->txtReservnummer),
                           static_cast<ui::Control*>(&desk->txtFödelsedatum)}) {
        EXPECT_TRUE(c->visible()) << c->name().toStdString();
        EXPECT_TRUE(c->enabled()) << c->name().toStdString();
    }
    EXPECT_TRUE(desk->lblReservnummer.visible());
    EXPECT_TRUE(desk->lblFödelsedatum.visible());
    EXPECT_EQ(desk->focused(), &desk->txtReservnummer);
    EXPECT_EQ(desk->Frame1.height(), 1400);
}

TEST_F(DeskMenus, RowsKeepTheirPlacesWhenTheIdentityTypeChanges)
{
    const int tops[] = {desk->txtReservnummer.top(), desk->lblReservnummer.top(),
                        desk->txtFödelsedatum.top(), desk->lblFödelsedatum.top(),
                        desk->txtPersonnummer.top()};
    app.chooseMenu(*desk->mnuIdTyp[1]);
    app.chooseMenu(*desk->mnuIdTyp[0]);
    const int after[] = {desk->txtReservnummer.top(), desk->lblReservnummer.top(),
                         desk->txtFödelsedatum.top(), desk->lblFödelsedatum.top(),
                         desk->txtPersonnummer.top()};
    EXPECT_TRUE(std::equal(std::begin(tops), std::end(tops), std::begin(after)));
}

TEST_F(DeskMenus, PersonnummerAfterReservnummerShowsAnEmptyBoxAndEmptiesTheReserveFields)
{
    app.chooseMenu(*desk->mnuIdTyp[1]);
    ASSERT_TRUE(app.type(desk->txtReservnummer, QStringLiteral("0001010008")));
    ASSERT_TRUE(app.type(desk->txtFödelsedatum, QStringLiteral("450101")));

    app.chooseMenu(*desk->mnuIdTyp[0]);

    EXPECT_TRUE(desk->mnuIdTyp[0]->checked());
    EXPECT_FALSE(desk->mnuIdTyp[1]->checked());
    EXPECT_TRUE(desk->txtPersonnummer.visible());
    EXPECT_TRUE(desk->txtPersonnummer.enabled());
    EXPECT_TRUE(desk->lblPersonnummer.visible());
    EXPECT_EQ(desk->txtPersonnummer.text(), QString()) << "Reservnummer emptied it";
    EXPECT_EQ(desk->focused(), &desk->txtPersonnummer);
    EXPECT_EQ(desk->txtReservnummer.text(), QString());
    EXPECT_EQ(desk->txtFödelsedatum.text(), QString());
    EXPECT_FALSE(desk->txtReservnummer.visible());
    EXPECT_FALSE(desk->txtReservnummer.enabled());
    EXPECT_FALSE(desk->lblReservnummer.visible());
    EXPECT_FALSE(desk->txtFödelsedatum.visible());
    EXPECT_FALSE(desk->txtFödelsedatum.enabled());
    EXPECT_FALSE(desk->lblFödelsedatum.visible());
    EXPECT_EQ(desk->Frame1.height(), 850);
}

TEST_F(DeskMenus, PersonnummerWhenAlreadyCheckedKeepsTheTypedNumber)
{
    ASSERT_TRUE(app.type(desk->txtPersonnummer, QStringLiteral("190001010008")));
    app.chooseMenu(*desk->mnuIdTyp[0]);
    EXPECT_EQ(desk->txtPersonnummer.text(), QStringLiteral("190001010008"));
    EXPECT_TRUE(desk->mnuIdTyp[0]->checked());
    EXPECT_TRUE(dialogs.messages().empty());
}

// Activation puts the check mark back on "Personnummer" but leaves the boxes alone, so the mark
// can stand on "Personnummer" while the reserve number is still shown; choosing it then still
// empties the reserve fields.
TEST_F(DeskMenus, PersonnummerWhenAlreadyCheckedStillEmptiesTheReserveFields)
{
    app.chooseMenu(*desk->mnuIdTyp[1]);
    ASSERT_TRUE(app.type(desk->txtFödelsedatum, QStringLiteral("450101")));
    ASSERT_TRUE(app.type(desk->txtReservnummer, QStringLiteral("0001010008")));
    återaktivera();
    ASSERT_TRUE(desk->mnuIdTyp[0]->checked());
    ASSERT_EQ(desk->txtReservnummer.text(), QStringLiteral("0001010008"));

    app.chooseMenu(*desk->mnuIdTyp[0]);

    EXPECT_EQ(desk->txtReservnummer.text(), QString());
    EXPECT_EQ(desk->txtFödelsedatum.text(), QString());
    EXPECT_FALSE(desk->txtReservnummer.visible());
    EXPECT_TRUE(desk->txtPersonnummer.visible());
    EXPECT_EQ(desk->focused(), &desk->txtPersonnummer);
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(DeskMenus, AReserveNumberVisitIsStoredWithItsTypeAndBirthDate)
{
    app.chooseMenu(*desk->mnuIdTyp[1]);
    ASSERT_TRUE(app.type(desk->txtReservnummer, QStringLiteral("0001010008")));
    ASSERT_TRUE(app.type(desk->txtFödelsedatum, QStringLiteral("450101")));
    // No personnummer: registration asks first.
    dialogs.expectMessage(u"OBS! Du har ej skrivit in något personnummer!\n"
                            u"Vill Du fortsätta utan Personnummer?\""_s,
                          ui::Answer::Yes);
    app.click(desk->cmdRegistrera);

    const QByteArray r = storedRecord(3);
    EXPECT_EQ(field(r, VisitField::IdTyp), QByteArray("R"));
    EXPECT_EQ(field(r, VisitField::IdNummer), QByteArray("0001010008  "));
    EXPECT_EQ(field(r, VisitField::Födelsedatum), QByteArray("450101"));
}

// --- Infection control ---

TEST_F(DeskMenus, InfectionControlHidesTheIdentityAndRestoresItFromTheDeskValues)
{
    ASSERT_EQ(desk->txtPersonnummer.text(), QStringLiteral("191212121212"));

    app.click(desk->chkSmittskydd);

    EXPECT_EQ(desk->chkSmittskydd.value(), 1);
    EXPECT_EQ(desk->värden().Smittskydd, QStringLiteral("1"));
    for (ui::MenuItem* item : desk->mnuIdTyp) {
        EXPECT_FALSE(item->checked());
        EXPECT_FALSE(item->enabled());
    }
    EXPECT_EQ(desk->txtPersonnummer.text(), QString());
    EXPECT_FALSE(desk->txtPersonnummer.visible());
    EXPECT_FALSE(desk->txtPersonnummer.enabled());
    EXPECT_FALSE(desk->lblPersonnummer.visible());
    EXPECT_FALSE(desk->txtReservnummer.visible());
    EXPECT_FALSE(desk->txtFödelsedatum.enabled());

    // The identity type cannot be switched meanwhile.
    app.chooseMenu(*desk->mnuIdTyp[1]);
    EXPECT_FALSE(desk->mnuIdTyp[1]->checked());
    EXPECT_FALSE(desk->txtReservnummer.visible());

    app.click(desk->chkSmittskydd);

    EXPECT_EQ(desk->chkSmittskydd.value(), 0);
    EXPECT_EQ(desk->värden().Smittskydd, QStringLiteral("0"));
    EXPECT_TRUE(desk->mnuIdTyp[0]->checked());
    EXPECT_FALSE(desk->mnuIdTyp[1]->checked());
    EXPECT_EQ(desk->txtPersonnummer.text(), QStringLiteral("191212121212"));
    EXPECT_TRUE(desk->txtPersonnummer.visible());
    EXPECT_TRUE(desk->txtPersonnummer.enabled());
    EXPECT_EQ(desk->focused(), &desk->txtPersonnummer);
    EXPECT_EQ(desk->Frame1.height(), 850);
    EXPECT_FALSE(desk->mnuIdTyp[0]->enabled()) << "enabled again only by showing a receipt";

    app.click(desk->cmdFöregående);
    EXPECT_TRUE(desk->mnuIdTyp[0]->enabled());
    EXPECT_TRUE(desk->mnuIdTyp[1]->enabled());
}

TEST_F(DeskMenus, InfectionControlRoundTripOnAReserveNumberVisit)
{
    VisitRecord r = visit(4, QStringLiteral("0001010008"));
    r.setText(VisitField::IdTyp, QStringLiteral("R"));
    r.setText(VisitField::Födelsedatum, QStringLiteral("450101"));
    std::vector<VisitRecord> records{visit(1), visit(2), visit(3), r};
    writeVisits(records);
    återaktivera(); // reads the file again and shows its last receipt
    app.click(desk->cmdNästa);
    ASSERT_EQ(desk->lblKvittoNr.caption(), QStringLiteral("4"));
    ASSERT_TRUE(desk->txtReservnummer.visible());

    app.click(desk->chkSmittskydd);
    EXPECT_FALSE(desk->txtReservnummer.visible());
    EXPECT_EQ(desk->txtFödelsedatum.text(), QString());

    app.click(desk->chkSmittskydd);
    EXPECT_TRUE(desk->mnuIdTyp[1]->checked());
    EXPECT_FALSE(desk->mnuIdTyp[0]->checked());
    EXPECT_EQ(desk->txtReservnummer.text(), QStringLiteral("0001010008"));
    EXPECT_TRUE(desk->txtReservnummer.visible());
    EXPECT_TRUE(desk->txtFödelsedatum.visible());
    EXPECT_TRUE(desk->txtFödelsedatum.enabled());
    EXPECT_EQ(desk->focused(), &desk->txtReservnummer);
    EXPECT_FALSE(desk->txtPersonnummer.visible());
    EXPECT_EQ(desk->Frame1.height(), 1400);
}

TEST_F(DeskMenus, AnInfectionControlVisitIsStoredWithoutIdentity)
{
    app.click(desk->chkSmittskydd);
    dialogs.expectMessage(u"OBS! Du har ej skrivit in något personnummer!\n"
                            u"Vill Du fortsätta utan Personnummer?\""_s,
                          ui::Answer::Yes);
    app.click(desk->cmdRegistrera);

    const QByteArray r = storedRecord(3);
    EXPECT_EQ(field(r, VisitField::Smittskydd), QByteArray("1"));
    for (VisitField f : {VisitField::IdTyp, VisitField::IdNummer, VisitField::Födelsedatum})
        EXPECT_EQ(field(r, f), QByteArray(spanOf(f).width, ' ')) << int(f);
}

// --- Visit type and the two lists ---

TEST_F(DeskMenus, VisitTypeOptionsSetTheDeskValue)
{
    app.click(*desk->optBesök[1]);
    EXPECT_EQ(desk->värden().Besökstyp, QStringLiteral("1"));
    app.click(*desk->optBesök[0]);
    EXPECT_EQ(desk->värden().Besökstyp, QStringLiteral("0"));
    app.click(*desk->optBesök[1]);
    app.pressEnter();
    EXPECT_EQ(field(storedRecord(3), VisitField::Besökstyp), QByteArray("1"));
}

struct TariffRow {
    const char* name;
    int index;
    const char16_t* fee;
    const char* code;
};

class DeskTariffList : public DeskMenus, public ::testing::WithParamInterface<TariffRow> {};

TEST_P(DeskTariffList, ShowsTheFeeAndSetsTheCode)
{
    const int other = GetParam().index == 0 ? 1 : 0;
    app.select(desk->lstTaxekod, other);
    app.select(desk->lstTaxekod, GetParam().index);
    EXPECT_EQ(desk->lblPatientavgift.caption(), QString::fromUtf16(GetParam().fee));
    EXPECT_EQ(desk->värden().Taxekod, QString::fromLatin1(GetParam().code));
}

INSTANTIATE_TEST_SUITE_P(Taxa, DeskTariffList,
                         ::testing::Values(TariffRow{"Rad0", 0, u"100 Kr", "01"},
                                           TariffRow{"Rad2", 2, u" 50 Kr", "03"},
                                           TariffRow{"Frikort", 3, u"  0 Kr", "06"},
                                           TariffRow{"BlankISlutet", 4, u"150 Kr", "1 "}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DeskMenus, ReferralListSetsTwoDigitDestination)
{
    for (int i : {3, 1, 0, 2}) {
        app.select(desk->lstRemissTill, i);
        EXPECT_EQ(desk->värden().RemissTill, QStringLiteral("0%1").arg(i));
    }
    app.pressEnter();
    EXPECT_EQ(field(storedRecord(3), VisitField::RemissTill), QByteArray("02"));
}

// --- Resets ---

TEST_F(DeskMenus, ActivationResetsTheModesButNotTheBoxes)
{
    app.chooseMenu(*desk->mnuNyReg[1]);
    app.chooseMenu(*desk->mnuSkatt[1]);
    app.chooseMenu(*desk->mnuIdTyp[1]);
    ASSERT_TRUE(app.type(desk->txtReservnummer, QStringLiteral("0001010008")));

    återaktivera();

    EXPECT_TRUE(desk->mnuNyReg[0]->checked());
    EXPECT_FALSE(desk->mnuNyReg[1]->checked());
    EXPECT_TRUE(desk->lblMakulering.visible()) << "the defaults do not hide the voiding field";
    EXPECT_TRUE(desk->txtMakulering.visible());
    EXPECT_TRUE(desk->mnuSkatt[0]->checked());
    EXPECT_FALSE(desk->mnuSkatt[1]->checked());
    EXPECT_TRUE(desk->mnuIdTyp[0]->checked());
    EXPECT_FALSE(desk->mnuIdTyp[1]->checked());
    EXPECT_TRUE(desk->txtReservnummer.visible()) << "the identity boxes are not touched";
    EXPECT_EQ(desk->txtReservnummer.text(), QStringLiteral("0001010008"));
}

TEST_F(DeskMenus, ActivationClearsInfectionControlAndRestoresTheIdentity)
{
    app.click(desk->chkSmittskydd);
    app.click(desk->chkEjBetPatAvg);
    återaktivera();
    EXPECT_EQ(desk->chkSmittskydd.value(), 0);
    EXPECT_EQ(desk->chkEjBetPatAvg.value(), 0);
    EXPECT_EQ(desk->txtPersonnummer.text(), QStringLiteral("191212121212"));
    EXPECT_TRUE(desk->txtPersonnummer.visible());
    EXPECT_TRUE(desk->mnuIdTyp[0]->checked());
}

TEST_F(DeskMenus, ANewReceiptResetsTheModes)
{
    app.chooseMenu(*desk->mnuNyReg[1]);
    app.chooseMenu(*desk->mnuSkatt[1]);
    app.click(desk->chkSmittskydd);

    app.click(desk->cmdNästa); // opens receipt 4

    ASSERT_EQ(desk->lblKvittoNr.caption(), QStringLiteral("4"));
    EXPECT_TRUE(desk->mnuNyReg[0]->checked());
    EXPECT_FALSE(desk->mnuNyReg[1]->checked());
    EXPECT_TRUE(desk->mnuSkatt[0]->checked());
    EXPECT_FALSE(desk->mnuSkatt[1]->checked());
    EXPECT_TRUE(desk->mnuIdTyp[0]->checked());
    EXPECT_EQ(desk->chkSmittskydd.value(), 0);
    EXPECT_TRUE(desk->txtMakulering.visible()) << "stays until the next registration or mode choice";

    app.chooseMenu(*desk->mnuNyReg[0]);
    EXPECT_FALSE(desk->txtMakulering.visible());
    EXPECT_FALSE(desk->lblMakulering.visible());
}

TEST_F(DeskMenus, ARegistrationWithNyPostResetsTheModesForTheNextReceipt)
{
    app.click(desk->chkNypost);
    app.chooseMenu(*desk->mnuSkatt[1]);
    app.pressEnter();

    EXPECT_EQ(field(storedRecord(3), VisitField::Skatt), QByteArray("A"));
    EXPECT_EQ(desk->lblKvittoNr.caption(), QStringLiteral("4"));
    EXPECT_TRUE(desk->mnuSkatt[0]->checked());
    EXPECT_FALSE(desk->mnuSkatt[1]->checked());
}

class DeskMenusASkatt : public DeskFixture {};

TEST_F(DeskMenusASkatt, ASkattInTheSettingsComesBackAtEveryReset)
{
    writeClinicFiles();
    writeNumberedVisits(3);
    SettingsRecord settings = clinicSettings();
    settings.setChoice(SettingsField::Skatt, false);
    writeSettings(settings);
    startDesk();

    EXPECT_TRUE(desk->mnuSkatt[1]->checked());
    EXPECT_FALSE(desk->mnuSkatt[0]->checked());
    app.chooseMenu(*desk->mnuSkatt[0]);
    ASSERT_TRUE(desk->mnuSkatt[0]->checked());

    app.click(desk->cmdNästa);

    EXPECT_TRUE(desk->mnuSkatt[1]->checked());
    EXPECT_FALSE(desk->mnuSkatt[0]->checked());
}

} // namespace
