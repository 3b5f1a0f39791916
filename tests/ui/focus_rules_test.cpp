#include "support/fakes.h"
#include "ui/application.h"

#include <gtest/gtest.h>

namespace {

// A small window with two checked boxes and a button, to pin down the event and focus rules
// every window relies on.
class TwoBoxes : public ui::Form {
public:
    explicit TwoBoxes(ui::Application& app) : ui::Form(app, QStringLiteral("frmTest"))
    {
        a.LostFocus = [this] { log << QStringLiteral("a.Lost"); if (refuseA) { dialogs().message(QStringLiteral("OBS! a")); a.setFocus(); } };
        a.GotFocus = [this] { log << QStringLiteral("a.Got"); };
        b.LostFocus = [this] { log << QStringLiteral("b.Lost"); if (refuseB) { dialogs().message(QStringLiteral("OBS! b")); b.setFocus(); } };
        b.GotFocus = [this] { log << QStringLiteral("b.Got"); };
        ok.Click = [this] { log << QStringLiteral("ok.Click"); };
        ok.GotFocus = [this] { log << QStringLiteral("ok.Got"); };
        caption.Change = [this] {
            log << QStringLiteral("caption.Change");
            b.setFocus();
            log << QStringLiteral("after b.setFocus");
        };
        a.setCaption(QString());
        la.setCaption(QStringLiteral("&Alfa"));
        lb.setCaption(QStringLiteral("&Beta"));
        ok.setCaption(QStringLiteral("&OK"));
        setTabOrder({&la, &a, &lb, &b, &ok});
        setDefaultButton(&ok);
    }
    ui::Label& la = add<ui::Label>(QStringLiteral("la"));
    ui::TextBox& a = add<ui::TextBox>(QStringLiteral("a"));
    ui::Label& lb = add<ui::Label>(QStringLiteral("lb"));
    ui::TextBox& b = add<ui::TextBox>(QStringLiteral("b"));
    ui::CommandButton& ok = add<ui::CommandButton>(QStringLiteral("ok"));
    ui::Label& caption = add<ui::Label>(QStringLiteral("caption"));
    QStringList log;
    bool refuseA = false;
    bool refuseB = false;
};

struct FocusRules : ::testing::Test, fakes::Services {
    TwoBoxes form{app};
    void SetUp() override
    {
        app.start(form);
        form.log.clear();
    }
};

TEST_F(FocusRules, StartPutsFocusOnFirstTabStop)
{
    EXPECT_EQ(form.focused(), &form.a);
}

TEST_F(FocusRules, TabRunsLostThenGot)
{
    app.tab();
    EXPECT_EQ(form.focused(), &form.b);
    EXPECT_EQ(form.log, (QStringList{QStringLiteral("a.Lost"), QStringLiteral("b.Got")}));
}

TEST_F(FocusRules, RefusedUserMoveIsCancelledAndButtonDoesNotClick)
{
    form.refuseA = true;
    dialogs.expectMessage(QStringLiteral("OBS! a"));
    app.click(form.ok);
    EXPECT_EQ(form.focused(), &form.a);
    EXPECT_EQ(form.log, QStringList{QStringLiteral("a.Lost")});
}

TEST_F(FocusRules, TwoRefusingBoxesDoNotBounce)
{
    form.refuseA = true;
    form.refuseB = true;
    dialogs.expectMessage(QStringLiteral("OBS! a"));
    app.focusByUser(form.b);
    EXPECT_EQ(form.focused(), &form.a);
    EXPECT_EQ(form.log, QStringList{QStringLiteral("a.Lost")});
}

TEST_F(FocusRules, CodeMoveInsideHandlerIsCollapsedUntilTheEventEnds)
{
    form.caption.setCaption(QStringLiteral("1"));
    EXPECT_EQ(form.focused(), &form.b);
    EXPECT_EQ(form.log, (QStringList{QStringLiteral("caption.Change"), QStringLiteral("after b.setFocus"),
                                     QStringLiteral("a.Lost"), QStringLiteral("b.Got")}));
}

// A move made by the program is checked like a user's: a refusal gives the box the focus back,
// and neither the box that refused nor the target is told it got the focus.
TEST_F(FocusRules, RefusedCodeMoveIsCancelledWithoutGotFocus)
{
    form.refuseA = true;
    dialogs.expectMessage(QStringLiteral("OBS! a"));
    form.caption.setCaption(QStringLiteral("1"));
    EXPECT_EQ(form.focused(), &form.a);
    EXPECT_EQ(form.log, (QStringList{QStringLiteral("caption.Change"), QStringLiteral("after b.setFocus"),
                                     QStringLiteral("a.Lost")}));
}

TEST_F(FocusRules, EnterChecksTheBoxFirstAndKeepsTheFocus)
{
    app.pressEnter();
    EXPECT_EQ(form.focused(), &form.a);
    EXPECT_EQ(form.log, (QStringList{QStringLiteral("a.Lost"), QStringLiteral("ok.Click")}));

    form.log.clear();
    form.refuseA = true;
    dialogs.expectMessage(QStringLiteral("OBS! a"));
    app.pressEnter();
    EXPECT_EQ(form.log, QStringList{QStringLiteral("a.Lost")});
}

TEST_F(FocusRules, AccessKeyOfLabelReachesNextControl)
{
    EXPECT_TRUE(app.accessKey(QChar(u'b')));
    EXPECT_EQ(form.focused(), &form.b);
}

TEST_F(FocusRules, SetFocusOnHiddenOrDisabledDoesNothing)
{
    form.b.setVisible(false);
    form.b.setFocus();
    EXPECT_EQ(form.focused(), &form.a);
    form.b.setVisible(true);
    form.b.setEnabled(false);
    form.b.setFocus();
    EXPECT_EQ(form.focused(), &form.a);
    EXPECT_TRUE(form.log.isEmpty());
}

TEST_F(FocusRules, TypingRefusesTextOutsideWindows1252AndStopsAtMaxLength)
{
    form.a.setMaxLength(3);
    EXPECT_TRUE(app.type(form.a, QStringLiteral("abcd")));
    EXPECT_EQ(form.a.text(), QStringLiteral("abc"));
    EXPECT_FALSE(app.type(form.a, QStringLiteral("ā")));
    EXPECT_EQ(form.a.text(), QStringLiteral("abc"));
    EXPECT_TRUE(app.type(form.a, QStringLiteral("åä€")));
    EXPECT_EQ(form.a.text(), QStringLiteral("åä€"));
    // Text set from code is kept whole.
    form.a.setText(QStringLiteral("abcdef"));
    EXPECT_EQ(form.a.text(), QStringLiteral("abcdef"));
}

} // namespace

namespace {

// Two captions sharing an access key take turns, as "Ti&ll:" and "Maku&lerat kvittonr:" do.
TEST(AccessKeys, DuplicateKeysTakeTurns)
{
    fakes::ScriptedDialogs dialogs;
    fakes::RecordingPrinter printer;
    fakes::FixedClock clock;
    fakes::RecordingScreen screen;
    ui::Application app{dialogs, printer, clock, screen};
    ui::Form form(app, QStringLiteral("frmTest"));
    auto& first = form.add<ui::TextBox>(QStringLiteral("first"));
    auto& l1 = form.add<ui::Label>(QStringLiteral("l1"));
    auto& a = form.add<ui::TextBox>(QStringLiteral("a"));
    auto& l2 = form.add<ui::Label>(QStringLiteral("l2"));
    auto& b = form.add<ui::TextBox>(QStringLiteral("b"));
    l1.setCaption(QStringLiteral("Ti&ll:"));
    l2.setCaption(QStringLiteral("Maku&lerat kvittonr:"));
    form.setTabOrder({&first, &l1, &a, &l2, &b});
    app.start(form);

    ASSERT_TRUE(app.accessKey(QChar(u'L')));
    EXPECT_EQ(form.focused(), &a);
    app.accessKey(QChar(u'l'));
    EXPECT_EQ(form.focused(), &b);
    app.accessKey(QChar(u'l'));
    EXPECT_EQ(form.focused(), &a);

    // A hidden caption drops out of the turn.
    l1.setVisible(false);
    app.accessKey(QChar(u'l'));
    EXPECT_EQ(form.focused(), &b);
    app.accessKey(QChar(u'l'));
    EXPECT_EQ(form.focused(), &b);
}

} // namespace
