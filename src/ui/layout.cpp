#include "ui/layout.h"

#include "ui/form.h"

#include <algorithm>

namespace ui {

namespace {

[[noreturn]] void badTable(const char* what, QStringView name)
{
    qFatal("Layout table: %s \"%s\"", what, qPrintable(name.toString()));
}

Control& addControl(Form& form, const LayoutRow& row)
{
    const QString name = row.name.toString();
    Control* frame = row.frame.isEmpty() ? nullptr : &form.named<Frame>(row.frame);
    switch (row.kind) {
    case ControlKind::Label: return form.add<Label>(name, frame);
    case ControlKind::TextBox: return form.add<TextBox>(name, frame);
    case ControlKind::ListBox: return form.add<ListBox>(name, frame);
    case ControlKind::CheckBox: return form.add<CheckBox>(name, frame);
    case ControlKind::CommandButton: return form.add<CommandButton>(name, frame);
    case ControlKind::Frame: return form.add<Frame>(name, frame);
    case ControlKind::Line: return form.add<Line>(name, frame);
    case ControlKind::OptionButton:
        // The control array's name is the group: "optBesök(0)" belongs to "optBesök".
        return form.add<OptionButton>(name, name.section(u'(', 0, 0), frame);
    }
    badTable("unknown kind of control", row.name);
}

void applyRow(Form& form, Control& control, const LayoutRow& row, const Font& windowFont)
{
    control.setCaption(row.caption.toString());
    control.move(row.left, row.top, row.width, row.height);
    const Font font = row.font.size > 0 ? row.font : windowFont;
    if (font.bold != control.fontBold() || font.size != control.fontSize())
        control.setFont(font.bold, font.size);
    if (row.maxLength > 0)
        form.named<TextBox>(row.name).setMaxLength(row.maxLength);
    if (auto* label = dynamic_cast<Label*>(&control)) {
        label->setAlignment(row.look.alignment);
        label->setBordered(row.look.bordered);
        label->setBackColor(row.look.backColor);
    }
}

// The rows' tab places made into the window's order; each place from 0 up is taken once.
std::vector<Control*> tabOrder(Form& form, std::span<const LayoutRow> rows)
{
    std::vector<std::pair<int, Control*>> places;
    for (const LayoutRow& row : rows)
        if (row.tab >= 0)
            places.emplace_back(row.tab, form.control(row.name.toString()));
    std::sort(places.begin(), places.end());
    std::vector<Control*> order;
    for (const auto& [place, control] : places) {
        if (place != int(order.size()))
            badTable("a tab place missing or taken twice before", control->name());
        order.push_back(control);
    }
    return order;
}

void buildMenus(Form& form, std::span<const MenuRow> rows)
{
    for (const MenuRow& row : rows) {
        MenuItem& parent = row.parent.isEmpty() ? form.menuBar() : form.namedMenu(row.parent);
        MenuItem& item = parent.add(row.name.toString(), row.caption.toString(), row.index);
        item.setEnabled(row.enabled);
    }
}

} // namespace

void build(Form& form, const Layout& layout)
{
    form.setCaption(layout.caption.toString());
    form.setClientSize(layout.clientWidth, layout.clientHeight);
    for (const LayoutRow& row : layout.controls)
        applyRow(form, addControl(form, row), row, layout.font);
    // A caption label may stand after the box it names, so they are joined once all exist.
    for (const LayoutRow& row : layout.controls)
        if (!row.captionLabel.isEmpty())
            form.named<Control>(row.name).setCaptionLabel(&form.named<Label>(row.captionLabel));
    form.setTabOrder(tabOrder(form, layout.controls));
    if (!layout.defaultButton.isEmpty())
        form.setDefaultButton(&form.named<CommandButton>(layout.defaultButton));
    if (!layout.cancelButton.isEmpty())
        form.setCancelButton(&form.named<CommandButton>(layout.cancelButton));
    buildMenus(form, layout.menus);
}

} // namespace ui
