// The printer backend: twips through the printer's resolution, and a PDF beside the program
// when no printer is installed.

#include "ui/qt/qtprinter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using ui::qt::QtPrinter;

namespace {

// The text of a PDF, as pdftotext (poppler-utils) reads it.
QString pdfText(const QString& path)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty()) {
        ADD_FAILURE() << "pdftotext is needed (Debian package poppler-utils)";
        return {};
    }
    QProcess process;
    process.start(tool, {QStringLiteral("-layout"), path, QStringLiteral("-")});
    EXPECT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pdfPages(const QString& path)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
    if (tool.isEmpty())
        return -1;
    QProcess process;
    process.start(tool, {path});
    process.waitForFinished(30000);
    const QString info = QString::fromUtf8(process.readAllStandardOutput());
    for (const QString& line : info.split(u'\n'))
        if (line.startsWith(QLatin1String("Pages:")))
            return line.mid(6).trimmed().toInt();
    return -1;
}

class PrinterTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QtPrinter printer{dir.path(), QtPrinter::Target::Pdf};
};

TEST_F(PrinterTest, APageComesOutAsAPdfNamedAfterTheDocument)
{
    printer.beginDocument(QStringLiteral("Kvitto 123"));
    printer.setFontSize(14);
    printer.setFontBold(true);
    printer.setCurrentX(1440);
    printer.setCurrentY(1440);
    printer.printLine(QStringLiteral("Läkarvårdsräkning"));
    printer.setFontSize(10);
    printer.setFontBold(false);
    printer.setCurrentX(1440);
    printer.printLine(QStringLiteral("Patientavgift 100 kr"));
    const ui::PrintOutcome outcome = printer.endDocument();

    ASSERT_TRUE(outcome.ok) << outcome.error.toStdString();
    const QString expected = QDir(dir.path()).filePath(QStringLiteral("Utskrifter/Kvitto 123.pdf"));
    EXPECT_EQ(outcome.pdfPath, expected);
    ASSERT_TRUE(QFileInfo::exists(expected));
    const QString text = pdfText(expected);
    EXPECT_TRUE(text.contains(QStringLiteral("Läkarvårdsräkning"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Patientavgift 100 kr"))) << text.toStdString();
    EXPECT_EQ(pdfPages(expected), 1);
}

TEST_F(PrinterTest, ASecondPrintoutOfTheSameNameDoesNotOverwriteTheFirst)
{
    for (const char* line : {"Första", "Andra"}) {
        printer.beginDocument(QStringLiteral("Kvitto 7"));
        printer.printLine(QString::fromUtf8(line));
        ASSERT_TRUE(printer.endDocument().ok);
    }
    const QDir folder(QDir(dir.path()).filePath(QStringLiteral("Utskrifter")));
    EXPECT_TRUE(pdfText(folder.filePath(QStringLiteral("Kvitto 7.pdf"))).contains(QStringLiteral("Första")));
    EXPECT_TRUE(pdfText(folder.filePath(QStringLiteral("Kvitto 7 (2).pdf"))).contains(QStringLiteral("Andra")));
}

TEST_F(PrinterTest, NothingPrintedGivesNoPage)
{
    printer.beginDocument(QStringLiteral("Tom"));
    const ui::PrintOutcome outcome = printer.endDocument();
    EXPECT_TRUE(outcome.ok);
    EXPECT_TRUE(outcome.pdfPath.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(QDir(dir.path()).filePath(QStringLiteral("Utskrifter/Tom.pdf"))));
}

TEST_F(PrinterTest, PrintLineGoesToTheLeftEdgeOfTheNextLine)
{
    printer.beginDocument(QStringLiteral("Rader"));
    printer.setFontSize(10);
    printer.setCurrentX(2000);
    printer.setCurrentY(500);
    const int line10 = printer.lineHeight();
    printer.printLine(QStringLiteral("En"));
    EXPECT_EQ(printer.currentX(), 0);
    EXPECT_EQ(printer.currentY(), 500 + line10);
    // A 10 point line is a little more than 10 points (200 twips) high.
    EXPECT_GT(line10, 200);
    EXPECT_LT(line10, 320);
    printer.setFontSize(20);
    EXPECT_NEAR(printer.lineHeight(), 2 * line10, line10 / 5);
    printer.endDocument();
}

TEST_F(PrinterTest, WidthsAreTwipsOfTheCurrentFont)
{
    printer.beginDocument(QStringLiteral("Bredd"));
    // A printable width between a narrow A4 and a full Letter page: 6.5 to 8.5 inches.
    EXPECT_GT(printer.scaleWidth(), 9360);
    EXPECT_LT(printer.scaleWidth(), 12240);

    printer.setFontSize(10);
    const int plain = printer.textWidth(QStringLiteral("Samlingsräkning"));
    EXPECT_GT(plain, 1000);
    EXPECT_LT(plain, 2200);
    printer.setFontBold(true);
    EXPECT_GT(printer.textWidth(QStringLiteral("Samlingsräkning")), plain);
    printer.setFontBold(false);
    printer.setFontSize(20);
    EXPECT_NEAR(printer.textWidth(QStringLiteral("Samlingsräkning")), 2 * plain, plain / 10);
    EXPECT_EQ(printer.textWidth(QString()), 0);
    printer.endDocument();
}

TEST_F(PrinterTest, AFolderThatCannotBeMadeIsAFailureInSwedish)
{
    // A file where the folder should be.
    QFile blocker(QDir(dir.path()).filePath(QStringLiteral("Utskrifter")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    printer.beginDocument(QStringLiteral("Kvitto 1"));
    printer.printLine(QStringLiteral("Text"));
    const ui::PrintOutcome outcome = printer.endDocument();
    EXPECT_FALSE(outcome.ok);
    EXPECT_TRUE(outcome.error.contains(QStringLiteral("Utskrifter"))) << outcome.error.toStdString();
    EXPECT_TRUE(outcome.error.contains(QStringLiteral("kunde inte"))) << outcome.error.toStdString();
    EXPECT_TRUE(outcome.pdfPath.isEmpty());
}

TEST_F(PrinterTest, UnsafeCharactersInTheDocumentNameDoNotLeaveTheFolder)
{
    printer.beginDocument(QStringLiteral("../Kvitto 1/2"));
    printer.printLine(QStringLiteral("Text"));
    const ui::PrintOutcome outcome = printer.endDocument();
    ASSERT_TRUE(outcome.ok) << outcome.error.toStdString();
    EXPECT_EQ(QFileInfo(outcome.pdfPath).absolutePath(),
              QDir(dir.path()).filePath(QStringLiteral("Utskrifter")));
    EXPECT_TRUE(QFileInfo::exists(outcome.pdfPath));
}

} // namespace
