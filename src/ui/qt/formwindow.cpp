#include "ui/qt/formwindow.h"

#include "ui/qt/framebox.h"
#include "ui/qt/qtbackend.h"
#include "ui/qt/typingvalidator.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <cmath>
#include <cstdlib>

namespace ui::qt {

namespace {
constexpr double TwipsPerPixel = 15.0;
} // namespace

FormWindow::FormWindow(QtBackend& backend, Form& form) : m_backend(backend), m_form(form)
{
    build();
}

FormWindow::~FormWindow() = default;

int FormWindow::pixels(int twips)
{
    return int(std::lround(twips / TwipsPerPixel));
}

QWidget* FormWindow::widgetOf(const Control& control) const
{
    auto it = m_widgets.find(&control);
    return it == m_widgets.end() ? nullptr : it->second;
}

Control* FormWindow::controlOf(const QObject* widget) const
{
    auto it = m_controls.find(widget);
    return it == m_controls.end() ? nullptr : it->second;
}

QAction* FormWindow::actionOf(const MenuItem& item) const
{
    auto it = m_actions.find(&item);
    return it == m_actions.end() ? nullptr : it->second;
}

// --- Building ---

void FormWindow::build()
{
    m_client = new QWidget(this);
    m_client->setFixedSize(pixels(m_form.clientWidth()), pixels(m_form.clientHeight()));
    setCentralWidget(m_client);
    setFocusPolicy(Qt::NoFocus);

    for (const auto& control : m_form.controls())
        if (!widgetOf(*control)) {
            // A frame is built before what stands in it.
            std::vector<Control*> chain;
            for (Control* c = control.get(); c && !widgetOf(*c); c = c->container())
                chain.insert(chain.begin(), c);
            for (Control* c : chain)
                create(*c, c->container() ? widgetOf(*c->container()) : m_client);
        }

    // A label's buddy is the control its access key hands the focus to, so that Qt shows the
    // key underlined and reports it; where the key goes at a given moment is the window
    // layer's to say (Application::accessKey). A label without a key gets none: a buddy is also
    // what a screen reader takes for the control's label, and a caption such as "Antalkvitton:"
    // must not end up labelling the button after it.
    for (Control* c : m_form.tabOrder())
        if (c->kind() == ControlKind::Label && !accessKeyOf(c->caption()).isNull())
            if (Control* target = m_form.captionTarget(*c))
                static_cast<QLabel*>(widgetOf(*c))->setBuddy(widgetOf(*target));

    for (const auto& control : m_form.controls())
        showAll(*control);
    nameForScreenReaders();

    // Qt's own chain in the window's order, so that anything walking it (accessibility tools)
    // meets the controls as the user does; Tab itself is decided by the window layer.
    QWidget* previous = nullptr;
    for (Control* c : m_form.tabOrder()) {
        if (!c->takesFocus())
            continue;
        QWidget* w = widgetOf(*c);
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }

    buildMenus();
    showCaption();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* FormWindow::create(Control& control, QWidget* parent)
{
    QWidget* widget = nullptr;
    switch (control.kind()) {
    case ControlKind::Label: {
        const auto& model = static_cast<const Label&>(control);
        auto* label = new QLabel(parent);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        const Qt::Alignment across = model.alignment() == Alignment::Right    ? Qt::AlignRight
                                     : model.alignment() == Alignment::Center ? Qt::AlignHCenter
                                                                              : Qt::AlignLeft;
        label->setAlignment(across | Qt::AlignTop);
        if (model.bordered())
            label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        if (model.backColor() != Label::FormBackground) {
            label->setAutoFillBackground(true);
            QPalette palette = label->palette();
            palette.setColor(QPalette::Window, model.backColor() == Label::WindowBackground
                                                   ? palette.color(QPalette::Base)
                                                   : QColor::fromRgb(QRgb(model.backColor())));
            label->setPalette(palette);
        }
        widget = label;
        break;
    }
    case ControlKind::TextBox: {
        auto* edit = new QLineEdit(parent);
        edit->setValidator(new TypingValidator(static_cast<TextBox&>(control), edit));
        widget = edit;
        break;
    }
    case ControlKind::ListBox: {
        auto* list = new QListWidget(parent);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list->setUniformItemSizes(true);
        widget = list;
        break;
    }
    case ControlKind::CheckBox:
        widget = new QCheckBox(parent);
        break;
    case ControlKind::OptionButton: {
        // A radio button to a screen reader: Qt reports one only while it stays auto-exclusive
        // (without it, a check box). Its group, which then rules in place of the siblings,
        // enforces nothing: which option is selected is the window layer's to say.
        auto* option = new QRadioButton(parent);
        groupOf(static_cast<const OptionButton&>(control)).addButton(option);
        widget = option;
        break;
    }
    case ControlKind::CommandButton: {
        auto* button = new QPushButton(parent);
        button->setAutoDefault(false);
        button->setDefault(m_form.defaultButton() == &control);
        widget = button;
        break;
    }
    case ControlKind::Frame:
        widget = new FrameBox(parent);
        break;
    case ControlKind::Line: {
        auto* line = new QFrame(parent);
        line->setFrameShadow(QFrame::Sunken);
        widget = line;
        break;
    }
    }
    widget->setObjectName(control.name());
    widget->setFocusPolicy(control.takesFocus() ? Qt::TabFocus : Qt::NoFocus);
    m_widgets[&control] = widget;
    m_controls[widget] = &control;
    if (auto* list = qobject_cast<QListWidget*>(widget))
        m_controls[list->viewport()] = &control;
    bindUser(control, widget);
    return widget;
}

QButtonGroup& FormWindow::groupOf(const OptionButton& option)
{
    QButtonGroup*& group = m_optionGroups[{option.container(), option.group()}];
    if (!group) {
        group = new QButtonGroup(this);
        group->setExclusive(false);
    }
    return *group;
}

void FormWindow::buildMenus()
{
    MenuItem& bar = m_form.menuBar();
    if (bar.children().empty())
        return;
    QMenuBar* menus = menuBar();
    for (const auto& top : bar.children()) {
        QAction* action = nullptr;
        if (top->children().empty()) {
            // An entry with no items acts at once from the menu bar.
            action = menus->addAction(top->caption());
            MenuItem* item = top.get();
            connect(action, &QAction::triggered, this, [this, item] { m_backend.userMenu(*item); });
        } else {
            QMenu* menu = menus->addMenu(top->caption());
            action = menu->menuAction();
            addMenuItems(*top, menu);
        }
        m_actions[top.get()] = action;
        showMenu(*top);
    }
}

void FormWindow::addMenuItems(MenuItem& parent, QMenu* menu)
{
    for (const auto& child : parent.children()) {
        QAction* action = nullptr;
        if (child->isSeparator()) {
            action = menu->addSeparator();
        } else if (!child->children().empty()) {
            QMenu* sub = menu->addMenu(child->caption());
            action = sub->menuAction();
            addMenuItems(*child, sub);
        } else {
            action = menu->addAction(child->caption());
            MenuItem* item = child.get();
            connect(action, &QAction::triggered, this, [this, item] { m_backend.userMenu(*item); });
        }
        m_actions[child.get()] = action;
        showMenu(*child);
    }
}

// --- Mirroring the window layer ---

void FormWindow::showCaption()
{
    setWindowTitle(m_form.caption());
}

void FormWindow::showMenu(const MenuItem& item)
{
    QAction* action = actionOf(item);
    if (!action)
        return;
    const QtBackend::Pushing pushing(m_backend);
    const QSignalBlocker blocker(action);
    action->setEnabled(item.enabled());
    action->setVisible(item.visible());
    if (!item.isSeparator() && item.children().empty()) {
        // Only a checked entry shows the mark; an unchecked one looks like any other entry.
        action->setCheckable(item.checked());
        action->setChecked(item.checked());
    }
}

void FormWindow::showAll(Control& control)
{
    for (Property p : {Property::Geometry, Property::Font, Property::Caption, Property::Items,
                       Property::ListIndex, Property::Text, Property::Value, Property::Enabled,
                       Property::Visible})
        showControl(control, p);
}

void FormWindow::showControl(Control& control, Property property)
{
    QWidget* widget = widgetOf(control);
    if (!widget)
        return;
    const QtBackend::Pushing pushing(m_backend);
    const QSignalBlocker blocker(widget);
    switch (property) {
    case Property::Geometry:
        placeWidget(control, widget);
        break;
    case Property::Visible:
        widget->setVisible(control.visible());
        break;
    case Property::Enabled:
        widget->setEnabled(control.enabled());
        break;
    case Property::Font:
        showFont(control, widget);
        break;
    case Property::Caption:
        if (control.kind() == ControlKind::Label) {
            showLabelCaption(control);
        } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
            frame->setTitle(control.caption());
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            button->setText(control.caption());
        }
        // After every change, so that a count or a sum is heard as it now stands.
        nameForScreenReaders(&control);
        break;
    case Property::Text:
        showText(control);
        break;
    case Property::Items:
        showItems(control);
        break;
    case Property::ListIndex:
        showListIndex(control);
        break;
    case Property::Value:
        showValue(control);
        break;
    case Property::Selection:
        showSelection(control);
        break;
    case Property::MaxLength:
        // The validator asks the box itself; nothing to copy.
        break;
    }
}

void FormWindow::placeWidget(const Control& control, QWidget* widget) const
{
    if (control.kind() == ControlKind::Line) {
        auto* line = static_cast<QFrame*>(widget);
        const auto& l = static_cast<const Line&>(control);
        const int x1 = pixels(std::min(l.x1(), l.x2())), x2 = pixels(std::max(l.x1(), l.x2()));
        const int y1 = pixels(std::min(l.y1(), l.y2())), y2 = pixels(std::max(l.y1(), l.y2()));
        // A thin sunken line centred on the drawn one, three pixels across.
        if (x2 - x1 >= y2 - y1) {
            line->setFrameShape(QFrame::HLine);
            line->setGeometry(x1, (y1 + y2) / 2 - 1, std::max(x2 - x1, 1), 3);
        } else {
            line->setFrameShape(QFrame::VLine);
            line->setGeometry((x1 + x2) / 2 - 1, y1, 3, std::max(y2 - y1, 1));
        }
        return;
    }
    widget->setGeometry(pixels(control.left()), pixels(control.top()), pixels(control.width()),
                        pixels(control.height()));
}

void FormWindow::showFont(const Control& control, QWidget* widget)
{
    // The windows are laid out in twips for a narrow sans serif; a face with Arial's widths
    // keeps every caption inside its control, where a wide face would cut the longer ones.
    // Without it the system's own sans serif stands in.
    QFont font = QApplication::font();
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                      QApplication::font().family()});
    font.setPointSizeF(control.fontSize());
    font.setBold(control.fontBold());
    widget->setFont(font);
}

void FormWindow::showLabelCaption(const Control& label)
{
    auto* widget = static_cast<QLabel*>(widgetOf(label));
    // With a buddy Qt shows the access key underlined and handles it; without one it would
    // show the "&" itself.
    widget->setText(widget->buddy() ? label.caption() : withoutAccessKey(label.caption()));
}

void FormWindow::nameForScreenReaders(const Control* changed)
{
    // The window layer says what each control is called (Control::accessibleName): Qt would
    // name a box after the first label whose buddy it is, and a value label after nothing but
    // its text. With `changed`, only the controls its caption names: itself and the boxes or
    // value labels it captions.
    for (const auto& control : m_form.controls()) {
        if (changed && control.get() != changed && control->captionLabel() != changed)
            continue;
        if (QWidget* widget = widgetOf(*control)) {
            widget->setAccessibleName(control->accessibleName());
            widget->setAccessibleDescription(control->accessibleDescription());
        }
    }
}

void FormWindow::showText(Control& control)
{
    if (control.kind() != ControlKind::TextBox)
        return;
    auto* edit = static_cast<QLineEdit*>(widgetOf(control));
    const QString& text = static_cast<TextBox&>(control).text();
    // The text is shown whole, whatever the box's maximum length (typing alone is limited).
    if (edit->text() != text)
        edit->setText(text);
}

void FormWindow::showSelection(Control& control)
{
    if (control.kind() != ControlKind::TextBox)
        return;
    auto& box = static_cast<TextBox&>(control);
    auto* edit = static_cast<QLineEdit*>(widgetOf(control));
    if (box.selLength() > 0)
        edit->setSelection(box.selStart(), box.selLength());
    else
        edit->setCursorPosition(box.selStart());
}

void FormWindow::showItems(Control& control)
{
    if (control.kind() != ControlKind::ListBox)
        return;
    auto* list = static_cast<QListWidget*>(widgetOf(control));
    const QStringList& items = static_cast<ListBox&>(control).items();
    // A list only grows at its end or is emptied, so the rows shown are the first of the
    // items: only the new ones are added, and a long code list is never built twice.
    const int shown = list->count();
    const bool extends = shown <= items.size()
        && (shown == 0 || list->item(shown - 1)->text() == items.at(shown - 1));
    if (!extends) {
        list->clear();
        list->addItems(items);
    } else if (shown < items.size()) {
        list->addItems(items.mid(shown));
    }
    showListIndex(control);
}

void FormWindow::showListIndex(Control& control)
{
    if (control.kind() != ControlKind::ListBox)
        return;
    auto* list = static_cast<QListWidget*>(widgetOf(control));
    const int index = static_cast<ListBox&>(control).listIndex();
    if (index < 0) {
        list->setCurrentItem(nullptr);
        list->clearSelection();
    } else {
        list->setCurrentRow(index);
        list->scrollToItem(list->item(index));
    }
}

void FormWindow::showValue(Control& control)
{
    if (control.kind() == ControlKind::CheckBox)
        static_cast<QCheckBox*>(widgetOf(control))->setChecked(static_cast<CheckBox&>(control).value() == 1);
    else if (control.kind() == ControlKind::OptionButton)
        static_cast<QRadioButton*>(widgetOf(control))->setChecked(static_cast<OptionButton&>(control).value());
}

void FormWindow::followFocus(Qt::FocusReason reason)
{
    Control* holder = m_form.focused();
    QWidget* target = holder ? widgetOf(*holder) : nullptr;
    if (!target || !target->isEnabled())
        return;
    if (focusWidget() == target && (target->hasFocus() || !isActiveWindow()))
        return;
    const QtBackend::Pushing pushing(m_backend);
    target->setFocus(reason);
}

} // namespace ui::qt
