#include "ui/controls.h"

#include "data/codec.h"
#include "ui/application.h"
#include "ui/form.h"

namespace ui {

Control::Control(Form& form, QString name, ControlKind kind, Control* container)
    : m_form(form), m_name(std::move(name)), m_kind(kind), m_container(container)
{
}

void Control::move(int left, int top, int width, int height)
{
    if (left == m_left && top == m_top && width == m_width && height == m_height)
        return;
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    changed(Property::Geometry);
}

void Control::setVisible(bool visible)
{
    if (visible == m_visible)
        return;
    m_visible = visible;
    changed(Property::Visible);
}

void Control::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    changed(Property::Enabled);
}

bool Control::isEffectivelyVisible() const
{
    for (const Control* c = this; c; c = c->m_container)
        if (!c->m_visible)
            return false;
    return true;
}

bool Control::isEffectivelyEnabled() const
{
    for (const Control* c = this; c; c = c->m_container)
        if (!c->m_enabled)
            return false;
    return true;
}

void Control::setCaption(const QString& caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    changed(Property::Caption);
    captionChanged();
}

void Control::setFont(bool bold, double points)
{
    m_fontBold = bold;
    m_fontSize = points;
    changed(Property::Font);
}

bool Control::takesFocus() const
{
    switch (m_kind) {
    case ControlKind::TextBox:
    case ControlKind::ListBox:
    case ControlKind::CheckBox:
    case ControlKind::OptionButton:
    case ControlKind::CommandButton:
        return true;
    default:
        return false;
    }
}

bool Control::canFocusNow() const
{
    return takesFocus() && isEffectivelyVisible() && isEffectivelyEnabled();
}

void Control::setFocus()
{
    if (!canFocusNow() || m_form.focused() == this)
        return;
    Application& app = m_form.app();
    if (app.eventDepth() > 0)
        m_form.setFocusHolder(this);
    else
        app.runEvent([this] { m_form.setFocusHolder(this); });
}

bool Control::hasFocus() const
{
    return m_form.focused() == this;
}

void Control::changed(Property property)
{
    m_form.notify(*this, property);
}

void Control::raise(const std::function<void()>& handler)
{
    if (!handler)
        return;
    Application& app = m_form.app();
    if (app.eventDepth() > 0)
        handler();
    else
        app.runEvent(handler);
}

QString Control::accessibleName() const
{
    switch (m_kind) {
    case ControlKind::TextBox:
    case ControlKind::ListBox:
        return m_captionLabel ? withoutAccessKey(m_captionLabel->caption()).trimmed() : QString();
    default:
        return withoutAccessKey(m_caption).trimmed();
    }
}

QString Control::accessibleDescription() const
{
    if (m_kind != ControlKind::Label || !m_captionLabel)
        return {};
    return withoutAccessKey(m_captionLabel->caption()).trimmed();
}

Label::Label(Form& form, QString name, Control* container)
    : Control(form, std::move(name), ControlKind::Label, container)
{
}

void Label::captionChanged()
{
    raise(Change);
}

TextBox::TextBox(Form& form, QString name, Control* container)
    : Control(form, std::move(name), ControlKind::TextBox, container)
{
}

void TextBox::setText(const QString& text)
{
    if (text == m_text)
        return;
    m_text = text;
    m_selStart = int(text.size());
    m_selLength = 0;
    changed(Property::Text);
    raise(Change);
}

void TextBox::setMaxLength(int length)
{
    m_maxLength = length;
    changed(Property::MaxLength);
}

void TextBox::setSelection(int start, int length)
{
    start = std::clamp(start, 0, int(m_text.size()));
    length = std::clamp(length, 0, int(m_text.size()) - start);
    m_selStart = start;
    m_selLength = length;
    changed(Property::Selection);
}

std::optional<QString> TextBox::typed(const QString& proposed, int cursor, int* cursorAfter) const
{
    const qsizetype n = proposed.size(), held = m_text.size();
    // What the edit brought in lies between the start and the end it left as they were. The
    // cursor stands right after it; without the cursor the longest unchanged start and end
    // are taken.
    qsizetype end = -1;
    if (cursor >= 0 && cursor <= n && n - cursor <= held
        && QStringView(proposed).sliced(cursor) == QStringView(m_text).sliced(held - (n - cursor)))
        end = n - cursor;
    qsizetype start = 0;
    const qsizetype startLimit = end < 0 ? std::min(n, held) : std::min(n, held) - end;
    while (start < startLimit && proposed[start] == m_text[start])
        ++start;
    if (end < 0) {
        end = 0;
        while (start + end < std::min(n, held) && proposed[n - 1 - end] == m_text[held - 1 - end])
            ++end;
    }
    const QString brought = proposed.mid(start, n - start - end);
    if (!typableText(brought))
        return std::nullopt;
    qsizetype keep = brought.size();
    if (m_maxLength > 0) {
        const qsizetype limit = std::max<qsizetype>(m_maxLength, held);
        if (n > limit)
            keep = std::max<qsizetype>(0, keep - (n - limit));
    }
    if (cursorAfter)
        *cursorAfter = int(start + keep);
    return proposed.left(start) + brought.left(keep) + proposed.right(end);
}

ListBox::ListBox(Form& form, QString name, Control* container)
    : Control(form, std::move(name), ControlKind::ListBox, container)
{
}

void ListBox::addItem(const QString& item)
{
    m_items.append(item);
    changed(Property::Items);
}

void ListBox::addItems(const QStringList& items)
{
    if (items.isEmpty())
        return;
    m_items.append(items);
    changed(Property::Items);
}

void ListBox::clear()
{
    m_items.clear();
    changed(Property::Items);
    setListIndex(-1);
}

void ListBox::setListIndex(int index)
{
    if (index < -1 || index >= listCount())
        index = -1;
    if (index == m_listIndex)
        return;
    m_listIndex = index;
    changed(Property::ListIndex);
    raise(Click);
}

QString ListBox::text() const
{
    return m_listIndex >= 0 ? m_items.at(m_listIndex) : QString();
}

CheckBox::CheckBox(Form& form, QString name, Control* container)
    : Control(form, std::move(name), ControlKind::CheckBox, container)
{
}

void CheckBox::setValue(int value)
{
    if (value == m_value)
        return;
    m_value = value;
    changed(Property::Value);
    raise(Click);
}

OptionButton::OptionButton(Form& form, QString name, QString group, Control* container)
    : Control(form, std::move(name), ControlKind::OptionButton, container), m_group(std::move(group))
{
}

void OptionButton::setValue(bool selected)
{
    if (selected == m_value)
        return;
    m_value = selected;
    changed(Property::Value);
    if (!selected)
        return;
    for (const auto& other : form().controls()) {
        if (other.get() == this || other->kind() != ControlKind::OptionButton)
            continue;
        auto* option = static_cast<OptionButton*>(other.get());
        if (option->group() == m_group && option->container() == container())
            option->setValue(false);
    }
    raise(Click);
}

CommandButton::CommandButton(Form& form, QString name, Control* container)
    : Control(form, std::move(name), ControlKind::CommandButton, container)
{
}

Frame::Frame(Form& form, QString name, Control* container)
    : Control(form, std::move(name), ControlKind::Frame, container)
{
}

Line::Line(Form& form, QString name, Control* container)
    : Control(form, std::move(name), ControlKind::Line, container)
{
}

MenuItem::MenuItem(Form& form, QString name, QString caption, int index)
    : m_form(form), m_name(std::move(name)), m_caption(std::move(caption)), m_index(index)
{
}

void MenuItem::setChecked(bool checked)
{
    if (checked == m_checked)
        return;
    m_checked = checked;
    changed();
}

void MenuItem::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    changed();
}

void MenuItem::setVisible(bool visible)
{
    if (visible == m_visible)
        return;
    m_visible = visible;
    changed();
}

MenuItem& MenuItem::add(QString name, QString caption, int index)
{
    auto item = std::make_unique<MenuItem>(m_form, std::move(name), std::move(caption), index);
    item->m_parent = this;
    m_children.push_back(std::move(item));
    return *m_children.back();
}

void MenuItem::changed()
{
    m_form.notifyMenu(*this);
}

bool typableText(QStringView text)
{
    for (QChar c : text)
        if (c.category() == QChar::Other_Control || !cp1252::isEncodable(c))
            return false;
    return true;
}

QString withoutAccessKey(const QString& caption)
{
    QString out;
    out.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size())
            ++i;
        out += caption[i];
    }
    return out;
}

QChar accessKeyOf(const QString& caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != u'&')
            continue;
        if (caption[i + 1] == u'&') {
            ++i;
            continue;
        }
        return caption[i + 1].toLower();
    }
    return {};
}

} // namespace ui
