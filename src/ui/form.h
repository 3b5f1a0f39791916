#pragma once

#include "ui/controls.h"
#include "ui/services.h"

#include <QString>
#include <array>
#include <memory>
#include <optional>
#include <vector>

namespace ui {

class Application;
struct Layout;

// What a backend implements to mirror the windows. Every change of a control, a menu entry, the
// focus or a window's caption is reported at once.
class ControlObserver {
public:
    virtual ~ControlObserver() = default;
    virtual void controlChanged(Control& control, Property property) = 0;
    virtual void menuChanged(MenuItem& item) = 0;
    virtual void focusChanged(Form& form, Control* holder) = 0;
    virtual void formCaptionChanged(Form& form) = 0;
    // A window was shown, closed or became the active one (Application::shownForms and
    // activeForm tell which).
    virtual void windowsChanged() {}
};

// A window: it owns its controls, its menu bar and its state; the system's windows derive from
// it and carry their handlers under the system's own names.
class Form {
public:
    Form(Application& app, QString name);
    // A window built from its layout table (see ui/layout.h).
    Form(Application& app, QString name, const Layout& layout);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    Application& app() const { return m_app; }
    const QString& name() const { return m_name; }

    // The window title.
    const QString& caption() const { return m_caption; }
    void setCaption(const QString& caption);

    // Size of the client area in twips (the window is not resizable).
    int clientWidth() const { return m_clientWidth; }
    int clientHeight() const { return m_clientHeight; }
    void setClientSize(int width, int height);

    template <class T, class... Args>
    T& add(QString name, Args&&... args)
    {
        auto control = std::make_unique<T>(*this, std::move(name), std::forward<Args>(args)...);
        T& ref = *control;
        m_controls.push_back(std::move(control));
        return ref;
    }
    const std::vector<std::unique_ptr<Control>>& controls() const { return m_controls; }
    Control* control(const QString& name) const;
    // The control of that name and kind, for a window to bind its members to what its layout
    // built; a name the window does not hold stops the program (a fault of the source).
    template <class T>
    T& named(QStringView name)
    {
        auto* found = dynamic_cast<T*>(control(name.toString()));
        if (!found)
            unknownName(name);
        return *found;
    }
    // The same for a member's initialiser, the kind taken from the member's type, so that a
    // window binds several controls of one kind in one declaration:
    //     ui::Label &Label1 = named(u"Label1"), &Label2 = named(u"Label2");
    struct Named {
        Form& form;
        QStringView name;
        template <class T>
        operator T&() const
        {
            return form.named<T>(name);
        }
    };
    Named named(QStringView name) { return {*this, name}; }
    // The members of a control array, "name(0)" to "name(N-1)".
    template <class T, std::size_t N>
    std::array<T*, N> namedArray(QStringView name)
    {
        std::array<T*, N> members;
        for (std::size_t i = 0; i < N; ++i)
            members[i] = &named<T>(QStringLiteral("%1(%2)").arg(name).arg(i));
        return members;
    }
    // The menu entry of that name (and index, for a control array), anywhere in the menus.
    MenuItem& namedMenu(QStringView name, int index = -1);

    MenuItem& menuBar() { return *m_menuBar; }
    const MenuItem& menuBar() const { return *m_menuBar; }

    // The tab order, first to last; caption labels stand directly before the control their
    // access key reaches.
    void setTabOrder(const std::vector<Control*>& order);
    const std::vector<Control*>& tabOrder() const { return m_tabOrder; }
    // The control that Tab (or Shift+Tab) reaches from `from`, skipping what cannot take the
    // focus now; of a group of options only the selected one is a stop.
    Control* nextInTabOrder(Control* from, bool backwards) const;
    // The control an access key reaches (a label's next control, or the button itself), and
    // whether the key acts on it: only a button, check box or option whose own caption holds a
    // key no other control of the window shares is pressed; otherwise the key only moves the
    // focus, so a shared key ("&Sjukgymnast" and "&Stäng") or a label's key never closes or
    // saves anything by surprise.
    struct AccessKeyTarget {
        Control* control = nullptr;
        bool acts = false;
    };
    AccessKeyTarget accessKeyTarget(QChar key) const;
    // The control a caption (label or frame) hands its access key to: the next control after it
    // in the tab order that can hold the focus at all, whether or not it can take it now.
    Control* captionTarget(const Control& caption) const;
    // The option of the same group `step` places on (-1 back, 1 on, round the group), skipping
    // options that cannot take the focus now; none when no other can.
    OptionButton* neighbourOption(const OptionButton& option, int step) const;

    Control* focused() const { return m_focused; }

    CommandButton* defaultButton() const { return m_defaultButton; }
    CommandButton* cancelButton() const { return m_cancelButton; }
    void setDefaultButton(CommandButton* button) { m_defaultButton = button; }
    void setCancelButton(CommandButton* button) { m_cancelButton = button; }

    bool isLoaded() const { return m_loaded; }

    // Window events, raised by the application.
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_GotFocus() {}
    virtual void Form_Unload() {}

    Dialogs& dialogs() const;
    Printer& printer() const;
    Clock& clock() const;
    Screen& screen() const;

    // A refused box: shows why, if there is a refusal, and gives `fält` the focus back, so the
    // user cannot move on until it is put right or erased. True when refused.
    bool vägra(Control& fält, const std::optional<QString>& fel);
    // Tells where a printed page went: nothing when it came out of the printer, the path of the
    // PDF file when there was no printer, or why it failed followed by `efterFel`, what the user
    // is to do about it. `vad` names the page ("Kvittot").
    void meddelaUtskrift(const PrintOutcome& utfall, const QString& vad, const QString& efterFel);

private:
    [[noreturn]] static void unknownName(QStringView name);
    friend class Control;
    friend class MenuItem;
    friend class Application;
    void setFocusHolder(Control* control);
    // Changes the holder without telling the backend: for a check that runs as if the focus
    // were leaving the box while it stays there (Enter), so that the widgets never see it move.
    void setFocusHolderUnseen(Control* control) { m_focused = control; }
    void notify(Control& control, Property property);
    void notifyMenu(MenuItem& item);

    Application& m_app;
    QString m_name;
    QString m_caption;
    int m_clientWidth = 0;
    int m_clientHeight = 0;
    std::vector<std::unique_ptr<Control>> m_controls;
    std::unique_ptr<MenuItem> m_menuBar;
    std::vector<Control*> m_tabOrder;
    Control* m_focused = nullptr;
    CommandButton* m_defaultButton = nullptr;
    CommandButton* m_cancelButton = nullptr;
    bool m_loaded = false;
};

} // namespace ui
