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
// not move the focus. A command button that holds the focus takes Enter itself; from any other
// control Enter goes to the default button, after the focus-loss check of the box that holds
// the focus, and a refusal cancels the default button.
class Application {
public:
    Application(Dialogs& dialogs, Printer& printer, Clock& clock, Screen& screen);
    ~Application();

    // The message and input boxes, a box without a title of its own carrying the program's.
    Dialogs& dialogs() const { return m_titled; }
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
    // The user closes a window (its title bar's close button): the start-up window ends the
    // program, any other window is closed.
    void closeByUser(Form& form);
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
    // The user picks item `index` of a list (the focus moves to the list first). A list keeps
    // its selection: picking no item (-1, a deselecting click) changes nothing.
    void select(ListBox& list, int index);
    // The user types or pastes so that `box` would hold `text` (focus moves there first). The
    // box takes what TextBox::typed makes of it: beyond the maximum length the first characters
    // that fit; an edit bringing in text outside Windows-1252 or a control character is refused
    // whole: the box keeps its text and false comes back.
    bool type(TextBox& box, const QString& text);
    // A key (ui::keys) with its shift state on the control that holds the focus. Tab (Shift+Tab
    // backwards), Enter and Esc act as the window's keys; the arrow keys on an option choose the
    // next or previous option of its group; other keys go to a text box's KeyDown. True when the
    // key was taken: the window acted on it, or the KeyDown handler swallowed it (set the key
    // code to 0) or moved the focus away; otherwise the control may use the key as usual
    // (a text box inserts the character, a list moves its selection). Alt with a letter or
    // digit is always taken: an access key when the window has one, else nothing is typed.
    bool keyDown(int keyCode, int shift = 0);
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

    // A window about to be destroyed is forgotten at once, without events, so that an
    // application that outlives its windows keeps no pointer to one that is gone.
    void forget(Form& form);

private:
    void beginEvent();
    void endEvent();
    void settleFocus(Form& form, Control* from, Control* lostAlreadyRun);
    void act(Control& control);
    void windowsChanged();

    // Gives every box without a title of its own the program's title.
    class TitledDialogs : public Dialogs {
    public:
        explicit TitledDialogs(Dialogs& dialogs) : m_dialogs(dialogs) {}
        Answer message(const QString& text, Buttons buttons, Icon icon, const QString& title) override;
        QString input(const QString& prompt, const QString& title, const QString& proposed) override;

    private:
        Dialogs& m_dialogs;
    };

    Dialogs& m_dialogs;
    mutable TitledDialogs m_titled{m_dialogs};
    Printer& m_printer;
    Clock& m_clock;
    Screen& m_screen;
    ControlObserver* m_observer = nullptr;

    std::vector<Form*> m_shown;
    Form* m_main = nullptr;
    Form* m_active = nullptr;
    bool m_quit = false;

    int m_depth = 0;
    std::map<Form*, Control*> m_holderAtStart;
    Control* m_lostAlreadyRun = nullptr;
};

} // namespace ui
