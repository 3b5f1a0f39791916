// Rules of the window layer that every window shares: what may be typed into a box, what a key
// means, Enter on a focused button, a list keeping its selection, the boxes' default title and
// the activation of secondary windows.

#include "support/fakes.h"
#include "ui/application.h"
#include "ui/keys.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// A window with a box, a check box, an option group of three, a "Nästa" button and a default
// "OK" button, each counting what reached it.
class Window : public ui::Form {
public:
    explicit Window(ui::Application& app, const QString& name = u"frmFönster"_s) : ui::Form(app, name)
    {
        box.setMaxLength(5);
        box.LostFocus = [this] {
            ++boxLosses;
            if (box.text() == u"fel"_s) {
                dialogs().message(u"OBS! Fel."_s);
                box.setFocus();
            }
        };
        box.KeyDown = [this](int& key, int shift) {
            keys << QString::number(key) + u'/' + QString::number(shift);
            if (key == ui::keys::F3) {
                key = 0;
            } else if (key == ui::keys::F1) {
                check.setFocus();
            }
        };
        next.Click = [this] { ++nextClicks; };
        ok.Click = [this] { ++okClicks; };
        for (ui::OptionButton* o : {&optA, &optB, &optC})
            o->Click = [this, o] { chosen << o->name(); };
        setTabOrder({&box, &check, &optA, &optB, &optC, &next, &ok});
        setDefaultButton(&ok);
    }
    void Form_Activate() override { ++activations; }

    ui::TextBox& box = add<ui::TextBox>(u"box"_s);
    ui::CheckBox& check = add<ui::CheckBox>(u"check"_s);
    ui::OptionButton& optA = add<ui::OptionButton>(u"optA"_s, u"opt"_s);
    ui::OptionButton& optB = add<ui::OptionButton>(u"optB"_s, u"opt"_s);
    ui::OptionButton& optC = add<ui::OptionButton>(u"optC"_s, u"opt"_s);
    ui::CommandButton& next = add<ui::CommandButton>(u"next"_s);
    ui::CommandButton& ok = add<ui::CommandButton>(u"ok"_s);
    int boxLosses = 0, nextClicks = 0, okClicks = 0, activations = 0;
    QStringList keys, chosen;
};

struct WindowRules : ::testing::Test, fakes::Services {
    Window window{app};
    void SetUp() override { app.start(window); }
};

// One rule for typing and pasting, whatever the backend: only what the edit brings in is
// judged (Windows-1252, no control characters), beyond the box's length the first characters
// that fit are kept, and a text the program made longer than the maximum may be shortened or
// edited within, not lengthened. An empty `takes` means refused.
TEST(TypingRule, WhatABoxTakes)
{
    fakes::ScriptedDialogs dialogs;
    fakes::RecordingPrinter printer;
    fakes::FixedClock clock;
    fakes::RecordingScreen screen;
    ui::Application app{dialogs, printer, clock, screen};
    ui::Form form(app, u"frm"_s);
    ui::TextBox& box = form.add<ui::TextBox>(u"box"_s);
    box.setMaxLength(5);
    const struct {
        const char* name;
        const char16_t* holds;
        QString typed;
        std::optional<QString> takes;
        int cursor = -1;
    } rows[] = {
        {"WithinTheLength", u"", u"Åsa €"_s, u"Åsa €"_s},
        {"BeyondTheLengthKeepsWhatFits", u"", u"Kristina"_s, u"Krist"_s},
        {"PastedBetweenKeepsItsStart", u"Ab", u"A1234567b"_s, u"A123b"_s, 8},
        {"OutsideWindows1252", u"", u"Łukas"_s, std::nullopt},
        {"TabRefusedEvenBeyondTheLength", u"", u"A\tBCDEFG"_s, std::nullopt},
        {"Tab", u"", u"A\tB"_s, std::nullopt},
        {"CarriageReturn", u"", u"A\rB"_s, std::nullopt},
        {"LineFeed", u"", u"A\nB"_s, std::nullopt},
        {"EndOfFile", u"", u"A\x1a"_s, std::nullopt},
        {"Delete", u"", u"A\x7f"_s, std::nullopt},
        {"UndefinedByte", u"", u"A\x81"_s, std::nullopt},
        {"ShorteningALongText", u"Annabella", u"Annabel"_s, u"Annabel"_s},
        {"EditingWithinALongText", u"Annabella", u"Annxbella"_s, u"Annxbella"_s},
        {"LengtheningALongTextKeepsIt", u"Annabella", u"Annabellax"_s, u"Annabella"_s},
        {"ControlCharacterInALongText", u"Annabella", u"Anna\tella"_s, std::nullopt},
        {"StoredTabStaysEditable", u"A\tB", u"A\tBC"_s, u"A\tBC"_s},
        {"StoredTabMayBeErased", u"A\tB", u"AB"_s, u"AB"_s},
        {"TypedBeforeAStoredTab", u"A\tB", u"xA\tB"_s, u"xA\tB"_s, 1},
        {"SecondTabBesideAStoredOne", u"A\tB", u"A\t\tB"_s, std::nullopt, 3},
    };
    for (const auto& row : rows) {
        box.setText(QString::fromUtf16(row.holds));
        EXPECT_EQ(box.typed(row.typed, row.cursor), row.takes) << row.name;
    }
}

TEST_F(WindowRules, TypingARefusedTextChangesNothing)
{
    int changes = 0;
    window.box.Change = [&changes] { ++changes; };
    EXPECT_FALSE(app.type(window.box, u"K30\r\n"_s));
    EXPECT_TRUE(window.box.text().isEmpty());
    EXPECT_EQ(changes, 0);
    EXPECT_TRUE(app.type(window.box, u"K30"_s));
    EXPECT_EQ(window.box.text(), u"K30"_s);
}

TEST_F(WindowRules, AFocusedCommandButtonTakesEnterItself)
{
    app.tab();
    ASSERT_TRUE(app.focusByUser(window.next));
    const int losses = window.boxLosses;
    EXPECT_TRUE(app.keyDown(ui::keys::Enter));
    EXPECT_EQ(window.nextClicks, 1);
    EXPECT_EQ(window.okClicks, 0);
    EXPECT_EQ(window.boxLosses, losses);
    EXPECT_EQ(window.focused(), &window.next);

    // From a control that is no command button, Enter is the default button's.
    ASSERT_TRUE(app.focusByUser(window.check));
    app.pressEnter();
    EXPECT_EQ(window.okClicks, 1);
    EXPECT_EQ(window.nextClicks, 1);
    EXPECT_EQ(window.focused(), &window.check);
}

TEST_F(WindowRules, EnterFromABoxRunsItsCheckAndARefusalCancelsTheDefaultButton)
{
    ASSERT_TRUE(app.type(window.box, u"fel"_s));
    dialogs.expectMessage(u"OBS! Fel."_s);
    app.keyDown(ui::keys::Enter);
    EXPECT_EQ(window.okClicks, 0);
    EXPECT_EQ(window.focused(), &window.box);
    ASSERT_TRUE(app.type(window.box, u"rätt"_s));
    app.keyDown(ui::keys::Enter);
    EXPECT_EQ(window.okClicks, 1);
    EXPECT_EQ(window.focused(), &window.box);
}

// Every shift state reaches the box's KeyDown; a key is taken when the handler swallows it or
// moves the focus away, and otherwise left to the box. Alt with a letter that is no access key
// is taken all the same, so that it types nothing; Ctrl+Alt (AltGr) is left to the box.
TEST_F(WindowRules, KeysReachTheBoxWithTheirShiftState)
{
    for (int shift : {0, ui::keys::Shift, ui::keys::Ctrl, ui::keys::Alt})
        EXPECT_TRUE(app.keyDown(ui::keys::F3, shift)) << shift;
    EXPECT_TRUE(app.keyDown('A', ui::keys::Alt));
    EXPECT_FALSE(app.keyDown('2', ui::keys::Ctrl | ui::keys::Alt));
    EXPECT_EQ(window.focused(), &window.box);
    EXPECT_EQ(window.keys,
              (QStringList{u"114/0"_s, u"114/1"_s, u"114/2"_s, u"114/4"_s, u"65/4"_s, u"50/6"_s}));
    EXPECT_TRUE(app.keyDown(ui::keys::F1));
    EXPECT_EQ(window.focused(), &window.check);
}

TEST_F(WindowRules, ArrowsChooseAmongTheOptionsOfAGroup)
{
    window.optA.setValue(true);
    ASSERT_TRUE(app.focusByUser(window.optA));
    window.chosen.clear();
    window.optB.setEnabled(false);
    const std::pair<int, ui::OptionButton*> steps[] = {
        {ui::keys::Down, &window.optC}, // optB cannot take the focus
        {ui::keys::Right, &window.optA}, // round the group
        {ui::keys::Up, &window.optC},
        {ui::keys::Left, &window.optA},
    };
    for (const auto& [key, expected] : steps) {
        EXPECT_TRUE(app.keyDown(key));
        EXPECT_EQ(window.focused(), expected) << key;
        EXPECT_TRUE(expected->value()) << key;
    }
    EXPECT_EQ(window.chosen, (QStringList{u"optC"_s, u"optA"_s, u"optC"_s, u"optA"_s}));
    EXPECT_FALSE(app.keyDown(ui::keys::Up + 100)) << "other keys are the option's own";
}

TEST_F(WindowRules, AListKeepsItsSelection)
{
    ui::ListBox& list = window.add<ui::ListBox>(u"list"_s);
    list.addItems({u"Ett"_s, u"Två"_s});
    int clicks = 0;
    list.Click = [&clicks] { ++clicks; };
    app.select(list, 1);
    app.select(list, -1);
    app.select(list, 2);
    EXPECT_EQ(list.listIndex(), 1);
    EXPECT_EQ(clicks, 1);
}

TEST_F(WindowRules, ABoxWithoutATitleOfItsOwnCarriesTheProgramsTitle)
{
    dialogs.expectMessage(u"OBS!"_s);
    app.dialogs().message(u"OBS!"_s, ui::Buttons::Ok, ui::Icon::None, QString());
    dialogs.expectInput(u"5"_s);
    app.dialogs().input(u"Kvittonummer?"_s, QString(), u"1"_s);
    dialogs.expectInput(u"6"_s);
    app.dialogs().input(u"Kvittonummer?"_s, u"Gå till..."_s, u"1"_s);
    EXPECT_EQ(dialogs.messages().at(0).title, ui::AppTitle);
    EXPECT_EQ(dialogs.inputs().at(0).title, ui::AppTitle);
    EXPECT_EQ(dialogs.inputs().at(1).title, u"Gå till..."_s);
}

// A secondary window shown, closed and shown again: each showing loads and activates it once,
// closing it activates the desk, and the backend hears of each change.
TEST_F(WindowRules, ASecondaryWindowShownAgainIsActivatedOnceEachTime)
{
    struct Counting : ui::ControlObserver {
        int changes = 0;
        void controlChanged(ui::Control&, ui::Property) override {}
        void menuChanged(ui::MenuItem&) override {}
        void focusChanged(ui::Form&, ui::Control*) override {}
        void formCaptionChanged(ui::Form&) override {}
        void windowsChanged() override { ++changes; }
    } observer;
    app.setObserver(&observer);
    Window second(app, u"frmAndra"_s);
    for (int round = 1; round <= 3; ++round) {
        app.show(second);
        app.show(second); // opened again while shown: it is the active window already
        EXPECT_EQ(second.activations, round);
        EXPECT_EQ(app.activeForm(), &second);
        app.close(second);
        EXPECT_EQ(window.activations, round + 1);
        EXPECT_EQ(app.activeForm(), &window);
        EXPECT_FALSE(app.isShown(second));
    }
    EXPECT_GE(observer.changes, 6);
    app.setObserver(nullptr);

    // Closed by the user: the second window closes, the start-up window ends the program.
    app.show(second);
    app.closeByUser(second);
    EXPECT_FALSE(app.isShown(second));
    EXPECT_FALSE(app.hasQuit());
    app.closeByUser(window);
    EXPECT_TRUE(app.hasQuit());
}

} // namespace
