#include "ui/form.h"

#include "ui/application.h"
#include "ui/layout.h"

#include <algorithm>

namespace ui {

Form::Form(Application& app, QString name)
    : m_app(app), m_name(std::move(name)),
      m_menuBar(std::make_unique<MenuItem>(*this, QStringLiteral("menuBar"), QString()))
{
}

Form::Form(Application& app, QString name, const Layout& layout) : Form(app, std::move(name))
{
    build(*this, layout);
}

Form::~Form() = default;

void Form::setCaption(const QString& caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    if (auto* observer = m_app.observer())
        observer->formCaptionChanged(*this);
}

void Form::setClientSize(int width, int height)
{
    m_clientWidth = width;
    m_clientHeight = height;
}

Control* Form::control(const QString& name) const
{
    for (const auto& control : m_controls)
        if (control->name() == name)
            return control.get();
    return nullptr;
}

static MenuItem* findMenu(MenuItem& parent, QStringView name, int index)
{
    for (const auto& item : parent.children()) {
        if (item->name() == name && item->index() == index)
            return item.get();
        if (MenuItem* found = findMenu(*item, name, index))
            return found;
    }
    return nullptr;
}

MenuItem& Form::namedMenu(QStringView name, int index)
{
    MenuItem* found = findMenu(*m_menuBar, name, index);
    if (!found)
        unknownName(name);
    return *found;
}

void Form::unknownName(QStringView name)
{
    qFatal("The window holds no \"%s\" of that kind", qPrintable(name.toString()));
}

void Form::setTabOrder(const std::vector<Control*>& order)
{
    for (const auto& control : m_controls)
        control->m_tabIndex = -1;
    m_tabOrder = order;
    for (size_t i = 0; i < m_tabOrder.size(); ++i)
        m_tabOrder[i]->m_tabIndex = int(i);
}

static bool isTabStop(const Control* control)
{
    if (!control->canFocusNow())
        return false;
    // A group of options is one stop: the selected option. A group with none selected
    // is reached at its first option.
    if (control->kind() == ControlKind::OptionButton) {
        const auto* option = static_cast<const OptionButton*>(control);
        if (option->value())
            return true;
        for (const auto& other : control->form().controls()) {
            if (other->kind() != ControlKind::OptionButton || other.get() == control)
                continue;
            const auto* sibling = static_cast<const OptionButton*>(other.get());
            if (sibling->group() == option->group() && sibling->container() == option->container()
                && sibling->value())
                return false;
        }
        return true;
    }
    return true;
}

Control* Form::nextInTabOrder(Control* from, bool backwards) const
{
    const int n = int(m_tabOrder.size());
    if (n == 0)
        return nullptr;
    int start = -1;
    if (from) {
        auto it = std::find(m_tabOrder.begin(), m_tabOrder.end(), from);
        if (it != m_tabOrder.end())
            start = int(it - m_tabOrder.begin());
    }
    for (int step = 1; step <= n; ++step) {
        int i = backwards ? (start < 0 ? n - step : (start - step + n) % n)
                          : (start < 0 ? step - 1 : (start + step) % n);
        Control* candidate = m_tabOrder[size_t(i)];
        if (candidate != from && isTabStop(candidate))
            return candidate;
    }
    return nullptr;
}

Form::AccessKeyTarget Form::accessKeyTarget(QChar key) const
{
    // Every control the key reaches, in tab order: a caption label (or frame) hands its key to
    // the next control in the tab order that can take the focus.
    key = key.toLower();
    std::vector<Control*> targets;
    bool ownCaption = false;
    for (size_t i = 0; i < m_tabOrder.size(); ++i) {
        Control* control = m_tabOrder[i];
        if (!control->isEffectivelyVisible() || accessKeyOf(control->caption()) != key)
            continue;
        Control* target = nullptr;
        if (control->kind() == ControlKind::Label || control->kind() == ControlKind::Frame) {
            for (size_t j = i + 1; j < m_tabOrder.size() && !target; ++j)
                if (m_tabOrder[j]->canFocusNow())
                    target = m_tabOrder[j];
        } else if (control->canFocusNow()) {
            target = control;
            ownCaption = true;
        }
        if (target && std::find(targets.begin(), targets.end(), target) == targets.end())
            targets.push_back(target);
    }
    if (targets.empty())
        return {};
    if (targets.size() == 1)
        return {targets.front(), ownCaption};
    // Two captions with the same key ("Ti&ll:" and "Maku&lerat kvittonr:") take turns: pressing
    // the key again moves on to the next one.
    auto here = std::find(targets.begin(), targets.end(), m_focused);
    if (here == targets.end() || ++here == targets.end())
        return {targets.front(), false};
    return {*here, false};
}

Control* Form::captionTarget(const Control& caption) const
{
    auto it = std::find(m_tabOrder.begin(), m_tabOrder.end(), &caption);
    if (it == m_tabOrder.end())
        return nullptr;
    for (++it; it != m_tabOrder.end(); ++it)
        if ((*it)->takesFocus())
            return *it;
    return nullptr;
}

OptionButton* Form::neighbourOption(const OptionButton& option, int step) const
{
    std::vector<OptionButton*> group;
    for (const auto& c : m_controls)
        if (c->kind() == ControlKind::OptionButton) {
            auto* other = static_cast<OptionButton*>(c.get());
            if (other->group() == option.group() && other->container() == option.container())
                group.push_back(other);
        }
    const auto it = std::find(group.begin(), group.end(), &option);
    if (it == group.end())
        return nullptr;
    const int n = int(group.size());
    int i = int(it - group.begin());
    for (int tries = 1; tries < n; ++tries) {
        i = ((i + step) % n + n) % n;
        if (group[size_t(i)]->canFocusNow())
            return group[size_t(i)];
    }
    return nullptr;
}

void Form::setFocusHolder(Control* control)
{
    if (control == m_focused)
        return;
    m_focused = control;
    if (auto* observer = m_app.observer())
        observer->focusChanged(*this, control);
}

void Form::notify(Control& control, Property property)
{
    if (auto* observer = m_app.observer())
        observer->controlChanged(control, property);
}

void Form::notifyMenu(MenuItem& item)
{
    if (auto* observer = m_app.observer())
        observer->menuChanged(item);
}

Dialogs& Form::dialogs() const { return m_app.dialogs(); }
Printer& Form::printer() const { return m_app.printer(); }
Clock& Form::clock() const { return m_app.clock(); }
Screen& Form::screen() const { return m_app.screen(); }

} // namespace ui
