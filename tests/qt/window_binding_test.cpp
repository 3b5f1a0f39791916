// Binding both ways: the window layer's changes reach the widgets without echoing back, and
// what the user does in the widgets reaches the window layer, which decides.

#include "qtfixture.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

using namespace ui;
using namespace Qt::Literals::StringLiterals;

namespace {

TEST_F(QtWindowTest, ChangesFromCodeReachTheWidgetsWithoutEcho)
{
    form.txtNamn.setText(u"Annabella"_s); // longer than a user may type: shown whole
    form.txtNamn.setSelection(0, 4);
    form.lstVal.setListIndex(2);
    form.lstVal.addItem(u"Fyra"_s);
    form.chkVal.setValue(1);
    form.optB.setValue(true);
    form.lblSumma.setCaption(u"150 kr"_s);
    form.txtKod.setEnabled(false);
    form.chkVal.setVisible(false);
    form.setCaption(u"Kassaprogram för Läkare Ver 6.02"_s);

    EXPECT_EQ(widget<QLineEdit>(form.txtNamn)->text(), u"Annabella"_s);
    EXPECT_EQ(widget<QLineEdit>(form.txtNamn)->selectedText(), u"Anna"_s);
    auto* list = widget<QListWidget>(form.lstVal);
    EXPECT_EQ(list->currentRow(), 2);
    EXPECT_TRUE(list->item(2)->isSelected());
    EXPECT_EQ(list->count(), 4);
    EXPECT_TRUE(widget<QCheckBox>(form.chkVal)->isChecked());
    EXPECT_TRUE(widget<QRadioButton>(form.optB)->isChecked());
    EXPECT_FALSE(widget<QRadioButton>(form.optA)->isChecked());
    EXPECT_EQ(widget<QLabel>(form.lblSumma)->text(), u"150 kr"_s);
    EXPECT_FALSE(widget(form.txtKod)->isEnabled());
    EXPECT_FALSE(widget(form.chkVal)->isVisible());
    EXPECT_EQ(window->windowTitle(), u"Kassaprogram för Läkare Ver 6.02"_s);

    // Each change raised its event once; none came back as the user's, which would also have
    // moved the focus and run txtNamn's check.
    QApplication::processEvents();
    EXPECT_EQ(form.txtNamn.text(), u"Annabella"_s);
    EXPECT_EQ(form.namnChanges, 1);
    EXPECT_EQ(form.valClicks, 1);
    EXPECT_EQ(form.chkClicks, 1);
    EXPECT_EQ(form.optClicks, 1);
    EXPECT_EQ(form.namnLosses, 0);
    EXPECT_EQ(form.focused(), &form.txtNamn);
    EXPECT_EQ(QApplication::focusWidget(), widget(form.txtNamn));

    form.lstVal.setListIndex(-1);
    EXPECT_EQ(list->selectedItems().size(), 0);

    // Hiding the box that has the focus makes Qt pass its focus on: no move of the user's.
    form.txtNamn.setVisible(false);
    QApplication::processEvents();
    EXPECT_EQ(form.namnLosses, 0);
    EXPECT_EQ(form.focused(), &form.txtNamn);
}

// A long list is filled in one step and grows at its end: the rows already shown stay as they
// are, and an emptied list starts afresh.
TEST_F(QtWindowTest, AListGrowsAtItsEndWithoutBeingBuiltAgain)
{
    auto* list = widget<QListWidget>(form.lstVal);
    QListWidgetItem* first = list->item(0);
    QStringList codes;
    for (int i = 0; i < 5000; ++i)
        codes << QString::number(i).rightJustified(5, u'0');
    form.lstVal.addItems(codes);
    form.lstVal.addItem(u"Sist"_s);
    ASSERT_EQ(list->count(), 5004);
    EXPECT_EQ(list->item(0), first) << "the rows shown before were kept";
    EXPECT_EQ(list->item(3)->text(), u"00000"_s);
    EXPECT_EQ(list->item(5002)->text(), u"04999"_s);
    EXPECT_EQ(list->item(5003)->text(), u"Sist"_s);
    form.lstVal.setListIndex(5003);
    EXPECT_EQ(list->currentRow(), 5003);

    form.lstVal.clear();
    EXPECT_EQ(list->count(), 0);
    form.lstVal.addItems({u"Ett"_s, u"Två"_s});
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(1)->text(), u"Två"_s);
    EXPECT_EQ(list->selectedItems().size(), 0);
}

TEST_F(QtWindowTest, TypingReachesTheBoxUpToItsLengthInWindows1252Only)
{
    auto* edit = widget<QLineEdit>(form.txtNamn);
    user::type(edit, u"Kristina"_s);
    EXPECT_EQ(form.txtNamn.text(), u"Krist"_s);
    EXPECT_EQ(edit->text(), u"Krist"_s);
    EXPECT_EQ(form.namnChanges, 5);

    // A longer text from code can be shortened, but nothing added to it.
    form.txtNamn.setText(u"Annabella"_s);
    edit->end(false);
    user::key(edit, Qt::Key_Backspace);
    EXPECT_EQ(form.txtNamn.text(), u"Annabell"_s);
    user::type(edit, u"x"_s);
    EXPECT_EQ(form.txtNamn.text(), u"Annabell"_s);

    // Characters outside Windows-1252 are refused where typed or pasted.
    user::type(widget(form.txtKod), u"é€ő"_s);
    EXPECT_EQ(form.txtKod.text(), u"é€"_s);
    const QValidator* validator = widget<QLineEdit>(form.txtKod)->validator();
    ASSERT_NE(validator, nullptr);
    // The box holds "é€": what is judged is what the edit brings in, and a text longer than 10
    // keeps its first characters (the validator hands back the cut text).
    const struct {
        const char16_t* text;
        QValidator::State state;
        const char16_t* shown;
    } rows[] = {
        {u"Åsa Öberg", QValidator::Acceptable, u"Åsa Öberg"}, {u"€ 100", QValidator::Acceptable, u"€ 100"},
        {u"Łukasz", QValidator::Invalid, u"Łukasz"},          {u"名前", QValidator::Invalid, u"名前"},
        {u"12345678901", QValidator::Acceptable, u"1234567890"},
    };
    for (const auto& row : rows) {
        QString s = QString::fromUtf16(row.text);
        int pos = int(s.size());
        EXPECT_EQ(validator->validate(s, pos), row.state) << s.toStdString();
        EXPECT_EQ(s, QString::fromUtf16(row.shown));
    }
}

TEST_F(QtWindowTest, TabRunsTheFocusLossCheckAndMovesQtFocus)
{
    EXPECT_EQ(QApplication::focusWidget(), widget(form.txtNamn)) << "the first tab stop at start";
    user::type(widget(form.txtNamn), u"Ola"_s);
    user::tab(widget(form.txtNamn));
    EXPECT_EQ(form.namnLosses, 1);
    EXPECT_EQ(form.kodGains, 1);
    EXPECT_EQ(form.focused(), &form.txtKod);
    EXPECT_EQ(QApplication::focusWidget(), widget(form.txtKod));
    user::tab(widget(form.txtKod), true);
    EXPECT_EQ(form.focused(), &form.txtNamn);
    EXPECT_EQ(QApplication::focusWidget(), widget(form.txtNamn));
}

// A box that refuses to be left keeps Qt's focus and its text, and whatever the user went for
// does not act: Tab, a button, a check box (Qt's own toggle undone), a list row, Enter.
TEST_F(QtWindowTest, ARefusedMoveKeepsTheFocusAndTheClickDoesNotAct)
{
    user::type(widget(form.txtNamn), u"fel"_s);
    auto* list = widget<QListWidget>(form.lstVal);
    const std::pair<const char*, std::function<void()>> attempts[] = {
        {"Tab", [&] { user::tab(widget(form.txtNamn)); }},
        {"button", [&] { widget<QPushButton>(form.cmdOK)->click(); }},
        {"check box", [&] { widget<QCheckBox>(form.chkVal)->click(); }},
        {"list", [&] { user::press(list->viewport(), list->visualItemRect(list->item(1)).center()); }},
        {"Enter", [&] { user::key(widget(form.txtNamn), Qt::Key_Enter, Qt::KeypadModifier); }},
    };
    for (const auto& [name, attempt] : attempts) {
        dialogs.expectMessage(u"OBS! Fel namn."_s);
        attempt();
        EXPECT_EQ(form.focused(), &form.txtNamn) << name;
        EXPECT_EQ(QApplication::focusWidget(), widget(form.txtNamn)) << name;
    }
    EXPECT_EQ(form.txtNamn.text(), u"fel"_s);
    EXPECT_EQ(form.kodGains + form.okClicks + form.chkClicks + form.valClicks, 0);
    EXPECT_FALSE(widget<QCheckBox>(form.chkVal)->isChecked());
    EXPECT_EQ(list->selectedItems().size(), 0);
    EXPECT_EQ(form.lstVal.listIndex(), -1);
}

TEST_F(QtWindowTest, AClickMovesTheFocusAndActs)
{
    widget<QPushButton>(form.cmdOK)->click();
    EXPECT_EQ(form.namnLosses, 1);
    EXPECT_EQ(form.okClicks, 1);
    EXPECT_EQ(form.focused(), &form.cmdOK);

    widget<QCheckBox>(form.chkVal)->click();
    EXPECT_EQ(form.chkVal.value(), 1);
    EXPECT_EQ(form.chkClicks, 1);

    auto* list = widget<QListWidget>(form.lstVal);
    user::press(list->viewport(), list->visualItemRect(list->item(1)).center());
    EXPECT_EQ(form.lstVal.listIndex(), 1);
    EXPECT_EQ(form.valClicks, 1);
    EXPECT_EQ(QApplication::focusWidget(), list);

    user::press(widget(form.txtKod));
    EXPECT_EQ(form.focused(), &form.txtKod);
    EXPECT_EQ(QApplication::focusWidget(), widget(form.txtKod));
}

TEST_F(QtWindowTest, EnterAndEscapeReachTheDefaultAndCancelButtonsWithoutMovingTheFocus)
{
    form.lstVal.setFocus();
    QApplication::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), widget(form.lstVal));
    user::key(widget(form.lstVal), Qt::Key_Return);
    EXPECT_EQ(form.okClicks, 1);
    user::key(widget(form.lstVal), Qt::Key_Escape);
    EXPECT_EQ(form.stängClicks, 1);
    EXPECT_EQ(form.focused(), &form.lstVal);
}

// Focus that Qt moves for a popup, another window or the menu bar is no move of the user's;
// a move Qt makes for the user (Tab) goes through the check.
TEST_F(QtWindowTest, OnlyTheUsersFocusMovesRunTheCheck)
{
    for (Qt::FocusReason reason : {Qt::PopupFocusReason, Qt::ActiveWindowFocusReason,
                                   Qt::MenuBarFocusReason, Qt::OtherFocusReason}) {
        QFocusEvent out(QEvent::FocusOut, reason);
        QApplication::sendEvent(widget(form.txtNamn), &out);
        QFocusEvent in(QEvent::FocusIn, reason);
        QApplication::sendEvent(widget(form.txtKod), &in);
    }
    EXPECT_EQ(form.namnLosses, 0);
    EXPECT_EQ(form.focused(), &form.txtNamn);

    QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(widget(form.txtKod), &in);
    EXPECT_EQ(form.namnLosses, 1);
    EXPECT_EQ(form.focused(), &form.txtKod);
}

TEST_F(QtWindowTest, OptionsAreOneTabStopAndArrowsChooseAmongThem)
{
    form.optB.setValue(true);
    form.chkVal.setFocus();
    QApplication::processEvents();
    user::tab(widget(form.chkVal));
    EXPECT_EQ(form.focused(), &form.optB) << "only the selected option is a stop";
    EXPECT_EQ(QApplication::focusWidget(), widget(form.optB));
    user::tab(widget(form.optB));
    EXPECT_EQ(form.focused(), &form.cmdOK);

    form.optB.setFocus();
    QApplication::processEvents();
    user::key(widget(form.optB), Qt::Key_Up);
    EXPECT_TRUE(form.optA.value() && !form.optB.value());
    EXPECT_EQ(form.focused(), &form.optA);
    EXPECT_TRUE(widget<QRadioButton>(form.optA)->isChecked());
    EXPECT_FALSE(widget<QRadioButton>(form.optB)->isChecked());

    // Qt would clear a selected option clicked again: options are not exclusive there.
    const int clicks = form.optClicks;
    widget<QRadioButton>(form.optA)->click();
    EXPECT_TRUE(form.optA.value());
    EXPECT_TRUE(widget<QRadioButton>(form.optA)->isChecked());
    EXPECT_EQ(form.optClicks, clicks);
}

} // namespace
