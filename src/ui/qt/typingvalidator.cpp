#include "ui/qt/typingvalidator.h"

#include "data/codec.h"
#include "ui/controls.h"


namespace ui::qt {

TypingValidator::TypingValidator(const TextBox& box, QObject* parent)
    : QValidator(parent), m_box(box)
{
}

QValidator::State TypingValidator::validate(QString& input, int&) const
{
    if (m_box.acceptsTyped(input))
        return Acceptable;
    // Shortening or editing within a text the program made longer than the limit. The box
    // holds the text as it was before this edit (the widget already shows the new one).
    if (input.size() <= m_box.text().size() && cp1252::isEncodable(input))
        return Acceptable;
    return Invalid;
}

QValidator::State Cp1252Validator::validate(QString& input, int&) const
{
    return cp1252::isEncodable(input) ? Acceptable : Invalid;
}

} // namespace ui::qt
