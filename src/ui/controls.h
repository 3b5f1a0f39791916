#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

// The controls of a window: small objects holding what the windows read and set. They know
// nothing of any widget toolkit; a backend mirrors them (see ControlObserver).
//
// A change made from code raises the control's handler at once, and only a real change does:
// a label's or text box's new text (Change), a list's new selected index (Click), a check
// box's new value (Click), an option becoming selected (Click).
namespace ui {

class Form;

enum class ControlKind { Label, TextBox, ListBox, CheckBox, OptionButton, CommandButton, Frame, Line };

// What changed, for the backend that mirrors a control.
enum class Property {
    Caption, Text, Geometry, Visible, Enabled, Items, ListIndex, Value, Selection, Font, MaxLength
};

class Control {
public:
    Control(Form& form, QString name, ControlKind kind, Control* container);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const QString& name() const { return m_name; }
    ControlKind kind() const { return m_kind; }
    Form& form() const { return m_form; }
    Control* container() const { return m_container; } // the frame it stands in, or none

    // Position and size in twips, relative to the container (or the window's client area).
    int left() const { return m_left; }
    int top() const { return m_top; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    void move(int left, int top, int width, int height);
    void setLeft(int twips) { move(twips, m_top, m_width, m_height); }
    void setTop(int twips) { move(m_left, twips, m_width, m_height); }
    void setWidth(int twips) { move(m_left, m_top, twips, m_height); }
    void setHeight(int twips) { move(m_left, m_top, m_width, twips); }

    bool visible() const { return m_visible; }
    void setVisible(bool visible);
    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    // Visible and enabled, and so is every frame it stands in.
    bool isEffectivelyVisible() const;
    bool isEffectivelyEnabled() const;

    // Caption with "&" before the access key (labels, buttons, check boxes, options, frames).
    const QString& caption() const { return m_caption; }
    void setCaption(const QString& caption);

    bool fontBold() const { return m_fontBold; }
    double fontSize() const { return m_fontSize; }
    void setFont(bool bold, double points);

    // Position in the window's tab order (set by the form), -1 when not in it.
    int tabIndex() const { return m_tabIndex; }

    // Whether the control can hold the focus at all (text boxes, lists, buttons, check boxes,
    // options), and whether it can take it now (visible and enabled).
    bool takesFocus() const;
    bool canFocusNow() const;
    // Gives the control the focus. On a hidden or disabled control it does nothing.
    void setFocus();
    bool hasFocus() const;

    // The label that captions this box (its accessible name, its buddy), named by the form when
    // it builds its controls; none for controls that caption themselves (buttons, check boxes).
    Control* captionLabel() const { return m_captionLabel; }
    void setCaptionLabel(Control* label) { m_captionLabel = label; }

    // What a screen reader says for the control. A box (text box, list) is named by its caption
    // label, since it shows nothing of its own to name it by. A label is named by what it shows:
    // a label that shows a value (a count, a sum, the receipt number) must be heard by that
    // value, so its caption label only describes it. Buttons, check boxes, options and frames
    // are named by their own captions.
    QString accessibleName() const;
    QString accessibleDescription() const;

    std::function<void()> GotFocus;
    std::function<void()> LostFocus;

protected:
    void changed(Property property);
    // Runs a handler as part of the event under way (or as an event of its own).
    void raise(const std::function<void()>& handler);

    virtual void captionChanged() {}

private:
    friend class Form;
    Form& m_form;
    QString m_name;
    ControlKind m_kind;
    Control* m_container;
    int m_left = 0, m_top = 0, m_width = 0, m_height = 0;
    bool m_visible = true;
    bool m_enabled = true;
    QString m_caption;
    bool m_fontBold = false;
    double m_fontSize = 8.25;
    int m_tabIndex = -1;
    Control* m_captionLabel = nullptr;
};

enum class Alignment { Left, Right, Center };

class Label : public Control {
public:
    Label(Form& form, QString name, Control* container = nullptr);
    std::function<void()> Change; // the caption got a new text

    // Background colours besides 0xRRGGBB: the window's own, and the system's colour for the
    // inside of a box.
    static constexpr int FormBackground = -1;
    static constexpr int WindowBackground = -2;
    // The light grey the report windows' caption labels stand on.
    static constexpr int LightGrey = 0xC0C0C0;

    // How the label is drawn: where its caption stands, a sunken border, and its background.
    // Set when the form builds its controls.
    Alignment alignment() const { return m_alignment; }
    void setAlignment(Alignment alignment) { m_alignment = alignment; }
    bool bordered() const { return m_bordered; }
    void setBordered(bool bordered) { m_bordered = bordered; }
    int backColor() const { return m_backColor; }
    void setBackColor(int rgb) { m_backColor = rgb; }

protected:
    void captionChanged() override;

private:
    Alignment m_alignment = Alignment::Left;
    bool m_bordered = false;
    int m_backColor = FormBackground;
};

class TextBox : public Control {
public:
    TextBox(Form& form, QString name, Control* container = nullptr);

    const QString& text() const { return m_text; }
    void setText(const QString& text); // raises Change when the text is new

    // Maximum length limits typing only; text set from code is kept whole. 0 means no limit.
    int maxLength() const { return m_maxLength; }
    void setMaxLength(int length);

    int selStart() const { return m_selStart; }
    int selLength() const { return m_selLength; }
    void setSelection(int start, int length);

    // What the box takes when the user's typing or pasting would turn its text into `proposed`:
    // the text it then holds, or none when the edit is refused whole. Only what the edit
    // brings in is judged, never what the box already held (a TAB stored in a settings field
    // must not freeze its box): a character a user may not type (typableText) refuses the
    // edit; beyond the maximum length the first characters that fit are kept, as typing and
    // every desktop box do. A box may hold more than its maximum when the program put the text
    // there; the user may still shorten it or edit within it, not lengthen it.
    // `cursor` is where the edit left the cursor in `proposed`, so that the brought-in text is
    // told apart from what stood beside it; -1 when unknown. `cursorAfter` gets where the
    // cursor stands after the kept text.
    std::optional<QString> typed(const QString& proposed, int cursor = -1,
                                 int* cursorAfter = nullptr) const;

    std::function<void()> Change;
    // Key down with its key code (114 is F3) and shift state (1 Shift, 2 Ctrl, 4 Alt); setting
    // the key code to 0 swallows the key.
    std::function<void(int& keyCode, int shift)> KeyDown;

private:
    QString m_text;
    int m_maxLength = 0;
    int m_selStart = 0;
    int m_selLength = 0;
};

class ListBox : public Control {
public:
    ListBox(Form& form, QString name, Control* container = nullptr);

    const QStringList& items() const { return m_items; }
    int listCount() const { return int(m_items.size()); }
    void addItem(const QString& item);
    // Appends a whole list in one step: the backend is told once, not once per item, so a
    // code list of thousands of rows fills at the cost of one.
    void addItems(const QStringList& items);
    void clear();

    int listIndex() const { return m_listIndex; } // -1 none
    void setListIndex(int index);                 // raises Click when the index is new
    QString text() const;                         // the selected item, empty when none

    std::function<void()> Click;

private:
    QStringList m_items;
    int m_listIndex = -1;
};

class CheckBox : public Control {
public:
    CheckBox(Form& form, QString name, Control* container = nullptr);
    int value() const { return m_value; } // 0 clear, 1 checked
    void setValue(int value);             // raises Click when the value is new
    std::function<void()> Click;

private:
    int m_value = 0;
};

// One button of a group of options: the options sharing a container and a group name.
class OptionButton : public Control {
public:
    OptionButton(Form& form, QString name, QString group, Control* container = nullptr);
    const QString& group() const { return m_group; }
    bool value() const { return m_value; }
    // Selecting raises Click (when it was not selected) and clears the others of the group;
    // clearing from code raises nothing.
    void setValue(bool selected);
    std::function<void()> Click;

private:
    QString m_group;
    bool m_value = false;
};

class CommandButton : public Control {
public:
    CommandButton(Form& form, QString name, Control* container = nullptr);
    std::function<void()> Click;
};

class Frame : public Control {
public:
    Frame(Form& form, QString name, Control* container = nullptr);
};

class Line : public Control {
public:
    Line(Form& form, QString name, Control* container = nullptr);
    int x1() const { return left(); }
    int y1() const { return top(); }
    int x2() const { return left() + width(); }
    int y2() const { return top() + height(); }
};

// A menu entry: a top-level menu, an item, or a separator ("-"). Indexed entries (control
// arrays such as mnuSkatt(0), mnuSkatt(1)) carry their index.
class MenuItem {
public:
    MenuItem(Form& form, QString name, QString caption, int index = -1);

    const QString& name() const { return m_name; }
    int index() const { return m_index; }
    const QString& caption() const { return m_caption; }
    bool isSeparator() const { return m_caption == QLatin1String("-"); }

    bool checked() const { return m_checked; }
    void setChecked(bool checked); // raises nothing
    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    bool visible() const { return m_visible; }
    void setVisible(bool visible);

    MenuItem& add(QString name, QString caption, int index = -1);
    const std::vector<std::unique_ptr<MenuItem>>& children() const { return m_children; }
    MenuItem* parent() const { return m_parent; }

    std::function<void()> Click;

private:
    void changed();
    Form& m_form;
    QString m_name;
    QString m_caption;
    int m_index;
    bool m_checked = false;
    bool m_enabled = true;
    bool m_visible = true;
    MenuItem* m_parent = nullptr;
    std::vector<std::unique_ptr<MenuItem>> m_children;
};

// Whether every character of `text` may be typed or pasted into the program: one that
// Windows-1252 stores, and no control character (TAB, CR, LF, 0x1A, DEL and the like would end
// up inside a fixed-width record or break a line of a file that others read).
bool typableText(QStringView text);

// Removes the "&" that marks an access key ("&&" stands for a literal "&").
QString withoutAccessKey(const QString& caption);
// The access key of a caption, lower-cased, or a null QChar.
QChar accessKeyOf(const QString& caption);

} // namespace ui
