// The desk on real widgets, offscreen, worked with the keyboard alone: a visit is registered,
// browsed back to, and voided with F3 and Enter. The keys go through Qt as a keyboard's would:
// access keys through Qt's shortcut map (label buddies, button mnemonics, the menu bar), the
// rest as key presses to the widget that has Qt's focus.

#include "qtfixture.h"

#include <QClipboard>
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

// A focused command button takes Enter itself: "&Nästa  >>" moves on, and the receipt shown is
// not registered again.
TEST_F(QtDeskKeyboard, EnterOnAFocusedButtonIsThatButtonsClick)
{
    open(3);
    alt(Qt::Key_D, u"d"_s); // "<<  Föregåen&de": receipt 2
    ASSERT_EQ(desk->lblKvittoNr.caption(), u"2"_s);
    const QByteArray file = visitFile();
    for (int i = 0; i < 30 && desk->focused() != &desk->cmdNästa; ++i)
        key(Qt::Key_Tab);
    expectFocus(desk->cmdNästa);
    screen.changes.clear();
    key(Qt::Key_Return);
    EXPECT_EQ(desk->lblKvittoNr.caption(), u"3"_s);
    for (int i = 0; i < 30 && desk->focused() != &desk->cmdFöregående; ++i)
        key(Qt::Key_Tab, Qt::ShiftModifier);
    expectFocus(desk->cmdFöregående);
    key(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(desk->lblKvittoNr.caption(), u"2"_s);
    EXPECT_TRUE(screen.changes.empty()) << "no registration ran";
    EXPECT_EQ(visitFile(), file);
    EXPECT_TRUE(dialogs.messages().empty());
}

// Shift, Ctrl and Alt with F3 reach the voiding box's KeyDown as F3 does: the receipt typed
// is copied onto the desk.
class QtDeskVoidingF3 : public QtDeskKeyboard, public ::testing::WithParamInterface<Qt::KeyboardModifiers> {};

TEST_P(QtDeskVoidingF3, CopiesTheReceiptWhateverTheShiftState)
{
    std::vector<VisitRecord> visits;
    for (int n = 1; n <= 3; ++n)
        visits.push_back(visit(n, n == 2 ? u"190001010008"_s : u"191212121212"_s));
    writeClinicFiles();
    writeVisits(visits);
    program.folder = QDir(dir.path());
    desk = std::make_unique<frmKassa>(app, program);
    backend = std::make_unique<ui::qt::QtBackend>(app);
    backend->start(*desk);
    window = backend->existingWindow(*desk);
    ASSERT_TRUE(window && user::activate(window));

    alt(Qt::Key_N, u"n"_s);
    ASSERT_EQ(desk->lblKvittoNr.caption(), u"4"_s);
    window->actionOf(*desk->mnuNyReg[1])->trigger();
    desk->txtMakulering.setFocus();
    QApplication::processEvents();
    expectFocus(desk->txtMakulering);
    widget<QLineEdit>(desk->txtMakulering)->selectAll();
    type(u"2"_s);
    key(Qt::Key_F3, GetParam());
    EXPECT_EQ(widget<QLineEdit>(desk->txtPersonnummer)->text(), u"190001010008"_s);
    expectFocus(desk->txtPersonnummer);
    EXPECT_TRUE(dialogs.messages().empty());
}

INSTANTIATE_TEST_SUITE_P(Keys, QtDeskVoidingF3,
                         ::testing::Values(Qt::KeyboardModifiers(Qt::ShiftModifier),
                                           Qt::KeyboardModifiers(Qt::ControlModifier),
                                           Qt::KeyboardModifiers(Qt::AltModifier),
                                           Qt::KeyboardModifiers(Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)),
                         [](const auto& info) {
                             const Qt::KeyboardModifiers m = info.param;
                             return std::string(m & Qt::ShiftModifier ? "Shift" : "")
                                 + (m & Qt::ControlModifier ? "Ctrl" : "") + (m & Qt::AltModifier ? "Alt" : "");
                         });

// Control characters are refused where they are pasted or inserted, like characters outside
// Windows-1252: the box and the widget keep what they held.
TEST_F(QtDeskKeyboard, ControlCharactersAreRefusedWherePasted)
{
    open(3);
    desk->txtDiagnoskod.setFocus();
    QApplication::processEvents();
    auto* edit = widget<QLineEdit>(desk->txtDiagnoskod);
    edit->selectAll();
    type(u"K30"_s);
    ASSERT_EQ(desk->txtDiagnoskod.text(), u"K30"_s);
    const QString pasted[] = {u"\t1"_s, u"\r"_s, u"\n"_s, u"\r\n"_s, QString(QChar(0x1A)), QString(QChar(0x7F))};
    for (const QString& text : pasted) {
        QGuiApplication::clipboard()->setText(text);
        edit->end(false);
        key(Qt::Key_V, Qt::ControlModifier);
        edit->insert(text);
        EXPECT_EQ(desk->txtDiagnoskod.text(), u"K30"_s) << int(text.at(0).unicode());
        EXPECT_EQ(edit->text(), u"K30"_s) << int(text.at(0).unicode());
    }
    QGuiApplication::clipboard()->setText(u"1"_s);
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(desk->txtDiagnoskod.text(), u"K301"_s) << "a paste of good text is taken";
}

} // namespace
