#pragma once

#include "ui/form.h"

#include <QMainWindow>
#include <map>
#include <unordered_map>

class QAction;
class QButtonGroup;
class QKeyEvent;
class QMenu;

namespace ui::qt {

class QtBackend;

// One window of the program as a fixed-size Qt main window: a widget per control at its twip
// geometry (15 twips to a device-independent pixel; Qt scales for high-DPI screens), the menu
// bar from the window's menus, label buddies for access keys, and the window's tab order.
//
// The window holds no behaviour. What the user does goes to the window layer through the
// backend (QtBackend), which decides; what the window layer changes comes back through
// showControl() and friends, pushed into the widgets under a QSignalBlocker so that it never
// echoes back as a user event.
class FormWindow : public QMainWindow {
public:
    FormWindow(QtBackend& backend, Form& form);
    ~FormWindow() override;

    Form& form() const { return m_form; }
    QWidget* clientArea() const { return m_client; }
    QWidget* widgetOf(const Control& control) const;
    Control* controlOf(const QObject* widget) const;
    QAction* actionOf(const MenuItem& item) const;

    // --- The window layer's changes, mirrored ---
    void showControl(Control& control, Property property);
    void showAll(Control& control);
    void showMenu(const MenuItem& item);
    void showCaption();
    // Puts Qt's focus on the window's focus holder. `reason` tells a text box how the focus
    // came (Tab selects its text, so that what is typed next replaces it).
    void followFocus(Qt::FocusReason reason);

    // Twips to device-independent pixels.
    static int pixels(int twips);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // formwindow.cpp: building and mirroring
    void build();
    QWidget* create(Control& control, QWidget* parent);
    void buildMenus();
    void addMenuItems(MenuItem& item, QMenu* menu);
    void placeWidget(const Control& control, QWidget* widget) const;
    void showLabelCaption(const Control& label);
    void showText(Control& control);
    void showItems(Control& control);
    void showListIndex(Control& control);
    void showValue(Control& control);
    void showFont(const Control& control, QWidget* widget);
    void showSelection(Control& control);
    void nameForScreenReaders(const Control* changed = nullptr);
    QButtonGroup& groupOf(const OptionButton& option);

    // formwindow_input.cpp: what the user does
    void bindUser(Control& control, QWidget* widget);
    bool keyPress(Control* control, QKeyEvent* key);
    bool shortcut(Control& control);
    bool mousePress(Control& control, QWidget* widget);
    void focusIn(Control& control, Qt::FocusReason reason);

    QtBackend& m_backend;
    Form& m_form;
    QWidget* m_client = nullptr;
    std::unordered_map<const Control*, QWidget*> m_widgets;
    std::unordered_map<const QObject*, Control*> m_controls;
    std::unordered_map<const MenuItem*, QAction*> m_actions;
    std::map<std::pair<const Control*, QString>, QButtonGroup*> m_optionGroups;
};

} // namespace ui::qt
