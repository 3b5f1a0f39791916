// The printer backend: twips through the printer's resolution, and a PDF beside the program
// when no printer is installed.

#include "qtfixture.h"
#include "ui/qt/qtprinter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

using ui::qt::QtPrinter;
using namespace Qt::Literals::StringLiterals;

namespace {

class PrinterTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QtPrinter printer{dir.path(), QtPrinter::Target::Pdf};
    QString printed(const QString& name) const { return QDir(dir.path()).filePath(u"Utskrifter/"_s + name); }
    ui::PrintOutcome print(const QString& document, const QString& line)
    {
        printer.beginDocument(document);
        if (!line.isNull())
            printer.printLine(line);
        return printer.endDocument();
    }
};

TEST_F(PrinterTest, APageComesOutAsAPdfNamedAfterTheDocumentNeverOverwritingOne)
{
    printer.beginDocument(u"Kvitto 7"_s);
    printer.setFontSize(14);
    printer.setFontBold(true);
    printer.setCurrentX(1440);
    printer.setCurrentY(1440);
    printer.printLine(u"Läkarvårdsräkning"_s);
    printer.setFontSize(10);
    printer.setFontBold(false);
    printer.printLine(u"Patientavgift 100 kr"_s);
    const ui::PrintOutcome outcome = printer.endDocument();
    ASSERT_TRUE(outcome.ok) << outcome.error.toStdString();
    EXPECT_EQ(outcome.pdfPath, printed(u"Kvitto 7.pdf"_s));
    const QString text = pdfText(outcome.pdfPath);
    EXPECT_TRUE(text.contains(u"Läkarvårdsräkning"_s) && text.contains(u"Patientavgift 100 kr"_s))
        << text.toStdString();

    ASSERT_TRUE(print(u"Kvitto 7"_s, u"Andra"_s).ok);
    EXPECT_TRUE(pdfText(printed(u"Kvitto 7.pdf"_s)).contains(u"Läkarvårdsräkning"_s));
    EXPECT_TRUE(pdfText(printed(u"Kvitto 7 (2).pdf"_s)).contains(u"Andra"_s));

    // A name that would leave the folder stays in it.
    const ui::PrintOutcome unsafe = print(u"../Kvitto 1/2"_s, u"Text"_s);
    ASSERT_TRUE(unsafe.ok) << unsafe.error.toStdString();
    EXPECT_EQ(QFileInfo(unsafe.pdfPath).absolutePath(), QDir(dir.path()).filePath(u"Utskrifter"_s));
    EXPECT_TRUE(QFileInfo::exists(unsafe.pdfPath));

    // Nothing printed gives no page and no file.
    const ui::PrintOutcome empty = print(u"Tom"_s, QString());
    EXPECT_TRUE(empty.ok && empty.pdfPath.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(printed(u"Tom.pdf"_s)));
}

// Lines and widths are twips of the current font: a 10 point line a little more than 200.
TEST_F(PrinterTest, LinesAndWidthsAreTwipsOfTheCurrentFont)
{
    printer.beginDocument(u"Rader"_s);
    EXPECT_GT(printer.scaleWidth(), 9360); // between a narrow A4 and a full Letter page
    EXPECT_LT(printer.scaleWidth(), 12240);
    printer.setFontSize(10);
    printer.setCurrentX(2000);
    printer.setCurrentY(500);
    const int line10 = printer.lineHeight();
    printer.printLine(u"En"_s);
    EXPECT_EQ(printer.currentX(), 0) << "a line ends at the left edge of the next";
    EXPECT_EQ(printer.currentY(), 500 + line10);
    EXPECT_GT(line10, 200);
    EXPECT_LT(line10, 320);

    const int plain = printer.textWidth(u"Samlingsräkning"_s);
    EXPECT_GT(plain, 1000);
    EXPECT_LT(plain, 2200);
    printer.setFontBold(true);
    EXPECT_GT(printer.textWidth(u"Samlingsräkning"_s), plain);
    printer.setFontBold(false);
    printer.setFontSize(20);
    EXPECT_NEAR(printer.lineHeight(), 2 * line10, line10 / 5);
    EXPECT_NEAR(printer.textWidth(u"Samlingsräkning"_s), 2 * plain, plain / 10);
    EXPECT_EQ(printer.textWidth(QString()), 0);
    printer.endDocument();
}

TEST_F(PrinterTest, AFolderThatCannotBeMadeIsAFailureInSwedish)
{
    QFile blocker(QDir(dir.path()).filePath(u"Utskrifter"_s)); // a file where the folder should be
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const ui::PrintOutcome outcome = print(u"Kvitto 1"_s, u"Text"_s);
    EXPECT_FALSE(outcome.ok);
    EXPECT_TRUE(outcome.error.contains(u"Utskrifter"_s) && outcome.error.contains(u"kunde inte"_s))
        << outcome.error.toStdString();
    EXPECT_TRUE(outcome.pdfPath.isEmpty());
}

} // namespace
