// Voiding a receipt as the receptionist does it: open a new receipt, choose "Makulering", type
// the number to void, F3, "Registrera"; and what the desk asks and stores on the way.

#include "desk/desk_scenario.h"


namespace {

class DeskVoiding : public DeskScenario {
protected:
    // "&Nästa  >>" on the last receipt, then "Makulering".
    void öppnaMakulering()
    {
        app.click(desk->cmdNästa);
        app.chooseMenu(*desk->mnuNyReg[1]);
    }
};

TEST_F(DeskVoiding, MakuleringShowsTheFieldAndNyregistreringHidesIt)
{
    start(3);
    visar({.makulering = false});
    ASSERT_TRUE(app.type(desk->txtDiagnoskod, u"J101"_s));
    const QString number = desk->txtMakulering.text();

    app.chooseMenu(*desk->mnuNyReg[1]);
    // Neither the focus nor the number is touched.
    visar({.fokus = &desk->txtDiagnoskod, .nyreg = NyReg::M, .makulering = true,
           .txtMakulering = number, .lblMakulering = u"Maku&lerat kvittonr:"_s});
    EXPECT_EQ(desk->värden().Registreringstyp, u"2"_s);
    ASSERT_TRUE(app.type(desk->txtMakulering, u"9"_s));
    app.chooseMenu(*desk->mnuNyReg[0]);
    visar({.nyreg = NyReg::N, .makulering = false});
    EXPECT_EQ(desk->värden().Registreringstyp, u"1"_s);

    // Registration mode asks nothing, whatever the voiding field holds.
    ASSERT_TRUE(app.type(desk->txtPersonnummer, u"190001010008"_s));
    app.click(desk->cmdRegistrera);
    EXPECT_EQ(field(storedRecord(3), VisitField::Registreringstyp), QByteArray("1"));
    EXPECT_EQ(field(storedRecord(3), VisitField::Kvittonummer), QByteArray("00000003"));
}

// Digits only; a blank inside the digits is judged as a non-digit, and only blanks around good
// digits get their own message. Nothing in the box is changed.
TEST_F(DeskVoiding, TheNumberIsCheckedOnLeavingTheBox)
{
    start(3);
    öppnaMakulering();
    const QString siffror = u"OBS! Endst siffror får användas!"_s;
    const QString mellanslag = u"OBS! Mellanslag är ej tillåtet!"_s;
    for (const auto& [text, message] : std::initializer_list<std::pair<const char16_t*, QString>>{
             {u"12", {}}, {u"", {}}, {u"   ", {}}, {u"0012", {}}, {u" 12", mellanslag},
             {u"12 ", mellanslag}, {u"1 2", siffror}, {u"1a", siffror}, {u" a", siffror},
             {u"-1", siffror}, {u"+1", siffror}, {u"1,5", siffror}, {u"1\u00A0", siffror}}) {
        const QString typed = QString::fromUtf16(text);
        SCOPED_TRACE("\"" + typed.toStdString() + "\"");
        ASSERT_TRUE(app.type(desk->txtMakulering, typed));
        if (!message.isEmpty())
            dialogs.expectMessage(message);
        EXPECT_EQ(app.focusByUser(desk->txtDiagnoskod), message.isEmpty());
        visar({.fokus = message.isEmpty() ? &desk->txtDiagnoskod : &desk->txtMakulering,
               .txtMakulering = typed});
        for (const auto& shown : dialogs.messages()) {
            EXPECT_EQ(shown.buttons, ui::Buttons::Ok);
            EXPECT_EQ(shown.icon, ui::Icon::None);
            EXPECT_EQ(shown.title, ui::AppTitle);
        }
        dialogs.clear();
    }
}

// Receipt 2 is a reserve-number visit with its own codes; receipt 4 is open in voiding mode with
// a diagnosis typed and "2" to void.
class DeskVoidingReserve : public DeskVoiding {
protected:
    void SetUp() override
    {
        DeskVoiding::SetUp();
        r = visit(2, u"0001010008"_s, u"261115"_s, u"03"_s, u"C003"_s);
        for (const auto& [f, v] : std::initializer_list<std::pair<VisitField, const char16_t*>>{
                 {VisitField::IdTyp, u"R"}, {VisitField::Födelsedatum, u"450101"},
                 {VisitField::Skatt, u"A"}, {VisitField::Besökstyp, u"1"}, {VisitField::Akutbesök, u"1"},
                 {VisitField::RemissTill, u"02"}, {VisitField::EjBetPatAvg, u"0000"},
                 {VisitField::Diagnoskod, u"K30"}, {VisitField::RemissFrån, u"12345678A90"}})
            r.setText(f, QString::fromUtf16(v));
        start({visit(1), r, visit(3)});
        öppnaMakulering();
        ASSERT_EQ(kvitto(), u"4"_s);
        ASSERT_TRUE(app.type(desk->txtDiagnoskod, u"J101"_s));
        ASSERT_TRUE(app.type(desk->txtMakulering, u"2"_s));
    }
    VisitRecord r;
};

class DeskVoidingF3 : public DeskVoidingReserve, public ::testing::WithParamInterface<int> {};

// The receipt is shown as registered, with three differences: the number typed, the diagnosis
// on the desk and the voiding mode stay.
TEST_P(DeskVoidingF3, CopiesAReserveNumberVisitOntoTheDesk)
{
    app.keyDown(tangent::F3, GetParam());
    visar({.kvitto = u"4"_s, .fokus = &desk->txtReservnummer, .nyreg = NyReg::M, .skatt = Skatt::A,
           .idtyp = IdTyp::R, .makulering = true, .ram = 1400, .rader = u":RF"_s,
           .txtPersonnummer = u""_s, .txtReservnummer = u"0001010008"_s,
           .txtFödelsedatum = u"450101"_s, .txtBesöksDatum = u"261115"_s,
           .txtRemissFrån = u"12345678A90"_s, .txtDiagnoskod = u"J101"_s, .txtMakulering = u"2"_s,
           .lstTaxekod = 2, .lstÅtgärd = 2, .lstRemissTill = 2, .chkAkutbesök = 1,
           .chkEjBetPatAvg = 1, .optBesök1 = 1, .lblPatientavgift = u" 50 Kr"_s});
    EXPECT_TRUE(dialogs.messages().empty());
}

// The shift state is not looked at: Shift, Ctrl and Alt with F3 act as F3.
INSTANTIATE_TEST_SUITE_P(Skiftlagen, DeskVoidingF3, ::testing::Values(0, ui::keys::Shift, ui::keys::Ctrl, ui::keys::Alt,
                                           ui::keys::Shift | ui::keys::Ctrl | ui::keys::Alt));

TEST_F(DeskVoidingReserve, TheVoidingCarriesTheVisitsIdentityAndCodes)
{
    app.keyDown(tangent::F3);
    dialogs.expectMessage(fieldchecks::text::IngetPersonnummer, ui::Answer::Yes);
    app.pressEnter();

    // The amounts are the code files' for its codes; the diagnosis is the one on the desk.
    VisitRecord expected = r;
    expected.setText(VisitField::Registreringstyp, u"2"_s);
    expected.setText(VisitField::Patientavgift, u" 50"_s);
    expected.setText(VisitField::Åtgärdsbelopp, u" 750"_s);
    expected.setText(VisitField::Diagnoskod, u"J101"_s);
    EXPECT_EQ(storedRecord(4), expected.bytes().toByteArray());
}

TEST_F(DeskVoidingReserve, OtherKeysArePassedOnAndChangeNothing)
{
    const QStringList before = bild();
    for (int key : {ui::keys::F1 + 1, ui::keys::F1 + 3, int(u'A'), int(u'0')}) { // F2, F4
        int code = key;
        app.runEvent([&] { desk->txtMakulering.KeyDown(code, 0); }); // the box's key event
        EXPECT_EQ(code, key);
        app.keyDown(key);
    }
    EXPECT_EQ(bild(), before) << diff(before, bild());
}

// Only a number that names an entry of the table is looked up.
TEST_F(DeskVoiding, F3WithAnythingButAnEntryOfTheTableIsIgnored)
{
    start(3);
    öppnaMakulering(); // receipt 4, in memory only
    ASSERT_TRUE(app.type(desk->txtPersonnummer, u"190001010008"_s));
    ASSERT_TRUE(app.type(desk->txtDiagnoskod, u"J101"_s));
    for (const char16_t* text : {u"", u"tolv", u"0", u"-1", u"5", u"32768", u"1,5", u"1 2"}) {
        desk->txtMakulering.setText(QString::fromUtf16(text)); // leaving would refuse letters
        ASSERT_TRUE(app.focusByUser(desk->txtMakulering));
        const QStringList before = bild();
        app.keyDown(tangent::F3);
        EXPECT_EQ(bild(), before) << QString::fromUtf16(text).toStdString() << diff(before, bild());
    }
    EXPECT_TRUE(dialogs.messages().empty());

    // The open receipt itself is an entry: its empty record is copied.
    ASSERT_TRUE(app.type(desk->txtMakulering, u"4"_s));
    app.keyDown(tangent::F3);
    visar({.nyreg = NyReg::M, .txtPersonnummer = u""_s, .txtBesöksDatum = u""_s,
           .txtMakulering = u"4"_s});
}

// Without F3 the voiding record holds what the desk shows, with the voided receipt's number.
TEST_F(DeskVoiding, AVoidingRecordCarriesTheVoidedNumber)
{
    start(12);
    const QByteArray before = visitFile();
    app.click(desk->cmdNästa);
    app.chooseMenu(*desk->mnuNyReg[1]);
    typeAndLeave(desk->txtMakulering, u"12"_s);
    typeAndLeave(desk->txtPersonnummer, u"191212121212"_s);
    app.click(desk->cmdRegistrera); // a voiding of a stored visit asks nothing

    ASSERT_EQ(visitFile().size(), 13 * 95);
    EXPECT_EQ(visitFile().left(12 * 95), before) << "the voided receipt is never changed";
    EXPECT_EQ(storedRecord(13),
              record({u"2", u"12345ABCD67", u"     ", u"00000012", u"F", u"191212121212", u"P",
                      u"      ", u"261213", u"0", u"0", u"02", u"0", u"A001", u"           ",
                      u"      ", u"00", u"200", u" 250", u"    ", u"     "}));

    // The desk stays in voiding mode on the voiding record; registering again replaces it,
    // without a question about the earlier voiding, which is the very record being replaced.
    visar({.kvitto = u"13"_s, .nyreg = NyReg::M, .makulering = true});
    ASSERT_TRUE(app.type(desk->txtDiagnoskod, u"K30"_s));
    app.pressEnter();
    EXPECT_EQ(visitFile().size(), 13 * 95);
    EXPECT_EQ(field(storedRecord(13), VisitField::Diagnoskod), QByteArray("K30  "));
    EXPECT_EQ(field(storedRecord(13), VisitField::Kvittonummer), QByteArray("00000012"));
}

// After F3 the personnummer and visit date of receipt 12 are on the desk, with the focus in the
// personnummer: the click on the button warns once (the registration's warning; leaving the box
// for the button leaves it to the registration). The receipt printed is the voiding's own.
TEST_F(DeskVoiding, DuplicateWarningAndReceiptAfterF3)
{
    start(13);
    app.click(desk->chkDubletter);
    app.click(desk->chkKvitto);
    öppnaMakulering();
    ASSERT_TRUE(app.type(desk->txtMakulering, u"12"_s));
    app.keyDown(tangent::F3);
    ASSERT_EQ(focusName(), u"txtPersonnummer"_s);
    dialogs.expectMessage(fieldchecks::text::Dubblett);
    app.click(desk->cmdRegistrera);
    EXPECT_EQ(dialogs.messages().size(), 1u);

    EXPECT_EQ(field(storedRecord(14), VisitField::Registreringstyp), QByteArray("2"));
    EXPECT_EQ(field(storedRecord(14), VisitField::Kvittonummer), QByteArray("00000012"));
    ASSERT_EQ(printer.documents().size(), 1u);
    QStringList lines;
    for (const auto& line : printer.documents()[0].lines)
        lines << line.text;
    EXPECT_TRUE(lines.contains(u"Kvittonummer: 14"_s)) << lines.join(u'|').toStdString();
}

// The number to void is read by its value wherever it is used: F3 copies receipt 10, no question
// is asked, and the voiding record names receipt 10. Every other record stays as it was.
TEST_F(DeskVoiding, LeadingZerosNameTheReceiptByItsValue)
{
    start(11);
    const QByteArray before = visitFile();
    öppnaMakulering();
    ASSERT_EQ(kvitto(), u"12"_s);
    ASSERT_TRUE(app.type(desk->txtMakulering, u"000000010"_s));
    app.keyDown(tangent::F3);
    visar({.txtPersonnummer = u"191212121212"_s, .txtBesöksDatum = u"261211"_s,
           .txtMakulering = u"000000010"_s});
    app.pressEnter();

    ASSERT_EQ(visitFile().size(), 12 * 95);
    EXPECT_EQ(visitFile().left(11 * 95), before);
    VisitRecord expected = visit(10, u"191212121212"_s, u"261211"_s);
    expected.setText(VisitField::Registreringstyp, u"2"_s);
    EXPECT_EQ(storedRecord(12), expected.bytes().toByteArray());
    EXPECT_TRUE(dialogs.messages().empty());
}

// Receipt numbers are 16-bit: a larger number, or a paste of thousands of digits, is refused
// where it is typed, and Enter stores nothing.
TEST_F(DeskVoiding, ANumberAboveTheLastReceiptIsRefused)
{
    start(3);
    öppnaMakulering();
    ASSERT_TRUE(app.type(desk->txtPersonnummer, u"190001010008"_s));
    const QByteArray before = visitFile();
    for (const QString& typed : {u"32768"_s, u"123456789012"_s, QString(5000, u'1')}) {
        SCOPED_TRACE(typed.left(20).toStdString());
        ASSERT_TRUE(app.type(desk->txtMakulering, typed));
        dialogs.expectMessage(u"OBS! Det högsta kvittonumret är 32767!"_s);
        EXPECT_FALSE(app.focusByUser(desk->txtDiagnoskod));
        dialogs.expectMessage(u"OBS! Det högsta kvittonumret är 32767!"_s);
        app.pressEnter();
        visar({.fokus = &desk->txtMakulering, .txtMakulering = typed});
        EXPECT_EQ(visitFile(), before);
        for (const auto& shown : dialogs.messages())
            EXPECT_EQ(shown.buttons, ui::Buttons::Ok);
        dialogs.clear();
    }
    // The last receipt number itself passes (and names no visit, which is asked about).
    ASSERT_TRUE(app.type(desk->txtMakulering, u"32767"_s));
    EXPECT_TRUE(app.focusByUser(desk->txtDiagnoskod));
}

TEST_F(DeskVoiding, AnEmptyNumberPassesTheCheckAndAVoidingOfNothingIsAskedFor)
{
    start(3);
    öppnaMakulering();
    ASSERT_TRUE(app.type(desk->txtPersonnummer, u"190001010008"_s));
    ASSERT_TRUE(app.type(desk->txtMakulering, QString()));
    ASSERT_TRUE(app.focusByUser(desk->txtDiagnoskod)) << "an empty number passes";
    dialogs.expectMessage(u"OBS! Du har ej skrivit in något kvittonummer att makulera!\n"
                          u"Vill Du fortsätta ändå?"_s,
                          ui::Answer::Yes);
    app.click(desk->cmdRegistrera);

    EXPECT_EQ(field(storedRecord(4), VisitField::Registreringstyp), QByteArray("2"));
    EXPECT_EQ(field(storedRecord(4), VisitField::Kvittonummer), QByteArray(8, ' '));
    // Its Kvittonummer is no number: the desk treats it as an empty record, still open.
    app.click(desk->cmdNästa);
    visar({.kvitto = u"4"_s});
}

// --- The questions before a doubtful voiding ---

struct Fråga {
    const char* name;
    const char16_t* number;
    const char16_t* question;
};

// Receipts 1 to 3 are visits, 4 voids receipt 2, 5 is never registered (blank), 6 a visit; the
// voiding is registered on receipt 7. No stores nothing and sends the receptionist back to the
// number; Yes stores the voiding as usual.
class DeskVoidingQuestions : public DeskVoiding, public ::testing::WithParamInterface<Fråga> {};

TEST_P(DeskVoidingQuestions, ComeBeforeAnythingIsStored)
{
    start({visit(1), visit(2), visit(3), makuleringAv(2), VisitRecord(), visit(6)});
    öppnaMakulering();
    ASSERT_EQ(kvitto(), u"7"_s);
    ASSERT_TRUE(app.type(desk->txtPersonnummer, u"190001010008"_s));
    const QString number = QString::fromUtf16(GetParam().number);
    ASSERT_TRUE(app.type(desk->txtMakulering, number));
    ASSERT_TRUE(app.focusByUser(desk->txtDiagnoskod));
    const QByteArray before = visitFile();
    const QString question = QString::fromUtf16(GetParam().question);

    dialogs.expectMessage(question, ui::Answer::No);
    app.click(desk->cmdRegistrera);
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].buttons, ui::Buttons::YesNo);
    EXPECT_EQ(dialogs.messages()[0].icon, ui::Icon::None);
    EXPECT_EQ(dialogs.messages()[0].title, ui::AppTitle);
    EXPECT_EQ(screen.pointer, ui::Pointer::Default);
    EXPECT_EQ(visitFile(), before) << "nothing is stored";
    visar({.kvitto = u"7"_s, .fokus = &desk->txtMakulering, .txtMakulering = number});

    dialogs.expectMessage(question, ui::Answer::Yes);
    app.click(desk->cmdRegistrera);
    EXPECT_EQ(visitFile().size(), 7 * 95);
    EXPECT_EQ(visitFile().left(6 * 95), before);
    EXPECT_EQ(field(storedRecord(7), VisitField::Registreringstyp), QByteArray("2"));
    EXPECT_EQ(field(storedRecord(7), VisitField::Kvittonummer), number.rightJustified(8, u'0').toLatin1());
}

INSTANTIATE_TEST_SUITE_P(
    Fall, DeskVoidingQuestions,
    ::testing::Values(
        Fråga{"RedanMakulerat", u"2",
              u"OBS! Kvittonr 2 är redan makulerat med kvittonr 4!\nVill Du makulera det igen?"},
        Fråga{"EnMakulering", u"4", u"OBS! Kvittonr 4 är självt en makulering!\nVill Du makulera det ändå?"},
        Fråga{"AldrigRegistrerat", u"5",
              u"OBS! Kvittonr 5 är inget registrerat besök!\nVill Du makulera det ändå?"},
        Fråga{"EfterFilen", u"9", u"OBS! Kvittonr 9 är inget registrerat besök!\nVill Du makulera det ändå?"},
        // A number with leading zeros is named as a number.
        Fråga{"InledandeNollor", u"002",
              u"OBS! Kvittonr 2 är redan makulerat med kvittonr 4!\nVill Du makulera det igen?"}),
    [](const auto& info) { return std::string(info.param.name); });

// Voiding the receipt the desk shows would store the voiding over the very visit it voids.
TEST_F(DeskVoiding, VoidingTheReceiptShownIsAskedForFirst)
{
    start(3);
    const QByteArray before = visitFile();
    app.chooseMenu(*desk->mnuNyReg[1]);
    ASSERT_TRUE(app.type(desk->txtMakulering, u"3"_s));
    const QString question = u"OBS! Kvittonr 3 är det kvitto som visas och skrivs över av "
                             u"makuleringen!\nVill Du makulera det ändå?"_s;
    dialogs.expectMessage(question, ui::Answer::No);
    app.pressEnter();
    EXPECT_EQ(visitFile(), before);
    visar({.fokus = &desk->txtMakulering});

    dialogs.expectMessage(question, ui::Answer::Yes);
    app.pressEnter();
    EXPECT_EQ(visitFile().left(2 * 95), before.left(2 * 95));
    EXPECT_EQ(field(storedRecord(3), VisitField::Registreringstyp), QByteArray("2"));
    EXPECT_EQ(field(storedRecord(3), VisitField::Kvittonummer), QByteArray("00000003"));
}

} // namespace
