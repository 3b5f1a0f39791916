// A visit registered at the desk with "Utskrift av kvitto" on a machine without a printer: the
// record reaches the visit file and the receipt page comes out as a PDF that holds its lines.

#include "qtfixture.h"
#include "ui/qt/qtprinter.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace {

// The desk fixture's clinic, but with the real printer backend writing PDF files.
class ReceiptPdf : public DeskFixture {
protected:
    ui::qt::QtPrinter pdfPrinter{dir.path(), ui::qt::QtPrinter::Target::Pdf};
    ui::Application pdfApp{dialogs, pdfPrinter, clock, screen};
};

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
    ASSERT_TRUE(pdfApp.type(desk->txtPersonnummer, u"191212121212"_s));
    pdfApp.tab();
    ASSERT_TRUE(pdfApp.type(desk->txtBesöksDatum, u"261208"_s));
    pdfApp.click(desk->chkKvitto);
    const QString pdf = QDir(dir.path()).filePath(u"Utskrifter/Kvitto 123.pdf"_s);
    dialogs.expectMessage(u"Ingen skrivare är installerad. Kvittot har sparats som\n"_s + pdf);
    pdfApp.click(desk->cmdRegistrera);

    ASSERT_EQ(visitFile().size(), 123 * 95);
    EXPECT_EQ(storedRecord(123).mid(17, 34), QByteArray("00000123F191212121212P      261208"));
    ASSERT_TRUE(QFileInfo::exists(pdf));
    // Text extraction guesses the width of a gap, so runs of blanks are compared as one; the
    // lines must come top to bottom in the order printed.
    const QString text = pdfText(pdf).simplified();
    qsizetype at = 0;
    for (const QString& line :
         {u"Läkarvårdsräkning"_s, u"Doktor Test, Testkliniken"_s, u"Storgatan 1, 123 45 Staden, 08-123456"_s,
          u"Personnummer: 19121212-1212"_s, u"Kvittonummer: 123"_s, u"Besöksdatum: 261208"_s,
          u"Patientavgift:200 Kr"_s, u"Vårdgivarens sign:........."_s, QString(76, u'_'),
          u"Intyg om behov av särskiltfärdsätt: O Taxi, O Enkel, O T.o.r. , O Egen bil"_s,
          u"Läkarens Namnteckning:"_s + QString(54, u'.')}) {
        const qsizetype found = text.indexOf(line.simplified(), at);
        EXPECT_GE(found, 0) << line.toStdString() << "\n--- after position " << at << " in ---\n"
                            << text.toStdString();
        if (found >= 0)
            at = found + 1;
    }
}

} // namespace
