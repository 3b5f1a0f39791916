// The window as built: fonts, list items, focus policy, menus.

#include "qtfixture.h"

#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>

using namespace ui;
using namespace Qt::Literals::StringLiterals;

namespace {

// Twip geometry, captions and the fixed window size are checked on the desk itself; what the
// desk's layout does not show is checked here.
TEST_F(QtWindowTest, WidgetsCarryFontsAndItemsAndTakeNoFocusOnTheirOwn)
{
    EXPECT_TRUE(widget(form.lblSumma)->font().bold());
    EXPECT_DOUBLE_EQ(widget(form.lblSumma)->font().pointSizeF(), 12.0);
    EXPECT_FALSE(widget(form.lblNamn)->font().bold());
    EXPECT_DOUBLE_EQ(widget(form.lblNamn)->font().pointSizeF(), 8.25);
    EXPECT_EQ(widget<QLabel>(form.lblSumma)->text(), u"0 kr"_s) << "a label naming nothing shows its caption";
    auto* list = widget<QListWidget>(form.lstVal);
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(1)->text(), u"Två"_s);

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
