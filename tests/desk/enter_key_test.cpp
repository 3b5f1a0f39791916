// Enter on the desk: a focused command button takes it, every other control gives it to
// "Registrera", which must not store a shown receipt again.

#include "desk/desk_scenario.h"

namespace {

class DeskEnter : public DeskScenario {
protected:
    // Tab round the desk to `target`, as the receptionist would.
    void tabTo(const ui::Control& target)
    {
        for (int i = 0; i < 30 && desk->focused() != &target; ++i)
            app.keyDown(tangent::Tab);
        ASSERT_EQ(desk->focused(), &target);
    }
};

struct FocusedButton {
    const char* name;
    const char16_t* button;
    const char16_t* receipt; // where Enter leaves the desk, from receipt 2 of 3
};

class DeskEnterOnAButton : public DeskEnter, public ::testing::WithParamInterface<FocusedButton> {};

TEST_P(DeskEnterOnAButton, TakesEnterAndNothingIsStoredAgain)
{
    start(3);
    const QByteArray file = visitFile();
    gåTill(u"2"_s);
    ui::Control* control = desk->control(QString::fromUtf16(GetParam().button));
    ASSERT_TRUE(control && control->kind() == ui::ControlKind::CommandButton);
    ui::Control& button = *control;
    tabTo(button);
    screen.changes.clear();
    app.keyDown(tangent::Enter);
    EXPECT_EQ(kvitto(), QString::fromUtf16(GetParam().receipt));
    EXPECT_EQ(visitFile(), file);
    EXPECT_TRUE(screen.changes.empty()) << "a registration ran (it shows the hourglass)";
    EXPECT_TRUE(dialogs.messages().empty());
}

INSTANTIATE_TEST_SUITE_P(Desk, DeskEnterOnAButton,
                         ::testing::Values(FocusedButton{"Nasta", u"cmdNästa", u"3"},
                                           FocusedButton{"Foregaende", u"cmdFöregående", u"1"},
                                           FocusedButton{"Sok", u"cmdSök", u"2"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DeskEnter, FromAnyOtherControlEnterRegisters)
{
    start(3);
    app.click(desk->chkNypost);
    screen.changes.clear();
    app.keyDown(tangent::Enter);
    EXPECT_FALSE(screen.changes.empty());
    EXPECT_EQ(kvitto(), u"4"_s) << "registered receipt 3 and opened the next";
    EXPECT_EQ(storedRecord(3).size(), 95);
}

} // namespace
