#include "ui/qt/qtservices.h"

#include "ui/qt/typingvalidator.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDateTime>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

namespace ui::qt {

namespace {
// The window the boxes stand over: the program's active window, when there is one.
QWidget* dialogParent()
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

// Hands the keyboard back to the window the box stood over. Without a window manager (a
// virtual display, a kiosk session) nobody else does, and the next keys would go nowhere.
void giveBackFocus(const QPointer<QWidget>& parent)
{
    if (parent)
        parent->window()->activateWindow();
}
} // namespace

std::unique_ptr<QMessageBox> buildMessageBox(const QString& text, Buttons buttons, Icon icon,
                                             const QString& title, QWidget* parent)
{
    auto box = std::make_unique<QMessageBox>(parent);
    // The window layer has given every box its title (the program's when it had none).
    box->setWindowTitle(title);
    // Plain text: a message may hold "<<" or "&" and must be shown as written.
    box->setTextFormat(Qt::PlainText);
    box->setText(text);
    box->setIcon(icon == Icon::Information ? QMessageBox::Information : QMessageBox::NoIcon);
    if (buttons == Buttons::YesNo) {
        QPushButton* yes = box->addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
        box->addButton(QStringLiteral("Nej"), QMessageBox::NoRole);
        box->setDefaultButton(yes);
        // Esc and the close button answer "Nej", the answer that changes nothing.
    } else {
        QPushButton* ok = box->addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box->setDefaultButton(ok);
        box->setEscapeButton(ok);
    }
    // A screen reader reads the message itself, not only the title.
    box->setAccessibleName(title);
    box->setAccessibleDescription(text);
    if (auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
        label->setAccessibleName(text);
    return box;
}

Answer answerOf(const QMessageBox& box)
{
    QAbstractButton* clicked = box.clickedButton();
    if (!clicked) {
        for (QAbstractButton* button : box.buttons())
            if (box.buttonRole(button) == QMessageBox::NoRole)
                return Answer::No;
        return Answer::Ok;
    }
    switch (box.buttonRole(clicked)) {
    case QMessageBox::YesRole:
        return Answer::Yes;
    case QMessageBox::NoRole:
        return Answer::No;
    default:
        return Answer::Ok;
    }
}

Answer QtDialogs::message(const QString& text, Buttons buttons, Icon icon, const QString& title)
{
    const QPointer<QWidget> parent = dialogParent();
    auto box = buildMessageBox(text, buttons, icon, title, parent);
    box->exec();
    const Answer answer = answerOf(*box);
    box.reset();
    giveBackFocus(parent);
    return answer;
}

std::unique_ptr<QInputDialog> buildInputDialog(const QString& prompt, const QString& title,
                                               const QString& proposed, QWidget* parent)
{
    auto dialog = std::make_unique<QInputDialog>(parent);
    dialog->setInputMode(QInputDialog::TextInput);
    dialog->setWindowTitle(title);
    dialog->setLabelText(prompt);
    dialog->setTextValue(proposed);
    dialog->setOkButtonText(QStringLiteral("OK"));
    dialog->setCancelButtonText(QStringLiteral("Avbryt"));
    // The answer is text like any other the program stores: only what Windows-1252 can hold.
    if (auto* edit = dialog->findChild<QLineEdit*>())
        edit->setValidator(new Cp1252Validator(edit));
    return dialog;
}

QString QtDialogs::input(const QString& prompt, const QString& title, const QString& proposed)
{
    const QPointer<QWidget> parent = dialogParent();
    auto dialog = buildInputDialog(prompt, title, proposed, parent);
    const bool accepted = dialog->exec() == QDialog::Accepted;
    const QString answer = accepted ? dialog->textValue() : QString();
    dialog.reset();
    giveBackFocus(parent);
    return answer;
}

QString QtClock::yymmdd() const
{
    return QDate::currentDate().toString(QStringLiteral("yyMMdd"));
}

QString QtClock::hhmm() const
{
    return QTime::currentTime().toString(QStringLiteral("HHmm"));
}

QString QtClock::shortDate() const
{
    // The Swedish short date; written out rather than taken from the locale so that a machine
    // set up with another language still prints the clinic's dates the same way.
    return QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
}

QtScreen::~QtScreen()
{
    setMousePointer(Pointer::Default);
}

void QtScreen::setMousePointer(Pointer pointer)
{
    const bool hourglass = pointer == Pointer::Hourglass;
    if (hourglass == m_hourglass || !QApplication::instance())
        return;
    m_hourglass = hourglass;
    if (hourglass)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

} // namespace ui::qt
