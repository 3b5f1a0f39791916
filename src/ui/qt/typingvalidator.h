#pragma once

#include <QValidator>

namespace ui {
class TextBox;
}

namespace ui::qt {

// What the user may type or paste into a text box: the box's own rule (TextBox::typed), asked
// for every edit. QLineEdit::setMaxLength is not used because it would also cut text that
// the program puts into the box; the program's text is shown whole.
class TypingValidator : public QValidator {
public:
    TypingValidator(const TextBox& box, QObject* parent);
    State validate(QString& input, int& pos) const override;

private:
    const TextBox& m_box;
};

// Only characters a user may type (ui::typableText), of any length: the input box.
class Cp1252Validator : public QValidator {
public:
    explicit Cp1252Validator(QObject* parent) : QValidator(parent) {}
    State validate(QString& input, int& pos) const override;
};

} // namespace ui::qt
