#include "ui/qt/typingvalidator.h"

#include "ui/controls.h"

namespace ui::qt {

TypingValidator::TypingValidator(const TextBox& box, QObject* parent)
    : QValidator(parent), m_box(box)
{
}

// The box still holds its text as it was before this edit (the widget already shows the new
// one), which is what the box's rule judges a shortening by.
QValidator::State TypingValidator::validate(QString& input, int&) const
{
    return m_box.acceptsTyped(input) ? Acceptable : Invalid;
}

QValidator::State Cp1252Validator::validate(QString& input, int&) const
{
    return typableText(input) ? Acceptable : Invalid;
}

} // namespace ui::qt
