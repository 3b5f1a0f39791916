// The receipt page as the printer receives it: every line's position, font and text, printed by
// a registration with "Utskri&ft av kvitto" checked (printing takes everything from the desk as
// it stands).

#include "desk/desk_scenario.h"

namespace {

using Line = fakes::RecordingPrinter::PrintedLine;

std::string show(const Line& l)
{
    return QStringLiteral("%1,%2 %3pt%4%5 '%6'")
        .arg(l.x).arg(l.y).arg(l.size).arg(l.bold ? u" bold"_s : QString())
        .arg(l.underline ? u" underline"_s : QString(), l.text)
        .toStdString();
}

// Receipt 123 opened after 122 stored visits, with a personnummer and the visit date typed; the
// clinic's default tariff row gives the fee "200 Kr".
class ReceiptPage : public DeskScenario {
protected:
    void SetUp() override
    {
        DeskScenario::SetUp();
        start(122);
        app.click(desk->cmdNästa);
        ASSERT_EQ(kvitto(), u"123"_s);
        typeAndLeave(desk->txtPersonnummer, u"191212121212"_s);
        typeAndLeave(desk->txtBesöksDatum, u"261208"_s);
        app.click(desk->chkKvitto);
    }

    // "Registrera", from the diagnosis box (no check of its own): one page printed.
    std::vector<std::string> printOne()
    {
        const size_t printed = printer.documents().size();
        app.click(desk->cmdRegistrera);
        EXPECT_EQ(printer.documents().size(), printed + 1);
        EXPECT_TRUE(printer.pending().empty()) << "the page was not ended";
        std::vector<std::string> out;
        if (!printer.documents().empty())
            for (const Line& l : printer.documents().back().lines)
                out.push_back(show(l));
        return out;
    }
};

// The fake printer: a text is characters × size × 10 twips wide, the page 11520 wide. The title
// is measured in the printer's 10-point font: 17 × 100 = 1700, x = 5760 − 850 − 500; the centred
// lines at 12 points, x = 5760 − half their width.
TEST_F(ReceiptPage, EveryLineAtItsPlaceInItsFont)
{
    EXPECT_EQ(printOne(),
              (std::vector<std::string>{
                  "4410,500 16pt bold underline 'Läkarvårdsräkning'",
                  "4260,1500 12pt 'Doktor Test, Testkliniken'",
                  "3540,1800 12pt 'Storgatan 1, 123 45 Staden, 08-123456'",
                  "1000,3000 12pt 'Personnummer: 19121212-1212'",
                  "1000,3500 12pt 'Kvittonummer: 123'",
                  "1000,4000 12pt 'Besöksdatum:  261208'",
                  "1000,5000 14pt bold 'Patientavgift:200 Kr'",
                  "1000,6000 10pt 'Vårdgivarens sign:.........'",
                  "1000,6600 14pt bold '" + std::string(76, '_') + "'",
                  "1000,7000 10pt 'Intyg om behov av särskiltfärdsätt: O Taxi, O Enkel, O T.o.r. , O Egen bil'",
                  "1000,7500 10pt 'Läkarens Namnteckning:" + std::string(54, '.') + "'"}));
    EXPECT_EQ(printer.documents().front().name, u"Kvitto 123"_s);
    EXPECT_TRUE(dialogs.messages().empty());
}

// Every page starts in the printer's default font, whatever the last one was left in, so the
// title is always measured in 10 points (1700 wide); half a twip goes to the even one.
TEST_F(ReceiptPage, TitleIsMeasuredInTheDefaultFontAndRoundedHalfToEven)
{
    const struct {
        double sizeBefore;
        bool boldBefore;
        int width, expectedX;
    } cases[] = {
        {8.1, false, 11520, 4410}, // 5760 − 850 − 500
        {16, true, 11521, 4410},   // 5760.5 − 850 − 500 = 4410.5: to the even 4410
        {12, false, 11523, 4412},  // 5761.5 − 850 − 500 = 4411.5: to the even 4412
    };
    for (const auto& c : cases) {
        printer.setFontSize(c.sizeBefore);
        printer.setFontBold(c.boldBefore);
        printer.width = c.width;
        printOne();
        EXPECT_EQ(printer.documents().back().lines.front().x, c.expectedX) << c.sizeBefore;
    }
}

// A stored visit without personnummer and with a short visit date, shown again and registered
// once more: the page shows the desk's values as they stand.
TEST_F(DeskScenario, TheReceiptShowsTheDesksValuesAndTheSettingsTrimmed)
{
    SettingsRecord settings = clinicSettings();
    settings.setText(SettingsField::Namn, QString());
    settings.setText(SettingsField::Klinik, u"   Testkliniken"_s);
    settings.setText(SettingsField::Telefon, u" 08-1"_s);
    writeSettings(settings);
    start({visit(1), visit(2, QString(), u"2612"_s, u"03"_s)});
    gåTill(u"1"_s);
    gåTill(u"2"_s);
    visar({.txtPersonnummer = u""_s, .txtBesöksDatum = u"2612"_s, .lblPatientavgift = u" 50 Kr"_s});
    app.click(desk->chkKvitto);
    dialogs.expectMessage(fieldchecks::text::IngetPersonnummer, ui::Answer::Yes);
    app.click(desk->cmdRegistrera);

    ASSERT_EQ(printer.documents().size(), 1u);
    std::vector<std::string> lines;
    for (const Line& l : printer.documents()[0].lines)
        lines.push_back(show(l));
    ASSERT_EQ(lines.size(), 11u);
    // An empty name leaves the comma: 14 characters, 1680 wide; the address line 3840 wide.
    EXPECT_EQ(lines[1], "4920,1500 12pt ', Testkliniken'");
    EXPECT_EQ(lines[2], "3840,1800 12pt 'Storgatan 1, 123 45 Staden, 08-1'");
    EXPECT_EQ(lines[3], "1000,3000 12pt 'Personnummer: -'"); // without personnummer a lone hyphen
    EXPECT_EQ(lines[5], "1000,4000 12pt 'Besöksdatum:  2612'");
    EXPECT_EQ(lines[6], "1000,5000 14pt bold 'Patientavgift: 50 Kr'");
}

// However the desk came to receipt 5, the receipt and its document name say 5: the blanks and
// zeros of a typed answer stay on the desk's label.
TEST_F(DeskScenario, TheReceiptNamesItsNumberPlainly)
{
    start(5);
    app.click(desk->chkKvitto);
    for (const char16_t* answer : {u" 5", u"05", u"5\t", u"" /* "&Nästa  >>" from 4 */}) {
        const QString typed = QString::fromUtf16(answer);
        gåTill(u"4"_s);
        if (typed.isEmpty())
            app.click(desk->cmdNästa);
        else
            gåTill(typed);
        ASSERT_EQ(kvitto(), typed.isEmpty() ? u"5"_s : typed);
        app.click(desk->cmdRegistrera);
        ASSERT_FALSE(printer.documents().empty());
        const auto& page = printer.documents().back();
        EXPECT_EQ(page.name, u"Kvitto 5"_s) << typed.toStdString();
        ASSERT_EQ(page.lines.size(), 11u);
        EXPECT_EQ(show(page.lines[4]), "1000,3500 12pt 'Kvittonummer: 5'") << typed.toStdString();
    }
    EXPECT_EQ(printer.documents().size(), 4u);
}

TEST_F(ReceiptPage, NoPrinterTellsWhereThePdfWent)
{
    printer.outcome.pdfPath = dir.filePath(u"Utskrifter/Kvitto 123.pdf"_s);
    dialogs.expectMessage(u"Ingen skrivare är installerad. Kvittot har sparats som\n"_s
                          + printer.outcome.pdfPath);
    printOne();
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].icon, ui::Icon::Information);
    EXPECT_EQ(dialogs.messages()[0].buttons, ui::Buttons::Ok);
    EXPECT_EQ(dialogs.messages()[0].title, u"Vilmer 6.02"_s);
}

} // namespace
