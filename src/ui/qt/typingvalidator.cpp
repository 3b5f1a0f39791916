#include "ui/qt/typingvalidator.h"

#include "data/codec.h"
#include "ui/controls.h"

#include <QLineEdit>

namespace ui::qt {

TypingValidator::TypingValidator(const TextBox& box, QObject* parent)
    : QValidator(parent), m_box(box)
{
}

QValidator::State TypingValidator::validate(QString& input, int&) const
{
    if (m_box.acceptsTyped(input))
        return Acceptable;
    // Shortening or editing within a text the program made longer than the limit.
    const auto* edit = qobject_cast<const QLineEdit*>(parent());
    const qsizetype before = edit ? edit->text().size() : 0;
    if (input.size() <= before && cp1252::isEncodable(input))
        return Acceptable;
    return Invalid;
}

QValidator::State Cp1252Validator::validate(QString& input, int&) const
{
    return cp1252::isEncodable(input) ? Acceptable : Invalid;
}

} // namespace ui::qt
