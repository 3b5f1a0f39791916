#pragma once

#include "ui/controls.h"

#include <QStringView>
#include <span>

// A window's layout as data: one row per control and one per menu entry, applied by one builder
// (the Form constructor that takes a Layout). The windows declare their tables and bind their
// control members by name (Form::named), so a layout reads as the table it is.
namespace ui {

class Form;

// Bold or not, in points. A size of 0 stands for the window's own font.
struct Font {
    bool bold = false;
    double size = 0;
};

// How a label is drawn: where its caption stands, a sunken border, its background.
struct LabelLook {
    Alignment alignment = Alignment::Left;
    bool bordered = false;
    int backColor = Label::FormBackground;
};

// One control: what it is, the frame it stands in (empty: the client area), its place in twips
// (inside a frame relative to the frame), its place in the tab order (-1: none), its caption,
// the label that captions it (a box's accessible name and buddy), for a label its look, the most
// a user may type into it (0: no limit) and its font. An option's name carries its index
// ("optBesök(0)"); the options of one frame sharing the name before it form one group.
struct LayoutRow {
    QStringView name;
    ControlKind kind;
    QStringView frame;
    int left, top, width, height;
    int tab = -1;
    QStringView caption = {};
    QStringView captionLabel = {};
    LabelLook look = {};
    int maxLength = 0;
    Font font = {};
};

// One menu entry, in display order under its parent (empty: the menu bar); "-" is a separator.
struct MenuRow {
    QStringView parent;
    QStringView name;
    QStringView caption;
    int index = -1;
    bool enabled = true;
};

struct Layout {
    QStringView caption;
    int clientWidth, clientHeight;
    Font font;
    std::span<const LayoutRow> controls;
    QStringView defaultButton = {};
    QStringView cancelButton = {};
    std::span<const MenuRow> menus = {};
};

// Adds every control and menu entry of `layout` to `form`, in the table's order, and sets the
// window's caption, size, tab order and default and cancel buttons. A table that names a frame,
// label or parent it does not hold, or whose tab places are not 0, 1, 2... each once, stops
// the program at once: it is a fault of the source, found by any test that opens the window.
void build(Form& form, const Layout& layout);

} // namespace ui
