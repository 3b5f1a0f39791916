// The desk on real widgets, offscreen, worked with the keyboard alone: a visit is registered,
// browsed back to, and voided with F3 and Enter. The keys go through Qt as a keyboard's would:
// access keys through Qt's shortcut map (label buddies, button mnemonics, the menu bar), the
// rest as key presses to the widget that has Qt's focus.

#include "qtfixture.h"

#include <QLineEdit>
#include <QMenu>

using namespace Qt::Literals::StringLiterals;

// Qt's own entry to the shortcut map for a synthetic key, the one QtTest uses; exported by QtGui.
Q_GUI_EXPORT bool qt_sendShortcutOverrideEvent(QObject* o, ulong timestamp, int k,
                                               Qt::KeyboardModifiers mods, const QString& text,
                                               bool autorep, ushort count);

namespace {

class QtDeskKeyboard : public QtDesk {
protected:
    QWidget* focusWidget() const
    {
        QWidget* w = QApplication::focusWidget();
        return w ? w : window;
    }
    // A key as the keyboard gives it: first offered to the shortcut map, then to the widget.
    void key(int code, Qt::KeyboardModifiers mods = Qt::NoModifier, const QString& text = {})
    {
        QWidget* target = focusWidget();
        if (!qt_sendShortcutOverrideEvent(target, 0, code, mods, text, false, 1))
            user::key(target, code, mods, text);
        QApplication::processEvents();
    }
    void alt(Qt::Key code, const QString& text) { key(code, Qt::AltModifier, text); }
    void type(const QString& text)
    {
        user::type(focusWidget(), text);
        QApplication::processEvents();
    }
};

TEST_F(QtDeskKeyboard, RegisterBrowseBackAndVoidWithTheKeyboardOnly)
{
    open(2);
    expectFocus(desk->txtPersonnummer);

    // "&Nästa  >>" on the last receipt opens a new one.
    alt(Qt::Key_N, u"n"_s);
    ASSERT_EQ(desk->lblKvittoNr.caption(), u"3"_s);
    expectFocus(desk->txtPersonnummer);
    type(u"190001010008"_s);
    key(Qt::Key_Tab);
    expectFocus(desk->txtBesöksDatum);
    type(u"08"_s); // the box selects the day on entry: two digits replace it
    EXPECT_EQ(desk->txtBesöksDatum.text(), u"261208"_s);
    key(Qt::Key_Tab);
    expectFocus(desk->lstTaxekod);
    key(Qt::Key_Up); // from the settings' row 1 to row 0, tariff 01
    EXPECT_EQ(desk->lblPatientavgift.caption(), u"100 Kr"_s);
    key(Qt::Key_Tab);
    expectFocus(desk->lstÅtgärd);
    key(Qt::Key_Down); // procedure B002
    alt(Qt::Key_U, u"u"_s); // "Ak&utbesök"
    EXPECT_EQ(desk->chkAkutbesök.value(), 1);
    key(Qt::Key_Return);

    const QByteArray visitBytes = storedRecord(3);
    ASSERT_EQ(visitBytes.size(), 95);
    // Registreringstyp, Kvittonummer .. Besöksdatum, Akutbesök and Taxekod, Åtgärd.
    EXPECT_EQ(visitBytes.left(1), "1");
    EXPECT_EQ(visitBytes.mid(17, 34), "00000003F190001010008P      261208");
    EXPECT_EQ(visitBytes.mid(52, 3), "101");
    EXPECT_EQ(visitBytes.mid(56, 4), "B002");

    // Back and forth: the visit is shown as registered, in the widgets too.
    alt(Qt::Key_D, u"d"_s);
    ASSERT_EQ(desk->lblKvittoNr.caption(), u"2"_s);
    alt(Qt::Key_N, u"n"_s);
    ASSERT_EQ(desk->lblKvittoNr.caption(), u"3"_s);
    EXPECT_EQ(widget<QLineEdit>(desk->txtPersonnummer)->text(), u"190001010008"_s);

    // A new receipt for the voiding, and "Makulering" from the Alternativ menu.
    alt(Qt::Key_N, u"n"_s);
    ASSERT_EQ(desk->lblKvittoNr.caption(), u"4"_s);
    alt(Qt::Key_T, u"t"_s);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr) << "Alt+T opens the Alternativ menu";
    // Down the menu to "Makulering" (the menu may open with its first entry lit or none).
    QAction* makulering = window->actionOf(*desk->mnuNyReg[1]);
    for (int i = 0; i < 10 && menu->activeAction() != makulering; ++i)
        user::key(menu, Qt::Key_Down);
    ASSERT_EQ(menu->activeAction(), makulering);
    user::key(menu, Qt::Key_Return);
    QApplication::processEvents();
    ASSERT_TRUE(desk->mnuNyReg[1]->checked());
    EXPECT_TRUE(makulering->isChecked());
    EXPECT_TRUE(widget(desk->txtMakulering)->isVisible());
    EXPECT_EQ(desk->focused(), &desk->txtPersonnummer) << "a menu choice does not move the focus";

    for (int i = 0; i < 30 && desk->focused() != &desk->txtMakulering; ++i)
        key(Qt::Key_Tab);
    expectFocus(desk->txtMakulering);
    type(u"3"_s);
    key(Qt::Key_F3);
    expectFocus(desk->txtPersonnummer);
    EXPECT_EQ(widget<QLineEdit>(desk->txtPersonnummer)->text(), u"190001010008"_s);
    key(Qt::Key_Enter, Qt::KeypadModifier);

    VisitRecord expected = VisitRecord::fromBytes(visitBytes);
    expected.setText(VisitField::Registreringstyp, u"2"_s);
    EXPECT_EQ(storedRecord(4), expected.bytes().toByteArray());
    EXPECT_EQ(storedRecord(3), visitBytes);
    EXPECT_TRUE(dialogs.messages().empty());
}

} // namespace
