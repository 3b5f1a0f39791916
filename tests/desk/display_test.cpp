// Showing a stored receipt and browsing: every kind of record a clinic's file holds as the desk
// shows it, the desk values it leaves behind, "<<  Föregåen&de", "&Nästa  >>", "&Gå till..." and
// "Sök..." at both ends of the table. Browsing never writes anything.

#include "desk/desk_scenario.h"

namespace {

class DeskDisplay : public DeskScenario {
protected:
    void SetUp() override
    {
        DeskScenario::SetUp();
        VisitRecord full = visit(7, u"191212121212"_s, u"261101"_s, u"1 "_s, u"B002"_s);
        for (const auto& [f, v] : std::initializer_list<std::pair<VisitField, const char16_t*>>{
                 {VisitField::VikKomkod, u" 5432"}, {VisitField::Skatt, u"A"},
                 {VisitField::Besökstyp, u"1"}, {VisitField::Akutbesök, u"1"},
                 {VisitField::RemissFrån, u"12345678X90"}, {VisitField::RemissDatum, u"261020"},
                 {VisitField::RemissTill, u"02"}, {VisitField::EjBetPatAvg, u"0000"},
                 {VisitField::Diagnoskod, u" J06 "}})
            full.setText(f, QString::fromUtf16(v));
        start({visit(1), reservbesök(2), smittskyddsbesök(3), makuleringAv(1), VisitRecord(),
               visit(6, u"191212121212"_s, u"261201"_s, u"99"_s, u"Z999"_s), full,
               visit(8, u"190001010008"_s, u"261208"_s, u"02"_s, u"A001"_s)});
        ASSERT_EQ(kvitto(), u"8"_s);
        folderBefore = folderContents();
    }
    void TearDown() override
    {
        EXPECT_EQ(folderContents(), folderBefore) << "browsing wrote to the folder";
        DeskScenario::TearDown();
    }

    // Every box of the record empty.
    static Visas tommaRutor()
    {
        return {.txtPersonnummer = u""_s, .txtReservnummer = u""_s, .txtFödelsedatum = u""_s,
                .txtBesöksDatum = u""_s, .txtKombikakod = u""_s, .txtVikKomkod = u""_s,
                .txtRemissFrån = u""_s, .txtRemissDatum = u""_s, .txtDiagnoskod = u""_s,
                .txtMakulering = u""_s};
    }
    std::map<QString, QByteArray> folderBefore;
};

// "Nästa" to a stored receipt shows it as registered, without the clinic's defaults.
TEST_F(DeskDisplay, AFullPersonnummerVisitShowsEveryFieldTrimmed)
{
    const frmKassa::DeskValues was = desk->värden();
    gåTill(u"6"_s);
    ASSERT_TRUE(app.type(desk->txtDiagnoskod, u"X"_s));
    app.click(desk->cmdNästa);

    visar({.kvitto = u"7"_s, .fokus = &desk->txtPersonnummer, .nyreg = NyReg::N, .skatt = Skatt::A,
           .idtyp = IdTyp::P, .makulering = false, .ram = 850, .rader = u"P::"_s,
           .txtPersonnummer = u"191212121212"_s, .txtReservnummer = u""_s, .txtFödelsedatum = u""_s,
           .txtBesöksDatum = u"261101"_s, .txtKombikakod = u"12345ABCD67"_s,
           .txtVikKomkod = u"5432"_s, .txtRemissFrån = u"12345678X90"_s,
           .txtRemissDatum = u"261020"_s, .txtDiagnoskod = u"J06"_s, .txtMakulering = u"00000007"_s,
           .lstTaxekod = 4, .lstÅtgärd = 1, .lstRemissTill = 2, .chkSmittskydd = 0,
           .chkAkutbesök = 1, .chkEjBetPatAvg = 1, .optBesök1 = 1,
           .lblPatientavgift = u"150 Kr"_s});
    EXPECT_EQ(desk->txtReservnummer.top(), 360) << "the reserve rows move up into the frame";
    EXPECT_EQ(desk->lblFödelsedatum.top(), 840);
    const frmKassa::DeskValues& v = desk->värden();
    EXPECT_EQ(QStringList({v.Registreringstyp, v.Skatt, v.IdNummer, v.IdTyp, v.Besökstyp, v.Taxekod,
                           v.Smittskydd, v.Åtgärd, v.RemissTill, v.EjBetPatAvg}),
              QStringList({u"1"_s, u"A"_s, u"191212121212"_s, u"P"_s, u"1"_s, u"1 "_s, u"0"_s,
                           u"B002"_s, u"02"_s, u"0000"_s}));
    // The display leaves the receipt number and the amounts to the registration.
    EXPECT_EQ(QStringList({v.Kvittonummer, v.Patientavgift, v.Åtgärdsbelopp}),
              QStringList({was.Kvittonummer, was.Patientavgift, was.Åtgärdsbelopp}));
}

TEST_F(DeskDisplay, AReserveNumberVisitShowsTheReserveRows)
{
    gåTill(u"2"_s);
    visar({.fokus = &desk->txtReservnummer, .idtyp = IdTyp::R, .ram = 1400, .rader = u":RF"_s,
           .txtPersonnummer = u""_s, .txtReservnummer = u"1234567898"_s,
           .txtFödelsedatum = u"450312"_s, .lblPatientavgift = u" 50 Kr"_s});
    EXPECT_EQ(desk->värden().IdNummer, reservnummer()) << "trimmed, without the two blanks";
    EXPECT_EQ(desk->värden().IdTyp, u"R"_s);
}

TEST_F(DeskDisplay, AnInfectionControlVisitShowsNoIdentityUntilAnotherVisitIsShown)
{
    gåTill(u"3"_s);
    visar({.idtyp = IdTyp::Ingen, .idmeny = false, .rader = u"..."_s, .chkSmittskydd = 1});
    EXPECT_EQ(desk->värden().Smittskydd, u"1"_s);

    app.click(desk->cmdFöregående); // receipt 2, Smittskydd "0": every identity box enabled again
    visar({.idmeny = true, .rader = u":RF"_s, .txtReservnummer = u"1234567898"_s,
           .chkSmittskydd = 0});
}

TEST_F(DeskDisplay, AVoidingRecordShowsVoidingModeUntilTheDefaultsOfANewReceipt)
{
    gåTill(u"4"_s);
    // The voided receipt's number.
    visar({.nyreg = NyReg::M, .makulering = true, .txtMakulering = u"00000001"_s});
    EXPECT_EQ(desk->värden().Registreringstyp, u"2"_s);

    // Receipt 5 is empty: "Nästa" opens it with the defaults, which check "Nyregistrering" but
    // leave the voiding field to the next registration or choice of mode.
    app.click(desk->cmdNästa);
    visar({.kvitto = u"5"_s, .nyreg = NyReg::N, .makulering = true, .txtBesöksDatum = u"261201"_s});

    gåTill(u"1"_s);
    visar({.makulering = false}); // a visit shows registration mode
}

TEST_F(DeskDisplay, AnEmptyRecordEmptiesTheFieldsAndKeepsMenusListsAndInfectionControl)
{
    gåTill(u"7"_s);
    gåTill(u"5"_s);
    visar(tommaRutor());
    visar({.nyreg = NyReg::N, .skatt = Skatt::A, .idtyp = IdTyp::P, .rader = u"P.."_s,
           .lstTaxekod = 4, .lstÅtgärd = 1, .lstRemissTill = 2, .chkAkutbesök = 0,
           .chkEjBetPatAvg = 0, .optBesök1 = 1}); // the lists as on 7

    gåTill(u"3"_s);
    gåTill(u"5"_s);
    visar({.chkSmittskydd = 1}); // a blank Smittskydd leaves the box as it was
}

// The codes are looked up in the files as they are now; a code they do not hold leaves the lists
// and the fee as they were, while the desk value is the record's, as stored.
TEST_F(DeskDisplay, CodesAreLookedUpInTheFilesAsTheyAreNow)
{
    gåTill(u"2"_s);
    gåTill(u"6"_s);
    visar({.lstTaxekod = 2, .lstÅtgärd = 2, .lblPatientavgift = u" 50 Kr"_s});
    EXPECT_EQ(desk->värden().Taxekod, u"99"_s);

    writeFile(u"Taxa.txt"_s, QByteArrayLiteral("01120" "02200" "03 50" "06  0" "1 150" "07 99"));
    folderBefore = folderContents();
    gåTill(u"1"_s);
    visar({.lstTaxekod = 0, .lblPatientavgift = u"120 Kr"_s}); // not the stored 100
    EXPECT_EQ(desk->taxor().count(), 6);
}

TEST_F(DeskDisplay, FöregåendeBackToReceipt1ThenNothingAndSökDoesNothing)
{
    QStringList shown;
    for (int i = 0; i < 8; ++i) {
        shown << kvitto();
        app.click(desk->cmdFöregående);
    }
    EXPECT_EQ(shown, (QStringList{u"8"_s, u"7"_s, u"6"_s, u"5"_s, u"4"_s, u"3"_s, u"2"_s, u"1"_s}));
    visar({.kvitto = u"1"_s, .txtBesöksDatum = u"261201"_s});
    ASSERT_TRUE(app.type(desk->txtDiagnoskod, u"X"_s)); // so that anything shown again shows
    const QStringList atFirst = bild();
    app.click(desk->cmdFöregående);
    app.click(desk->cmdSök);
    EXPECT_EQ(bild().mid(1), atFirst.mid(1)) << diff(atFirst, bild());
}

// "Gå till..." proposes the last entry and takes the answer as typed, leading zeros included;
// only a whole number from 1 to the last entry names a receipt.
TEST_F(DeskDisplay, GåTill)
{
    gåTill(u"3"_s);
    ASSERT_EQ(dialogs.inputs().size(), 1u);
    EXPECT_EQ(dialogs.inputs()[0].prompt, u"Skriv det kvittonummer Du vill gå till..."_s);
    EXPECT_EQ(dialogs.inputs()[0].title, u"Gå till..."_s);
    EXPECT_EQ(dialogs.inputs()[0].proposed, u"8"_s);
    visar({.kvitto = u"3"_s});
    gåTill(dialogs.inputs()[0].proposed); // the proposal accepted
    visar({.kvitto = u"8"_s, .txtBesöksDatum = u"261208"_s});
    const QStringList was = bild();
    gåTill(QString()); // cancelled
    EXPECT_EQ(bild(), was) << diff(was, bild());

    gåTill(u"6"_s);
    ASSERT_TRUE(app.type(desk->txtDiagnoskod, u"X"_s));
    gåTill(u"6"_s); // the caption does not change: nothing is shown again
    visar({.txtDiagnoskod = u"X"_s});
    gåTill(u"06"_s);
    visar({.kvitto = u"06"_s, .txtDiagnoskod = u""_s}); // receipt 6 shown again
    app.click(desk->cmdFöregående);
    visar({.kvitto = u"5"_s});

    for (const char16_t* answer : {u"fem", u"5a", u"0", u"-3", u"+5", u"2.5", u"2,5", u"1E1", u"9",
                                   u"70000", u" "}) {
        const QStringList shown = bild();
        gåTill(QString::fromUtf16(answer), u"OBS! Skriv ett kvittonummer från 1 till 8!"_s);
        EXPECT_EQ(bild(), shown) << QString::fromUtf16(answer).toStdString() << diff(shown, bild());
    }
    EXPECT_EQ(desk->besök().upperBound(), 8);
}

// Receipt numbers are 16-bit: nothing comes after 32767.
TEST_F(DeskScenario, TheLastReceiptNumberIsSaidAndNothingChanges)
{
    start(VisitTable::MaxRecords);
    ASSERT_EQ(kvitto(), u"32767"_s);
    const QStringList was = bild();
    dialogs.expectMessage(u"OBS! Sista kvittonumret (32767) är nått!"_s);
    app.click(desk->cmdNästa);
    EXPECT_EQ(bild().mid(1), was.mid(1)) << diff(was, bild());

    // "Ny post" after registering the last receipt opens nothing either; the visit is stored.
    // A registration without it first, so that only "Ny post" differs between the two.
    app.click(desk->cmdRegistrera);
    app.click(desk->chkNypost);
    const QStringList withNypost = bild();
    dialogs.expectMessage(u"OBS! Sista kvittonumret (32767) är nått!"_s);
    app.click(desk->cmdRegistrera);
    EXPECT_EQ(bild().mid(1), withNypost.mid(1)) << diff(withNypost, bild());
    EXPECT_EQ(desk->besök().upperBound(), VisitTable::MaxRecords);
    EXPECT_EQ(visitFile().size(), 95 * VisitTable::MaxRecords);
    EXPECT_EQ(field(storedRecord(VisitTable::MaxRecords), VisitField::Kvittonummer),
              QByteArray("00032767"));

    gåTill(u"32768"_s, u"OBS! Skriv ett kvittonummer från 1 till 32767!"_s);
    app.click(desk->cmdFöregående);
    visar({.kvitto = u"32766"_s});
}

} // namespace
