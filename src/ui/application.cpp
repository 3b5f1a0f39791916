#include "ui/application.h"

#include "ui/keys.h"

#include <algorithm>

namespace ui {

namespace {
// More moves than this within one settling can only be two handlers throwing the focus at each
// other; the settling stops where it is rather than bouncing messages back and forth.
constexpr int MaxFocusMoves = 16;
} // namespace

Application::Application(Dialogs& dialogs, Printer& printer, Clock& clock, Screen& screen)
    : m_dialogs(dialogs), m_printer(printer), m_clock(clock), m_screen(screen)
{
}

Application::~Application() = default;

Answer Application::TitledDialogs::message(const QString& text, Buttons buttons, Icon icon,
                                           const QString& title)
{
    return m_dialogs.message(text, buttons, icon, title.isEmpty() ? AppTitle : title);
}

QString Application::TitledDialogs::input(const QString& prompt, const QString& title,
                                          const QString& proposed)
{
    return m_dialogs.input(prompt, title.isEmpty() ? AppTitle : title, proposed);
}

// --- Event machinery ---

void Application::runEvent(const std::function<void()>& body)
{
    beginEvent();
    if (body)
        body();
    endEvent();
}

void Application::forget(Form& form)
{
    m_shown.erase(std::remove(m_shown.begin(), m_shown.end(), &form), m_shown.end());
    m_holderAtStart.erase(&form);
    if (m_active == &form)
        m_active = nullptr;
    if (m_main == &form)
        m_main = nullptr;
}

void Application::beginEvent()
{
    if (m_depth++ > 0)
        return;
    m_holderAtStart.clear();
    for (Form* form : m_shown)
        m_holderAtStart[form] = form->focused();
    if (m_active && !m_holderAtStart.count(m_active))
        m_holderAtStart[m_active] = m_active->focused();
}

void Application::endEvent()
{
    if (m_depth > 1) {
        --m_depth;
        return;
    }
    // Still counted as inside the event while the focus handlers run, so that what they change
    // runs its handlers at once instead of opening events of their own.
    const auto starts = m_holderAtStart;
    Control* lostAlreadyRun = m_lostAlreadyRun;
    m_lostAlreadyRun = nullptr;
    for (const auto& [form, from] : starts)
        settleFocus(*form, from,
                    lostAlreadyRun && &lostAlreadyRun->form() == form ? lostAlreadyRun : nullptr);
    m_holderAtStart.clear();
    --m_depth;
}

void Application::settleFocus(Form& form, Control* from, Control* lostAlreadyRun)
{
    for (int move = 0; move < MaxFocusMoves; ++move) {
        Control* to = form.focused();
        if (to == from)
            return;
        if (from && from != lostAlreadyRun && from->LostFocus)
            from->LostFocus();
        lostAlreadyRun = nullptr;
        Control* now = form.focused();
        if (now == from)
            return; // the check gave the focus back: the move is cancelled
        if (now && now->GotFocus)
            now->GotFocus();
        from = now;
    }
}

// --- Windows ---

void Application::start(Form& main)
{
    m_main = &main;
    show(main);
}

void Application::show(Form& form)
{
    if (!form.m_loaded) {
        form.m_loaded = true;
        runEvent([&form] { form.Form_Load(); });
    }
    if (!isShown(form))
        m_shown.push_back(&form);
    activate(form);
    windowsChanged();
}

void Application::close(Form& form)
{
    if (!form.m_loaded && !isShown(form))
        return;
    runEvent([&form] { form.Form_Unload(); });
    form.m_loaded = false;
    // An unloaded window keeps nothing of its last showing: the next opening starts as a new
    // one, with the focus on its first tab stop (Enter in a box left focused would otherwise
    // write a file where the user expects the window to close).
    // Nor does its last holder lose the focus: leaving a window runs no box's check.
    form.setFocusHolder(nullptr);
    m_holderAtStart.erase(&form);
    m_shown.erase(std::remove(m_shown.begin(), m_shown.end(), &form), m_shown.end());
    if (m_active == &form) {
        m_active = nullptr;
        if (!m_shown.empty())
            activate(*m_shown.front());
    }
    windowsChanged();
}

void Application::closeByUser(Form& form)
{
    if (&form == m_main)
        quit();
    else
        close(form);
}

void Application::activate(Form& form)
{
    if (m_active == &form)
        return;
    m_active = &form;
    runEvent([&form] {
        // A window shown for the first time puts the focus on its first tab stop.
        if (!form.focused())
            if (Control* first = form.nextInTabOrder(nullptr, false))
                form.setFocusHolder(first);
        form.Form_Activate();
    });
    if (!form.focused())
        runEvent([&form] { form.Form_GotFocus(); });
    windowsChanged();
}

void Application::windowsChanged()
{
    if (m_observer)
        m_observer->windowsChanged();
}

bool Application::isShown(const Form& form) const
{
    return std::find(m_shown.begin(), m_shown.end(), &form) != m_shown.end();
}

void Application::quit()
{
    m_quit = true;
    if (onQuit)
        onQuit();
}

// --- What the user does ---

bool Application::focusByUser(Control& target)
{
    Form& form = target.form();
    if (form.focused() == &target)
        return true;
    if (!target.canFocusNow())
        return false;
    Control* from = form.focused();
    beginEvent();
    form.setFocusHolder(&target);
    if (from && from->LostFocus)
        from->LostFocus();
    m_lostAlreadyRun = from;
    endEvent();
    return form.focused() == &target;
}

void Application::tab(bool backwards)
{
    if (!m_active)
        return;
    if (Control* next = m_active->nextInTabOrder(m_active->focused(), backwards))
        focusByUser(*next);
}

void Application::act(Control& control)
{
    switch (control.kind()) {
    case ControlKind::CommandButton: {
        auto& button = static_cast<CommandButton&>(control);
        if (button.Click)
            button.Click();
        break;
    }
    case ControlKind::CheckBox: {
        auto& box = static_cast<CheckBox&>(control);
        box.setValue(box.value() == 1 ? 0 : 1);
        break;
    }
    case ControlKind::OptionButton:
        static_cast<OptionButton&>(control).setValue(true);
        break;
    default:
        break;
    }
}

void Application::click(Control& control)
{
    if (!control.canFocusNow())
        return;
    if (!focusByUser(control))
        return;
    runEvent([this, &control] { act(control); });
}

void Application::select(ListBox& list, int index)
{
    if (index < 0 || index >= list.listCount())
        return;
    if (!focusByUser(list))
        return;
    runEvent([&list, index] { list.setListIndex(index); });
}

bool Application::type(TextBox& box, const QString& text)
{
    const std::optional<QString> taken = box.typed(text);
    if (!taken)
        return false;
    if (!focusByUser(box))
        return false;
    runEvent([&box, &taken] { box.setText(*taken); });
    return true;
}

bool Application::keyDown(int keyCode, int shift)
{
    if (!m_active)
        return false;
    const bool ctrlOrAlt = (shift & (keys::Ctrl | keys::Alt)) != 0;
    switch (keyCode) {
    case keys::Tab:
        if (ctrlOrAlt)
            break;
        tab((shift & keys::Shift) != 0);
        return true;
    case keys::Enter:
        pressEnter();
        return true;
    case keys::Escape:
        pressEscape();
        return true;
    default:
        break;
    }
    Form& form = *m_active;
    Control* holder = form.focused();
    // Alt with a letter or digit is an access key or nothing: it never types the character.
    // Ctrl+Alt is AltGr on some platforms (@, € and { on a Swedish keyboard) and types as usual.
    const bool altKey = (shift & (keys::Ctrl | keys::Alt)) == keys::Alt
        && ((keyCode >= 'A' && keyCode <= 'Z') || (keyCode >= '0' && keyCode <= '9'));
    if (altKey) {
        if (holder && holder->kind() == ControlKind::TextBox) {
            auto* box = static_cast<TextBox*>(holder);
            int code = keyCode;
            if (box->KeyDown)
                runEvent([box, &code, shift] { box->KeyDown(code, shift); });
            if (code == 0 || form.focused() != box)
                return true;
        }
        accessKey(QChar(keyCode));
        return true;
    }
    if (!holder)
        return false;
    if (holder->kind() == ControlKind::OptionButton) {
        // The arrows choose among the options of a group: the focus moves to the next or
        // previous one, which becomes the selected one.
        int step = 0;
        if (keyCode == keys::Up || keyCode == keys::Left)
            step = -1;
        else if (keyCode == keys::Down || keyCode == keys::Right)
            step = 1;
        if (step == 0)
            return false;
        if (OptionButton* next = form.neighbourOption(*static_cast<OptionButton*>(holder), step))
            click(*next);
        return true;
    }
    if (holder->kind() != ControlKind::TextBox)
        return false;
    auto* box = static_cast<TextBox*>(holder);
    if (!box->KeyDown)
        return false;
    int code = keyCode;
    runEvent([box, &code, shift] { box->KeyDown(code, shift); });
    return code == 0 || form.focused() != box;
}

void Application::pressEnter()
{
    if (!m_active)
        return;
    Form& form = *m_active;
    Control* holder = form.focused();
    // A command button that holds the focus takes Enter itself, as a click without the mouse.
    if (holder && holder->kind() == ControlKind::CommandButton) {
        if (holder->canFocusNow())
            runEvent([this, holder] { act(*holder); });
        return;
    }
    CommandButton* button = form.defaultButton();
    if (!button || !button->isEffectivelyVisible() || !button->isEffectivelyEnabled())
        return;
    if (holder && holder->LostFocus) {
        // The box's check runs as if the focus were leaving it for the button; a refusal gives
        // the focus back and the default button does not act. Otherwise the focus stays where
        // it was.
        beginEvent();
        form.setFocusHolderUnseen(button);
        holder->LostFocus();
        const bool refused = form.focused() == holder;
        if (form.focused() == button)
            form.setFocusHolderUnseen(holder);
        m_lostAlreadyRun = holder;
        endEvent();
        if (refused)
            return;
    }
    runEvent([button] {
        if (button->Click)
            button->Click();
    });
}

void Application::pressEscape()
{
    if (!m_active)
        return;
    CommandButton* button = m_active->cancelButton();
    if (!button || !button->isEffectivelyVisible() || !button->isEffectivelyEnabled())
        return;
    runEvent([button] {
        if (button->Click)
            button->Click();
    });
}

void Application::chooseMenu(MenuItem& item)
{
    for (const MenuItem* m = &item; m; m = m->parent())
        if (!m->enabled() || !m->visible())
            return;
    runEvent([&item] {
        if (item.Click)
            item.Click();
    });
}

bool Application::accessKey(QChar key)
{
    if (!m_active)
        return false;
    const Form::AccessKeyTarget target = m_active->accessKeyTarget(key);
    if (!target.control)
        return false;
    switch (target.control->kind()) {
    case ControlKind::CommandButton:
    case ControlKind::CheckBox:
    case ControlKind::OptionButton:
        if (target.acts) {
            click(*target.control);
            break;
        }
        [[fallthrough]];
    default:
        focusByUser(*target.control);
        break;
    }
    return true;
}

} // namespace ui
