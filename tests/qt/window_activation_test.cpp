// Which of Qt's window activations are the program's: only going from one of its windows to
// another. Returning from a message box or from another application is none.

#include "qtfixture.h"

#include <QMessageBox>
#include <QPushButton>

using namespace ui;

namespace {

class WindowActivation : public QtWindowTest {
protected:
    frmAndra andra{app};
    qt::FormWindow* openAndra()
    {
        form.onÖppna = [this] { app.show(andra); };
        window->actionOf(form.mnuÖppna)->trigger();
        return backend->existingWindow(andra);
    }
};

TEST_F(WindowActivation, ReturningFromAMessageBoxIsNoActivation)
{
    ASSERT_EQ(form.activations, 1);
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Vilmer 6.02"), QStringLiteral("OBS!"),
                    QMessageBox::Ok, window);
    ASSERT_TRUE(user::activate(&box));
    box.hide();
    ASSERT_TRUE(user::activate(window));
    EXPECT_EQ(form.activations, 1);
    EXPECT_EQ(form.namnLosses, 0) << "the box's focus change is no move either";
    EXPECT_EQ(QApplication::focusWidget(), widget(form.txtNamn));
}

TEST_F(WindowActivation, ASecondWindowShownByAMenuAppearsAndIsActivated)
{
    qt::FormWindow* second = openAndra();
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(second->isVisible());
    EXPECT_EQ(second->windowTitle(), QStringLiteral("Andra fönstret"));
    EXPECT_EQ(app.activeForm(), &andra);
    EXPECT_EQ(andra.activations, 1);
    ASSERT_TRUE(user::activate(second));
    EXPECT_EQ(andra.activations, 1) << "Qt's activation of the window just shown is not another";
}

TEST_F(WindowActivation, GoingBetweenTheProgramsWindowsActivatesThem)
{
    qt::FormWindow* second = openAndra();
    ASSERT_TRUE(user::activate(second));
    ASSERT_TRUE(user::activate(window));
    EXPECT_EQ(form.activations, 2);
    EXPECT_EQ(app.activeForm(), &form);
    ASSERT_TRUE(user::activate(second));
    EXPECT_EQ(andra.activations, 2);
}

TEST_F(WindowActivation, ClosingASecondWindowFromItsButtonHidesItAndActivatesTheFirst)
{
    qt::FormWindow* second = openAndra();
    ASSERT_TRUE(user::activate(second));
    qobject_cast<QPushButton*>(second->widgetOf(andra.cmdStäng))->click();
    EXPECT_EQ(andra.unloads, 1);
    EXPECT_FALSE(second->isVisible());
    EXPECT_EQ(app.activeForm(), &form);
    EXPECT_EQ(form.activations, 2);
}

TEST_F(WindowActivation, ClosingASecondWindowByItsTitleBarUnloadsIt)
{
    qt::FormWindow* second = openAndra();
    ASSERT_TRUE(user::activate(second));
    second->close();
    EXPECT_EQ(andra.unloads, 1);
    EXPECT_FALSE(app.isShown(andra));
    EXPECT_FALSE(second->isVisible());
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
