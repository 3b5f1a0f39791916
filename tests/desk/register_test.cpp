// Registering a visit as the receptionist does it, and the bytes it leaves in PatBesök.Dat.

#include "desk/regfixture.h"

using namespace Qt::StringLiterals;

namespace {

class Register : public RegistrationFixture {
protected:
    // Two stored visits; "Nästa >>" opens receipt 3 with the clinic's defaults.
    void openReceipt3()
    {
        writeNumberedVisits(2);
        before = visitFile();
        startDesk();
        ASSERT_FALSE(desk->startFailed());
        app.click(desk->cmdNästa);
        ASSERT_EQ(desk->lblKvittoNr.caption().toStdString(), "3");
    }
    QByteArray before;
};

} // namespace

TEST_F(Register, APersonnummerVisitWithEveryFieldFilled)
{
    openReceipt3();
    typeAndLeave(desk->txtPersonnummer, u"191212121212"_s);
    typeAndLeave(desk->txtBesöksDatum, u"261208"_s);
    app.select(desk->lstTaxekod, 2);   // "03", fee " 50"
    app.select(desk->lstÅtgärd, 1);    // "B002", amount " 500"
    typeAndLeave(desk->txtRemissFrån, u"12345678X01"_s);
    typeAndLeave(desk->txtRemissDatum, u"261101"_s);
    app.select(desk->lstRemissTill, 2);
    app.click(*desk->optBesök[1]);
    app.click(desk->chkAkutbesök);
    app.click(desk->chkEjBetPatAvg);
    ASSERT_TRUE(app.type(desk->txtDiagnoskod, u"J06"_s));
    app.click(desk->cmdRegistrera);

    EXPECT_TRUE(dialogs.messages().empty());
    const QByteArray file = visitFile();
    ASSERT_EQ(file.size(), 3 * 95);
    EXPECT_EQ(file.left(2 * 95), before) << "receipts 1 and 2 untouched";
    EXPECT_EQ(storedRecord(3),
              record({u"1", u"12345ABCD67", u"     ", u"00000003", u"F", u"191212121212", u"P",
                      u"      ", u"261208", u"1", u"1", u"03", u"0", u"B002", u"12345678X01",
                      u"261101", u"02", u" 50", u" 500", u"0000", u"J06  "}));
    // The desk stays on the visit just stored; the table holds what the file holds.
    EXPECT_EQ(desk->lblKvittoNr.caption().toStdString(), "3");
    EXPECT_EQ(desk->besök().upperBound(), 3);
    EXPECT_EQ(desk->txtPersonnummer.text().toStdString(), "191212121212");
    ASSERT_FALSE(screen.changes.empty());
    EXPECT_EQ(screen.changes.front(), ui::Pointer::Hourglass);
    EXPECT_EQ(screen.pointer, ui::Pointer::Default);
    EXPECT_TRUE(printer.documents().empty()) << "no receipt asked for";
}

TEST_F(Register, EnterRegistersAfterCheckingTheBoxLeft)
{
    openReceipt3();
    ASSERT_TRUE(app.type(desk->txtPersonnummer, u"190001010008"_s));
    app.pressEnter();
    ASSERT_EQ(visitFile().size(), 3 * 95);
    EXPECT_EQ(storedRecord(3).mid(26, 13), QByteArray("190001010008P"));
    // The visit date is the previous receipt's, as the new receipt opened with it.
    EXPECT_EQ(storedRecord(3).mid(45, 6), before.mid(95 + 45, 6));
}

TEST_F(Register, EnterOnAWrongDateRegistersNothing)
{
    openReceipt3();
    typeAndLeave(desk->txtPersonnummer, u"190001010008"_s);
    ASSERT_TRUE(app.type(desk->txtBesöksDatum, u"2612"_s));
    dialogs.expectMessage(u"OBS! För få tecken!"_s);
    app.pressEnter();
    EXPECT_EQ(visitFile(), before);
    EXPECT_EQ(focusName().toStdString(), "txtBesöksDatum");
}

TEST_F(Register, AReserveNumberVisitAfterYes)
{
    openReceipt3();
    app.chooseMenu(*desk->mnuIdTyp[1]);
    typeAndLeave(desk->txtReservnummer, u"0050000000"_s);
    typeAndLeave(desk->txtFödelsedatum, u"500101"_s);
    dialogs.expectMessage(u"OBS! Du har ej skrivit in något personnummer!\n"
                            u"Vill Du fortsätta utan Personnummer?\""_s,
                          ui::Answer::Yes);
    app.click(desk->cmdRegistrera);
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].buttons, ui::Buttons::YesNo);
    EXPECT_EQ(storedRecord(3),
              record({u"1", u"12345ABCD67", u"     ", u"00000003", u"F", u"0050000000  ", u"R",
                      u"500101", u"261203", u"0", u"0", u"02", u"0", u"A001", u"           ",
                      u"      ", u"00", u"200", u" 250", u"    ", u"     "}));
}

TEST_F(Register, NoToTheQuestionStoresNothing)
{
    openReceipt3();
    app.focusByUser(desk->txtDiagnoskod);
    dialogs.expectMessage(fieldchecks::text::IngetPersonnummer, ui::Answer::No);
    app.click(desk->cmdRegistrera);
    EXPECT_EQ(visitFile(), before);
    EXPECT_EQ(focusName().toStdString(), "txtPersonnummer");
    EXPECT_EQ(screen.pointer, ui::Pointer::Default);
}

TEST_F(Register, AnInfectionControlVisitAfterYes)
{
    openReceipt3();
    typeAndLeave(desk->txtPersonnummer, u"191212121212"_s);
    app.click(desk->chkSmittskydd);
    EXPECT_FALSE(desk->txtPersonnummer.visible());
    dialogs.expectMessage(fieldchecks::text::IngetPersonnummer, ui::Answer::Yes);
    app.click(desk->cmdRegistrera);
    EXPECT_EQ(storedRecord(3),
              record({u"1", u"12345ABCD67", u"     ", u"00000003", u"F", u"            ", u" ",
                      u"      ", u"261203", u"0", u"0", u"02", u"1", u"A001", u"           ",
                      u"      ", u"00", u"200", u" 250", u"    ", u"     "}));
}

TEST_F(Register, AVoidingRecordCarriesTheVoidedNumber)
{
    writeNumberedVisits(12);
    before = visitFile();
    startDesk();
    app.click(desk->cmdNästa);
    ASSERT_EQ(desk->lblKvittoNr.caption().toStdString(), "13");
    app.chooseMenu(*desk->mnuNyReg[1]);
    ASSERT_TRUE(desk->txtMakulering.visible());
    typeAndLeave(desk->txtMakulering, u"12"_s);
    typeAndLeave(desk->txtPersonnummer, u"191212121212"_s);
    app.click(desk->cmdRegistrera);

    ASSERT_EQ(visitFile().size(), 13 * 95);
    EXPECT_EQ(visitFile().left(12 * 95), before) << "the voided receipt is never changed";
    EXPECT_EQ(storedRecord(13),
              record({u"2", u"12345ABCD67", u"     ", u"00000012", u"F", u"191212121212", u"P",
                      u"      ", u"261213", u"0", u"0", u"02", u"0", u"A001", u"           ",
                      u"      ", u"00", u"200", u" 250", u"    ", u"     "}));
}

TEST_F(Register, TwiceOnOneReceiptTheSecondReplacesTheFirst)
{
    openReceipt3();
    typeAndLeave(desk->txtPersonnummer, u"191212121212"_s);
    app.click(desk->cmdRegistrera);
    const QByteArray first = storedRecord(3);
    ASSERT_TRUE(app.type(desk->txtDiagnoskod, u"A09"_s));
    app.select(desk->lstTaxekod, 0);
    app.click(desk->cmdRegistrera);

    ASSERT_EQ(visitFile().size(), 3 * 95);
    EXPECT_EQ(visitFile().left(2 * 95), before);
    QByteArray expected = first;
    expected.replace(53, 2, "01");
    expected.replace(79, 3, "100");
    expected.replace(90, 5, "A09  ");
    EXPECT_EQ(storedRecord(3), expected);
}

TEST_F(Register, TheReceiptIsPrintedAfterTheVisitIsStored)
{
    openReceipt3();
    typeAndLeave(desk->txtPersonnummer, u"191212121212"_s);
    app.click(desk->chkKvitto);
    app.click(desk->cmdRegistrera);
    ASSERT_EQ(visitFile().size(), 3 * 95);
    ASSERT_EQ(printer.documents().size(), 1u);
    const auto& lines = printer.documents()[0].lines;
    EXPECT_EQ(printer.documents()[0].name.toStdString(), "Kvitto 3");
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[3].text.toStdString(), "Personnummer: 19121212-1212");
    EXPECT_EQ(lines[4].text.toStdString(), "Kvittonummer: 3");
    EXPECT_EQ(lines[5].text.toStdString(), "Besöksdatum:  261203");
    EXPECT_EQ(lines[6].text.toStdString(), "Patientavgift:200 Kr");
}

TEST_F(Register, AFailedPrintLeavesTheVisitStoredAndTheDeskUsable)
{
    openReceipt3();
    printer.outcome = {false, u"skrivaren är avstängd"_s, {}};
    typeAndLeave(desk->txtPersonnummer, u"191212121212"_s);
    app.click(desk->chkKvitto);
    app.click(desk->chkNypost);
    dialogs.expectMessage(u"OBS! Kvittot kunde inte skrivas ut: skrivaren är avstängd\n"
                            u"Besöket är sparat."_s);
    app.click(desk->cmdRegistrera);
    EXPECT_EQ(visitFile().size(), 3 * 95);
    EXPECT_EQ(desk->lblKvittoNr.caption().toStdString(), "4") << "the next receipt opens";
    EXPECT_EQ(screen.pointer, ui::Pointer::Default);
}

TEST_F(Register, AnEmptyVisitFileStartsWithReceipt1)
{
    startDesk();
    ASSERT_EQ(desk->lblKvittoNr.caption().toStdString(), "1");
    typeAndLeave(desk->txtPersonnummer, u"191212121212"_s);
    typeAndLeave(desk->txtBesöksDatum, u"261208"_s);
    app.click(desk->cmdRegistrera);
    ASSERT_EQ(visitFile().size(), 95);
    EXPECT_EQ(storedRecord(1).mid(17, 8), QByteArray("00000001"));
}
