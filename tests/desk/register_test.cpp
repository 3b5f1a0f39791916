// Registering a visit as the receptionist does it, and the bytes it leaves in PatBesök.Dat;
// "Ny post" and the records beyond the receipt registered (no stored visit may be shown empty or
// written over), and a save that fails, which leaves the file exactly as it was.

#include "desk/desk_scenario.h"

#include "data/fileresult.h"
#include "data/visitfile.h"
#include "support/filesizelimit.h"

#include <cerrno>

namespace {

using Register = DeskScenario;

TEST_F(Register, APersonnummerVisitWithEveryFieldFilled)
{
    openReceipt3();
    typeAndLeave(desk->txtPersonnummer, u"191212121212"_s);
    typeAndLeave(desk->txtBesöksDatum, u"261208"_s);
    typeAndLeave(desk->txtVikKomkod, u"1,234"_s); // a number in the Swedish way
    app.chooseMenu(*desk->mnuSkatt[1]);
    app.select(desk->lstTaxekod, 2); // "03", fee " 50"
    app.select(desk->lstÅtgärd, 1);  // "B002", amount " 500"
    typeAndLeave(desk->txtRemissFrån, u"12345678X01"_s);
    typeAndLeave(desk->txtRemissDatum, u"261101"_s);
    app.select(desk->lstRemissTill, 2);
    app.click(*desk->optBesök[1]);
    app.click(desk->chkAkutbesök);
    app.click(desk->chkEjBetPatAvg);
    ASSERT_TRUE(app.type(desk->txtDiagnoskod, u"J06"_s));
    app.click(desk->cmdRegistrera);

    ASSERT_EQ(visitFile().size(), 3 * 95);
    EXPECT_EQ(visitFile().left(2 * 95), before) << "receipts 1 and 2 untouched";
    EXPECT_EQ(storedRecord(3),
              record({u"1", u"12345ABCD67", u"1,234", u"00000003", u"A", u"191212121212", u"P",
                      u"      ", u"261208", u"1", u"1", u"03", u"0", u"B002", u"12345678X01",
                      u"261101", u"02", u" 50", u" 500", u"0000", u"J06  "}));
    // The desk stays on the visit just stored; the table holds what the file holds.
    visar({.kvitto = u"3"_s, .txtPersonnummer = u"191212121212"_s});
    EXPECT_EQ(desk->besök().upperBound(), 3);
    ASSERT_FALSE(screen.changes.empty());
    EXPECT_EQ(screen.changes.front(), ui::Pointer::Hourglass);
    EXPECT_EQ(screen.pointer, ui::Pointer::Default);
    EXPECT_TRUE(printer.documents().empty()) << "no receipt asked for";
}

// Enter checks the box it leaves first: a refusal registers nothing.
TEST_F(Register, EnterRegistersAfterCheckingTheBoxLeft)
{
    openReceipt3();
    ASSERT_TRUE(app.type(desk->txtPersonnummer, u"190001010008"_s));
    ASSERT_TRUE(app.type(desk->txtBesöksDatum, u"2612"_s));
    dialogs.expectMessage(u"OBS! För få tecken!"_s);
    app.pressEnter();
    EXPECT_EQ(visitFile(), before);
    visar({.fokus = &desk->txtBesöksDatum});

    ASSERT_TRUE(app.type(desk->txtBesöksDatum, u"261207"_s));
    app.pressEnter();
    ASSERT_EQ(visitFile().size(), 3 * 95);
    EXPECT_EQ(storedRecord(3).mid(26, 25), QByteArray("190001010008P      261207"));
}

// Without a personnummer the receptionist is asked first: No stores nothing and sends her to the
// personnummer; Yes stores an infection-control visit without identity, or a reserve-number visit.
TEST_F(Register, WithoutAPersonnummerTheQuestionComesFirst)
{
    openReceipt3();
    app.focusByUser(desk->txtDiagnoskod);
    dialogs.expectMessage(u"OBS! Du har ej skrivit in något personnummer!\n"
                          u"Vill Du fortsätta utan Personnummer?\""_s,
                          ui::Answer::No);
    app.click(desk->cmdRegistrera);
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].buttons, ui::Buttons::YesNo);
    EXPECT_EQ(dialogs.messages()[0].title, u"Vilmer 6.02"_s);
    EXPECT_EQ(visitFile(), before);
    visar({.fokus = &desk->txtPersonnummer});
    EXPECT_EQ(screen.pointer, ui::Pointer::Default);

    app.chooseMenu(*desk->mnuIdTyp[1]);
    typeAndLeave(desk->txtReservnummer, u"0050000000"_s);
    typeAndLeave(desk->txtFödelsedatum, u"500101"_s);
    dialogs.expectMessage(fieldchecks::text::IngetPersonnummer, ui::Answer::Yes);
    app.click(desk->cmdRegistrera);
    // The visit date is the previous receipt's, as the new receipt opened with it.
    EXPECT_EQ(storedRecord(3),
              record({u"1", u"12345ABCD67", u"     ", u"00000003", u"F", u"0050000000  ", u"R",
                      u"500101", u"261203", u"0", u"0", u"02", u"0", u"A001", u"           ",
                      u"      ", u"00", u"200", u" 250", u"    ", u"     "}));

    app.click(desk->chkSmittskydd);
    dialogs.expectMessage(fieldchecks::text::IngetPersonnummer, ui::Answer::Yes);
    app.click(desk->cmdRegistrera);
    EXPECT_EQ(storedRecord(3),
              record({u"1", u"12345ABCD67", u"     ", u"00000003", u"F", u"            ", u" ",
                      u"      ", u"261203", u"0", u"0", u"02", u"1", u"A001", u"           ",
                      u"      ", u"00", u"200", u" 250", u"    ", u"     "}));
}

TEST_F(Register, TwiceOnOneReceiptTheSecondReplacesTheFirstAndPrintsItsReceipt)
{
    openReceipt3();
    typeAndLeave(desk->txtPersonnummer, u"191212121212"_s);
    app.click(desk->cmdRegistrera);
    const QByteArray first = storedRecord(3);
    ASSERT_TRUE(app.type(desk->txtDiagnoskod, u"A09"_s));
    app.select(desk->lstTaxekod, 0);
    app.click(desk->chkKvitto);
    app.click(desk->cmdRegistrera);

    ASSERT_EQ(visitFile().size(), 3 * 95);
    EXPECT_EQ(visitFile().left(2 * 95), before);
    QByteArray expected = first;
    expected.replace(53, 2, "01").replace(79, 3, "100").replace(90, 5, "A09  ");
    EXPECT_EQ(storedRecord(3), expected);

    ASSERT_EQ(printer.documents().size(), 1u) << "a receipt only when asked for";
    EXPECT_EQ(printer.documents()[0].name, u"Kvitto 3"_s);
    QStringList lines;
    for (const auto& line : printer.documents()[0].lines)
        lines << line.text;
    ASSERT_EQ(lines.size(), 11);
    EXPECT_EQ(lines.mid(3, 4), (QStringList{u"Personnummer: 19121212-1212"_s, u"Kvittonummer: 3"_s,
                                            u"Besöksdatum:  261203"_s, u"Patientavgift:100 Kr"_s}));
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
    EXPECT_EQ(dialogs.messages().at(0).icon, ui::Icon::None);
    EXPECT_EQ(visitFile().size(), 3 * 95);
    visar({.kvitto = u"4"_s}); // the next receipt opens
    EXPECT_EQ(screen.pointer, ui::Pointer::Default);
}

// The record carries the receipt number it is stored under, by its value: the caption may read
// "05" or " 5" after "Gå till...", and the record still names receipt 5 as "00000005". Each
// receipt registered again is stored exactly as it was, and no other record changes.
TEST_F(Register, TheReceiptNumberIsStoredByItsValue)
{
    start(10);
    const QByteArray original = visitFile();
    for (const auto& [answer, receipt] : std::initializer_list<std::pair<const char16_t*, int>>{
             {u"7", 7}, {u"05", 5}, {u" 5", 5}, {u"000000005", 5}, {u"0010", 10}}) {
        SCOPED_TRACE(QString::fromUtf16(answer).toStdString());
        gåTill(u"1"_s);
        gåTill(QString::fromUtf16(answer));
        visar({.kvitto = QString::fromUtf16(answer)});
        app.pressEnter();
        EXPECT_EQ(visitFile(), original) << "receipt " << receipt << " stored as it was";
    }
}

// In voiding mode the record carries the voided receipt's number, by its value.
TEST_F(Register, AVoidingCarriesTheVoidedNumberByItsValue)
{
    start(10);
    const QByteArray original = visitFile();
    app.click(desk->cmdNästa);
    app.chooseMenu(*desk->mnuNyReg[1]);
    typeAndLeave(desk->txtPersonnummer, u"190001010008"_s);
    for (const auto& [typed, stored] : std::initializer_list<std::pair<const char16_t*, const char16_t*>>{
             {u"9", u"00000009"}, {u"0003", u"00000003"}, {u"000000010", u"00000010"}}) {
        ASSERT_TRUE(app.type(desk->txtMakulering, QString::fromUtf16(typed)));
        app.pressEnter();
        ASSERT_EQ(visitFile().size(), 11 * 95);
        EXPECT_EQ(visitFile().left(10 * 95), original);
        EXPECT_EQ(storedRecord(11),
                  record({u"2", u"12345ABCD67", u"     ", stored, u"F",
                          u"190001010008", u"P", u"      ", u"261211", u"0", u"0", u"02", u"0",
                          u"A001", u"           ", u"      ", u"00", u"200", u" 250", u"    ",
                          u"     "}));
    }
}

// --- Ny post ---

using NyPost = Register;

TEST_F(NyPost, OpensTheNextReceiptWhileTheTableEndsAtNAndTheDuplicateWarningWaitsForIt)
{
    start(120);
    const QByteArray original = visitFile();
    app.click(desk->cmdNästa);
    typeAndLeave(desk->txtPersonnummer, u"190001010008"_s);
    app.click(desk->chkNypost);
    app.click(desk->cmdRegistrera);

    ASSERT_EQ(visitFile().size(), 121 * 95);
    EXPECT_EQ(visitFile().left(120 * 95), original);
    EXPECT_EQ(desk->besök().upperBound(), 121) << "the table is what the file holds";
    // The new receipt starts with the defaults and the previous visit's date, and has no next.
    visar({.kvitto = u"122"_s, .txtPersonnummer = u""_s, .txtBesöksDatum = u"261209"_s});
    app.click(desk->cmdNästa);
    visar({.kvitto = u"122"_s});

    // Receipt 121 holds this personnummer on this date; but the desk is one beyond the table's
    // end, so nothing is compared.
    app.click(desk->chkDubletter);
    app.click(desk->chkNypost);
    typeAndLeave(desk->txtPersonnummer, u"190001010008"_s);
    app.click(desk->cmdRegistrera);
    ASSERT_EQ(visitFile().size(), 122 * 95);
    EXPECT_EQ(visitFile().left(120 * 95), original);
    EXPECT_EQ(storedRecord(122).mid(17, 22), QByteArray("00000122F190001010008P"));
    EXPECT_TRUE(dialogs.messages().empty());

    // Now the desk is on the table's last record: 121 and 122 itself match, one message each,
    // once on leaving the box and once more at registration; the visit is stored all the same.
    for (int i = 0; i < 4; ++i)
        dialogs.expectMessage(u"OBS! Detta Personnummer är redan registrerat detta daum!"_s);
    typeAndLeave(desk->txtPersonnummer, u"190001010008"_s);
    ASSERT_TRUE(app.type(desk->txtDiagnoskod, u"Z00"_s));
    app.click(desk->chkNypost);
    app.click(desk->cmdRegistrera);
    EXPECT_EQ(dialogs.messages().size(), 4u);
    EXPECT_EQ(storedRecord(122).mid(90, 5), QByteArray("Z00  "));

    // From the open receipt beyond the table, "Föregående" shows the last stored one.
    visar({.kvitto = u"123"_s});
    app.click(desk->cmdFöregående);
    visar({.kvitto = u"122"_s, .txtDiagnoskod = u"Z00"_s});
}

// Re-registering receipt k shortens the table to k; the file keeps the later visits, and "Ny post"
// opens the receipt after the file's last record, never one that holds a visit.
TEST_F(NyPost, AfterAnOlderReceiptOpensOneAfterTheLastRecordOfTheFile)
{
    start(120);
    const QByteArray original = visitFile();
    gåTill(u"3"_s);
    app.select(desk->lstÅtgärd, 2);
    app.click(desk->cmdRegistrera);
    ASSERT_EQ(visitFile().size(), 120 * 95);
    EXPECT_EQ(visitFile().mid(3 * 95), original.mid(3 * 95));
    EXPECT_EQ(field(storedRecord(3), VisitField::Åtgärd), QByteArray("C003"));
    EXPECT_EQ(desk->besök().upperBound(), 120) << "read back whole";
    visar({.kvitto = u"3"_s});

    ASSERT_TRUE(app.type(desk->txtDiagnoskod, u"B99"_s));
    app.click(desk->chkNypost);
    app.click(desk->cmdRegistrera);
    ASSERT_EQ(visitFile().size(), 120 * 95);
    EXPECT_EQ(visitFile().left(2 * 95), original.left(2 * 95));
    EXPECT_EQ(field(storedRecord(3), VisitField::Diagnoskod), QByteArray("B99  "));
    EXPECT_EQ(visitFile().mid(3 * 95), original.mid(3 * 95)) << "receipts 4 to 120 untouched";
    visar({.kvitto = u"121"_s, .txtBesöksDatum = u"261209"_s}); // the date of the file's last visit

    typeAndLeave(desk->txtPersonnummer, u"190001010008"_s);
    app.click(desk->chkNypost);
    app.click(desk->cmdRegistrera);
    ASSERT_EQ(visitFile().size(), 121 * 95);
    EXPECT_EQ(visitFile().mid(3 * 95, 117 * 95), original.mid(3 * 95)) << "receipts 4 to 120";
    EXPECT_EQ(storedRecord(121).mid(17, 22), QByteArray("00000121F190001010008P"));
}

TEST_F(NyPost, AFailedSaveStoresNothingPrintsNothingAndOpensNothing)
{
    start(3);
    const QByteArray original = visitFile();
    app.click(desk->cmdNästa);
    typeAndLeave(desk->txtPersonnummer, u"191212121212"_s);
    ASSERT_TRUE(app.type(desk->txtDiagnoskod, u"K35"_s));
    app.click(desk->chkKvitto);
    app.click(desk->chkNypost);
    {
        FileSizeLimit limit(3 * 95 + 10);
        ASSERT_TRUE(limit.ok());
        // What the file layer says about this fault, read from the layer itself.
        VisitTable four;
        ASSERT_TRUE(visitfile::HämtaBesöksFil(program.folder, four));
        four.resize(4);
        const FileResult direct = visitfile::SparaBesöksFil(program.folder, four);
        ASSERT_FALSE(direct.ok);
        EXPECT_TRUE(direct.error.contains(u"PatBesök.Dat"_s)) << direct.error.toStdString();
        EXPECT_TRUE(direct.error.contains(reasonFromErrno(EFBIG))) << direct.error.toStdString();
        dialogs.expectMessage(u"OBS! Besöket är inte registrerat!\n"_s + direct.error);
        app.click(desk->cmdRegistrera);
    }

    EXPECT_EQ(visitFile(), original) << "the previous file is byte-identical";
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 4)
        << "no temporary file left: " << QDir(dir.path()).entryList().join(u' ').toStdString();
    EXPECT_TRUE(printer.documents().empty());
    EXPECT_TRUE(printer.pending().empty());
    visar({.kvitto = u"4"_s}); // no new receipt opened
    EXPECT_EQ(desk->besök().upperBound(), 3) << "the table was read back";
    EXPECT_EQ(screen.pointer, ui::Pointer::Default);

    // The desk kept what was typed: once the fault is gone the same visit registers.
    visar({.txtDiagnoskod = u"K35"_s});
    app.click(desk->chkNypost);
    app.click(desk->chkKvitto);
    app.click(desk->cmdRegistrera);
    ASSERT_EQ(visitFile().size(), 4 * 95);
    EXPECT_EQ(visitFile().left(3 * 95), original);
    EXPECT_EQ(storedRecord(4).mid(17, 22), QByteArray("00000004F191212121212P"));
    EXPECT_EQ(storedRecord(4).mid(90, 5), QByteArray("K35  "));
}

} // namespace
