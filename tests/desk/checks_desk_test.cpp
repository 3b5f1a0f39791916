// The field checks as the receptionist meets them: type, leave the box, read the message; the
// box keeps its text and the focus. The duplicate warning, LetaDubblett. And what "Registrera"
// refuses, with its message and the field it sends the receptionist to: a refusal stores nothing.

#include "desk/desk_scenario.h"

using namespace fieldchecks;

namespace {

class DeskChecks : public DeskScenario {
protected:
    void expectNothingStored()
    {
        EXPECT_EQ(visitFile(), before);
        EXPECT_EQ(screen.pointer, ui::Pointer::Default);
        EXPECT_TRUE(printer.documents().empty());
    }
};

// Each box refuses one text with its message (the text stays, the focus comes back) and lets the
// user go with another.
TEST_F(DeskChecks, EveryBoxRefusesAndAcceptsWhenLeft)
{
    struct Row {
        const char16_t *box, *refused;
        const QString& message;
        const char16_t* accepted;
    };
    const auto leave = [this](const Row& row) {
        auto& box = *static_cast<ui::TextBox*>(desk->control(QString::fromUtf16(row.box)));
        const QString refused = QString::fromUtf16(row.refused);
        SCOPED_TRACE(box.name().toStdString() + " \"" + refused.toStdString() + "\"");
        ASSERT_TRUE(app.type(box, refused));
        dialogs.expectMessage(row.message);
        EXPECT_FALSE(app.focusByUser(desk->txtDiagnoskod));
        visar({.fokus = &box});
        EXPECT_EQ(box.text(), refused);
        ASSERT_EQ(dialogs.messages().size(), 1u);
        EXPECT_EQ(dialogs.messages()[0].buttons, ui::Buttons::Ok);
        EXPECT_EQ(dialogs.messages()[0].icon, ui::Icon::None);
        EXPECT_EQ(dialogs.messages()[0].title, u"Vilmer 6.02"_s);
        dialogs.clear();
        ASSERT_TRUE(app.type(box, QString::fromUtf16(row.accepted)));
        EXPECT_TRUE(app.focusByUser(desk->txtDiagnoskod));
    };
    openReceipt3();
    for (const Row& row : std::initializer_list<Row>{
             // A coordination number passes by the Luhn rule.
             {u"txtPersonnummer", u"190001010007", text::FelaktigtPersonnummer, u"191401682396"},
             {u"txtBesöksDatum", u"26 208", text::Mellanslag, u"991399"},
             // Leaving the box looks at character 1, and refuses an empty box.
             {u"txtKombikakod", u"A2345ABCD67", text::BokstavSiffra, u"12345WXYZ67"},
             {u"txtKombikakod", u"", text::SkrivitFörFåTecken, u"12345ABCD67"},
             {u"txtVikKomkod", u"1A345", text::FelaktigKombikakod, u"1,234"},
             {u"txtRemissFrån", u"1234567X901", text::BokstavSiffraRemiss, u"12345678X01"},
             {u"txtRemissDatum", u"2611a1", text::EndastSiffror, u"      "}})
        leave(row);

    // A refusal cancels the click that left the box; the visit date selects its day on entry.
    ASSERT_TRUE(app.type(desk->txtPersonnummer, u"191212121213"_s));
    dialogs.expectMessage(text::FelaktigtPersonnummer);
    app.click(desk->cmdRegistrera);
    visar({.fokus = &desk->txtPersonnummer});
    expectNothingStored();
    ASSERT_TRUE(app.type(desk->txtPersonnummer, QString()));
    ASSERT_TRUE(app.focusByUser(desk->txtBesöksDatum));
    EXPECT_EQ(desk->txtBesöksDatum.selStart(), 4);
    EXPECT_EQ(desk->txtBesöksDatum.selLength(), 2);
    dialogs.clear();

    app.chooseMenu(*desk->mnuIdTyp[1]);
    for (const Row& row : std::initializer_list<Row>{
             {u"txtReservnummer", u"0001010007", text::FelaktigtReservnummer, u"0050000000"},
             {u"txtFödelsedatum", u"50010", text::FörFåTecken, u"500101"}})
        leave(row);
}

// The message the receptionist reads for each fault, typed here as the clinics know it (their
// routines are written around these texts, the blank before "!" and "daum" included): type into
// the box, leave it, read the message; then the warnings of "Registrera".
TEST_F(DeskChecks, EachFaultShowsItsOwnText)
{
    struct Row {
        ui::TextBox& box;
        const char16_t *typed, *shown, *accepted;
    };
    const auto leave = [this](const Row& row) {
        SCOPED_TRACE(row.box.name().toStdString() + " \""
                     + QString::fromUtf16(row.typed).toStdString() + "\"");
        dialogs.clear();
        ASSERT_TRUE(app.type(row.box, QString::fromUtf16(row.typed)));
        dialogs.expectMessage(QString::fromUtf16(row.shown));
        app.tab();
        EXPECT_EQ(dialogs.messages().size(), 1u);
        ASSERT_TRUE(app.type(row.box, QString::fromUtf16(row.accepted)));
        EXPECT_TRUE(app.focusByUser(desk->txtDiagnoskod));
    };
    openReceipt3();
    for (const Row& row : std::initializer_list<Row>{
             {desk->txtBesöksDatum, u"2612", u"OBS! För få tecken!", u"261204"},
             {desk->txtBesöksDatum, u"26 204", u"OBS! Mellanslag är ej tillåtet!", u"261204"},
             {desk->txtRemissDatum, u"2611a1", u"OBS! Endast siffror är tillåtet!", u""},
             {desk->txtPersonnummer, u"210001010009", u"OBS! Felaktigt århundrade!", u""},
             {desk->txtPersonnummer, u"190001010007", u"OBS! Felaktigt Personnummer!", u""},
             {desk->txtKombikakod, u"", u"OBS! Du har skrivit för få tecken!", u"12345ABCD67"},
             {desk->txtKombikakod, u"A2345ABCD67",
              u"OBS! Du har skrivit en bokstav där det ska vara en siffra!", u"12345ABCD67"},
             {desk->txtRemissFrån, u"1234 678X90", u"OBS! Mellanslag är ej tillåtet !", u""},
             {desk->txtRemissFrån, u"1234567X901",
              u"OBS! Du har skrivit en bokstav där det ska vara en siffra !", u""},
             {desk->txtVikKomkod, u"1A345", u"OBS! Felaktig kombikakod!", u""}})
        leave(row);
    app.chooseMenu(*desk->mnuIdTyp[1]);
    leave({desk->txtReservnummer, u"0001010007", u"OBS! Felaktigt Reservnummer!", u""});
    app.chooseMenu(*desk->mnuIdTyp[0]);

    // Receipt 2 holds 191212121212 on 261203.
    dialogs.clear();
    app.click(desk->chkDubletter);
    ASSERT_TRUE(app.type(desk->txtBesöksDatum, u"261203"_s));
    ASSERT_TRUE(app.type(desk->txtPersonnummer, u"191212121212"_s));
    dialogs.expectMessage(u"OBS! Detta Personnummer är redan registrerat detta daum!"_s);
    EXPECT_TRUE(app.focusByUser(desk->txtDiagnoskod));

    ASSERT_TRUE(app.type(desk->txtPersonnummer, QString()));
    dialogs.expectMessage(u"OBS! Du har ej skrivit in något personnummer!\n"
                          u"Vill Du fortsätta utan Personnummer?\""_s,
                          ui::Answer::No);
    app.click(desk->cmdRegistrera);
    ASSERT_EQ(dialogs.messages().size(), 2u) << "the warning, then the question";
    EXPECT_EQ(dialogs.messages().back().buttons, ui::Buttons::YesNo);
    expectNothingStored();
}

TEST_F(DeskChecks, TheDuplicateWarningRunsOnlyWhenAskedForAndOnlyWarns)
{
    // Receipt 2 holds 191212121212 on 261203; the desk is on receipt 3, the table's last entry.
    openReceipt3();
    ASSERT_EQ(desk->besök().upperBound(), 3);
    ASSERT_TRUE(app.type(desk->txtBesöksDatum, u"261203"_s));
    ASSERT_TRUE(app.type(desk->txtPersonnummer, u"191212121212"_s));
    EXPECT_TRUE(app.focusByUser(desk->txtDiagnoskod));

    app.click(desk->chkDubletter);
    ASSERT_TRUE(app.type(desk->txtPersonnummer, u"191212121212"_s));
    dialogs.expectMessage(text::Dubblett);
    EXPECT_TRUE(app.focusByUser(desk->txtDiagnoskod)) << "a warning: the focus moves on";
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].buttons, ui::Buttons::Ok);

    // A wrong personnummer is refused before anything is compared.
    ASSERT_TRUE(app.type(desk->txtPersonnummer, u"191212121213"_s));
    dialogs.expectMessage(text::FelaktigtPersonnummer);
    EXPECT_FALSE(app.focusByUser(desk->txtDiagnoskod));
}

// Enter in the personnummer box, or a click on "Registrera" from it, is one press of the button:
// the warning comes once for each matching visit, and the visit is stored all the same.
TEST_F(DeskChecks, OnePressOfRegistreraWarnsOnceForEachMatch)
{
    openReceipt3(); // receipt 2 holds 191212121212 on 261203, the date receipt 3 opened with
    app.click(desk->chkDubletter);
    ASSERT_TRUE(app.type(desk->txtPersonnummer, u"191212121212"_s));
    dialogs.expectMessage(text::Dubblett);
    app.pressEnter();
    EXPECT_EQ(dialogs.messages().size(), 1u);
    const QByteArray stored =
        record({u"1", u"12345ABCD67", u"     ", u"00000003", u"F", u"191212121212", u"P",
                u"      ", u"261203", u"0", u"0", u"02", u"0", u"A001", u"           ",
                u"      ", u"00", u"200", u" 250", u"    ", u"     "});
    EXPECT_EQ(visitFile(), before + stored);

    // Receipt 3 itself now matches too: two warnings, one press.
    dialogs.clear();
    visar({.fokus = &desk->txtPersonnummer});
    dialogs.expectMessage(text::Dubblett);
    dialogs.expectMessage(text::Dubblett);
    app.click(desk->cmdRegistrera);
    EXPECT_EQ(dialogs.messages().size(), 2u);
    EXPECT_EQ(visitFile(), before + stored);
}

// --- Refusals at "Registrera" ---

TEST_F(DeskChecks, APersonnummerTheDeskHoldsIsCheckedAgainAtRegistration)
{
    openReceipt3();
    app.click(desk->chkKvitto);
    for (const auto& [typed, message] : std::initializer_list<std::pair<const char16_t*, QString>>{
             {u"1912121212120", text::FörFåTecken},
             {u"19121212121E", text::EndastSiffror},
             {u"191212121213", text::FelaktigtPersonnummer}}) {
        // Text the desk put into the box itself (a stored receipt shown) is looked at only here.
        ASSERT_TRUE(app.focusByUser(desk->txtDiagnoskod));
        desk->txtPersonnummer.setText(QString::fromUtf16(typed));
        dialogs.expectMessage(message);
        app.click(desk->cmdRegistrera);
        visar({.fokus = &desk->txtPersonnummer, .txtPersonnummer = QString::fromUtf16(typed)});
        expectNothingStored();
        desk->txtPersonnummer.setText(QString()); // so that leaving the box passes
    }
}

TEST_F(DeskChecks, AKombikakodFromTheSettingsIsCheckedAtRegistration)
{
    SettingsRecord settings = clinicSettings();
    settings.setText(SettingsField::Kombikakod, u"12A45ABCD67"_s);
    openReceipt3(settings);
    typeAndLeave(desk->txtPersonnummer, u"191212121212"_s);
    dialogs.expectMessage(text::BokstavSiffra);
    app.click(desk->cmdRegistrera);
    visar({.fokus = &desk->txtKombikakod, .txtKombikakod = u"12A45ABCD67"_s});
    expectNothingStored();
}

TEST_F(DeskChecks, WithoutPersonnummerTheKombikakodIsLookedAtLessAndAWrongReserveNumberWarns)
{
    openReceipt3();
    desk->txtKombikakod.setText(u"12345"_s); // characters 10 and 11 missing: no digits there
    dialogs.expectMessage(text::IngetPersonnummer, ui::Answer::Yes);
    dialogs.expectMessage(text::BokstavSiffra);
    app.click(desk->cmdRegistrera);
    visar({.fokus = &desk->txtKombikakod});
    expectNothingStored();

    desk->txtKombikakod.setText(u"12345ABCD67"_s);
    ASSERT_TRUE(app.focusByUser(desk->txtDiagnoskod));
    desk->txtKombikakod.setText(u"X2345ABCD67"_s); // leaving the box would look at it
    dialogs.expectMessage(text::IngetPersonnummer, ui::Answer::Yes);
    app.click(desk->cmdRegistrera);
    ASSERT_EQ(visitFile().size(), 3 * 95);
    EXPECT_EQ(storedRecord(3).mid(1, 11), QByteArray("X2345ABCD67"));
    // Still in personnummer mode: the type is stored, with a blank number.
    EXPECT_EQ(storedRecord(3).mid(26, 13), QByteArray(12, ' ') + 'P');

    // A wrong reserve number only warns at registration.
    app.chooseMenu(*desk->mnuIdTyp[1]);
    ASSERT_TRUE(app.focusByUser(desk->txtDiagnoskod));
    desk->txtReservnummer.setText(u"0001010007"_s);
    dialogs.expectMessage(text::IngetPersonnummer, ui::Answer::Yes);
    dialogs.expectMessage(text::FelaktigtReservnummer);
    app.click(desk->cmdRegistrera);
    EXPECT_EQ(storedRecord(3).mid(26, 13), QByteArray("0001010007  R"));
    visar({.fokus = &desk->txtReservnummer});
}

// A list without a selection (a settings index of "-1"), or with a row the code file no longer
// has (shortened while the desk runs: the list keeps its rows, the table is read again).
struct Listfel {
    const char* name;
    const char16_t* message;
    const char16_t* list;
};

class DeskListRefusals : public DeskChecks, public ::testing::WithParamInterface<Listfel> {};

TEST_P(DeskListRefusals, SendTheReceptionistToTheList)
{
    const std::string name = GetParam().name;
    SettingsRecord settings = clinicSettings();
    if (name == "IngenTaxekod")
        settings.setIndex(SettingsField::TaxekodIndex, -1);
    if (name == "IngenAtgard")
        settings.setIndex(SettingsField::ÅtgärdIndex, -1);
    openReceipt3(settings);
    if (name == "TaxekodBorta") {
        writeFile(u"Taxa.txt"_s, QByteArray("01100" "02200"));
        återaktivera();
        app.select(desk->lstTaxekod, 4);
    }
    if (name == "AtgardBorta") {
        writeFile(u"Åtgärd.txt"_s, QByteArray("A001 250"));
        återaktivera();
        app.select(desk->lstÅtgärd, 2);
    }
    before = visitFile();
    typeAndLeave(desk->txtPersonnummer, u"191212121212"_s);
    dialogs.expectMessage(QString::fromUtf16(GetParam().message));
    app.click(desk->cmdRegistrera);
    const ui::Control* list = desk->control(QString::fromUtf16(GetParam().list));
    ASSERT_NE(list, nullptr);
    visar({.fokus = list});
    expectNothingStored();
}

INSTANTIATE_TEST_SUITE_P(
    Listor, DeskListRefusals,
    ::testing::Values(
        Listfel{"IngenTaxekod", u"OBS! Du har inte valt någon taxekod i listan Taxekod!", u"lstTaxekod"},
        Listfel{"IngenAtgard", u"OBS! Du har inte valt någon åtgärd i listan Åtgärd!", u"lstÅtgärd"},
        Listfel{"TaxekodBorta",
                u"OBS! Den valda taxekoden i listan Taxekod finns inte längre i Taxa.txt!", u"lstTaxekod"},
        Listfel{"AtgardBorta",
                u"OBS! Den valda åtgärden i listan Åtgärd finns inte längre i Åtgärd.txt!", u"lstÅtgärd"}),
    [](const auto& info) { return std::string(info.param.name); });

// No answer to "Gå till..." that is not a receipt of the table moves the desk: it stays on
// receipt 3, so a registration can only store under a receipt number.
TEST_F(DeskChecks, AReceiptNumberThatIsNoReceiptNumber)
{
    openReceipt3();
    for (const char16_t* answer : {u"40000", u"32768", u"abc", u"0", u"-5"}) {
        gåTill(QString::fromUtf16(answer), u"OBS! Skriv ett kvittonummer från 1 till 3!"_s);
        EXPECT_EQ(desk->kvitto(), 3) << QString::fromUtf16(answer).toStdString();
        EXPECT_EQ(kvitto(), u"3"_s);
        expectNothingStored();
    }
}

} // namespace
