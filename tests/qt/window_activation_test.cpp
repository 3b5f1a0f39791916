// Which of Qt's window activations are the program's: only going from one of its windows to
// another. Returning from a message box or from another application is none.

#include "qtfixture.h"

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
// button does the same. (Each in a fresh program: showing a closed window again is not done here.)
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

TEST_F(WindowActivation, ClosingTheStartUpWindowEndsTheProgram)
{
    bool ended = false;
    app.onQuit = [&ended] { ended = true; };
    window->close();
    EXPECT_TRUE(ended);
    EXPECT_TRUE(app.hasQuit());
}

} // namespace
