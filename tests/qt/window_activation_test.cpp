// Which of Qt's window activations are the program's: only going from one of its windows to
// another. Returning from a message box or from another application is none. A second window
// is shown, closed and shown again as often as the day needs.

#include "qtfixture.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

using namespace ui;
using namespace Qt::Literals::StringLiterals;

namespace {

class WindowActivation : public QtWindowTest {
protected:
    frmAndra andra{app};
    // The second window, shown from a menu choice of the first and activated by Qt.
    qt::FormWindow* openAndra()
    {
        form.onÖppna = [this] { app.show(andra); };
        window->actionOf(form.mnuÖppna)->trigger();
        qt::FormWindow* second = backend->existingWindow(andra);
        EXPECT_TRUE(second && user::activate(second));
        return second;
    }
    // Lets Qt deliver whatever it still has queued (activations of windows shown or hidden).
    static void settle()
    {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < 30)
            QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
};

TEST_F(WindowActivation, ReturningFromAMessageBoxIsNoActivation)
{
    ASSERT_EQ(form.activations, 1);
    QMessageBox box(QMessageBox::NoIcon, u"Vilmer 6.02"_s, u"OBS!"_s, QMessageBox::Ok, window);
    ASSERT_TRUE(user::activate(&box));
    box.hide();
    ASSERT_TRUE(user::activate(window));
    EXPECT_EQ(form.activations, 1);
    EXPECT_EQ(form.namnLosses, 0) << "the box's focus change is no move either";
    EXPECT_EQ(QApplication::focusWidget(), widget(form.txtNamn));
}

TEST_F(WindowActivation, GoingBetweenTheProgramsWindowsActivatesThem)
{
    qt::FormWindow* second = openAndra();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->windowTitle(), u"Andra fönstret"_s);
    EXPECT_EQ(app.activeForm(), &andra);
    EXPECT_EQ(andra.activations, 1) << "Qt's activation of the window just shown is not another";
    ASSERT_TRUE(user::activate(window));
    EXPECT_EQ(form.activations, 2);
    EXPECT_EQ(app.activeForm(), &form);
    ASSERT_TRUE(user::activate(second));
    EXPECT_EQ(andra.activations, 2);
}

// Its own button hides the second window and activates the first; the title bar's close
// button does the same.
class ClosingASecondWindow : public WindowActivation, public ::testing::WithParamInterface<bool> {};

TEST_P(ClosingASecondWindow, UnloadsItAndActivatesTheFirst)
{
    qt::FormWindow* second = openAndra();
    ASSERT_NE(second, nullptr);
    if (GetParam())
        qobject_cast<QPushButton*>(second->widgetOf(andra.cmdStäng))->click();
    else
        second->close();
    EXPECT_EQ(andra.unloads, 1);
    EXPECT_FALSE(second->isVisible());
    EXPECT_FALSE(app.isShown(andra));
    EXPECT_EQ(app.activeForm(), &form);
    EXPECT_EQ(form.activations, 2);
}

INSTANTIATE_TEST_SUITE_P(Window, ClosingASecondWindow, ::testing::Values(true, false),
                         [](const auto& info) { return std::string(info.param ? "ByItsButton" : "ByTheTitleBar"); });

// Shown from a menu or from code, closed by its button, its title bar or from code, and shown
// again, each at once or after Qt has caught up with the one before: each showing activates the window once and each closing the first
// window once, Qt follows, and nothing piles up (no widgets, no activations going back and forth
// after the last showing).
TEST_F(WindowActivation, ASecondWindowShownAndClosedFiftyTimes)
{
    form.onÖppna = [this] { app.show(andra); };
    qt::FormWindow* second = nullptr;
    qsizetype widgets = 0;
    for (int round = 1; round <= 50; ++round) {
        if (round % 2)
            window->actionOf(form.mnuÖppna)->trigger();
        else
            app.show(andra);
        if (round % 3 != 0)
            settle(); // every third round closes before Qt has shown the window
        if (!second)
            second = backend->existingWindow(andra);
        ASSERT_EQ(backend->existingWindow(andra), second) << "one Qt window, built at the first showing";
        EXPECT_TRUE(second->isVisible()) << round;
        EXPECT_EQ(andra.activations, round);
        switch (round % 3) {
        case 0: app.close(andra); break;
        case 1: qobject_cast<QPushButton*>(second->widgetOf(andra.cmdStäng))->click(); break;
        case 2: second->close(); break;
        }
        if (round % 4 != 0)
            settle(); // every fourth round shows it again before Qt has hidden it
        EXPECT_FALSE(second->isVisible()) << round;
        EXPECT_EQ(andra.activations, round) << "a closing or Qt catching up is no activation";
        EXPECT_EQ(form.activations, round + 1);
        EXPECT_EQ(andra.unloads, round);
        if (round == 1)
            widgets = QApplication::allWidgets().size();
        EXPECT_EQ(QApplication::allWidgets().size(), widgets) << round;
    }
    ASSERT_TRUE(user::activate(window));
    settle();
    EXPECT_EQ(form.activations, 51);
    EXPECT_EQ(andra.activations, 50);
    EXPECT_EQ(app.activeForm(), &form);
}

// The user comes to the other window with the mouse or the keyboard, even where no window
// manager has activated it first: that window is activated, once.
TEST_F(WindowActivation, TheMouseOrAKeyInTheOtherWindowActivatesIt)
{
    qt::FormWindow* second = openAndra();
    ASSERT_NE(second, nullptr);
    ASSERT_EQ(andra.activations, 1);
    user::press(widget(form.txtKod));
    EXPECT_EQ(app.activeForm(), &form);
    EXPECT_EQ(form.activations, 2);
    EXPECT_EQ(form.focused(), &form.txtKod) << "the click goes on into the box";
    settle();
    EXPECT_EQ(form.activations, 2);
    EXPECT_EQ(andra.activations, 1);

    user::key(second->widgetOf(andra.txtAnnat), Qt::Key_A, Qt::NoModifier, u"a"_s);
    EXPECT_EQ(app.activeForm(), &andra);
    EXPECT_EQ(andra.activations, 2);
    EXPECT_EQ(andra.txtAnnat.text(), u"a"_s);
    settle();
    EXPECT_EQ(andra.activations, 2);
    EXPECT_EQ(form.activations, 2);
}

TEST_F(WindowActivation, ReturningFromAnotherApplicationIsNoActivation)
{
    qt::FormWindow* second = openAndra();
    ASSERT_NE(second, nullptr);
    QWidget elsewhere; // a window of another application, as far as the program can tell
    elsewhere.setWindowTitle(u"Annat program"_s);
    ASSERT_TRUE(user::activate(&elsewhere));
    ASSERT_TRUE(user::activate(second));
    EXPECT_EQ(andra.activations, 1);
    EXPECT_EQ(form.activations, 1);
    // Away from the second window, back to the first: the window the user comes to.
    ASSERT_TRUE(user::activate(&elsewhere));
    ASSERT_TRUE(user::activate(window));
    EXPECT_EQ(form.activations, 2);
    EXPECT_EQ(andra.activations, 1);
}

TEST_F(WindowActivation, ClosingTheStartUpWindowEndsTheProgram)
{
    bool ended = false;
    app.onQuit = [&ended] { ended = true; };
    window->close();
    EXPECT_TRUE(ended);
    EXPECT_TRUE(app.hasQuit());
}

} // namespace
