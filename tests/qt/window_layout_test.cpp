// The window as built: widgets at their twip geometry (15 twips to a pixel, rounded), captions,
// fonts, focus policy, menus. The desk's own layout is checked in desk_window_test.cpp.

#include "qtfixture.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

using namespace ui;
using namespace Qt::Literals::StringLiterals;

namespace {

TEST_F(QtWindowTest, EveryKindBecomesItsWidgetWithItsCaptionInAFixedWindow)
{
    EXPECT_EQ(window->clientArea()->size(), QSize(600, 300));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_EQ(window->windowTitle(), u"Provfönster"_s);
    // Inside a frame, at the place relative to it: 1200 -> 80, 360 -> 24, 285 -> 19.
    EXPECT_EQ(widget(form.txtNamn)->parentWidget(), widget(form.fraPerson));
    EXPECT_EQ(widget(form.txtNamn)->geometry(), QRect(80, 24, 100, 19));
    EXPECT_EQ(widget(form.fraPerson)->geometry(), QRect(8, 8, 280, 133));

    EXPECT_EQ(widget<QGroupBox>(form.fraPerson)->title(), u"Person"_s);
    EXPECT_EQ(widget<QLabel>(form.lblNamn)->text(), u"&Namn:"_s);
    EXPECT_EQ(widget<QCheckBox>(form.chkVal)->text(), u"&Markera"_s);
    EXPECT_EQ(widget<QRadioButton>(form.optA)->text(), u"Alt &A"_s);
    EXPECT_EQ(widget<QPushButton>(form.cmdStäng)->text(), u"Stäng"_s);
    auto* list = widget<QListWidget>(form.lstVal);
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(1)->text(), u"Två"_s);
    EXPECT_EQ(widget<QLabel>(form.lblSumma)->text(), u"0 kr"_s) << "a label naming nothing shows its caption";
    EXPECT_TRUE(widget(form.lblSumma)->font().bold());
    EXPECT_DOUBLE_EQ(widget(form.lblSumma)->font().pointSizeF(), 12.0);
    EXPECT_FALSE(widget(form.lblNamn)->font().bold());
    EXPECT_DOUBLE_EQ(widget(form.lblNamn)->font().pointSizeF(), 8.25);

    // Clicks never move Qt's focus by themselves: the box being left must be asked first.
    for (const Control* c : std::initializer_list<const Control*>{&form.txtNamn, &form.lstVal, &form.cmdOK, &form.chkVal})
        EXPECT_EQ(widget(*c)->focusPolicy(), Qt::TabFocus) << c->name().toStdString();
    EXPECT_EQ(widget(form.lblNamn)->focusPolicy(), Qt::NoFocus);
}

TEST_F(QtWindowTest, MenuBarMirrorsTheMenusAndChoicesGoToTheWindowLayer)
{
    const QList<QAction*> top = window->menuBar()->actions();
    ASSERT_EQ(top.size(), 2);
    EXPECT_EQ(top[0]->text(), u"&Arkiv"_s);
    EXPECT_EQ(top[1]->text(), u"&Hjälp"_s);
    EXPECT_EQ(top[1]->menu(), nullptr) << "an entry without items sits on the bar itself";
    ASSERT_NE(top[0]->menu(), nullptr);
    const QList<QAction*> items = top[0]->menu()->actions();
    ASSERT_EQ(items.size(), 4);
    EXPECT_EQ(items[0]->text(), u"&Öppna"_s);
    EXPECT_TRUE(items[1]->isSeparator());
    EXPECT_EQ(items[2], window->actionOf(form.mnuVal));
    EXPECT_FALSE(items[3]->isEnabled());

    // The window layer sets the mark; a menu choice does not move the focus.
    QAction* val = window->actionOf(form.mnuVal);
    val->trigger();
    EXPECT_TRUE(form.mnuVal.checked());
    EXPECT_TRUE(val->isCheckable() && val->isChecked());
    val->trigger();
    EXPECT_FALSE(val->isChecked());
    top[1]->trigger();
    EXPECT_EQ(form.hjälp, 1);
    EXPECT_EQ(form.focused(), &form.txtNamn);
    EXPECT_EQ(form.namnLosses, 0);

    // Changes made by the window layer reach the actions; a disabled entry does nothing.
    form.mnuÖppna.setEnabled(false);
    form.mnuVal.setChecked(true);
    form.mnuGrått.setVisible(false);
    EXPECT_FALSE(items[0]->isEnabled());
    EXPECT_TRUE(val->isChecked());
    EXPECT_FALSE(items[3]->isVisible());
    items[0]->trigger();
    EXPECT_EQ(form.öppna, 0);
}

} // namespace
