// The settings window on real widgets, offscreen: opened from the desk's menu, its controls at
// their places.

#include "app/programwindows.h"
#include "qtfixture.h"

#include <QAction>
#include <QElapsedTimer>

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

} // namespace
