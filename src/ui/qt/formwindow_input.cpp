#include "ui/qt/formwindow.h"

#include "ui/keys.h"
#include "ui/qt/qtbackend.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>

// What the user does in a window, carried to the window layer. Qt is not left to move the
// focus on its own: Tab, clicks into a box and access keys ask the window layer first, because
// the box being left may refuse (its check shows a message and keeps the focus), and then
// neither the move nor the click may happen.

namespace ui::qt {

namespace {

// The key code the window layer knows (ui::keys: 114 is F3), or 0 for a key it never sees.
int keyCodeOf(const QKeyEvent& key)
{
    const int k = key.key();
    if (k >= Qt::Key_F1 && k <= Qt::Key_F16)
        return keys::F1 + (k - Qt::Key_F1);
    if (k >= Qt::Key_0 && k <= Qt::Key_9)
        return (key.modifiers() & Qt::KeypadModifier) ? 96 + (k - Qt::Key_0) : k;
    if (k >= Qt::Key_A && k <= Qt::Key_Z)
        return k;
    switch (k) {
    case Qt::Key_Tab: return keys::Tab;
    case Qt::Key_Backtab: return keys::Tab; // Shift+Tab, with the shift state
    case Qt::Key_Return: return keys::Enter;
    case Qt::Key_Enter: return keys::Enter;
    case Qt::Key_Escape: return keys::Escape;
    case Qt::Key_Backspace: return keys::Backspace;
    case Qt::Key_Space: return 32;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return keys::Left;
    case Qt::Key_Up: return keys::Up;
    case Qt::Key_Right: return keys::Right;
    case Qt::Key_Down: return keys::Down;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    default: return 0;
    }
}

int shiftStateOf(const QKeyEvent& key)
{
    const Qt::KeyboardModifiers modifiers = key.modifiers();
    return ((modifiers & Qt::ShiftModifier) || key.key() == Qt::Key_Backtab ? keys::Shift : 0)
        | ((modifiers & Qt::ControlModifier) ? keys::Ctrl : 0)
        | ((modifiers & Qt::AltModifier) ? keys::Alt : 0);
}

} // namespace

void FormWindow::bindUser(Control& control, QWidget* widget)
{
    widget->installEventFilter(this);
    switch (control.kind()) {
    case ControlKind::TextBox: {
        auto* box = static_cast<TextBox*>(&control);
        connect(static_cast<QLineEdit*>(widget), &QLineEdit::textEdited, this,
                [this, box](const QString& text) { m_backend.userTyped(*box, text); });
        break;
    }
    case ControlKind::ListBox: {
        auto* list = static_cast<QListWidget*>(widget);
        auto* model = static_cast<ListBox*>(&control);
        list->viewport()->installEventFilter(this);
        connect(list, &QListWidget::itemSelectionChanged, this, [this, list, model] {
            const auto selected = list->selectedItems();
            m_backend.userSelected(*model, selected.isEmpty() ? -1 : list->row(selected.first()));
        });
        break;
    }
    case ControlKind::CheckBox:
    case ControlKind::OptionButton:
    case ControlKind::CommandButton:
        // The click goes through the window layer, which moves the focus to the control first.
        connect(static_cast<QAbstractButton*>(widget), &QAbstractButton::clicked, this,
                [this, &control] { m_backend.userClick(control, Qt::MouseFocusReason); });
        break;
    default:
        break;
    }
}

bool FormWindow::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::WindowActivate: {
        const bool result = QMainWindow::event(event);
        m_backend.windowActivated(*this);
        return result;
    }
    case QEvent::KeyPress:
        // Keys that reach the window itself: none of its widgets has Qt's focus.
        m_backend.userInputIn(*this);
        if (keyPress(nullptr, static_cast<QKeyEvent*>(event)))
            return true;
        break;
    case QEvent::MouseButtonPress:
        m_backend.userInputIn(*this);
        break;
    default:
        break;
    }
    return QMainWindow::event(event);
}

void FormWindow::closeEvent(QCloseEvent* event)
{
    m_backend.windowCloseRequested(*this, *event);
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event)
{
    Control* control = controlOf(watched);
    if (!control)
        return QMainWindow::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress:
        m_backend.userInputIn(*this);
        return keyPress(control, static_cast<QKeyEvent*>(event));
    case QEvent::Shortcut:
        return shortcut(*control);
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        m_backend.userInputIn(*this);
        return mousePress(*control, static_cast<QWidget*>(watched));
    case QEvent::FocusIn:
        focusIn(*control, static_cast<QFocusEvent*>(event)->reason());
        return false;
    default:
        return false;
    }
}

bool FormWindow::keyPress(Control* control, QKeyEvent* key)
{
    // Every key the window layer knows goes to it with its shift state, and it says what the key
    // means: Tab, Enter and Esc are the window's (a main window has no default button of its
    // own), the arrows choose among options, the rest reach a text box's KeyDown. A key it did
    // not take is the widget's as usual (a character typed, a list's row moved).
    Q_UNUSED(control);
    const int code = keyCodeOf(*key);
    if (code == 0)
        return false;
    return m_backend.userKeyDown(code, shiftStateOf(*key));
}

bool FormWindow::shortcut(Control& control)
{
    // The window layer says where an access key goes: a caption hands it to the next control
    // that can take the focus now, and captions sharing a key take turns. Qt only tells which
    // key was pressed.
    const QChar key = accessKeyOf(control.caption());
    if (key.isNull())
        return false;
    m_backend.userAccessKey(key);
    return true;
}

bool FormWindow::mousePress(Control& control, QWidget* widget)
{
    if (control.kind() != ControlKind::TextBox && control.kind() != ControlKind::ListBox)
        return false;
    QWidget* focusTarget = widgetOf(control);
    if (focusTarget->hasFocus() && m_form.focused() == &control)
        return false;
    if (!m_backend.acceptsUser())
        return true;
    m_backend.userFocus(control, Qt::MouseFocusReason);
    Q_UNUSED(widget);
    // A refused move: the click does nothing (no cursor placed, no list item chosen).
    return m_form.focused() != &control;
}

void FormWindow::focusIn(Control& control, Qt::FocusReason reason)
{
    // Focus that Qt moves on its own behalf is no move of the user's: a message box or menu
    // closing, the window coming back. Only a move the user made elsewhere in Qt is carried.
    switch (reason) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::MouseFocusReason:
    case Qt::ShortcutFocusReason:
        break;
    default:
        return;
    }
    if (!m_backend.acceptsUser() || m_form.focused() == &control)
        return;
    m_backend.userFocus(control, reason);
}

} // namespace ui::qt
