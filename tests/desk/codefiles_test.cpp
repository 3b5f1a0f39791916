// The desk's readings of Taxa.txt and Åtgärd.txt: a file changed on disk is taken at the next
// display of a receipt, one that is unchanged keeps the table the desk has; fees that are not
// numbers are told once at start-up and used as they stand.

#include "desk/desk_scenario.h"

namespace {

using DeskCodeFiles = DeskScenario;

TEST_F(DeskCodeFiles, AChangedFileIsTakenAtTheNextDisplayAnUnchangedOneKeepsItsTable)
{
    const QString pnr = u"191212121212"_s, datum = u"261201"_s;
    start({visit(1), visit(2, pnr, datum, u"03"_s), visit(3), visit(4, pnr, datum, u"03"_s)});
    app.click(desk->cmdFöregående);
    visar({.kvitto = u"3"_s, .lstTaxekod = 0, .lblPatientavgift = u"100 Kr"_s});

    const QByteArray taxor = desk->taxor().fileBytes();
    const QByteArray åtgärder = desk->åtgärder().fileBytes();
    app.click(desk->cmdFöregående);
    visar({.kvitto = u"2"_s, .lstTaxekod = 2, .lblPatientavgift = u" 50 Kr"_s});
    EXPECT_TRUE(desk->taxor().fileBytes().isSharedWith(taxor)) << "the same bytes make no new table";
    EXPECT_TRUE(desk->åtgärder().fileBytes().isSharedWith(åtgärder));

    // The same length, one fee and one amount changed: only the bytes tell.
    QByteArray nyaTaxor = tariffBytes();
    nyaTaxor.replace(0, 5, "01120");
    QByteArray nyaÅtgärder = procedureBytes();
    nyaÅtgärder.replace(0, 8, "A001 260");
    writeFile(u"Taxa.txt"_s, nyaTaxor);
    writeFile(u"Åtgärd.txt"_s, nyaÅtgärder);
    app.click(desk->cmdFöregående);
    visar({.kvitto = u"1"_s, .lstTaxekod = 0, .lblPatientavgift = u"120 Kr"_s});
    EXPECT_EQ(desk->åtgärder().Åtgärdsbelopp.at(0), u" 260"_s);
    EXPECT_EQ(desk->lstTaxekod.listCount(), 5) << "the lists keep the codes of start-up";
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(DeskCodeFiles, FeesThatAreNoNumbersAreToldAtStartUpAndStoredAsTheyStand)
{
    writeFile(u"Taxa.txt"_s, QByteArrayLiteral("01100" "02ABC" "03-99" "04\x00\x01\x02" "1 150"));
    writeFile(u"Åtgärd.txt"_s, QByteArrayLiteral("A001 250" "B002-9.9" "C003 750"));
    const QString mapp = QDir::toNativeSeparators(dir.path());
    dialogs.expectMessage(u"OBS! Filen Taxa.txt i mappen "_s + mapp
                          + u" har patientavgifter som inte är tal: rad 2 (taxekod \"02\"), "
                            u"rad 3 (taxekod \"03\") och rad 4 (taxekod \"04\").\n"
                            u"Avgiften tas som den står i filen när taxekoden väljs. "
                            u"Rätta filen så att varje avgift är ett helt antal kronor."_s);
    dialogs.expectMessage(u"OBS! Filen Åtgärd.txt i mappen "_s + mapp
                          + u" har ett belopp som inte är ett tal: rad 2 (åtgärd \"B002\").\n"
                            u"Beloppet tas som det står i filen när åtgärden väljs. "
                            u"Rätta filen så att varje belopp är ett helt antal kronor."_s);
    openReceipt3();
    EXPECT_EQ(dialogs.messages().size(), 2u);
    EXPECT_EQ(desk->lstTaxekod.listCount(), 5);

    // Nothing is refused: the fee is shown and stored as the file has it, and no later reading
    // tells it again.
    typeAndLeave(desk->txtPersonnummer, u"191212121212"_s);
    typeAndLeave(desk->txtBesöksDatum, u"261208"_s);
    app.select(desk->lstTaxekod, 1);
    app.select(desk->lstÅtgärd, 1);
    visar({.lblPatientavgift = u"ABC Kr"_s});
    app.click(desk->cmdRegistrera);
    EXPECT_EQ(field(storedRecord(3), VisitField::Patientavgift), "ABC");
    EXPECT_EQ(field(storedRecord(3), VisitField::Åtgärdsbelopp), "-9.9");
    återaktivera();
    app.click(desk->cmdFöregående);
    EXPECT_EQ(dialogs.messages().size(), 2u);
}

} // namespace
