// What every window's layout table must hold, checked on the windows as their tables build
// them: each control inside its frame and the client area, each box captioned by a label, and
// each control that can take the focus reachable with Tab.

#include "desk/frmKassa.h"
#include "reports/frmARV.h"
#include "reports/frmSamlingsrakning.h"
#include "settings/frmInstallningar.h"
#include "support/fakes.h"
#include "ui/application.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <functional>
#include <memory>

namespace {

struct Window {
    const char* name;
    std::function<std::unique_ptr<ui::Form>(ui::Application&, Program&)> open;
};

void PrintTo(const Window& window, std::ostream* os)
{
    *os << window.name;
}

template <class T>
Window window(const char* name)
{
    return {name, [](ui::Application& app, Program& program) {
                return std::unique_ptr<ui::Form>(std::make_unique<T>(app, program));
            }};
}

class WindowLayouts : public ::testing::TestWithParam<Window>, protected fakes::Services {
protected:
    Program program;
    std::unique_ptr<ui::Form> form = GetParam().open(app, program);
};

// Where a control reaches, in twips: its frame's width and height, or the client area's.
std::pair<int, int> room(const ui::Form& form, const ui::Control& control)
{
    if (const ui::Control* frame = control.container())
        return {frame->width(), frame->height()};
    return {form.clientWidth(), form.clientHeight()};
}

TEST_P(WindowLayouts, EveryControlStandsInsideItsFrameAndTheWindow)
{
    ASSERT_FALSE(form->controls().empty());
    for (const auto& control : form->controls()) {
        SCOPED_TRACE(control->name().toStdString());
        EXPECT_EQ(form->control(control->name()), control.get()) << "a name given twice";
        if (control->container()) {
            EXPECT_EQ(control->container()->kind(), ui::ControlKind::Frame);
        }
        const auto [width, height] = room(*form, *control);
        EXPECT_GE(control->left(), 0);
        EXPECT_GE(control->top(), 0);
        EXPECT_GE(control->width(), 0);
        EXPECT_GE(control->height(), 0);
        EXPECT_LE(control->left() + control->width(), width);
        EXPECT_LE(control->top() + control->height(), height);
    }
}

// A box's caption label is its name to a screen reader and the buddy its access key reaches.
TEST_P(WindowLayouts, EveryBoxIsCaptionedByALabelOfItsWindow)
{
    for (const auto& control : form->controls()) {
        SCOPED_TRACE(control->name().toStdString());
        const bool box = control->kind() == ui::ControlKind::TextBox
                         || control->kind() == ui::ControlKind::ListBox;
        const ui::Control* label = control->captionLabel();
        if (!box && !label)
            continue;
        ASSERT_NE(label, nullptr) << "a box nobody names";
        EXPECT_EQ(label->kind(), ui::ControlKind::Label);
        EXPECT_EQ(form->control(label->name()), label) << "not one of this window's labels";
        EXPECT_FALSE(label->caption().isEmpty());
    }
}

TEST_P(WindowLayouts, EveryControlThatTakesTheFocusIsInTheTabOrderOnce)
{
    const std::vector<ui::Control*>& order = form->tabOrder();
    for (const auto& control : form->controls()) {
        SCOPED_TRACE(control->name().toStdString());
        const auto places = std::count(order.begin(), order.end(), control.get());
        EXPECT_LE(places, 1);
        if (control->takesFocus()) {
            EXPECT_EQ(places, 1) << "Tab never reaches it";
        }
        if (places == 1) {
            EXPECT_EQ(order.at(size_t(control->tabIndex())), control.get());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, WindowLayouts,
                         ::testing::Values(window<frmKassa>("frmKassa"),
                                           window<frmInställningar>("frmInstallningar"),
                                           window<frmARV>("frmARV"),
                                           window<frmSamlingsräkning>("frmSamlingsrakning")),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
