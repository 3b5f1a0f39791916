#pragma once

#include <QValidator>

namespace ui {
class TextBox;
}

namespace ui::qt {

// What the user may type or paste into a text box: the box's own rule (maximum length, only
// characters that Windows-1252 can store). QLineEdit::setMaxLength is not used because it would
// also cut text that the program puts into the box; the program's text is shown whole.
//
// A box may hold more than its maximum length when the program put the text there; the user
// may still delete from it, so an edit that does not make the text longer is judged on its
// characters alone.
class TypingValidator : public QValidator {
public:
    TypingValidator(const TextBox& box, QObject* parent);
    State validate(QString& input, int& pos) const override;

private:
    const TextBox& m_box;
};

// Only characters that Windows-1252 can store, of any length (the input box).
class Cp1252Validator : public QValidator {
public:
    explicit Cp1252Validator(QObject* parent) : QValidator(parent) {}
    State validate(QString& input, int& pos) const override;
};

} // namespace ui::qt
