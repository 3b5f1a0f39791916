// A visit registered at the desk with "Utskrift av kvitto" on a machine without a printer: the
// record reaches the visit file and the receipt page comes out as a PDF that holds its lines.

#include "support/deskfixture.h"
#include "ui/qt/qtprinter.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace {

QString s(const char16_t* text) { return QString::fromUtf16(text); }

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

// The desk fixture's clinic, but with the real printer backend writing PDF files.
class ReceiptPdf : public DeskFixture {
protected:
    ui::qt::QtPrinter pdfPrinter{dir.path(), ui::qt::QtPrinter::Target::Pdf};
    ui::Application pdfApp{dialogs, pdfPrinter, clock, screen};
};

} // namespace

TEST_F(ReceiptPdf, ARegisteredVisitPrintsItsReceipt)
{
    writeClinicFiles();
    writeNumberedVisits(122);
    program.folder = QDir(dir.path());
    desk = std::make_unique<frmKassa>(pdfApp, program);
    pdfApp.start(*desk);
    ASSERT_FALSE(desk->startFailed());
    pdfApp.click(desk->cmdNästa);
    ASSERT_EQ(desk->lblKvittoNr.caption().toStdString(), "123");

    ASSERT_TRUE(pdfApp.type(desk->txtPersonnummer, s(u"191212121212")));
    pdfApp.tab();
    ASSERT_TRUE(pdfApp.type(desk->txtBesöksDatum, s(u"261208")));
    pdfApp.click(desk->chkKvitto);
    const QString pdf = QDir(dir.path()).filePath(s(u"Utskrifter/Kvitto 123.pdf"));
    dialogs.expectMessage(s(u"Ingen skrivare är installerad. Kvittot har sparats som\n") + pdf);
    pdfApp.click(desk->cmdRegistrera);

    ASSERT_EQ(visitFile().size(), 123 * 95);
    EXPECT_EQ(storedRecord(123).mid(17, 34),
              QByteArray("00000123F191212121212P      261208"));
    ASSERT_TRUE(QFileInfo::exists(pdf));
    const QString text = pdfText(pdf);
    for (const QString& line :
         {s(u"Läkarvårdsräkning"), s(u"Doktor Test, Testkliniken"),
          s(u"Storgatan 1, 123 45 Staden, 08-123456"), s(u"Personnummer: 19121212-1212"),
          s(u"Kvittonummer: 123"), s(u"Besöksdatum:  261208"), s(u"Patientavgift:200 Kr"),
          s(u"Vårdgivarens sign:........."), QString(76, QLatin1Char('_')),
          s(u"Intyg om behov av särskiltfärdsätt: O Taxi, O Enkel, O T.o.r. , O Egen bil"),
          s(u"Läkarens Namnteckning:") + QString(54, QLatin1Char('.'))})
        // Text extraction guesses the width of a gap, so runs of blanks are compared as one.
        EXPECT_TRUE(text.simplified().contains(line.simplified()))
            << line.toStdString() << "\n--- in ---\n" << text.toStdString();
    // Top to bottom in the order printed.
    EXPECT_LT(text.indexOf(s(u"Läkarvårdsräkning")), text.indexOf(s(u"Doktor Test")));
    EXPECT_LT(text.indexOf(s(u"Kvittonummer: 123")), text.indexOf(s(u"Patientavgift:")));
    EXPECT_LT(text.indexOf(s(u"Patientavgift:")), text.indexOf(s(u"Läkarens Namnteckning:")));
}
