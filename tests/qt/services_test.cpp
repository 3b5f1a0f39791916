// Message and input boxes, the clock and the mouse pointer.

#include "ui/qt/qtservices.h"

#include <QAccessible>
#include <QApplication>
#include <QDate>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QValidator>
#include <gtest/gtest.h>

using namespace ui;
using namespace Qt::Literals::StringLiterals;
using ui::qt::answerOf;
using ui::qt::buildInputDialog;
using ui::qt::buildMessageBox;

namespace {

QAbstractButton* buttonNamed(const QMessageBox& box, const QString& text)
{
    for (QAbstractButton* b : box.buttons())
        if (b->text() == text)
            return b;
    return nullptr;
}

// Title (the program's when none is given), Swedish buttons, the default button, the icon,
// and the answer the button pressed gives.
TEST(MessageBox, IsBuiltWithTitleButtonsAndIconAndAnswersByTheButton)
{
    const struct {
        QString title, shownTitle;
        Buttons buttons;
        Icon icon;
        QMessageBox::Icon shownIcon;
        const char16_t *first, *second; // the first is the default button
        Answer firstAnswer, secondAnswer;
    } rows[] = {
        {AppTitle, u"Vilmer 6.02"_s, Buttons::Ok, Icon::None, QMessageBox::NoIcon, u"OK", nullptr, Answer::Ok, {}},
        {QString(), u"Vilmer 6.02"_s, Buttons::Ok, Icon::Information, QMessageBox::Information, u"OK", nullptr,
         Answer::Ok, {}},
        {u"Makulering"_s, u"Makulering"_s, Buttons::YesNo, Icon::None, QMessageBox::NoIcon, u"Ja", u"Nej",
         Answer::Yes, Answer::No},
    };
    for (const auto& row : rows) {
        auto box = buildMessageBox(u"Vill du makulera kvitto 5?"_s, row.buttons, row.icon, row.title, nullptr);
        EXPECT_EQ(box->windowTitle(), row.shownTitle);
        EXPECT_EQ(box->text(), u"Vill du makulera kvitto 5?"_s);
        EXPECT_EQ(box->icon(), row.shownIcon);
        EXPECT_EQ(box->buttons().size(), row.second ? 2 : 1);
        QAbstractButton* first = buttonNamed(*box, QString::fromUtf16(row.first));
        ASSERT_NE(first, nullptr);
        EXPECT_EQ(box->defaultButton(), first);
        first->click();
        EXPECT_EQ(answerOf(*box), row.firstAnswer);
        if (row.second) {
            auto again = buildMessageBox(u"?"_s, row.buttons, row.icon, row.title, nullptr);
            EXPECT_EQ(answerOf(*again), Answer::No) << "closed without a button: the answer that changes nothing";
            buttonNamed(*again, QString::fromUtf16(row.second))->click();
            EXPECT_EQ(answerOf(*again), row.secondAnswer);
        }
    }
}

TEST(MessageBox, TextIsShownAsWrittenAndReadByScreenReaders)
{
    const QString text = u"OBS! <b>Kvitto</b> & <<  Föregående"_s;
    auto box = buildMessageBox(text, Buttons::Ok, Icon::None, AppTitle, nullptr);
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    auto* label = box->findChild<QLabel*>(u"qt_msgbox_label"_s);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), text);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(label);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->text(QAccessible::Name), text);
    EXPECT_EQ(box->accessibleDescription(), text);
}

TEST(InputBox, CarriesPromptTitleAndProposedAnswerAndRefusesTextOutsideWindows1252)
{
    auto dialog = buildInputDialog(u"Ange kvittonummer"_s, u"Gå till"_s, u"12"_s, nullptr);
    EXPECT_EQ(dialog->windowTitle(), u"Gå till"_s);
    EXPECT_EQ(dialog->labelText(), u"Ange kvittonummer"_s);
    EXPECT_EQ(dialog->textValue(), u"12"_s);
    EXPECT_EQ(dialog->okButtonText(), u"OK"_s);
    EXPECT_EQ(dialog->cancelButtonText(), u"Avbryt"_s);
    EXPECT_EQ(buildInputDialog(u"?"_s, QString(), QString(), nullptr)->windowTitle(), u"Vilmer 6.02"_s);

    auto* edit = dialog->findChild<QLineEdit*>();
    ASSERT_TRUE(edit && edit->validator());
    QString good = u"Åre 12 €"_s, bad = u"Ωmega"_s;
    int pos = 0;
    EXPECT_EQ(edit->validator()->validate(good, pos), QValidator::Acceptable);
    EXPECT_EQ(edit->validator()->validate(bad, pos), QValidator::Invalid);
}

TEST(Clock, GivesTheFormatsTheWindowsPrint)
{
    qt::QtClock clock;
    EXPECT_EQ(clock.shortDate(), QDate::currentDate().toString(u"yyyy-MM-dd"_s));
    EXPECT_EQ(clock.yymmdd(), clock.shortDate().mid(2).remove(u'-'));
    EXPECT_TRUE(QRegularExpression(u"^([01]\\d|2[0-3])[0-5]\\d$"_s).match(clock.hhmm()).hasMatch())
        << clock.hhmm().toStdString();
}

TEST(Screen, HourglassIsTheWaitCursorAndComesOffAgain)
{
    ASSERT_EQ(QApplication::overrideCursor(), nullptr);
    {
        qt::QtScreen screen;
        screen.setMousePointer(Pointer::Hourglass);
        screen.setMousePointer(Pointer::Hourglass); // not stacked twice
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        screen.setMousePointer(Pointer::Default);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        screen.setMousePointer(Pointer::Hourglass);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "a pointer left on is taken off at the end";
}

} // namespace
