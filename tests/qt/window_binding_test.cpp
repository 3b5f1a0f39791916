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
#include <QShortcutEvent>

using namespace ui;

namespace {

TEST_F(QtWindowTest, StartPutsQtFocusOnTheFirstTabStop)
{
    EXPECT_EQ(form.focused(), &form.txtNamn);
    EXPECT_EQ(QApplication::focusWidget(), widget(form.txtNamn));
}

TEST_F(QtWindowTest, TextSetFromCodeReachesTheBoxWithoutEcho)
{
    form.txtNamn.setText(QStringLiteral("Anna"));
    form.txtKod.setText(QStringLiteral("K1"));
    EXPECT_EQ(widget<QLineEdit>(form.txtNamn)->text(), QStringLiteral("Anna"));
    EXPECT_EQ(widget<QLineEdit>(form.txtKod)->text(), QStringLiteral("K1"));
    QApplication::processEvents();
    EXPECT_EQ(form.namnChanges, 1) << "the widget's change must not come back as typing";
    // Typing into txtKod would have moved the focus there and run txtNamn's check.
    EXPECT_EQ(form.focused(), &form.txtNamn);
    EXPECT_EQ(form.namnLosses, 0);
}

TEST_F(QtWindowTest, TextSetFromCodeIsShownWholeBeyondTheMaximumLength)
{
    form.txtNamn.setText(QStringLiteral("Annabella"));
    EXPECT_EQ(widget<QLineEdit>(form.txtNamn)->text(), QStringLiteral("Annabella"));
    EXPECT_EQ(form.txtNamn.text(), QStringLiteral("Annabella"));
}

TEST_F(QtWindowTest, ListCheckAndOptionChangesReachTheirWidgets)
{
    form.lstVal.setListIndex(2);
    form.chkVal.setValue(1);
    form.optB.setValue(true);
    form.lblSumma.setCaption(QStringLiteral("150 kr"));
    form.txtKod.setEnabled(false);
    form.chkVal.setVisible(false);
    form.lstVal.addItem(QStringLiteral("Fyra"));

    auto* list = widget<QListWidget>(form.lstVal);
    EXPECT_EQ(list->currentRow(), 2);
    EXPECT_EQ(list->count(), 4);
    EXPECT_TRUE(list->item(2)->isSelected());
    EXPECT_TRUE(widget<QCheckBox>(form.chkVal)->isChecked());
    EXPECT_TRUE(widget<QRadioButton>(form.optB)->isChecked());
    EXPECT_FALSE(widget<QRadioButton>(form.optA)->isChecked());
    EXPECT_EQ(widget<QLabel>(form.lblSumma)->text(), QStringLiteral("150 kr"));
    EXPECT_FALSE(widget(form.txtKod)->isEnabled());
    EXPECT_FALSE(widget(form.chkVal)->isVisible());

    QApplication::processEvents();
    EXPECT_EQ(form.valClicks, 1);
    EXPECT_EQ(form.chkClicks, 1);
    EXPECT_EQ(form.optClicks, 1);
    // A selection echoed back as the user's would have moved the focus to the list.
    EXPECT_EQ(form.focused(), &form.txtNamn);
    EXPECT_EQ(form.namnLosses, 0);
    EXPECT_EQ(QApplication::focusWidget(), widget(form.txtNamn));

    form.lstVal.setListIndex(-1);
    EXPECT_EQ(list->selectedItems().size(), 0);
    EXPECT_EQ(form.valClicks, 2);
}

TEST_F(QtWindowTest, TypingReachesTheBox)
{
    user::type(widget(form.txtNamn), QStringLiteral("Ola"));
    EXPECT_EQ(form.txtNamn.text(), QStringLiteral("Ola"));
    EXPECT_EQ(form.namnChanges, 3);
}

TEST_F(QtWindowTest, TypingStopsAtTheMaximumLength)
{
    user::type(widget(form.txtNamn), QStringLiteral("Kristina"));
    EXPECT_EQ(form.txtNamn.text(), QStringLiteral("Krist"));
    EXPECT_EQ(widget<QLineEdit>(form.txtNamn)->text(), QStringLiteral("Krist"));
}

TEST_F(QtWindowTest, CharactersOutsideWindows1252AreRefusedWhereTyped)
{
    user::type(widget(form.txtKod), QStringLiteral("é€ő"));
    EXPECT_EQ(form.txtKod.text(), QStringLiteral("é€"));

    const QValidator* validator = widget<QLineEdit>(form.txtKod)->validator();
    ASSERT_NE(validator, nullptr);
    struct Row {
        const char16_t* text;
        QValidator::State state;
    };
    const Row rows[] = {
        {u"Åsa Öberg", QValidator::Acceptable},
        {u"€ 100", QValidator::Acceptable},
        {u"Łukasz", QValidator::Invalid},  // pasted: not in Windows-1252
        {u"12345678901", QValidator::Invalid}, // longer than 10
        {u"名前", QValidator::Invalid},
    };
    for (const Row& row : rows) {
        QString text = QString::fromUtf16(row.text);
        int pos = 0;
        EXPECT_EQ(validator->validate(text, pos), row.state) << text.toStdString();
    }
}

TEST_F(QtWindowTest, ALongTextFromCodeCanStillBeShortenedByTheUser)
{
    form.txtNamn.setText(QStringLiteral("Annabella"));
    auto* edit = widget<QLineEdit>(form.txtNamn);
    edit->end(false);
    user::key(edit, Qt::Key_Backspace);
    EXPECT_EQ(form.txtNamn.text(), QStringLiteral("Annabell"));
    user::type(edit, QStringLiteral("x"));
    EXPECT_EQ(form.txtNamn.text(), QStringLiteral("Annabell")) << "nothing may be added";
}

TEST_F(QtWindowTest, TabRunsTheFocusLossCheckAndMovesQtFocus)
{
    user::type(widget(form.txtNamn), QStringLiteral("Ola"));
    user::tab(widget(form.txtNamn));
    EXPECT_EQ(form.namnLosses, 1);
    EXPECT_EQ(form.focused(), &form.txtDatum);
    EXPECT_EQ(form.datumGains, 1);
    EXPECT_EQ(QApplication::focusWidget(), widget(form.txtDatum));

    user::tab(widget(form.txtDatum), true);
    EXPECT_EQ(form.focused(), &form.txtNamn);
    EXPECT_EQ(QApplication::focusWidget(), widget(form.txtNamn));
}

TEST_F(QtWindowTest, ARefusedMoveKeepsQtFocusInTheBox)
{
    dialogs.expectMessage(QStringLiteral("OBS! Fel namn."));
    user::type(widget(form.txtNamn), QStringLiteral("fel"));
    user::tab(widget(form.txtNamn));
    EXPECT_EQ(form.focused(), &form.txtNamn);
    EXPECT_EQ(QApplication::focusWidget(), widget(form.txtNamn));
    EXPECT_EQ(form.datumGains, 0);
    EXPECT_EQ(form.txtNamn.text(), QStringLiteral("fel")) << "the text stays as typed";
}

TEST_F(QtWindowTest, AButtonWhoseFocusMoveWasRefusedDoesNotAct)
{
    dialogs.expectMessage(QStringLiteral("OBS! Fel namn."));
    user::type(widget(form.txtNamn), QStringLiteral("fel"));
    widget<QPushButton>(form.cmdOK)->click();
    EXPECT_EQ(form.okClicks, 0);
    EXPECT_EQ(form.focused(), &form.txtNamn);

    dialogs.expectMessage(QStringLiteral("OBS! Fel namn."));
    widget<QCheckBox>(form.chkVal)->click();
    EXPECT_EQ(form.chkClicks, 0);
    EXPECT_FALSE(widget<QCheckBox>(form.chkVal)->isChecked()) << "Qt's own toggle is undone";
    EXPECT_EQ(QApplication::focusWidget(), widget(form.txtNamn));
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
    EXPECT_TRUE(widget<QCheckBox>(form.chkVal)->isChecked());
}

TEST_F(QtWindowTest, AClickIntoAListIsRefusedWithTheMove)
{
    dialogs.expectMessage(QStringLiteral("OBS! Fel namn."));
    user::type(widget(form.txtNamn), QStringLiteral("fel"));
    auto* list = widget<QListWidget>(form.lstVal);
    const QRect second = list->visualItemRect(list->item(1));
    user::press(list->viewport(), second.center());
    EXPECT_EQ(form.focused(), &form.txtNamn);
    EXPECT_EQ(form.lstVal.listIndex(), -1);
    EXPECT_EQ(list->selectedItems().size(), 0);
    EXPECT_EQ(form.valClicks, 0);
}

TEST_F(QtWindowTest, AClickIntoAListChoosesTheItem)
{
    auto* list = widget<QListWidget>(form.lstVal);
    const QRect second = list->visualItemRect(list->item(1));
    user::press(list->viewport(), second.center());
    EXPECT_EQ(form.focused(), &form.lstVal);
    EXPECT_EQ(form.lstVal.listIndex(), 1);
    EXPECT_EQ(form.valClicks, 1);
    EXPECT_EQ(QApplication::focusWidget(), list);
}

TEST_F(QtWindowTest, AClickIntoABoxMovesTheFocusThere)
{
    user::press(widget(form.txtKod));
    EXPECT_EQ(form.namnLosses, 1);
    EXPECT_EQ(form.focused(), &form.txtKod);
    EXPECT_EQ(QApplication::focusWidget(), widget(form.txtKod));
}

TEST_F(QtWindowTest, EnterAndEscapeReachTheWindowsButtonsFromAList)
{
    form.lstVal.setFocus();
    QApplication::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), widget(form.lstVal));
    user::key(widget(form.lstVal), Qt::Key_Return);
    EXPECT_EQ(form.okClicks, 1);
    user::key(widget(form.lstVal), Qt::Key_Escape);
    EXPECT_EQ(form.stängClicks, 1);
    EXPECT_EQ(form.focused(), &form.lstVal) << "Enter and Esc do not move the focus";
}

TEST_F(QtWindowTest, EnterRunsTheBoxCheckFirst)
{
    dialogs.expectMessage(QStringLiteral("OBS! Fel namn."));
    user::type(widget(form.txtNamn), QStringLiteral("fel"));
    user::key(widget(form.txtNamn), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(form.okClicks, 0);
    EXPECT_EQ(QApplication::focusWidget(), widget(form.txtNamn));
}

TEST_F(QtWindowTest, KeysReachTheBoxsKeyDown)
{
    form.txtKod.setFocus();
    QApplication::processEvents();
    user::key(widget(form.txtKod), Qt::Key_F3);
    user::type(widget(form.txtKod), QStringLiteral("a"));
    ASSERT_EQ(form.kodKeys.size(), 2u);
    EXPECT_EQ(form.kodKeys[0], 114);
    EXPECT_EQ(form.kodKeys[1], 65);
    EXPECT_EQ(form.txtKod.text(), QStringLiteral("F3a"));
}

TEST_F(QtWindowTest, FocusLeavingForAPopupOrAnotherWindowIsNoMove)
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
}

TEST_F(QtWindowTest, AFocusMoveQtMadeForTheUserGoesThroughTheCheck)
{
    QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(widget(form.txtKod), &in);
    EXPECT_EQ(form.namnLosses, 1);
    EXPECT_EQ(form.focused(), &form.txtKod);
}

TEST_F(QtWindowTest, ACaptionsAccessKeyReachesTheNextControlInTabOrder)
{
    QShortcutEvent key(QKeySequence(QStringLiteral("Alt+K")), 0);
    QApplication::sendEvent(widget(form.lblKod), &key);
    EXPECT_EQ(form.focused(), &form.txtDatum);
    EXPECT_EQ(QApplication::focusWidget(), widget(form.txtDatum));

    // With the next box disabled the key passes it over, as the window layer reckons it.
    form.txtDatum.setEnabled(false);
    QShortcutEvent again(QKeySequence(QStringLiteral("Alt+K")), 0);
    QApplication::sendEvent(widget(form.lblKod), &again);
    EXPECT_EQ(form.focused(), &form.lstVal);
}

TEST_F(QtWindowTest, AButtonsAccessKeyClicksItThroughTheWindowLayer)
{
    QShortcutEvent key(QKeySequence(QStringLiteral("Alt+M")), 0);
    QApplication::sendEvent(widget(form.chkVal), &key);
    EXPECT_EQ(form.chkVal.value(), 1);
    EXPECT_EQ(form.focused(), &form.chkVal);
    EXPECT_EQ(form.namnLosses, 1);
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
    EXPECT_TRUE(form.optA.value());
    EXPECT_FALSE(form.optB.value());
    EXPECT_EQ(form.focused(), &form.optA);
    EXPECT_TRUE(widget<QRadioButton>(form.optA)->isChecked());
    EXPECT_FALSE(widget<QRadioButton>(form.optB)->isChecked());
}

TEST_F(QtWindowTest, ClickingASelectedOptionKeepsItSelected)
{
    form.optA.setValue(true);
    const int before = form.optClicks;
    widget<QRadioButton>(form.optA)->click(); // Qt would clear it: options are not exclusive there
    EXPECT_TRUE(form.optA.value());
    EXPECT_TRUE(widget<QRadioButton>(form.optA)->isChecked());
    EXPECT_EQ(form.optClicks, before);
}

TEST_F(QtWindowTest, MenuChoicesGoToTheWindowLayerWhichSetsTheMark)
{
    QAction* val = window->actionOf(form.mnuVal);
    val->trigger();
    EXPECT_TRUE(form.mnuVal.checked());
    EXPECT_TRUE(val->isCheckable());
    EXPECT_TRUE(val->isChecked());
    val->trigger();
    EXPECT_FALSE(form.mnuVal.checked());
    EXPECT_FALSE(val->isChecked());

    window->actionOf(form.mnuHjälp)->trigger();
    EXPECT_EQ(form.hjälp, 1);
    EXPECT_EQ(form.focused(), &form.txtNamn) << "a menu choice does not move the focus";
    EXPECT_EQ(form.namnLosses, 0);
}

TEST_F(QtWindowTest, MenuStateChangesReachTheActions)
{
    form.mnuÖppna.setEnabled(false);
    form.mnuVal.setChecked(true);
    form.mnuGrått.setVisible(false);
    EXPECT_FALSE(window->actionOf(form.mnuÖppna)->isEnabled());
    EXPECT_TRUE(window->actionOf(form.mnuVal)->isChecked());
    EXPECT_FALSE(window->actionOf(form.mnuGrått)->isVisible());
    window->actionOf(form.mnuÖppna)->trigger();
    EXPECT_EQ(form.öppna, 0);
}

TEST_F(QtWindowTest, TitleFollowsTheForm)
{
    form.setCaption(QStringLiteral("Kassaprogram för Läkare Ver 6.02"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Kassaprogram för Läkare Ver 6.02"));
}

TEST_F(QtWindowTest, SelectionSetFromCodeReachesTheBox)
{
    form.txtNamn.setText(QStringLiteral("Anders"));
    form.txtNamn.setSelection(0, 6);
    EXPECT_EQ(widget<QLineEdit>(form.txtNamn)->selectedText(), QStringLiteral("Anders"));
}

} // namespace
