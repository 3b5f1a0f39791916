// Voiding a receipt as the receptionist does it: open a new receipt, choose "Makulering", type
// the number to void, F3, "Registrera"; and what the desk asks and stores on the way.

#include "desk/menus_snapshot.h"
#include "support/deskfixture.h"

using namespace Qt::StringLiterals;

namespace {


constexpr int F3 = 114;

class DeskVoiding : public DeskFixture {
protected:
    void SetUp() override { writeClinicFiles(); }

    void start(int visits)
    {
        writeNumberedVisits(visits);
        startDesk();
    }

    // "&Nästa  >>" on the last receipt, then "Makulering".
    void öppnaMakulering()
    {
        app.click(desk->cmdNästa);
        app.chooseMenu(*desk->mnuNyReg[1]);
    }

    QByteArray field(const QByteArray& record, VisitField f) const
    {
        const FieldSpan span = spanOf(f);
        return record.mid(span.offset, span.width);
    }

    // The records of the file before `receipt`, to show that a voiding touches none of them.
    QByteArray recordsBefore(int receipt) const { return visitFile().left(95 * (receipt - 1)); }
};

// --- The mode ---

TEST_F(DeskVoiding, MakuleringShowsTheFieldAndNyregistreringHidesIt)
{
    start(3);
    EXPECT_FALSE(desk->lblMakulering.visible());
    EXPECT_FALSE(desk->txtMakulering.visible());

    app.chooseMenu(*desk->mnuNyReg[1]);
    EXPECT_FALSE(desk->mnuNyReg[0]->checked());
    EXPECT_TRUE(desk->mnuNyReg[1]->checked());
    EXPECT_TRUE(desk->lblMakulering.visible());
    EXPECT_EQ(desk->lblMakulering.caption(), u"Maku&lerat kvittonr:"_s);
    EXPECT_TRUE(desk->txtMakulering.visible());
    EXPECT_EQ(desk->värden().Registreringstyp, QStringLiteral("2"));

    app.chooseMenu(*desk->mnuNyReg[0]);
    EXPECT_TRUE(desk->mnuNyReg[0]->checked());
    EXPECT_FALSE(desk->mnuNyReg[1]->checked());
    EXPECT_FALSE(desk->lblMakulering.visible());
    EXPECT_FALSE(desk->txtMakulering.visible());
    EXPECT_EQ(desk->värden().Registreringstyp, QStringLiteral("1"));
}

TEST_F(DeskVoiding, ChoosingTheModeNeitherMovesTheFocusNorTouchesTheNumber)
{
    start(3);
    ASSERT_TRUE(app.type(desk->txtDiagnoskod, QStringLiteral("J101")));
    const QString number = desk->txtMakulering.text();
    app.chooseMenu(*desk->mnuNyReg[1]);
    EXPECT_EQ(desk->focused(), &desk->txtDiagnoskod);
    EXPECT_EQ(desk->txtMakulering.text(), number);
}

// --- txtMakulering's check ---

struct TypedNumber {
    const char* name;
    const char16_t* text;
    const char16_t* message; // nullptr: accepted
};

class DeskVoidingCheck : public DeskVoiding, public ::testing::WithParamInterface<TypedNumber> {};

TEST_P(DeskVoidingCheck, OnLeavingTheBox)
{
    start(3);
    öppnaMakulering();
    const QString typed = QString::fromUtf16(GetParam().text);
    ASSERT_TRUE(app.type(desk->txtMakulering, typed));
    if (GetParam().message)
        dialogs.expectMessage(QString::fromUtf16(GetParam().message));

    const bool moved = app.focusByUser(desk->txtDiagnoskod);

    EXPECT_EQ(desk->txtMakulering.text(), typed) << "nothing in the box is changed";
    if (GetParam().message) {
        EXPECT_FALSE(moved);
        EXPECT_EQ(desk->focused(), &desk->txtMakulering);
        ASSERT_EQ(dialogs.messages().size(), 1u);
        EXPECT_EQ(dialogs.messages()[0].buttons, ui::Buttons::Ok);
        EXPECT_EQ(dialogs.messages()[0].icon, ui::Icon::None);
        EXPECT_EQ(dialogs.messages()[0].title, ui::AppTitle);
    } else {
        EXPECT_TRUE(moved);
        EXPECT_EQ(desk->focused(), &desk->txtDiagnoskod);
        EXPECT_TRUE(dialogs.messages().empty());
    }
}

constexpr const char16_t* Siffror = u"OBS! Endst siffror får användas!";
constexpr const char16_t* Mellanslag = u"OBS! Mellanslag är ej tillåtet!";

INSTANTIATE_TEST_SUITE_P(
    Makulering, DeskVoidingCheck,
    ::testing::Values(TypedNumber{"Siffror", u"12", nullptr},
                      TypedNumber{"Tom", u"", nullptr},
                      TypedNumber{"BaraBlanka", u"   ", nullptr},
                      TypedNumber{"Nollor", u"0012", nullptr},
                      TypedNumber{"BlankFöre", u" 12", Mellanslag},
                      TypedNumber{"BlankEfter", u"12 ", Mellanslag},
                      TypedNumber{"BlankMellanSiffror", u"1 2", Siffror},
                      TypedNumber{"Bokstav", u"1a", Siffror},
                      TypedNumber{"BokstavOchBlank", u" a", Siffror},
                      TypedNumber{"Minus", u"-1", Siffror},
                      TypedNumber{"Plus", u"+1", Siffror},
                      TypedNumber{"Decimal", u"1,5", Siffror},
                      TypedNumber{"HårtMellanslag", u"1\u00A0", Siffror}),
    [](const auto& info) {
        std::string name;
        for (char c : std::string(info.param.name))
            if (std::isalnum(static_cast<unsigned char>(c)))
                name += c;
        return name;
    });

// --- F3 ---

// Receipt 2 is a reserve-number visit with its own codes.
class DeskVoidingReserve : public DeskVoiding {
protected:
    void SetUp() override
    {
        DeskVoiding::SetUp();
        VisitRecord r = visit(2, QStringLiteral("0001010008"), QStringLiteral("261115"),
                              QStringLiteral("03"), QStringLiteral("C003"));
        r.setText(VisitField::IdTyp, QStringLiteral("R"));
        r.setText(VisitField::Födelsedatum, QStringLiteral("450101"));
        r.setText(VisitField::Skatt, QStringLiteral("A"));
        r.setText(VisitField::Besökstyp, QStringLiteral("1"));
        r.setText(VisitField::Akutbesök, QStringLiteral("1"));
        r.setText(VisitField::RemissTill, QStringLiteral("02"));
        r.setText(VisitField::EjBetPatAvg, QStringLiteral("0000"));
        r.setText(VisitField::Diagnoskod, QStringLiteral("K30"));
        r.setText(VisitField::RemissFrån, QStringLiteral("12345678A90"));
        writeVisits({visit(1), r, visit(3)});
        startDesk();
        öppnaMakulering();
        ASSERT_EQ(desk->lblKvittoNr.caption(), QStringLiteral("4"));
        ASSERT_TRUE(app.type(desk->txtDiagnoskod, QStringLiteral("J101")));
        ASSERT_TRUE(app.type(desk->txtMakulering, QStringLiteral("2")));
    }
};

class DeskVoidingF3 : public DeskVoidingReserve, public ::testing::WithParamInterface<int> {};

TEST_P(DeskVoidingF3, CopiesAReserveNumberVisitOntoTheDesk)
{
    app.keyDown(F3, GetParam());

    EXPECT_TRUE(desk->mnuIdTyp[1]->checked());
    EXPECT_FALSE(desk->mnuIdTyp[0]->checked());
    EXPECT_EQ(desk->txtReservnummer.text(), QStringLiteral("0001010008"));
    EXPECT_TRUE(desk->txtReservnummer.visible());
    EXPECT_TRUE(desk->lblReservnummer.visible());
    EXPECT_EQ(desk->txtFödelsedatum.text(), QStringLiteral("450101"));
    EXPECT_TRUE(desk->txtFödelsedatum.visible());
    EXPECT_TRUE(desk->lblFödelsedatum.visible());
    EXPECT_FALSE(desk->txtPersonnummer.visible());
    EXPECT_EQ(desk->txtPersonnummer.text(), QString());
    EXPECT_EQ(desk->Frame1.height(), 1400);
    EXPECT_EQ(desk->focused(), &desk->txtReservnummer);

    // The three differences from showing the receipt.
    EXPECT_EQ(desk->txtMakulering.text(), QStringLiteral("2"));
    EXPECT_EQ(desk->txtDiagnoskod.text(), QStringLiteral("J101"));
    EXPECT_TRUE(desk->mnuNyReg[1]->checked());
    EXPECT_FALSE(desk->mnuNyReg[0]->checked());
    EXPECT_TRUE(desk->lblMakulering.visible());
    EXPECT_TRUE(desk->txtMakulering.visible());
    EXPECT_EQ(desk->lblKvittoNr.caption(), QStringLiteral("4"));

    // Everything else as the receipt was registered.
    EXPECT_EQ(desk->txtBesöksDatum.text(), QStringLiteral("261115"));
    EXPECT_EQ(desk->txtRemissFrån.text(), QStringLiteral("12345678A90"));
    EXPECT_TRUE(desk->mnuSkatt[1]->checked());
    EXPECT_TRUE(desk->optBesök[1]->value());
    EXPECT_EQ(desk->chkAkutbesök.value(), 1);
    EXPECT_EQ(desk->chkEjBetPatAvg.value(), 1);
    EXPECT_EQ(desk->lstTaxekod.text(), QStringLiteral("03"));
    EXPECT_EQ(desk->lblPatientavgift.caption(), QStringLiteral(" 50 Kr"));
    EXPECT_EQ(desk->lstÅtgärd.text(), QStringLiteral("C003"));
    EXPECT_EQ(desk->lstRemissTill.listIndex(), 2);
    EXPECT_TRUE(dialogs.messages().empty());
}

// The shift state is not looked at: Shift, Ctrl and Alt with F3 act as F3.
INSTANTIATE_TEST_SUITE_P(Skiftlagen, DeskVoidingF3, ::testing::Values(0, 1, 2, 4, 7));

TEST_F(DeskVoidingReserve, TheVoidingOfAReserveNumberVisitCarriesItsIdentityAndCodes)
{
    app.keyDown(F3);
    dialogs.expectMessage(u"OBS! Du har ej skrivit in något personnummer!\n"
                            u"Vill Du fortsätta utan Personnummer?\""_s,
                          ui::Answer::Yes);
    app.pressEnter();

    const QByteArray r = storedRecord(4);
    ASSERT_EQ(r.size(), 95);
    EXPECT_EQ(field(r, VisitField::Registreringstyp), QByteArray("2"));
    EXPECT_EQ(field(r, VisitField::Kvittonummer), QByteArray("00000002"));
    EXPECT_EQ(field(r, VisitField::IdTyp), QByteArray("R"));
    EXPECT_EQ(field(r, VisitField::IdNummer), QByteArray("0001010008  "));
    EXPECT_EQ(field(r, VisitField::Taxekod), QByteArray("03"));
    EXPECT_EQ(field(r, VisitField::Patientavgift), QByteArray(" 50"));
    EXPECT_EQ(field(r, VisitField::Åtgärd), QByteArray("C003"));
    EXPECT_EQ(field(r, VisitField::Åtgärdsbelopp), QByteArray(" 750"));
    EXPECT_EQ(field(r, VisitField::Diagnoskod).trimmed(), QByteArray("J101"));
}

TEST_F(DeskVoidingReserve, OtherKeysArePassedOnAndChangeNothing)
{
    const QStringList before = snapshot::of(*desk);
    for (int key : {113, 115, 65, 48}) { // F2, F4, "A", "0"
        int code = key;
        desk->txtMakulering_KeyDown(code, 0);
        EXPECT_EQ(code, key);
        app.keyDown(key);
    }
    const QStringList after = snapshot::of(*desk);
    EXPECT_EQ(after, before) << snapshot::diff(before, after).toStdString();
}

struct IgnoredNumber {
    const char* name;
    const char16_t* text;
};

class DeskVoidingF3Ignored : public DeskVoiding, public ::testing::WithParamInterface<IgnoredNumber> {};

TEST_P(DeskVoidingF3Ignored, LeavesTheDeskAsItWas)
{
    start(3);
    öppnaMakulering();
    ASSERT_TRUE(app.type(desk->txtPersonnummer, QStringLiteral("190001010008")));
    ASSERT_TRUE(app.type(desk->txtDiagnoskod, QStringLiteral("J101")));
    desk->txtMakulering.setText(QString::fromUtf16(GetParam().text)); // letters would be refused on leaving
    ASSERT_TRUE(app.focusByUser(desk->txtMakulering));
    const QStringList before = snapshot::of(*desk);

    app.keyDown(F3);

    const QStringList after = snapshot::of(*desk);
    EXPECT_EQ(after, before) << snapshot::diff(before, after).toStdString();
    EXPECT_TRUE(dialogs.messages().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Makulering, DeskVoidingF3Ignored,
    ::testing::Values(IgnoredNumber{"Tom", u""}, IgnoredNumber{"Bokstäver", u"tolv"},
                      IgnoredNumber{"Noll", u"0"}, IgnoredNumber{"Negativt", u"-1"},
                      IgnoredNumber{"EfterTabellen", u"5"}, IgnoredNumber{"Över16Bitar", u"32768"},
                      IgnoredNumber{"Decimal", u"1,5"}, IgnoredNumber{"BlankMitti", u"1 2"}),
    [](const auto& info) {
        std::string name;
        for (char c : std::string(info.param.name))
            if (std::isalnum(static_cast<unsigned char>(c)))
                name += c;
        return name;
    });

TEST_F(DeskVoiding, F3OnTheOpenReceiptItselfCopiesItsEmptyRecord)
{
    start(3);
    öppnaMakulering(); // receipt 4, in memory only
    ASSERT_TRUE(app.type(desk->txtPersonnummer, QStringLiteral("190001010008")));
    ASSERT_TRUE(app.type(desk->txtMakulering, QStringLiteral("4")));
    app.keyDown(F3);
    EXPECT_EQ(desk->txtPersonnummer.text(), QString());
    EXPECT_EQ(desk->txtBesöksDatum.text(), QString());
    EXPECT_EQ(desk->txtMakulering.text(), QStringLiteral("4"));
    EXPECT_TRUE(desk->mnuNyReg[1]->checked());
}

// --- The voiding record ---

TEST_F(DeskVoiding, TheVoidingOfReceipt12IsReceipt12WithRegistreringstyp2)
{
    start(13);
    const QByteArray before = visitFile();
    öppnaMakulering();
    ASSERT_EQ(desk->lblKvittoNr.caption(), QStringLiteral("14"));
    ASSERT_TRUE(app.type(desk->txtMakulering, QStringLiteral("12")));
    app.keyDown(F3);

    app.click(desk->cmdRegistrera);

    VisitRecord expected = VisitRecord::fromBytes(storedRecord(12));
    expected.setText(VisitField::Registreringstyp, QStringLiteral("2"));
    EXPECT_EQ(storedRecord(14), expected.bytes().toByteArray());
    EXPECT_EQ(field(storedRecord(14), VisitField::Kvittonummer), QByteArray("00000012"));
    EXPECT_EQ(visitFile().size(), 14 * 95);
    EXPECT_EQ(recordsBefore(14), before) << "receipt 12 and every other record are unchanged";
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(screen.pointer, ui::Pointer::Default);
}

TEST_F(DeskVoiding, WithoutF3TheVoidingRecordHoldsWhatTheDeskShows)
{
    start(3);
    öppnaMakulering();
    ASSERT_TRUE(app.type(desk->txtPersonnummer, QStringLiteral("190001010008")));
    ASSERT_TRUE(app.type(desk->txtMakulering, QStringLiteral("2")));
    app.click(desk->cmdRegistrera);

    const QByteArray r = storedRecord(4);
    EXPECT_EQ(field(r, VisitField::Registreringstyp), QByteArray("2"));
    EXPECT_EQ(field(r, VisitField::Kvittonummer), QByteArray("00000002"));
    EXPECT_EQ(field(r, VisitField::IdNummer), QByteArray("190001010008"));
    EXPECT_EQ(field(r, VisitField::Taxekod), QByteArray("02")) << "the settings' tariff row";
}

TEST_F(DeskVoiding, AfterRegisteringTheDeskStaysInVoidingModeOnTheVoidingRecord)
{
    start(3);
    öppnaMakulering();
    ASSERT_TRUE(app.type(desk->txtMakulering, QStringLiteral("2")));
    app.keyDown(F3);
    app.pressEnter();
    EXPECT_EQ(desk->lblKvittoNr.caption(), QStringLiteral("4"));
    EXPECT_TRUE(desk->mnuNyReg[1]->checked());
    EXPECT_TRUE(desk->txtMakulering.visible());

    // Again, without moving: the voiding record is replaced by the desk, and no question is
    // asked about the earlier voiding, which is the very record being replaced.
    ASSERT_TRUE(app.type(desk->txtDiagnoskod, QStringLiteral("K30")));
    app.pressEnter();
    EXPECT_EQ(visitFile().size(), 4 * 95);
    EXPECT_EQ(field(storedRecord(4), VisitField::Diagnoskod).trimmed(), QByteArray("K30"));
    EXPECT_EQ(field(storedRecord(4), VisitField::Kvittonummer), QByteArray("00000002"));
}

TEST_F(DeskVoiding, BrowsingBackShowsTheVoidingRecordInVoidingMode)
{
    start(3);
    öppnaMakulering();
    ASSERT_TRUE(app.type(desk->txtMakulering, QStringLiteral("2")));
    app.keyDown(F3);
    app.click(desk->chkNypost);
    app.pressEnter();
    ASSERT_EQ(desk->lblKvittoNr.caption(), QStringLiteral("5"));
    EXPECT_TRUE(desk->mnuNyReg[0]->checked()) << "a new receipt starts in registration mode";

    app.click(desk->cmdFöregående);

    EXPECT_EQ(desk->lblKvittoNr.caption(), QStringLiteral("4"));
    EXPECT_TRUE(desk->mnuNyReg[1]->checked());
    EXPECT_TRUE(desk->txtMakulering.visible());
    EXPECT_EQ(desk->txtMakulering.text(), QStringLiteral("00000002"));
}

TEST_F(DeskVoiding, DuplicateWarningAfterF3AndTheVoidingIsStoredAllTheSame)
{
    start(13);
    app.click(desk->chkDubletter);
    öppnaMakulering();
    ASSERT_TRUE(app.type(desk->txtMakulering, QStringLiteral("12")));
    app.keyDown(F3); // the personnummer and the visit date of receipt 12 are on the desk now
    const QString dubblett = u"OBS! Detta Personnummer är redan registrerat detta daum!"_s;
    // Once as the focus leaves the personnummer for the button, once by the registration.
    dialogs.expectMessage(dubblett);
    dialogs.expectMessage(dubblett);

    app.click(desk->cmdRegistrera);

    EXPECT_EQ(field(storedRecord(14), VisitField::Registreringstyp), QByteArray("2"));
    EXPECT_EQ(field(storedRecord(14), VisitField::Kvittonummer), QByteArray("00000012"));
}

TEST_F(DeskVoiding, AnEmptyNumberPassesTheCheckAndAVoidingOfNothingIsAskedFor)
{
    start(3);
    öppnaMakulering();
    ASSERT_TRUE(app.type(desk->txtPersonnummer, QStringLiteral("190001010008")));
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
    EXPECT_EQ(desk->lblKvittoNr.caption(), QStringLiteral("4"));
}

TEST_F(DeskVoiding, PrintingAVoidingPrintsTheReceiptWithItsOwnNumber)
{
    start(13);
    app.click(desk->chkKvitto);
    öppnaMakulering();
    ASSERT_TRUE(app.type(desk->txtMakulering, QStringLiteral("12")));
    app.keyDown(F3);
    app.pressEnter();

    ASSERT_EQ(printer.documents().size(), 1u);
    bool own = false;
    for (const auto& line : printer.documents()[0].lines) {
        own = own || line.text == QStringLiteral("Kvittonummer: 14");
        EXPECT_NE(line.text, QStringLiteral("Kvittonummer: 12"));
    }
    EXPECT_TRUE(own);
}

// --- The questions before a doubtful voiding ---

// Receipts 1 to 3 are visits, 4 voids receipt 2, 5 is never registered (blank).
class DeskVoidingQuestions : public DeskVoiding,
                             public ::testing::WithParamInterface<ui::Answer> {
protected:
    void SetUp() override
    {
        DeskVoiding::SetUp();
        VisitRecord voiding = visit(2);
        voiding.setText(VisitField::Registreringstyp, QStringLiteral("2"));
        writeVisits({visit(1), visit(2), visit(3), voiding, VisitRecord(), visit(6)});
        startDesk();
        öppnaMakulering(); // receipt 7
        ASSERT_EQ(desk->lblKvittoNr.caption(), QStringLiteral("7"));
        ASSERT_TRUE(app.type(desk->txtPersonnummer, QStringLiteral("190001010008")));
    }

    void registerVoidingOf(const QString& number, const QString& question)
    {
        ASSERT_TRUE(app.type(desk->txtMakulering, number));
        ASSERT_TRUE(app.focusByUser(desk->txtDiagnoskod));
        const QByteArray before = visitFile();
        dialogs.expectMessage(question, GetParam());

        app.click(desk->cmdRegistrera);

        ASSERT_EQ(dialogs.messages().size(), 1u);
        EXPECT_EQ(dialogs.messages()[0].buttons, ui::Buttons::YesNo);
        EXPECT_EQ(dialogs.messages()[0].icon, ui::Icon::None);
        EXPECT_EQ(dialogs.messages()[0].title, ui::AppTitle);
        EXPECT_EQ(screen.pointer, ui::Pointer::Default);
        if (GetParam() == ui::Answer::Yes) {
            EXPECT_EQ(visitFile().size(), 7 * 95);
            EXPECT_EQ(recordsBefore(7), before);
            EXPECT_EQ(field(storedRecord(7), VisitField::Registreringstyp), QByteArray("2"));
            EXPECT_EQ(field(storedRecord(7), VisitField::Kvittonummer),
                      number.rightJustified(8, QLatin1Char('0')).toLatin1());
        } else {
            EXPECT_EQ(visitFile(), before) << "nothing is stored";
            EXPECT_EQ(desk->focused(), &desk->txtMakulering);
            EXPECT_EQ(desk->txtMakulering.text(), number);
            EXPECT_EQ(desk->lblKvittoNr.caption(), QStringLiteral("7"));
        }
    }
};

TEST_P(DeskVoidingQuestions, AReceiptAlreadyVoided)
{
    registerVoidingOf(QStringLiteral("2"),
                      u"OBS! Kvittonr 2 är redan makulerat med kvittonr 4!\n"
                        u"Vill Du makulera det igen?"_s);
}

TEST_P(DeskVoidingQuestions, AVoidingRecord)
{
    registerVoidingOf(QStringLiteral("4"), u"OBS! Kvittonr 4 är självt en makulering!\n"
                                             u"Vill Du makulera det ändå?"_s);
}

TEST_P(DeskVoidingQuestions, AReceiptNeverRegistered)
{
    registerVoidingOf(QStringLiteral("5"), u"OBS! Kvittonr 5 är inget registrerat besök!\n"
                                             u"Vill Du makulera det ändå?"_s);
}

TEST_P(DeskVoidingQuestions, AReceiptBeyondTheFile)
{
    registerVoidingOf(QStringLiteral("9"), u"OBS! Kvittonr 9 är inget registrerat besök!\n"
                                             u"Vill Du makulera det ändå?"_s);
}

TEST_P(DeskVoidingQuestions, ANumberWithLeadingZerosIsNamedAsANumber)
{
    registerVoidingOf(QStringLiteral("002"),
                      u"OBS! Kvittonr 2 är redan makulerat med kvittonr 4!\n"
                        u"Vill Du makulera det igen?"_s);
}

INSTANTIATE_TEST_SUITE_P(Svar, DeskVoidingQuestions,
                         ::testing::Values(ui::Answer::Yes, ui::Answer::No),
                         [](const auto& info) {
                             return std::string(info.param == ui::Answer::Yes ? "Ja" : "Nej");
                         });

// Voiding the receipt the desk shows would store the voiding over the very visit it voids.
TEST_F(DeskVoiding, VoidingTheReceiptShownIsAskedForFirst)
{
    start(3);
    const QByteArray before = visitFile();
    app.chooseMenu(*desk->mnuNyReg[1]);
    ASSERT_TRUE(app.type(desk->txtMakulering, QStringLiteral("3")));
    const QString question = u"OBS! Kvittonr 3 är det kvitto som visas och skrivs över av "
                               u"makuleringen!\nVill Du makulera det ändå?"_s;

    dialogs.expectMessage(question, ui::Answer::No);
    app.pressEnter();
    EXPECT_EQ(visitFile(), before);
    EXPECT_EQ(desk->focused(), &desk->txtMakulering);

    dialogs.expectMessage(question, ui::Answer::Yes);
    app.pressEnter();
    EXPECT_EQ(recordsBefore(3), before.left(2 * 95));
    EXPECT_EQ(field(storedRecord(3), VisitField::Registreringstyp), QByteArray("2"));
    EXPECT_EQ(field(storedRecord(3), VisitField::Kvittonummer), QByteArray("00000003"));
}

TEST_F(DeskVoiding, AGoodVoidingAsksNothing)
{
    start(3);
    öppnaMakulering();
    ASSERT_TRUE(app.type(desk->txtPersonnummer, QStringLiteral("190001010008")));
    ASSERT_TRUE(app.type(desk->txtMakulering, QStringLiteral("3")));
    app.click(desk->cmdRegistrera);
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(field(storedRecord(4), VisitField::Kvittonummer), QByteArray("00000003"));
}

TEST_F(DeskVoiding, RegistrationModeAsksNothingWhateverTheVoidingFieldHolds)
{
    start(3);
    öppnaMakulering();
    ASSERT_TRUE(app.type(desk->txtMakulering, QStringLiteral("9")));
    app.chooseMenu(*desk->mnuNyReg[0]);
    ASSERT_TRUE(app.type(desk->txtPersonnummer, QStringLiteral("190001010008")));
    app.click(desk->cmdRegistrera);
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(field(storedRecord(4), VisitField::Registreringstyp), QByteArray("1"));
    EXPECT_EQ(field(storedRecord(4), VisitField::Kvittonummer), QByteArray("00000004"));
}

} // namespace
