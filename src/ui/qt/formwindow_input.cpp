#include "ui/qt/formwindow.h"

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

// The key code the windows' KeyDown handlers know (114 is F3), or 0 for a key they never see.
int keyCodeOf(const QKeyEvent& key)
{
    const int k = key.key();
    if (k >= Qt::Key_F1 && k <= Qt::Key_F16)
        return 112 + (k - Qt::Key_F1);
    if (k >= Qt::Key_0 && k <= Qt::Key_9)
        return (key.modifiers() & Qt::KeypadModifier) ? 96 + (k - Qt::Key_0) : k;
    if (k >= Qt::Key_A && k <= Qt::Key_Z)
        return k;
    switch (k) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Space: return 32;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    default: return 0;
    }
}

int shiftStateOf(Qt::KeyboardModifiers modifiers)
{
    return ((modifiers & Qt::ShiftModifier) ? 1 : 0) | ((modifiers & Qt::ControlModifier) ? 2 : 0)
        | ((modifiers & Qt::AltModifier) ? 4 : 0);
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
        // Keys that reach the window itself: nothing in it holds the focus.
        if (keyPress(nullptr, static_cast<QKeyEvent*>(event)))
            return true;
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
        return keyPress(control, static_cast<QKeyEvent*>(event));
    case QEvent::Shortcut:
        return shortcut(*control);
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
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
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    switch (key->key()) {
    case Qt::Key_Tab:
        if (modifiers & (Qt::ControlModifier | Qt::AltModifier))
            return false;
        m_backend.userTab((modifiers & Qt::ShiftModifier) != 0);
        return true;
    case Qt::Key_Backtab:
        m_backend.userTab(true);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // A main window has no default button of its own: Enter is the window's, from any
        // control, lists included.
        m_backend.userEnter();
        return true;
    case Qt::Key_Escape:
        m_backend.userEscape();
        return true;
    case Qt::Key_Up:
    case Qt::Key_Left:
    case Qt::Key_Down:
    case Qt::Key_Right:
        if (control && control->kind() == ControlKind::OptionButton) {
            // The arrows choose among the options of a group, as on any Windows form.
            const int step = (key->key() == Qt::Key_Up || key->key() == Qt::Key_Left) ? -1 : 1;
            if (OptionButton* next = neighbourOption(*static_cast<OptionButton*>(control), step))
                m_backend.userClick(*next, Qt::TabFocusReason);
            return true;
        }
        break;
    default:
        break;
    }
    if (control && control->kind() == ControlKind::TextBox && modifiers != Qt::AltModifier) {
        if (const int code = keyCodeOf(*key)) {
            m_backend.userKeyDown(code, shiftStateOf(modifiers));
            // A handler that moved the focus elsewhere has taken the key.
            return m_form.focused() != control;
        }
    }
    return false;
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

OptionButton* FormWindow::neighbourOption(const OptionButton& option, int step) const
{
    std::vector<OptionButton*> group;
    for (const auto& c : m_form.controls())
        if (c->kind() == ControlKind::OptionButton) {
            auto* other = static_cast<OptionButton*>(c.get());
            if (other->group() == option.group() && other->container() == option.container())
                group.push_back(other);
        }
    const auto it = std::find(group.begin(), group.end(), &option);
    if (it == group.end())
        return nullptr;
    const int n = int(group.size());
    int i = int(it - group.begin());
    for (int tries = 1; tries < n; ++tries) {
        i = (i + step + n) % n;
        if (group[size_t(i)]->canFocusNow())
            return group[size_t(i)];
    }
    return nullptr;
}

} // namespace ui::qt
