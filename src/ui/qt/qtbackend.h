#pragma once

#include "ui/application.h"
#include "ui/form.h"

#include <QObject>
#include <QPointer>
#include <map>
#include <memory>

class QCloseEvent;

namespace ui::qt {

class FormWindow;

// The Qt Widgets backend of the window layer. It mirrors every shown window of the program as a
// FormWindow, carries what the user does to the Application (the one door into the windows) and
// brings the widgets, the shown windows and Qt's focus in line with the window layer after every
// event. It holds no rule of the system: the window layer decides, the backend follows.
class QtBackend : public QObject, public ControlObserver {
public:
    explicit QtBackend(Application& app);
    ~QtBackend() override;
    QtBackend(const QtBackend&) = delete;
    QtBackend& operator=(const QtBackend&) = delete;

    Application& app() const { return m_app; }

    // Starts the program on its start-up window: the window is built, the window layer loads
    // and activates it, and the Qt window is shown. Closing this window ends the program.
    void start(Form& main);

    // The Qt window of `form`, built when first asked for: a window the program shows through
    // the Application gets its Qt window when it is first shown, and keeps it while it is
    // closed and shown again.
    FormWindow& windowFor(Form& form);
    FormWindow* existingWindow(const Form& form) const;

    // Brings Qt in line with the window layer: every shown window visible and the others
    // hidden, the active one raised when it changed, and Qt's focus on each window's holder.
    // Does nothing while an event of the window layer is still running.
    void sync(Qt::FocusReason reason = Qt::OtherFocusReason);

    // Whether a user event may reach the window layer now: not while one of its events is
    // running (a message box is up) nor while the backend itself is changing widgets.
    bool acceptsUser() const;

    // --- What the user did, from the Qt windows ---
    void userFocus(Control& target, Qt::FocusReason reason);
    void userClick(Control& control, Qt::FocusReason reason);
    void userAccessKey(QChar key);
    void userTyped(TextBox& box, const QString& text);
    void userSelected(ListBox& list, int row);
    // A key with its code and shift state (ui::keys); true when the window layer took it.
    bool userKeyDown(int keyCode, int shift);
    void userMenu(MenuItem& item);
    // Qt made `window` its active window: the user came to it (the mouse, the keyboard, the
    // window manager), or Qt is only following what the backend asked for, or coming back from
    // a message box or another application. Only the first activates its form.
    void windowActivated(FormWindow& window);
    // The user presses a key or a mouse button in `window`: it is the window the user is in.
    void userInputIn(FormWindow& window);
    void windowCloseRequested(FormWindow& window, QCloseEvent& event);

    // Marks the backend's own changes to widgets, so that the focus and signals they cause in
    // Qt are not taken for the user's.
    class Pushing {
    public:
        explicit Pushing(QtBackend& backend) : m_backend(backend) { ++m_backend.m_pushing; }
        ~Pushing() { --m_backend.m_pushing; }
        Pushing(const Pushing&) = delete;
        Pushing& operator=(const Pushing&) = delete;

    private:
        QtBackend& m_backend;
    };

    // --- ControlObserver ---
    void controlChanged(Control& control, Property property) override;
    void menuChanged(MenuItem& item) override;
    void focusChanged(Form& form, Control* holder) override;
    void formCaptionChanged(Form& form) override;
    void windowsChanged() override;

private:
    void refresh(Control& control);
    void queueSync();
    void userCameTo(FormWindow& window);

    Application& m_app;
    std::map<const Form*, std::unique_ptr<FormWindow>> m_windows;
    Form* m_syncedActive = nullptr;
    // The window the backend last asked Qt to activate, until Qt has done it. Activations of
    // other windows before that are Qt catching up (a window hidden or shown a moment ago), not
    // the user's; taken for the user's, each would ask for another and the two would never end.
    QPointer<FormWindow> m_requestedActive;
    int m_pushing = 0;
    bool m_syncing = false;
    bool m_syncQueued = false;
};

} // namespace ui::qt
