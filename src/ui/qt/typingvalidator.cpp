#include "ui/qt/typingvalidator.h"

#include "ui/controls.h"

namespace ui::qt {

TypingValidator::TypingValidator(const TextBox& box, QObject* parent)
    : QValidator(parent), m_box(box)
{
}

// The box still holds its text as it was before this edit (the widget already shows the new
// one), which is what the box's rule tells the brought-in text by. A paste cut to the box's
// length comes back cut, with the cursor after what was kept; the line edit shows that.
QValidator::State TypingValidator::validate(QString& input, int& pos) const
{
    int cursor = pos;
    const std::optional<QString> taken = m_box.typed(input, pos, &cursor);
    if (!taken)
        return Invalid;
    if (*taken != input) {
        input = *taken;
        pos = cursor;
    }
    return Acceptable;
}

QValidator::State Cp1252Validator::validate(QString& input, int&) const
{
    return typableText(input) ? Acceptable : Invalid;
}

} // namespace ui::qt
