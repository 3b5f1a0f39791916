// Showing a stored receipt: every kind of record a clinic's file holds, as the desk shows it
// when the receptionist goes to it, and the desk values it leaves behind.

#include "desk/desk_scenario.h"

#include <QFile>

using namespace Qt::StringLiterals;

namespace {


class DeskDisplay : public DeskScenario {
protected:
    void SetUp() override
    {
        writeClinicFiles();
        VisitRecord full = visit(7, u"191212121212"_s, u"261101"_s, u"1 "_s, u"B002"_s);
        full.setText(VisitField::VikKomkod, u" 5432"_s);
        full.setText(VisitField::Skatt, u"A"_s);
        full.setText(VisitField::Besökstyp, u"1"_s);
        full.setText(VisitField::Akutbesök, u"1"_s);
        full.setText(VisitField::RemissFrån, u"12345678X90"_s);
        full.setText(VisitField::RemissDatum, u"261020"_s);
        full.setText(VisitField::RemissTill, u"02"_s);
        full.setText(VisitField::EjBetPatAvg, u"0000"_s);
        full.setText(VisitField::Diagnoskod, u" J06 "_s);
        writeVisits({visit(1), reservbesök(2), smittskyddsbesök(3), makuleringAv(1), VisitRecord(),
                     visit(6, u"191212121212"_s, u"261201"_s, u"99"_s, u"Z999"_s), full,
                     visit(8, u"190001010008"_s, u"261208"_s, u"02"_s, u"A001"_s)});
        startDesk();
        ASSERT_EQ(desk->lblKvittoNr.caption(), u"8"_s);
    }

    QStringList texts() const
    {
        QStringList out;
        for (const ui::TextBox* box : {&desk->txtKombikakod, &desk->txtVikKomkod, &desk->txtMakulering,
                                       &desk->txtPersonnummer, &desk->txtReservnummer,
                                       &desk->txtFödelsedatum, &desk->txtBesöksDatum,
                                       &desk->txtRemissFrån, &desk->txtRemissDatum, &desk->txtDiagnoskod})
            out << box->text();
        return out;
    }
};

TEST_F(DeskDisplay, AFullPersonnummerVisitShowsEveryFieldTrimmed)
{
    const frmKassa::DeskValues before = desk->värden();
    gåTill(u"7"_s);

    EXPECT_EQ(texts(), (QStringList{u"12345ABCD67"_s, u"5432"_s, u"00000007"_s, u"191212121212"_s,
                                    QString(), QString(), u"261101"_s, u"12345678X90"_s,
                                    u"261020"_s, u"J06"_s}));
    EXPECT_TRUE(desk->txtPersonnummer.visible());
    EXPECT_TRUE(desk->lblPersonnummer.visible());
    EXPECT_EQ(desk->focused(), &desk->txtPersonnummer);
    EXPECT_FALSE(desk->txtReservnummer.visible());
    EXPECT_FALSE(desk->lblFödelsedatum.visible());
    EXPECT_EQ(desk->Frame1.height(), 850);
    EXPECT_EQ(desk->txtReservnummer.top(), 360) << "the reserve rows move up into the frame";
    EXPECT_EQ(desk->lblFödelsedatum.top(), 840);
    EXPECT_TRUE(desk->mnuIdTyp[0]->checked());
    EXPECT_FALSE(desk->mnuSkatt[0]->checked());
    EXPECT_TRUE(desk->mnuSkatt[1]->checked());
    EXPECT_TRUE(desk->mnuNyReg[0]->checked());
    EXPECT_FALSE(desk->txtMakulering.visible());
    EXPECT_TRUE(desk->optBesök[1]->value());
    EXPECT_EQ(desk->chkAkutbesök.value(), 1);
    EXPECT_EQ(desk->chkSmittskydd.value(), 0);
    EXPECT_EQ(desk->lstTaxekod.listIndex(), 4);
    EXPECT_EQ(desk->lblPatientavgift.caption(), u"150 Kr"_s);
    EXPECT_EQ(desk->lstÅtgärd.listIndex(), 1);
    EXPECT_EQ(desk->lstRemissTill.listIndex(), 2);
    EXPECT_EQ(desk->chkEjBetPatAvg.value(), 1);

    const frmKassa::DeskValues& v = desk->värden();
    EXPECT_EQ(QStringList({v.Registreringstyp, v.Skatt, v.IdNummer, v.IdTyp, v.Besökstyp, v.Taxekod,
                           v.Smittskydd, v.Åtgärd, v.RemissTill, v.EjBetPatAvg}),
              QStringList({u"1"_s, u"A"_s, u"191212121212"_s, u"P"_s, u"1"_s, u"1 "_s, u"0"_s,
                           u"B002"_s, u"02"_s, u"0000"_s}));
    // The display leaves the receipt number and the amounts to the registration.
    EXPECT_EQ(v.Kvittonummer, before.Kvittonummer);
    EXPECT_EQ(v.Patientavgift, before.Patientavgift);
    EXPECT_EQ(v.Åtgärdsbelopp, before.Åtgärdsbelopp);
}

TEST_F(DeskDisplay, AReserveNumberVisitShowsTheReserveRows)
{
    gåTill(u"2"_s);

    EXPECT_EQ(desk->txtReservnummer.text(), reservnummer());
    EXPECT_EQ(desk->txtFödelsedatum.text(), födelsedatum());
    for (const ui::Control* c : std::initializer_list<const ui::Control*>{
             &desk->txtReservnummer, &desk->lblReservnummer, &desk->txtFödelsedatum, &desk->lblFödelsedatum})
        EXPECT_TRUE(c->visible()) << c->name().toStdString();
    EXPECT_TRUE(desk->txtFödelsedatum.enabled());
    EXPECT_EQ(desk->Frame1.height(), 1400);
    EXPECT_EQ(desk->focused(), &desk->txtReservnummer);
    EXPECT_EQ(desk->txtPersonnummer.text(), QString());
    EXPECT_FALSE(desk->txtPersonnummer.visible());
    EXPECT_FALSE(desk->lblPersonnummer.visible());
    EXPECT_FALSE(desk->mnuIdTyp[0]->checked());
    EXPECT_TRUE(desk->mnuIdTyp[1]->checked());
    EXPECT_EQ(desk->värden().IdNummer, reservnummer()) << "trimmed, without the two blanks";
    EXPECT_EQ(desk->värden().IdTyp, u"R"_s);
    EXPECT_EQ(desk->lblPatientavgift.caption(), u" 50 Kr"_s);
}

TEST_F(DeskDisplay, AnInfectionControlVisitShowsNoIdentityUntilAnotherVisitIsShown)
{
    gåTill(u"3"_s);

    EXPECT_EQ(desk->chkSmittskydd.value(), 1);
    EXPECT_EQ(desk->värden().Smittskydd, u"1"_s);
    for (const ui::Control* c : std::initializer_list<const ui::Control*>{
             &desk->txtPersonnummer, &desk->lblPersonnummer, &desk->txtReservnummer,
             &desk->lblReservnummer, &desk->txtFödelsedatum, &desk->lblFödelsedatum})
        EXPECT_FALSE(c->visible()) << c->name().toStdString();
    for (const ui::MenuItem* item : desk->mnuIdTyp) {
        EXPECT_FALSE(item->checked());
        EXPECT_FALSE(item->enabled());
    }

    app.click(desk->cmdFöregående); // receipt 2, Smittskydd "0"
    EXPECT_EQ(desk->chkSmittskydd.value(), 0);
    for (const ui::MenuItem* item : desk->mnuIdTyp)
        EXPECT_TRUE(item->enabled());
    EXPECT_TRUE(desk->txtReservnummer.visible());
    EXPECT_EQ(desk->txtReservnummer.text(), reservnummer());
    // All three boxes are enabled again; the hidden one stays hidden.
    EXPECT_TRUE(desk->txtPersonnummer.enabled());
    EXPECT_FALSE(desk->txtPersonnummer.visible());
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(DeskDisplay, AVoidingRecordShowsVoidingModeUntilTheDefaultsOfANewReceipt)
{
    gåTill(u"4"_s);
    EXPECT_FALSE(desk->mnuNyReg[0]->checked());
    EXPECT_TRUE(desk->mnuNyReg[1]->checked());
    EXPECT_TRUE(desk->lblMakulering.visible());
    EXPECT_TRUE(desk->txtMakulering.visible());
    EXPECT_EQ(desk->txtMakulering.text(), u"00000001"_s) << "the voided receipt's number";
    EXPECT_EQ(desk->värden().Registreringstyp, u"2"_s);

    // Receipt 5 is empty: "Nästa" opens it with the defaults, which check "Nyregistrering"
    // but leave the voiding field to the next registration or choice of mode.
    app.click(desk->cmdNästa);
    EXPECT_EQ(desk->lblKvittoNr.caption(), u"5"_s);
    EXPECT_TRUE(desk->mnuNyReg[0]->checked());
    EXPECT_FALSE(desk->mnuNyReg[1]->checked());
    EXPECT_TRUE(desk->txtMakulering.visible());
    EXPECT_EQ(desk->txtBesöksDatum.text(), desk->besök()[4].text(VisitField::Besöksdatum));

    gåTill(u"1"_s);
    EXPECT_FALSE(desk->txtMakulering.visible()) << "a visit shows registration mode";
}

TEST_F(DeskDisplay, AnEmptyRecordEmptiesTheFieldsAndKeepsMenusListsAndInfectionControl)
{
    gåTill(u"7"_s);
    gåTill(u"5"_s);

    EXPECT_EQ(texts(), QStringList(10, QString()));
    EXPECT_TRUE(desk->txtPersonnummer.visible());
    EXPECT_TRUE(desk->txtPersonnummer.enabled());
    EXPECT_FALSE(desk->txtReservnummer.visible());
    EXPECT_TRUE(desk->mnuIdTyp[0]->checked());
    EXPECT_TRUE(desk->optBesök[1]->value());
    EXPECT_EQ(desk->chkAkutbesök.value(), 0);
    EXPECT_EQ(desk->chkEjBetPatAvg.value(), 0);
    // Kept from receipt 7.
    EXPECT_TRUE(desk->mnuSkatt[1]->checked());
    EXPECT_TRUE(desk->mnuNyReg[0]->checked());
    EXPECT_EQ(desk->lstTaxekod.listIndex(), 4);
    EXPECT_EQ(desk->lstÅtgärd.listIndex(), 1);
    EXPECT_EQ(desk->lstRemissTill.listIndex(), 2);

    gåTill(u"3"_s);
    gåTill(u"5"_s);
    EXPECT_EQ(desk->chkSmittskydd.value(), 1) << "a blank Smittskydd leaves the box as it was";
}

TEST_F(DeskDisplay, CodesMissingFromTheFilesLeaveTheListsAndTheFee)
{
    gåTill(u"2"_s);
    gåTill(u"6"_s);

    EXPECT_EQ(desk->lstTaxekod.listIndex(), 2);
    EXPECT_EQ(desk->lstÅtgärd.listIndex(), 2);
    EXPECT_EQ(desk->lblPatientavgift.caption(), u" 50 Kr"_s);
    EXPECT_EQ(desk->värden().Taxekod, u"99"_s) << "the desk value is the record's, as stored";
}

TEST_F(DeskDisplay, TheFeeShownIsTheOneTheTariffFileGivesNow)
{
    writeFile(u"Taxa.txt"_s, QByteArrayLiteral("01120" "02200" "03 50" "06  0" "1 150" "07 99"));
    gåTill(u"1"_s);

    EXPECT_EQ(desk->lstTaxekod.listIndex(), 0);
    EXPECT_EQ(desk->lblPatientavgift.caption(), u"120 Kr"_s) << "not the stored 100";
    EXPECT_EQ(program.AntalTaxekoder, 6);
    EXPECT_EQ(desk->taxor().count(), 6);
}

TEST_F(DeskDisplay, AProcedureFileGoneIsReportedAndTheKeptTableStillFindsTheCode)
{
    ASSERT_TRUE(QFile::remove(path(u"Åtgärd.txt"_s)));
    gåTill(u"2"_s, åtgärdFel());

    EXPECT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(desk->lstÅtgärd.listIndex(), 2);
    EXPECT_EQ(desk->åtgärder().count(), 3);
}

TEST_F(DeskDisplay, BrowsingEveryReceiptBackToTheFirstWritesNothing)
{
    const auto before = folderContents();
    QStringList shown;
    for (int i = 0; i < 8; ++i) {
        shown << desk->lblKvittoNr.caption();
        app.click(desk->cmdFöregående);
    }
    EXPECT_EQ(shown, (QStringList{u"8"_s, u"7"_s, u"6"_s, u"5"_s, u"4"_s, u"3"_s, u"2"_s, u"1"_s}));
    EXPECT_EQ(desk->lblKvittoNr.caption(), u"1"_s);
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(folderContents(), before);
}

// The F3 lookup of a receipt to void copies it with the same steps, but keeps the number typed,
// the diagnosis and the voiding mode.
TEST_F(DeskDisplay, TheLookupForAVoidingKeepsTheTypedNumberTheDiagnosisAndTheMode)
{
    app.click(desk->cmdNästa);
    app.chooseMenu(*desk->mnuNyReg[1]);
    ASSERT_TRUE(app.type(desk->txtMakulering, u"2"_s));
    ASSERT_TRUE(app.type(desk->txtDiagnoskod, u"XYZ"_s));

    app.runEvent([this] { desk->VisaPost(desk->besök()[2], /*förMakulering=*/true); });

    EXPECT_EQ(desk->txtMakulering.text(), u"2"_s);
    EXPECT_EQ(desk->txtDiagnoskod.text(), u"XYZ"_s);
    EXPECT_TRUE(desk->mnuNyReg[1]->checked());
    EXPECT_TRUE(desk->txtMakulering.visible());
    EXPECT_EQ(desk->txtReservnummer.text(), reservnummer());
    EXPECT_EQ(desk->focused(), &desk->txtReservnummer);
    EXPECT_EQ(desk->lstTaxekod.listIndex(), 2);
    EXPECT_EQ(desk->värden().Registreringstyp, u"1"_s) << "the desk value is still the record's";
    EXPECT_EQ(desk->lblKvittoNr.caption(), u"9"_s);
}

} // namespace
