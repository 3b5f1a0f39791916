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

QStringList buttonTexts(const QMessageBox& box)
{
    QStringList texts;
    for (QAbstractButton* b : box.buttons())
        texts << b->text();
    texts.sort();
    return texts;
}

TEST(MessageBox, CarriesTitleSwedishButtonsAndIconAndAnswersByTheButtonPressed)
{
    auto ok = buildMessageBox(u"OBS! Felaktigt personnummer."_s, Buttons::Ok, Icon::None, AppTitle, nullptr);
    EXPECT_EQ(ok->windowTitle(), u"Vilmer 6.02"_s);
    EXPECT_EQ(ok->text(), u"OBS! Felaktigt personnummer."_s);
    EXPECT_EQ(ok->icon(), QMessageBox::NoIcon);
    EXPECT_EQ(buttonTexts(*ok), QStringList{u"OK"_s});
    ok->defaultButton()->click();
    EXPECT_EQ(answerOf(*ok), Answer::Ok);

    // A box without a title of its own gets the program's from the window layer
    // (Application::dialogs), before it reaches the backend.
    auto info = buildMessageBox(u"Filen är skapad."_s, Buttons::Ok, Icon::Information, AppTitle, nullptr);
    EXPECT_EQ(info->windowTitle(), u"Vilmer 6.02"_s);
    EXPECT_EQ(info->icon(), QMessageBox::Information);

    for (bool yes : {true, false}) {
        auto question = buildMessageBox(u"Vill du makulera kvitto 5?"_s, Buttons::YesNo, Icon::None, u"Makulering"_s, nullptr);
        EXPECT_EQ(question->windowTitle(), u"Makulering"_s);
        EXPECT_EQ(buttonTexts(*question), (QStringList{u"Ja"_s, u"Nej"_s}));
        EXPECT_EQ(question->defaultButton()->text(), u"Ja"_s);
        EXPECT_EQ(answerOf(*question), Answer::No) << "closed without a button: the answer that changes nothing";
        for (QAbstractButton* b : question->buttons())
            if (b->text() == (yes ? u"Ja"_s : u"Nej"_s))
                b->click();
        EXPECT_EQ(answerOf(*question), yes ? Answer::Yes : Answer::No);
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
    // (An input box without a title of its own gets the program's from the window layer.)

    auto* edit = dialog->findChild<QLineEdit*>();
    ASSERT_TRUE(edit && edit->validator());
    QString good = u"Åre 12 €"_s, bad = u"Ωmega"_s;
    int pos = 0;
    EXPECT_EQ(edit->validator()->validate(good, pos), QValidator::Acceptable);
    EXPECT_EQ(edit->validator()->validate(bad, pos), QValidator::Invalid);
    QString pasted = u"12\r\n"_s;
    EXPECT_EQ(edit->validator()->validate(pasted, pos), QValidator::Invalid) << "no control characters";
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
