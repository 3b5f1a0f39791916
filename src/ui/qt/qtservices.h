#pragma once

#include "ui/services.h"

#include <QString>
#include <memory>

class QInputDialog;
class QMessageBox;
class QWidget;

namespace ui::qt {

// Message and input boxes as Qt dialogs, modal over the program's active window.
class QtDialogs : public Dialogs {
public:
    Answer message(const QString& text, Buttons buttons, Icon icon, const QString& title) override;
    QString input(const QString& prompt, const QString& title, const QString& proposed) override;
};

// The boxes themselves, built apart from showing them so that their texts, buttons and icon can
// be checked without a modal loop.
std::unique_ptr<QMessageBox> buildMessageBox(const QString& text, Buttons buttons, Icon icon,
                                             const QString& title, QWidget* parent);
// The button the user pressed, from the box's clicked button.
Answer answerOf(const QMessageBox& box);
std::unique_ptr<QInputDialog> buildInputDialog(const QString& prompt, const QString& title,
                                               const QString& proposed, QWidget* parent);

// The wall clock: "yymmdd", "hhmm" and the Swedish short date (yyyy-MM-dd).
class QtClock : public Clock {
public:
    QString yymmdd() const override;
    QString hhmm() const override;
    QString shortDate() const override;
};

// The mouse pointer: the hourglass is Qt's wait cursor over the whole application.
class QtScreen : public Screen {
public:
    ~QtScreen() override;
    void setMousePointer(Pointer pointer) override;

private:
    bool m_hourglass = false;
};

} // namespace ui::qt
