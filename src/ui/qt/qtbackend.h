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

    // The Qt window of `form`, built when first asked for.
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
    void userTab(bool backwards);
    void userClick(Control& control, Qt::FocusReason reason);
    void userAccessKey(QChar key);
    void userTyped(TextBox& box, const QString& text);
    void userSelected(ListBox& list, int row);
    void userEnter();
    void userEscape();
    void userKeyDown(int keyCode, int shift);
    void userMenu(MenuItem& item);
    void windowActivated(FormWindow& window);
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

private:
    void refresh(Control& control);
    void queueSync();

    Application& m_app;
    Form* m_main = nullptr;
    std::map<const Form*, std::unique_ptr<FormWindow>> m_windows;
    QPointer<FormWindow> m_lastActiveWindow;
    Form* m_syncedActive = nullptr;
    int m_pushing = 0;
    bool m_syncQueued = false;
};

} // namespace ui::qt
