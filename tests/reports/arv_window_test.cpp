// The ARV window: how it opens from the desk and what it proposes, its controls, the checks of
// its two boxes and the ranges it refuses at "Skapa Arv-fil".

#include "reports/arvscenario.h"

namespace {

const QString EndastSiffror = u"OBS! Endast siffror får användas!"_s;
const QString Mellanslag = u"OBS! Mellanslag är ej tillåtet!"_s;

using ArvWindow = ArvScenario;

// One instance, opened from the desk's menu without blocking it, proposing ArvFom and the last
// stored receipt every time it becomes active; "Stäng" (or Esc) hands the desk back.
TEST_F(ArvWindow, OpensFromTheDeskAndProposesTheRangeAtEveryActivation)
{
    SettingsRecord settings = clinicSettings();
    settings.setText(SettingsField::ArvFom, u"2"_s);
    open(3, settings);
    EXPECT_EQ(app.activeForm(), arv);
    EXPECT_TRUE(app.isShown(windows->desk()));
    EXPECT_EQ(arv->caption(), u"Skapa ARV-fil"_s);
    EXPECT_EQ(arv->txtFom.text(), u"2       "_s); // all 8 characters of ArvFom
    EXPECT_EQ(arv->txtTom.text(), u"3"_s);
    EXPECT_EQ(arv->lblAntalBeh.caption(), u"2"_s);
    EXPECT_EQ(focusName(), u"cmdAvbryt"_s);
    EXPECT_EQ(arv->förberedelsedatum(), u"261208"_s);
    EXPECT_EQ(arv->förberedelsetid(), u"0930"_s);

    // What was typed goes at the next activation; visits registered meanwhile and the clock's
    // new time come in.
    ASSERT_TRUE(app.type(arv->txtFom, u"1"_s));
    EXPECT_EQ(arv->lblAntalBeh.caption(), u"3"_s);
    app.activate(windows->desk());
    writeNumberedVisits(5);
    clock.time = u"1015"_s;
    app.chooseMenu(windows->desk().mnuARV);
    EXPECT_EQ(windows->arv(), arv) << "the same window, not a second one";
    EXPECT_EQ(app.activeForm(), arv);
    EXPECT_EQ(arv->txtFom.text(), u"2       "_s);
    EXPECT_EQ(arv->txtTom.text(), u"5"_s);
    EXPECT_EQ(arv->lblAntalBeh.caption(), u"4"_s);
    EXPECT_EQ(arv->förberedelsetid(), u"1015"_s);

    app.pressEscape();
    EXPECT_FALSE(app.isShown(*arv));
    EXPECT_EQ(app.activeForm(), &windows->desk());
    app.chooseMenu(windows->desk().mnuARV);
    EXPECT_EQ(windows->arv(), arv);
    EXPECT_TRUE(app.isShown(*arv));
    app.click(arv->cmdAvbryt);
    EXPECT_FALSE(app.isShown(*arv));
    EXPECT_EQ(app.activeForm(), &windows->desk());
}

// The window's controls as the layout gives them: position, caption, tab order; the default and
// cancel buttons, the font, how the labels are drawn and which label captions which box.
TEST_F(ArvWindow, ControlsStandWhereTheLayoutPutsThem)
{
    open(1);
    const struct {
        const char* name;
        const char* caption;
        int left, top, width, height, tab;
    } expected[] = {
        {"Label1", "Kvittonummer:", 240, 240, 1335, 255, 7},
        {"Label2", "&Fr.o.m.", 360, 840, 615, 255, 1},
        {"txtFom", "", 1200, 840, 975, 285, 2},
        {"Label3", "&T.o.m.", 2640, 840, 615, 255, 3},
        {"txtTom", "", 3480, 840, 975, 285, 4},
        {"Label4", "Antalkvitton:", 4800, 840, 1215, 255, 6},
        {"lblAntalBeh", "1", 6120, 840, 975, 285, 5},
        {"cmdSkapa", "Skapa Arv-fil", 4200, 1680, 1335, 495, 8},
        {"cmdAvbryt", "Stäng", 5880, 1680, 1215, 495, 0},
    };
    EXPECT_EQ(arv->controls().size(), std::size(expected));
    for (const auto& e : expected) {
        const ui::Control* c = arv->control(QString::fromUtf8(e.name));
        ASSERT_NE(c, nullptr) << e.name;
        EXPECT_EQ(c->caption(), QString::fromUtf8(e.caption)) << e.name;
        EXPECT_EQ((std::array{c->left(), c->top(), c->width(), c->height(), c->tabIndex()}),
                  (std::array{e.left, e.top, e.width, e.height, e.tab}))
            << e.name;
        EXPECT_TRUE(c->fontBold() && c->fontSize() == 8.25) << e.name;
    }
    EXPECT_EQ(arv->clientWidth(), 7545);
    EXPECT_EQ(arv->clientHeight(), 2505);
    EXPECT_EQ(arv->defaultButton(), &arv->cmdSkapa);
    EXPECT_EQ(arv->cancelButton(), &arv->cmdAvbryt);
    EXPECT_EQ(arv->txtFom.maxLength(), 0);
    EXPECT_EQ(arv->txtTom.maxLength(), 0);
    for (ui::Label* caption : {&arv->Label1, &arv->Label2, &arv->Label3, &arv->Label4}) {
        EXPECT_EQ(caption->alignment(), ui::Alignment::Right) << caption->name().toStdString();
        EXPECT_EQ(caption->backColor(), 0xC0C0C0) << caption->name().toStdString();
    }
    EXPECT_TRUE(arv->lblAntalBeh.bordered());
    EXPECT_EQ(arv->lblAntalBeh.backColor(), ui::Label::WindowBackground);
    EXPECT_EQ(arv->txtFom.captionLabel(), &arv->Label2);
    EXPECT_EQ(arv->txtTom.captionLabel(), &arv->Label3);

    // The access keys reach the boxes.
    EXPECT_TRUE(app.accessKey(u't'));
    EXPECT_EQ(focusName(), u"txtTom"_s);
    EXPECT_TRUE(app.accessKey(u'f'));
    EXPECT_EQ(focusName(), u"txtFom"_s);
}

// Each box checks what is typed into it: To at every change, both when they are left. The count
// follows whatever both boxes hold as numbers.
TEST_F(ArvWindow, BoxesCheckWhatIsTypedAndTheCountFollows)
{
    open(3);
    const struct {
        const char* name;
        bool intoTom;
        const char16_t* typed;
        QString onChange, onLeaving;
        const char16_t* count;
    } rows[] = {
        {"a letter in To, at once and on leaving", true, u"12a", EndastSiffror, EndastSiffror, u"3"},
        {"To emptied: no number either", true, u"", EndastSiffror, {}, u"3"},
        {"a blank before the To number", true, u" 2", {}, Mellanslag, u"2"},
        {"a blank inside the To number", true, u"1 2", EndastSiffror, EndastSiffror, u"3"},
        {"a To number", true, u"2", {}, {}, u"2"},
        {"To beyond the last receipt number counts nothing", true, u"40000", {}, {}, u""},
        {"a letter in From, on leaving only", false, u"x", {}, EndastSiffror, u"3"},
        {"From of blanks passes; the count stays", false, u"   ", {}, {}, u"3"},
        {"a From number", false, u"2", {}, {}, u"2"},
    };
    for (const auto& row : rows) {
        backFromDesk();
        ui::TextBox& box = row.intoTom ? arv->txtTom : arv->txtFom;
        ASSERT_TRUE(app.focusByUser(box));
        if (!row.onChange.isEmpty())
            dialogs.expectMessage(row.onChange);
        ASSERT_TRUE(app.type(box, QString::fromUtf16(row.typed))) << row.name;
        EXPECT_EQ(arv->lblAntalBeh.caption(), QString::fromUtf16(row.count)) << row.name;
        if (!row.onLeaving.isEmpty())
            dialogs.expectMessage(row.onLeaving);
        app.tab();
        EXPECT_EQ(arv->focused() == &box, !row.onLeaving.isEmpty()) << row.name;
        EXPECT_EQ(box.text(), QString::fromUtf16(row.typed)) << row.name << ": the text stays as typed";
        EXPECT_TRUE(dialogs.allAnswersUsed()) << row.name;
        for (const auto& shown : dialogs.messages())
            EXPECT_EQ(shown.icon, ui::Icon::None) << row.name;
        dialogs.clear();
    }
}

// A range that cannot be reported: its message, the focus on the box at fault, and nothing on
// disk changed (no file, ArvFom as it was).
TEST_F(ArvWindow, RefusedRangesWriteNothing)
{
    SettingsRecord blankStart = clinicSettings();
    blankStart.setText(SettingsField::ArvFom, QString());
    const struct {
        const char* name;
        const char16_t* from; // typed into the From box; null: as proposed
        const char16_t* to;
        QString message;
        const char* focus;
    } rows[] = {
        {"From of blanks (ArvFom blank)", nullptr, nullptr, u"OBS! Du glömde skriva in Kvittonummer Fr.o.m.!"_s, "txtFom"},
        {"To empty", u"1", u"", u"OBS! Du glömde skriva in Kvittonummer T.o.m.!"_s, "txtTom"},
        {"reversed", u"3", u"2", u"OBS! Fr.o.m. kan inte vara större än T.o.m.!"_s, "txtTom"},
        {"From 0", u"0", u"2", u"OBS! Kvittonummer Fr.o.m. måste vara minst 1!"_s, "txtFom"},
        {"To beyond the stored receipts", u"1", u"4",
         u"OBS! Kvittonummer T.o.m. kan inte vara större än 3, det sista registrerade kvittot!"_s, "txtTom"},
        {"To above 32767", u"1", u"99999", u"OBS! Kvittonummer T.o.m. kan inte vara större än 32767!"_s, "txtTom"},
        {"From above 32767", u"40000", u"3", u"OBS! Kvittonummer Fr.o.m. kan inte vara större än 32767!"_s, "txtFom"},
        {"To of nine characters", u"1", u"000000003", u"OBS! Kvittonummer T.o.m. får ha högst 8 siffror!"_s, "txtTom"},
    };
    open(3, blankStart);
    const auto before = folderContents();
    const SettingsRecord settingsBefore = program.Inställningar;
    for (const auto& row : rows) {
        backFromDesk();
        if (row.from)
            ASSERT_TRUE(app.type(arv->txtFom, QString::fromUtf16(row.from)));
        if (row.to) {
            if (QString::fromUtf16(row.to).isEmpty())
                dialogs.expectMessage(EndastSiffror); // the box's own check at the change
            ASSERT_TRUE(app.type(arv->txtTom, QString::fromUtf16(row.to)));
        }
        dialogs.expectMessage(row.message);
        app.click(arv->cmdSkapa);
        EXPECT_EQ(focusName(), QString::fromUtf8(row.focus)) << row.name;
        EXPECT_TRUE(dialogs.allAnswersUsed()) << row.name;
        EXPECT_EQ(folderContents(), before) << row.name;
        EXPECT_EQ(program.Inställningar, settingsBefore) << row.name;
    }
}

} // namespace
