#pragma once

#include "ui/form.h"
#include "ui/services.h"

#include <QChar>
#include <QString>
#include <functional>
#include <map>
#include <vector>

namespace ui {

// Owns the running windows and raises their events; the one door through which everything the
// user does reaches the windows, whether a test or the Qt backend does it.
//
// Focus: a move requested from code inside a handler changes the holder at once, but the
// LostFocus and GotFocus handlers run after the outermost event has finished, collapsed into
// one move from the holder at its start to the holder at its end. A move by the user first runs
// the holder's LostFocus; if that handler gives the focus back, the move is cancelled: the
// target gets no GotFocus and a clicked button does not click. Enter, Esc and menu choices do
// not move the focus; Enter first runs the focus-loss check of the box that holds the focus,
// and a refusal cancels the default button.
class Application {
public:
    Application(Dialogs& dialogs, Printer& printer, Clock& clock, Screen& screen);
    ~Application();

    Dialogs& dialogs() const { return m_dialogs; }
    Printer& printer() const { return m_printer; }
    Clock& clock() const { return m_clock; }
    Screen& screen() const { return m_screen; }

    void setObserver(ControlObserver* observer) { m_observer = observer; }
    ControlObserver* observer() const { return m_observer; }

    // --- Windows ---
    // The start-up window: loaded, shown and activated.
    void start(Form& main);
    // A secondary window: loaded when needed, shown without blocking, activated.
    void show(Form& form);
    // Unloads a secondary window; the window shown before it becomes active again.
    void close(Form& form);
    // `form` becomes the active window, coming from another window of the program: its
    // Form_Activate runs. Returning from a message box is no activation.
    void activate(Form& form);
    Form* activeForm() const { return m_active; }
    bool isShown(const Form& form) const;
    const std::vector<Form*>& shownForms() const { return m_shown; }

    // Ends the program at once (no closing events).
    void quit();
    bool hasQuit() const { return m_quit; }
    std::function<void()> onQuit;

    // --- What the user does ---
    // Moves the focus to `target` as a click into it or an access key would; false when the
    // move was refused (the holder's check kept the focus) or the target cannot take it.
    bool focusByUser(Control& target);
    void tab(bool backwards = false);
    // A click on a button, check box or option: the focus moves to it first, then it acts.
    void click(Control& control);
    // The user picks item `index` of a list (the focus moves to the list first).
    void select(ListBox& list, int index);
    // The user types `text` into `box`, replacing what it held (focus moves there first).
    // Characters beyond the maximum length or outside Windows-1252 are refused: the box keeps
    // its text and false comes back.
    bool type(TextBox& box, const QString& text);
    // A key on the control that holds the focus; Tab, Enter (13) and Esc (27) act as the window's
    // keys, other keys go to the box's KeyDown.
    void keyDown(int keyCode, int shift = 0);
    void pressEnter();
    void pressEscape();
    void chooseMenu(MenuItem& item);
    // Alt + key on the active window: its controls' access keys (menus are the backend's).
    bool accessKey(QChar key);

    // --- Event machinery ---
    // Runs `body` as an event: nested handlers run inside it, and the focus is settled when the
    // outermost event ends.
    void runEvent(const std::function<void()>& body);
    int eventDepth() const { return m_depth; }

private:
    void beginEvent();
    void endEvent();
    void settleFocus(Form& form, Control* from, Control* lostAlreadyRun);
    void act(Control& control);

    Dialogs& m_dialogs;
    Printer& m_printer;
    Clock& m_clock;
    Screen& m_screen;
    ControlObserver* m_observer = nullptr;

    std::vector<Form*> m_shown;
    Form* m_active = nullptr;
    bool m_quit = false;

    int m_depth = 0;
    std::map<Form*, Control*> m_holderAtStart;
    Control* m_lostAlreadyRun = nullptr;
};

} // namespace ui
