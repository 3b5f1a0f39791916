// The desk on real widgets, offscreen, worked with the keyboard alone: a visit is registered,
// browsed back to, and voided with F3 and Enter. The keys go through Qt as a keyboard's would:
// access keys through Qt's shortcut map (label buddies, button mnemonics, the menu bar), the
// rest as key presses to the widget that has Qt's focus.

#include "qtfixture.h"
#include "support/deskfixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>

// Qt's own entry to the shortcut map for a synthetic key, the one QtTest uses; exported by QtGui.
Q_GUI_EXPORT bool qt_sendShortcutOverrideEvent(QObject* o, ulong timestamp, int k,
                                               Qt::KeyboardModifiers mods, const QString& text,
                                               bool autorep, ushort count);

namespace {

class QtDeskKeyboard : public DeskFixture {
protected:
    std::unique_ptr<ui::qt::QtBackend> backend;
    ui::qt::FormWindow* window = nullptr;

    void SetUp() override
    {
        writeClinicFiles();
        writeNumberedVisits(2);
        ASSERT_TRUE(dir.isValid());
        program.folder = QDir(dir.path());
        desk = std::make_unique<frmKassa>(app, program);
        backend = std::make_unique<ui::qt::QtBackend>(app);
        backend->start(*desk);
        window = backend->existingWindow(*desk);
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(user::activate(window));
    }

    void TearDown() override { backend.reset(); }

    QWidget* focusWidget() const
    {
        QWidget* w = QApplication::focusWidget();
        return w ? w : window;
    }

    QWidget* widget(const ui::Control& control) const { return window->widgetOf(control); }

    // A key as the keyboard gives it: first offered to the shortcut map, then to the widget.
    void key(int code, Qt::KeyboardModifiers mods = Qt::NoModifier, const QString& text = {})
    {
        QWidget* target = focusWidget();
        if (qt_sendShortcutOverrideEvent(target, 0, code, mods, text, false, 1)) {
            QApplication::processEvents();
            return;
        }
        user::key(target, code, mods, text);
        QApplication::processEvents();
    }

    void alt(Qt::Key code, const QString& text) { key(code, Qt::AltModifier, text); }

    void type(const QString& text)
    {
        user::type(focusWidget(), text);
        QApplication::processEvents();
    }

    // The focus as the window layer and Qt both see it.
    void expectFocus(const ui::Control& control)
    {
        EXPECT_EQ(desk->focused(), &control)
            << "window layer: " << (desk->focused() ? desk->focused()->name().toStdString() : "-");
        EXPECT_EQ(QApplication::focusWidget(), widget(control)) << control.name().toStdString();
    }

    QByteArray field(const QByteArray& record, VisitField f) const
    {
        const FieldSpan span = spanOf(f);
        return record.mid(span.offset, span.width);
    }
};

TEST_F(QtDeskKeyboard, RegisterBrowseBackAndVoidWithTheKeyboardOnly)
{
    expectFocus(desk->txtPersonnummer);

    // "&Nästa  >>" on the last receipt opens a new one.
    alt(Qt::Key_N, QStringLiteral("n"));
    ASSERT_EQ(desk->lblKvittoNr.caption(), QStringLiteral("3"));
    expectFocus(desk->txtPersonnummer);

    type(QStringLiteral("190001010008"));
    EXPECT_EQ(desk->txtPersonnummer.text(), QStringLiteral("190001010008"));
    key(Qt::Key_Tab);
    expectFocus(desk->txtBesöksDatum);
    // The box selects the day on entry: two digits replace it.
    type(QStringLiteral("08"));
    EXPECT_EQ(desk->txtBesöksDatum.text(), QStringLiteral("261208"));
    key(Qt::Key_Tab);
    expectFocus(desk->lstTaxekod);
    key(Qt::Key_Up); // from the settings' row 1 to row 0, tariff 01
    EXPECT_EQ(desk->lstTaxekod.listIndex(), 0);
    EXPECT_EQ(desk->lblPatientavgift.caption(), QStringLiteral("100 Kr"));
    key(Qt::Key_Tab);
    expectFocus(desk->lstÅtgärd);
    key(Qt::Key_Down); // procedure B002
    EXPECT_EQ(desk->lstÅtgärd.listIndex(), 1);
    alt(Qt::Key_U, QStringLiteral("u")); // "Ak&utbesök"
    EXPECT_EQ(desk->chkAkutbesök.value(), 1);
    key(Qt::Key_Return);

    const QByteArray visitBytes = storedRecord(3);
    ASSERT_EQ(visitBytes.size(), 95);
    EXPECT_EQ(field(visitBytes, VisitField::Registreringstyp), QByteArray("1"));
    EXPECT_EQ(field(visitBytes, VisitField::Kvittonummer), QByteArray("00000003"));
    EXPECT_EQ(field(visitBytes, VisitField::IdNummer), QByteArray("190001010008"));
    EXPECT_EQ(field(visitBytes, VisitField::Besöksdatum), QByteArray("261208"));
    EXPECT_EQ(field(visitBytes, VisitField::Taxekod), QByteArray("01"));
    EXPECT_EQ(field(visitBytes, VisitField::Åtgärd), QByteArray("B002"));
    EXPECT_EQ(field(visitBytes, VisitField::Akutbesök), QByteArray("1"));

    // Back and forth: the visit is shown as registered, in the widgets too.
    alt(Qt::Key_D, QStringLiteral("d"));
    ASSERT_EQ(desk->lblKvittoNr.caption(), QStringLiteral("2"));
    alt(Qt::Key_N, QStringLiteral("n"));
    ASSERT_EQ(desk->lblKvittoNr.caption(), QStringLiteral("3"));
    EXPECT_EQ(qobject_cast<QLineEdit*>(widget(desk->txtPersonnummer))->text(),
              QStringLiteral("190001010008"));

    // A new receipt for the voiding, and "Makulering" from the Alternativ menu.
    alt(Qt::Key_N, QStringLiteral("n"));
    ASSERT_EQ(desk->lblKvittoNr.caption(), QStringLiteral("4"));
    alt(Qt::Key_T, QStringLiteral("t"));
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
    EXPECT_TRUE(window->actionOf(*desk->mnuNyReg[1])->isChecked());
    EXPECT_TRUE(widget(desk->txtMakulering)->isVisible());
    EXPECT_EQ(desk->focused(), &desk->txtPersonnummer) << "a menu choice does not move the focus";

    for (int i = 0; i < 30 && desk->focused() != &desk->txtMakulering; ++i)
        key(Qt::Key_Tab);
    expectFocus(desk->txtMakulering);
    type(QStringLiteral("3"));
    key(Qt::Key_F3);
    expectFocus(desk->txtPersonnummer);
    EXPECT_EQ(qobject_cast<QLineEdit*>(widget(desk->txtPersonnummer))->text(),
              QStringLiteral("190001010008"));
    EXPECT_EQ(qobject_cast<QLineEdit*>(widget(desk->txtMakulering))->text(), QStringLiteral("3"));
    key(Qt::Key_Enter, Qt::KeypadModifier);

    VisitRecord expected = VisitRecord::fromBytes(visitBytes);
    expected.setText(VisitField::Registreringstyp, QStringLiteral("2"));
    EXPECT_EQ(storedRecord(4), expected.bytes().toByteArray());
    EXPECT_EQ(storedRecord(3), visitBytes);
    EXPECT_TRUE(dialogs.messages().empty());
}

} // namespace
