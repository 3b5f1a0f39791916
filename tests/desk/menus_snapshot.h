#pragma once

#include "ui/controls.h"
#include "ui/form.h"

#include <QString>
#include <QStringList>
#include <algorithm>

// Everything a user can see of a window, one line per control and menu entry, so that a test
// can say "this changed nothing" and, when it fails, show what did change.
namespace snapshot {

inline void addMenu(QStringList& out, const ui::MenuItem& item)
{
    for (const auto& child : item.children()) {
        out << QStringLiteral("menu %1(%2) '%3' checked=%4 enabled=%5 visible=%6")
                   .arg(child->name())
                   .arg(child->index())
                   .arg(child->caption())
                   .arg(child->checked())
                   .arg(child->enabled())
                   .arg(child->visible());
        addMenu(out, *child);
    }
}

inline QStringList of(const ui::Form& form)
{
    QStringList out;
    out << QStringLiteral("caption '%1' focus %2")
               .arg(form.caption(), form.focused() ? form.focused()->name() : QStringLiteral("-"));
    for (const auto& c : form.controls()) {
        QString line = QStringLiteral("%1 '%2' vis=%3 en=%4 geo=%5,%6,%7,%8")
                           .arg(c->name(), c->caption())
                           .arg(c->visible())
                           .arg(c->enabled())
                           .arg(c->left())
                           .arg(c->top())
                           .arg(c->width())
                           .arg(c->height());
        switch (c->kind()) {
        case ui::ControlKind::TextBox:
            line += QStringLiteral(" text='%1'").arg(static_cast<const ui::TextBox&>(*c).text());
            break;
        case ui::ControlKind::ListBox: {
            const auto& list = static_cast<const ui::ListBox&>(*c);
            line += QStringLiteral(" items=%1 index=%2").arg(list.listCount()).arg(list.listIndex());
            break;
        }
        case ui::ControlKind::CheckBox:
            line += QStringLiteral(" value=%1").arg(static_cast<const ui::CheckBox&>(*c).value());
            break;
        case ui::ControlKind::OptionButton:
            line += QStringLiteral(" value=%1").arg(static_cast<const ui::OptionButton&>(*c).value());
            break;
        default:
            break;
        }
        out << line;
    }
    addMenu(out, form.menuBar());
    return out;
}

// The lines of `after` that differ from `before`, for a readable failure.
inline QString diff(const QStringList& before, const QStringList& after)
{
    QStringList changed;
    for (qsizetype i = 0; i < std::max(before.size(), after.size()); ++i) {
        const QString b = i < before.size() ? before.at(i) : QString();
        const QString a = i < after.size() ? after.at(i) : QString();
        if (a != b)
            changed << QStringLiteral("- %1\n+ %2").arg(b, a);
    }
    return changed.join(QLatin1Char('\n'));
}

} // namespace snapshot
