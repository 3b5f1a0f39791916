// The receipt page as the printer receives it: every line's position, font and text, from a
// desk whose fields are set directly (printing takes everything from the desk as it stands).

#include "support/deskfixture.h"

#include <string>

using namespace Qt::StringLiterals;

namespace {


using Line = fakes::RecordingPrinter::PrintedLine;

void expectLine(const Line& got, int x, int y, double size, bool bold, bool underline,
                const QString& text)
{
    EXPECT_EQ(got.text.toStdString(), text.toStdString());
    EXPECT_EQ(got.x, x) << text.toStdString();
    EXPECT_EQ(got.y, y) << text.toStdString();
    EXPECT_EQ(got.size, size) << text.toStdString();
    EXPECT_EQ(got.bold, bold) << text.toStdString();
    EXPECT_EQ(got.underline, underline) << text.toStdString();
}

class ReceiptPage : public DeskFixture {
protected:
    void SetUp() override
    {
        writeClinicFiles();
        program.folder = QDir(dir.path());
        program.Inställningar = clinicSettings();
        desk = std::make_unique<frmKassa>(app, program);
        // A table that holds the receipt, so that showing it has something to show.
        desk->besök().resize(123);
        desk->lblKvittoNr.setCaption(u"123"_s);
        desk->txtPersonnummer.setText(u"191212121212"_s);
        desk->txtBesöksDatum.setText(u"261208"_s);
        desk->lblPatientavgift.setCaption(u"200 Kr"_s);
    }

    const std::vector<Line>& printOne()
    {
        desk->SkrivUtKvitto();
        EXPECT_EQ(printer.documents().size(), 1u);
        EXPECT_TRUE(printer.pending().empty()) << "the page was not ended";
        static const std::vector<Line> none;
        return printer.documents().empty() ? none : printer.documents().back().lines;
    }
};

} // namespace

TEST_F(ReceiptPage, EveryLineAtItsPlaceInItsFont)
{
    const std::vector<Line>& lines = printOne();
    ASSERT_EQ(printer.documents().size(), 1u);
    EXPECT_EQ(printer.documents().front().name.toStdString(), "Kvitto 123");
    ASSERT_EQ(lines.size(), 11u);

    // The fake printer: a text is characters × size × 10 twips wide, the page 11520 wide.
    // Title measured in the printer's 10-point font: 17 × 100 = 1700, half 850;
    // x = 5760 − 850 − 500.
    expectLine(lines[0], 4410, 500, 16, true, true, u"Läkarvårdsräkning"_s);
    // 25 characters at 12 points: 3000 wide, x = 5760 − 1500.
    expectLine(lines[1], 4260, 1500, 12, false, false, u"Doktor Test, Testkliniken"_s);
    // 37 characters: 4440 wide, x = 5760 − 2220.
    expectLine(lines[2], 3540, 1800, 12, false, false,
               u"Storgatan 1, 123 45 Staden, 08-123456"_s);
    expectLine(lines[3], 1000, 3000, 12, false, false, u"Personnummer: 19121212-1212"_s);
    expectLine(lines[4], 1000, 3500, 12, false, false, u"Kvittonummer: 123"_s);
    expectLine(lines[5], 1000, 4000, 12, false, false, u"Besöksdatum:  261208"_s);
    expectLine(lines[6], 1000, 5000, 14, true, false, u"Patientavgift:200 Kr"_s);
    expectLine(lines[7], 1000, 6000, 10, false, false, u"Vårdgivarens sign:........."_s);
    expectLine(lines[8], 1000, 6600, 14, true, false, QString(76, QLatin1Char('_')));
    expectLine(lines[9], 1000, 7000, 10, false, false,
               u"Intyg om behov av särskiltfärdsätt: O Taxi, O Enkel, O T.o.r. , O Egen bil"_s);
    expectLine(lines[10], 1000, 7500, 10, false, false,
               u"Läkarens Namnteckning:"
                 u"......................................................"_s);
    EXPECT_EQ(lines[10].text.count(QLatin1Char('.')), 54);
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(ReceiptPage, TitleIsMeasuredInTheFontLeftBeforeItAndRoundedHalfToEven)
{
    const QString title = u"Läkarvårdsräkning"_s;
    struct Case {
        double sizeBefore;
        bool boldBefore;
        int width;
        int expectedWidth; // of the title in that font
        int expectedX;
    };
    const Case cases[] = {
        // 1377 / 2 = 688.5: to the even 688; 5760 − 688 − 500.
        {8.1, false, 11520, 1377, 4572},
        // 1411 / 2 = 705.5: to the even 706; 5760 − 706 − 500.
        {8.3, true, 11520, 1411, 4554},
        // 2040 / 2 = 1020; an odd page: 5761.5 − 1020 − 500 = 4241.5, to the even 4242.
        {12, false, 11523, 2040, 4242},
    };
    for (const Case& c : cases) {
        printer.setFontSize(c.sizeBefore);
        printer.setFontBold(c.boldBefore);
        printer.width = c.width;
        ASSERT_EQ(printer.textWidth(title), c.expectedWidth) << c.sizeBefore;
        desk->SkrivUtKvitto();
        const Line& first = printer.documents().back().lines.front();
        EXPECT_EQ(first.x, c.expectedX) << c.sizeBefore;
        EXPECT_EQ(first.size, 16);
    }
}

TEST_F(ReceiptPage, ASecondPageMeasuresItsTitleInTheFontTheFirstLeft)
{
    printer.setFontSize(8.1);
    desk->SkrivUtKvitto();
    desk->SkrivUtKvitto();
    ASSERT_EQ(printer.documents().size(), 2u);
    EXPECT_EQ(printer.documents()[0].lines[0].x, 4572);
    // The first page ends in the 10-point regular font: 1700 wide again, x = 4410.
    EXPECT_EQ(printer.documents()[1].lines[0].x, 4410);
}

TEST_F(ReceiptPage, WithoutPersonnummerALoneHyphen)
{
    desk->txtPersonnummer.setText(QString());
    const std::vector<Line>& lines = printOne();
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[3].text.toStdString(), "Personnummer: -");
}

TEST_F(ReceiptPage, ValuesAsTheDeskShowsThem)
{
    desk->lblPatientavgift.setCaption(u" 50 Kr"_s);
    desk->txtBesöksDatum.setText(u"2612"_s);
    const std::vector<Line>& lines = printOne();
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[5].text.toStdString(), "Besöksdatum:  2612");
    EXPECT_EQ(lines[6].text.toStdString(), "Patientavgift: 50 Kr");
}

TEST_F(ReceiptPage, SettingsAreTrimmedAndAnEmptyNameLeavesTheComma)
{
    program.Inställningar.setText(SettingsField::Namn, QString());
    program.Inställningar.setText(SettingsField::Klinik, u"   Testkliniken"_s);
    program.Inställningar.setText(SettingsField::Telefon, u" 08-1"_s);
    const std::vector<Line>& lines = printOne();
    ASSERT_EQ(lines.size(), 11u);
    // ", Testkliniken": 14 characters, 1680 wide, x = 5760 − 840.
    expectLine(lines[1], 4920, 1500, 12, false, false, u", Testkliniken"_s);
    // 32 characters: 3840 wide, x = 5760 − 1920.
    expectLine(lines[2], 3840, 1800, 12, false, false, u"Storgatan 1, 123 45 Staden, 08-1"_s);
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
    EXPECT_EQ(dialogs.messages()[0].title.toStdString(), "Vilmer 6.02");
}

TEST_F(ReceiptPage, AFailedPrintIsTold)
{
    printer.outcome.ok = false;
    printer.outcome.error = u"skrivaren svarar inte"_s;
    dialogs.expectMessage(u"OBS! Kvittot kunde inte skrivas ut: skrivaren svarar inte\n"
                            u"Besöket är sparat."_s);
    printOne();
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].icon, ui::Icon::None);
}
