// Message and input boxes, the clock and the mouse pointer.

#include "ui/qt/qtservices.h"

#include <QAccessible>
#include <QApplication>
#include <QDate>
#include <QValidator>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace ui;
using ui::qt::answerOf;
using ui::qt::buildInputDialog;
using ui::qt::buildMessageBox;

namespace {

QStringList buttonTexts(const QMessageBox& box)
{
    QStringList texts;
    for (QAbstractButton* b : box.buttons())
        texts << b->text();
    texts.sort();
    return texts;
}

QAbstractButton* buttonNamed(const QMessageBox& box, const QString& text)
{
    for (QAbstractButton* b : box.buttons())
        if (b->text() == text)
            return b;
    return nullptr;
}

TEST(MessageBox, OkMessageHasTheApplicationTitleOneButtonAndNoIcon)
{
    auto box = buildMessageBox(QStringLiteral("OBS! Felaktigt personnummer."), Buttons::Ok,
                               Icon::None, AppTitle, nullptr);
    EXPECT_EQ(box->windowTitle(), QStringLiteral("Vilmer 6.02"));
    EXPECT_EQ(box->text(), QStringLiteral("OBS! Felaktigt personnummer."));
    EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
    EXPECT_EQ(buttonTexts(*box), QStringList{QStringLiteral("OK")});
    EXPECT_EQ(box->defaultButton(), buttonNamed(*box, QStringLiteral("OK")));
}

TEST(MessageBox, EmptyTitleFallsBackToTheApplicationTitle)
{
    auto box = buildMessageBox(QStringLiteral("x"), Buttons::Ok, Icon::None, QString(), nullptr);
    EXPECT_EQ(box->windowTitle(), QStringLiteral("Vilmer 6.02"));
}

TEST(MessageBox, QuestionHasSwedishYesAndNo)
{
    auto box = buildMessageBox(QStringLiteral("Vill du makulera kvitto 5?"), Buttons::YesNo,
                               Icon::None, QStringLiteral("Makulering"), nullptr);
    EXPECT_EQ(box->windowTitle(), QStringLiteral("Makulering"));
    EXPECT_EQ(buttonTexts(*box), (QStringList{QStringLiteral("Ja"), QStringLiteral("Nej")}));
    EXPECT_EQ(box->defaultButton(), buttonNamed(*box, QStringLiteral("Ja")));
}

TEST(MessageBox, TheButtonPressedIsTheAnswer)
{
    struct Row {
        Buttons buttons;
        const char16_t* press;
        Answer answer;
    };
    const Row rows[] = {
        {Buttons::Ok, u"OK", Answer::Ok},
        {Buttons::YesNo, u"Ja", Answer::Yes},
        {Buttons::YesNo, u"Nej", Answer::No},
    };
    for (const Row& row : rows) {
        auto box = buildMessageBox(QStringLiteral("?"), row.buttons, Icon::None, AppTitle, nullptr);
        QAbstractButton* button = buttonNamed(*box, QString::fromUtf16(row.press));
        ASSERT_NE(button, nullptr);
        button->click();
        EXPECT_EQ(answerOf(*box), row.answer) << QString::fromUtf16(row.press).toStdString();
    }
    // Closed without a button (Esc on a question): the answer that changes nothing.
    auto box = buildMessageBox(QStringLiteral("?"), Buttons::YesNo, Icon::None, AppTitle, nullptr);
    EXPECT_EQ(answerOf(*box), Answer::No);
}

TEST(MessageBox, ConfirmationCarriesTheInformationIcon)
{
    auto box = buildMessageBox(QStringLiteral("Filen är skapad."), Buttons::Ok, Icon::Information,
                               AppTitle, nullptr);
    EXPECT_EQ(box->icon(), QMessageBox::Information);
}

TEST(MessageBox, TextIsShownAsWrittenAndReadByScreenReaders)
{
    const QString text = QStringLiteral("OBS! <b>Kvitto</b> & <<  Föregående");
    auto box = buildMessageBox(text, Buttons::Ok, Icon::None, AppTitle, nullptr);
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), text);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(label);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->text(QAccessible::Name), text);
    EXPECT_EQ(box->accessibleDescription(), text);
}

TEST(InputBox, CarriesPromptTitleAndProposedAnswer)
{
    auto dialog = buildInputDialog(QStringLiteral("Ange kvittonummer"), QStringLiteral("Gå till"),
                                   QStringLiteral("12"), nullptr);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Gå till"));
    EXPECT_EQ(dialog->labelText(), QStringLiteral("Ange kvittonummer"));
    EXPECT_EQ(dialog->textValue(), QStringLiteral("12"));
    EXPECT_EQ(dialog->okButtonText(), QStringLiteral("OK"));
    EXPECT_EQ(dialog->cancelButtonText(), QStringLiteral("Avbryt"));
    auto untitled = buildInputDialog(QStringLiteral("?"), QString(), QString(), nullptr);
    EXPECT_EQ(untitled->windowTitle(), QStringLiteral("Vilmer 6.02"));
}

TEST(InputBox, RefusesCharactersOutsideWindows1252)
{
    auto dialog = buildInputDialog(QStringLiteral("?"), QString(), QString(), nullptr);
    auto* edit = dialog->findChild<QLineEdit*>();
    ASSERT_NE(edit, nullptr);
    ASSERT_NE(edit->validator(), nullptr);
    QString good = QStringLiteral("Åre 12 €");
    QString bad = QStringLiteral("Ωmega");
    int pos = 0;
    EXPECT_EQ(edit->validator()->validate(good, pos), QValidator::Acceptable);
    EXPECT_EQ(edit->validator()->validate(bad, pos), QValidator::Invalid);
}

TEST(Clock, GivesTheFormatsTheWindowsPrint)
{
    qt::QtClock clock;
    const QDate today = QDate::currentDate();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{6}$")).match(clock.yymmdd()).hasMatch());
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^([01]\\d|2[0-3])[0-5]\\d$"))
                    .match(clock.hhmm()).hasMatch()) << clock.hhmm().toStdString();
    EXPECT_EQ(clock.shortDate(), today.toString(QStringLiteral("yyyy-MM-dd")));
    EXPECT_EQ(clock.yymmdd(), clock.shortDate().mid(2).remove(u'-'));
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
