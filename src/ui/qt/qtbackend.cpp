#include "ui/qt/qtbackend.h"

#include "ui/keys.h"
#include "ui/qt/formwindow.h"

#include <QCloseEvent>

namespace ui::qt {

QtBackend::QtBackend(Application& app) : m_app(app)
{
    m_app.setObserver(this);
}

QtBackend::~QtBackend()
{
    if (m_app.observer() == this)
        m_app.setObserver(nullptr);
    const Pushing pushing(*this);
    m_windows.clear();
}

void QtBackend::start(Form& main)
{
    windowFor(main);
    m_app.start(main);
    sync();
}

FormWindow& QtBackend::windowFor(Form& form)
{
    auto& window = m_windows[&form];
    if (!window) {
        const Pushing pushing(*this);
        window = std::make_unique<FormWindow>(*this, form);
    }
    return *window;
}

FormWindow* QtBackend::existingWindow(const Form& form) const
{
    auto it = m_windows.find(&form);
    return it == m_windows.end() ? nullptr : it->second.get();
}

bool QtBackend::acceptsUser() const
{
    return !m_app.hasQuit() && m_app.eventDepth() == 0 && m_pushing == 0;
}

void QtBackend::sync(Qt::FocusReason reason)
{
    if (m_app.hasQuit() || m_app.eventDepth() > 0 || m_syncing)
        return;
    m_syncing = true;
    for (Form* form : m_app.shownForms()) {
        FormWindow& window = windowFor(*form);
        if (!window.isVisible()) {
            const Pushing pushing(*this);
            window.show();
        }
    }
    for (auto& [form, window] : m_windows)
        if (!m_app.isShown(*form) && window->isVisible()) {
            const Pushing pushing(*this);
            window->hide();
        }
    Form* active = m_app.activeForm();
    if (active != m_syncedActive) {
        m_syncedActive = active;
        if (active) {
            FormWindow& window = windowFor(*active);
            window.raise();
            if (!window.isActiveWindow()) {
                m_requestedActive = &window;
                window.activateWindow();
            }
        }
    }
    for (auto& [form, window] : m_windows)
        if (window->isVisible())
            window->followFocus(reason);
    m_syncing = false;
}

void QtBackend::queueSync()
{
    if (m_syncQueued)
        return;
    m_syncQueued = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_syncQueued = false;
            sync();
        },
        Qt::QueuedConnection);
}

// A user's change that the window layer did not take (or changed) is undone in the widget.
void QtBackend::refresh(Control& control)
{
    FormWindow* window = existingWindow(control.form());
    if (!window)
        return;
    window->showAll(control);
    if (control.kind() == ControlKind::OptionButton)
        for (const auto& other : control.form().controls())
            if (other->kind() == ControlKind::OptionButton)
                window->showControl(*other, Property::Value);
}

// --- What the user did ---

void QtBackend::userFocus(Control& target, Qt::FocusReason reason)
{
    if (acceptsUser())
        m_app.focusByUser(target);
    // Also after a refusal: the focus goes back to the box whose check kept it.
    sync(reason);
}

void QtBackend::userClick(Control& control, Qt::FocusReason reason)
{
    // The window layer moves the focus to the control first; a refused move leaves the button
    // unpressed and the box unchecked.
    if (acceptsUser())
        m_app.click(control);
    refresh(control);
    sync(reason);
}

void QtBackend::userAccessKey(QChar key)
{
    if (acceptsUser())
        m_app.accessKey(key);
    sync(Qt::ShortcutFocusReason);
}

void QtBackend::userTyped(TextBox& box, const QString& text)
{
    if (acceptsUser())
        m_app.type(box, text);
    refresh(box);
    sync();
}

void QtBackend::userSelected(ListBox& list, int row)
{
    // A deselection the window layer refuses (a list keeps its selection) is undone.
    if (acceptsUser())
        m_app.select(list, row);
    refresh(list);
    sync(Qt::MouseFocusReason);
}

bool QtBackend::userKeyDown(int keyCode, int shift)
{
    // While the window layer is busy (a message box is up) the key does not happen at all.
    if (!acceptsUser())
        return true;
    const bool taken = m_app.keyDown(keyCode, shift);
    Qt::FocusReason reason = Qt::OtherFocusReason;
    if (keyCode == keys::Tab)
        reason = (shift & keys::Shift) ? Qt::BacktabFocusReason : Qt::TabFocusReason;
    sync(reason);
    return taken;
}

void QtBackend::userMenu(MenuItem& item)
{
    if (acceptsUser())
        m_app.chooseMenu(item);
    // A checkable entry toggles itself in Qt; the mark is the window layer's to set.
    for (auto& [form, window] : m_windows)
        window->showMenu(item);
    sync();
}

// Qt activates a window when the user goes from one of the program's windows to another, and
// also after a message box, after another application and whenever the backend asked it to.
// The window the window layer has active already is no news; one the backend is still waiting
// for Qt to activate makes any other activation Qt's own catching up.
void QtBackend::windowActivated(FormWindow& window)
{
    if (m_requestedActive) {
        if (m_requestedActive == &window)
            m_requestedActive = nullptr;
        return;
    }
    userCameTo(window);
}

void QtBackend::userInputIn(FormWindow& window)
{
    // What the user does settles any wait for Qt: this is the window the user is in.
    m_requestedActive = nullptr;
    userCameTo(window);
}

void QtBackend::userCameTo(FormWindow& window)
{
    Form& form = window.form();
    if (!acceptsUser() || !m_app.isShown(form) || m_app.activeForm() == &form)
        return;
    m_app.activate(form);
    sync();
}

void QtBackend::windowCloseRequested(FormWindow& window, QCloseEvent& event)
{
    Form& form = window.form();
    if (m_app.hasQuit() || !m_app.isShown(form)) {
        event.accept();
        return;
    }
    // The window layer closes it (or ends the program); the Qt window follows.
    event.ignore();
    if (!acceptsUser())
        return;
    m_app.closeByUser(form);
    sync();
}

// --- The window layer's changes ---

void QtBackend::controlChanged(Control& control, Property property)
{
    if (FormWindow* window = existingWindow(control.form()))
        window->showControl(control, property);
}

void QtBackend::menuChanged(MenuItem& item)
{
    for (auto& [form, window] : m_windows)
        window->showMenu(item);
}

void QtBackend::focusChanged(Form&, Control*)
{
    // The holder can still change back before the event ends (a check that keeps the focus);
    // Qt follows once it has.
    queueSync();
}

void QtBackend::formCaptionChanged(Form& form)
{
    if (FormWindow* window = existingWindow(form))
        window->showCaption();
}

void QtBackend::windowsChanged()
{
    // Shown, closed or activated from code as well as by the user: Qt follows once the event
    // that did it has ended.
    if (m_app.eventDepth() == 0)
        sync();
    else
        queueSync();
}

} // namespace ui::qt
