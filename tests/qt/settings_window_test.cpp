// The settings window on real widgets, offscreen: opened from the desk's menu, its controls at
// their places.

#include "app/programwindows.h"
#include "qtfixture.h"

#include <QAction>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

using namespace Qt::Literals::StringLiterals;

namespace {

int px(int twips)
{
    return int(std::lround(twips / 15.0));
}

class QtSettings : public DeskFixture {
protected:
    std::unique_ptr<ProgramWindows> windows;
    std::unique_ptr<ui::qt::QtBackend> backend;

    void TearDown() override
    {
        backend.reset();
        windows.reset();
    }

    // The program started as main starts it, on the folder as it stands.
    void startProgram()
    {
        program.folder = QDir(dir.path());
        windows = std::make_unique<ProgramWindows>(app, program);
        backend = std::make_unique<ui::qt::QtBackend>(app);
        windows->start([this](frmKassa& desk) { backend->start(desk); });
        backend->sync();
    }
};

// Qt activates both windows as they come up; the settings window must stay the active one.
TEST_F(QtSettings, OnAFirstStartTheWindowComesUpOverTheDesk)
{
    writeFile(u"Taxa.txt"_s, tariffBytes());
    writeFile(u"Åtgärd.txt"_s, procedureBytes());
    startProgram();
    frmInställningar* f = windows->inställningar();
    ASSERT_NE(f, nullptr);
    ui::qt::FormWindow* window = backend->existingWindow(*f);
    ASSERT_NE(window, nullptr);
    QElapsedTimer timer;
    timer.start();
    while (!window->isActiveWindow() && timer.elapsed() < 1000)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    QApplication::processEvents();
    EXPECT_TRUE(window->isActiveWindow());
    EXPECT_EQ(app.activeForm(), f);
    EXPECT_TRUE(backend->existingWindow(windows->desk())->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), window->widgetOf(f->lstTaxekod));
}

TEST_F(QtSettings, OpensFromTheDeskMenuWithItsControlsInPlace)
{
    writeClinicFiles();
    startProgram();
    ASSERT_EQ(windows->inställningar(), nullptr);
    ui::qt::FormWindow* deskWindow = backend->existingWindow(windows->desk());
    ASSERT_TRUE(deskWindow && user::activate(deskWindow));

    deskWindow->actionOf(windows->desk().mnuInställningar)->trigger();
    frmInställningar* f = windows->inställningar();
    ASSERT_NE(f, nullptr);
    ui::qt::FormWindow* window = backend->existingWindow(*f);
    ASSERT_TRUE(window && window->isVisible());
    EXPECT_EQ(window->windowTitle(), u"Inställningar"_s);
    EXPECT_EQ(app.activeForm(), f);
    EXPECT_TRUE(deskWindow->isVisible()) << "the desk stays open beside it";

    const struct {
        const ui::Control& control;
        int left, top, width, height;
    } places[] = {
        {f->lstTaxekod, 4256, 470, 842, 645},
        {f->lstÅtgärd, 5793, 470, 842, 645},
        {*f->optYrke[1], 120, 800, 1415, 375},
        {f->txtKombikakod, 118, 3641, 1315, 279},
        {f->txtVikKomkod, 118, 4463, 724, 279},
        {f->txtKlinik, 5439, 1879, 2379, 279},
        {f->txtNamn, 5439, 2467, 2379, 279},
        {f->txtTelefon, 5439, 4228, 2379, 279},
        {f->cmdStäng, 6739, 4933, 1079, 367},
    };
    for (const auto& p : places) {
        QWidget* w = window->widgetOf(p.control);
        ASSERT_NE(w, nullptr) << p.control.name().toStdString();
        EXPECT_EQ(w->geometry(), QRect(px(p.left), px(p.top), px(p.width), px(p.height)))
            << p.control.name().toStdString();
    }
}

// At the real window: the desk starts on a stored receipt with codes of its own and Enter stores
// it unchanged; the settings window's new defaults, saved and closed, leave it so and come with
// "&Nästa  >>".
TEST_F(QtSettings, TheDeskShowsAStoredReceiptsOwnCodesAfterStartAndAfterTheSettings)
{
    writeClinicFiles();
    writeVisits({visit(1), visit(2), visitWithOwnCodes(3)});
    const std::string file = visitFile().toStdString();
    startProgram();
    frmKassa& desk = windows->desk();
    ui::qt::FormWindow* deskWindow = backend->existingWindow(desk);
    ASSERT_TRUE(deskWindow && user::activate(deskWindow));
    const auto shown = [&](const ui::Control& c) { return deskWindow->widgetOf(c); };
    // Tariff and procedure rows, referral row, A-Skatt, return visit, emergency, fee not paid.
    const auto codes = [&] {
        return QList<int>{qobject_cast<QListWidget*>(shown(desk.lstTaxekod))->currentRow(),
                          qobject_cast<QListWidget*>(shown(desk.lstÅtgärd))->currentRow(),
                          qobject_cast<QListWidget*>(shown(desk.lstRemissTill))->currentRow(),
                          deskWindow->actionOf(*desk.mnuSkatt[1])->isChecked(),
                          qobject_cast<QRadioButton*>(shown(*desk.optBesök[1]))->isChecked(),
                          qobject_cast<QCheckBox*>(shown(desk.chkAkutbesök))->isChecked(),
                          qobject_cast<QCheckBox*>(shown(desk.chkEjBetPatAvg))->isChecked()};
    };
    const QList<int> own{3, 2, 2, true, true, true, true};
    const auto enter = [&] {
        ASSERT_EQ(QApplication::focusWidget(), shown(desk.txtPersonnummer));
        screen.changes.clear();
        user::key(QApplication::focusWidget(), Qt::Key_Return);
        QApplication::processEvents();
        EXPECT_FALSE(screen.changes.empty()) << "Enter registered";
        EXPECT_EQ(visitFile().toStdString(), file);
    };
    EXPECT_EQ(codes(), own);
    enter();

    deskWindow->actionOf(desk.mnuInställningar)->trigger();
    frmInställningar* f = windows->inställningar();
    ASSERT_NE(f, nullptr);
    ui::qt::FormWindow* window = backend->existingWindow(*f);
    ASSERT_TRUE(window && user::activate(window));
    for (const auto& [list, row] : {std::pair{&f->lstTaxekod, 4}, std::pair{&f->lstÅtgärd, 1}}) {
        auto* w = qobject_cast<QListWidget*>(window->widgetOf(*list));
        user::press(w->viewport(), w->visualItemRect(w->item(row)).center());
    }
    for (ui::OptionButton* option : {f->optSkatt[1], f->optBesök[1]})
        qobject_cast<QRadioButton*>(window->widgetOf(*option))->click();
    qobject_cast<QPushButton*>(window->widgetOf(f->cmdSpara))->click();
    qobject_cast<QPushButton*>(window->widgetOf(f->cmdStäng))->click();
    ASSERT_TRUE(user::activate(deskWindow));
    ASSERT_EQ(program.Inställningar.index(SettingsField::TaxekodIndex), 4) << "the settings were saved";
    EXPECT_EQ(codes(), own);
    EXPECT_EQ(qobject_cast<QLineEdit*>(shown(desk.txtKombikakod))->text(), u"54321ZYXW98"_s);
    enter();

    qobject_cast<QPushButton*>(shown(desk.cmdNästa))->click();
    QApplication::processEvents();
    EXPECT_EQ(desk.lblKvittoNr.caption(), u"4"_s);
    EXPECT_EQ(codes(), (QList<int>{4, 1, 0, true, true, false, false}));
    EXPECT_EQ(qobject_cast<QLineEdit*>(shown(desk.txtKombikakod))->text(), u"12345ABCD67"_s);
    EXPECT_TRUE(dialogs.messages().empty());
}

} // namespace
