// The collective-invoice window on real widgets, offscreen: opened from the desk's menu beside
// the desk, the totals of a range with a voided receipt inside shown in its labels, and the same
// figures on the page the printer backend writes as a PDF.

#include "app/programwindows.h"
#include "qtfixture.h"
#include "ui/qt/qtprinter.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

namespace {

class QtInvoice : public DeskFixture {
protected:
    ui::qt::QtPrinter pdfPrinter{dir.path(), ui::qt::QtPrinter::Target::Pdf};
    ui::Application pdfApp{dialogs, pdfPrinter, clock, screen};
    std::unique_ptr<ProgramWindows> windows;
    std::unique_ptr<ui::qt::QtBackend> backend;

    // Receipts 1 ("01", "A001": 100 + 150) and 2 ("02", "B002": 200 + 300), 3 voiding 2.
    void SetUp() override
    {
        writeClinicFiles();
        VisitRecord makulering = visit(2, u"191212121212"_s, u"261201"_s, u"02"_s, u"B002"_s);
        makulering.setText(VisitField::Registreringstyp, u"2"_s);
        writeVisits({visit(1), visit(2, u"191212121212"_s, u"261201"_s, u"02"_s, u"B002"_s),
                     makulering});
        program.folder = QDir(dir.path());
        windows = std::make_unique<ProgramWindows>(pdfApp, program);
        backend = std::make_unique<ui::qt::QtBackend>(pdfApp);
        backend->start(windows->desk());
    }
    void TearDown() override
    {
        backend.reset();
        windows.reset();
    }
};

TEST_F(QtInvoice, OpensBesideTheDeskShowsAndPrintsTheTotals)
{
    ui::qt::FormWindow* deskWindow = backend->existingWindow(windows->desk());
    ASSERT_TRUE(deskWindow && user::activate(deskWindow));
    deskWindow->actionOf(windows->desk().mnuSamlingsräkning)->trigger();
    frmSamlingsräkning* f = windows->samlingsräkning();
    ASSERT_NE(f, nullptr);
    ui::qt::FormWindow* window = backend->existingWindow(*f);
    ASSERT_TRUE(window && window->isVisible());
    EXPECT_EQ(window->windowTitle(), u"Samlingsräkning"_s);
    EXPECT_TRUE(deskWindow->isVisible()) << "the desk stays open beside it";
    EXPECT_FALSE(window->isModal());
    ASSERT_TRUE(user::activate(window));

    const std::vector<const ui::Control*> controls{
        &f->txtFrom, &f->txtTom, &f->cmdRäkna, &f->cmdSkrivUt, &f->cmdAvbryt, &f->lblSummaErsättning};
    for (const ui::Control* c : controls)
        EXPECT_TRUE(window->widgetOf(*c) && window->widgetOf(*c)->isVisible())
            << c->name().toStdString();
    EXPECT_EQ(qobject_cast<QPushButton*>(window->widgetOf(f->cmdSkrivUt))->text(),
              u"Skriv ut på skrivare"_s);

    // The results in sunken boxes, numbers at the right; the captions on light grey.
    const auto* summa = qobject_cast<QLabel*>(window->widgetOf(f->lblSummaErsättning));
    const auto* rubrik = qobject_cast<QLabel*>(window->widgetOf(f->Label5));
    ASSERT_TRUE(summa && rubrik);
    EXPECT_TRUE(summa->alignment() & Qt::AlignRight);
    EXPECT_EQ(summa->frameShadow(), QFrame::Sunken);
    EXPECT_TRUE(rubrik->alignment() & Qt::AlignRight);
    EXPECT_EQ(rubrik->palette().color(QPalette::Window), QColor(192, 192, 192));
    EXPECT_EQ(qobject_cast<QLabel*>(window->widgetOf(f->Label1))->frameShape(), QFrame::NoFrame);

    user::type(window->widgetOf(f->txtFrom), u"1"_s);
    user::tab(window->widgetOf(f->txtFrom));
    user::type(window->widgetOf(f->txtTom), u"3"_s);
    user::press(window->widgetOf(f->cmdRäkna));
    QStringList shown;
    for (const ui::Label* l : {&f->lblAntalBeh, &f->lblFrikort, &f->lblPatAvgifter,
                               &f->lblBehAvgifter, &f->lblSummaErsättning})
        shown.append(qobject_cast<QLabel*>(window->widgetOf(*l))->text());
    EXPECT_EQ(shown, (QStringList{u"1"_s, u""_s, u"100"_s, u"150"_s, u"250"_s}));

    // Printed twice: the second PDF takes a name of its own beside the first.
    const QString first = dir.filePath(u"Utskrifter/Samlingsräkning 1-3.pdf"_s);
    const QString second = dir.filePath(u"Utskrifter/Samlingsräkning 1-3 (2).pdf"_s);
    const QString sparad = u"Ingen skrivare är installerad. Samlingsräkningen har sparats som\n"_s;
    dialogs.expectMessage(sparad + first);
    user::press(window->widgetOf(f->cmdSkrivUt));
    dialogs.expectMessage(sparad + second);
    user::press(window->widgetOf(f->cmdSkrivUt));
    ASSERT_TRUE(QFileInfo::exists(first) && QFileInfo::exists(second));

    const QString text = pdfText(first).simplified();
    qsizetype at = 0;
    for (const QString& line :
         {u"Samlingsräkning"_s, u"Utskriftsdatum: 2026-12-08"_s,
          u"Kvitto nr fr.o.m : 1 T.o.m. : 3"_s,
          u"Antal behandlingar: 1 st"_s, u"Antal besök med frikort:st"_s,
          u"Summa patientavgifter: 100 Kr"_s, u"Summa behandlingsavgifter: 150 Kr"_s,
          u"Summa patient- och behandlingsavg. : 250 Kr"_s}) {
        const qsizetype found = text.indexOf(line, at);
        EXPECT_GE(found, 0) << line.toStdString() << "\n--- after position " << at << " in ---\n"
                            << text.toStdString();
        if (found >= 0)
            at = found + 1;
    }
}

} // namespace
