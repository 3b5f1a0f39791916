// The window as built: widgets at their twip geometry, captions, buddies, names, menus.

#include "qtfixture.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

using namespace ui;

namespace {

struct Placement {
    const char* name;
    QRect pixels; // relative to the frame the control stands in
};

// 15 twips to a pixel, rounded: 1200 -> 80, 285 -> 19, 4500 -> 300, 255 -> 17.
const Placement placements[] = {
    {"fraPerson", {8, 8, 280, 133}},
    {"lblNamn", {8, 24, 67, 17}},
    {"txtNamn", {80, 24, 100, 19}},
    {"txtKod", {80, 56, 80, 19}},
    {"txtDatum", {80, 88, 60, 19}},
    {"lstVal", {300, 24, 100, 60}},
    {"chkVal", {300, 93, 120, 20}},
    {"optB", {420, 32, 100, 20}},
    {"cmdOK", {420, 93, 80, 30}},
    {"lblSumma", {8, 173, 200, 25}},
};

// Named in test listings by the control, not by its bytes.
void PrintTo(const Placement& p, std::ostream* out)
{
    *out << p.name;
}

class WindowLayout : public QtWindowTest, public ::testing::WithParamInterface<Placement> {};

TEST_P(WindowLayout, ControlStandsAtItsTwipGeometry)
{
    const Placement& p = GetParam();
    Control* control = form.control(QString::fromUtf8(p.name));
    ASSERT_NE(control, nullptr);
    QWidget* w = widget(*control);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->geometry(), p.pixels) << p.name;
    QWidget* expectedParent = control->container() ? widget(*control->container())
                                                   : window->clientArea();
    EXPECT_EQ(w->parentWidget(), expectedParent) << p.name;
    EXPECT_TRUE(w->isVisible()) << p.name;
}

INSTANTIATE_TEST_SUITE_P(Controls, WindowLayout, ::testing::ValuesIn(placements),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(QtWindowTest, WindowIsFixedAtTheFormsClientSize)
{
    EXPECT_EQ(window->clientArea()->size(), QSize(600, 300));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_GE(window->height(), 300);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Provfönster"));
}

TEST_F(QtWindowTest, LineIsAThinHorizontalRule)
{
    auto* line = widget<QFrame>(form.Line1);
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->frameShape(), QFrame::HLine);
    EXPECT_EQ(line->x(), 8);
    EXPECT_EQ(line->width(), 579);
    EXPECT_LE(line->height(), 3);
    EXPECT_NEAR(line->geometry().center().y(), 160, 1);
}

TEST_F(QtWindowTest, EveryKindBecomesItsWidgetWithItsCaption)
{
    EXPECT_EQ(widget<QGroupBox>(form.fraPerson)->title(), QStringLiteral("Person"));
    EXPECT_EQ(widget<QLabel>(form.lblNamn)->text(), QStringLiteral("&Namn:"));
    EXPECT_NE(widget<QLineEdit>(form.txtNamn), nullptr);
    EXPECT_EQ(widget<QCheckBox>(form.chkVal)->text(), QStringLiteral("&Markera"));
    EXPECT_EQ(widget<QRadioButton>(form.optA)->text(), QStringLiteral("Alt &A"));
    EXPECT_EQ(widget<QPushButton>(form.cmdStäng)->text(), QStringLiteral("Stäng"));
    auto* list = widget<QListWidget>(form.lstVal);
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(1)->text(), QStringLiteral("Två"));
    // A label that names nothing shows its caption as it is.
    EXPECT_EQ(widget<QLabel>(form.lblSumma)->text(), QStringLiteral("0 kr"));
    EXPECT_TRUE(widget(form.lblSumma)->font().bold());
    EXPECT_DOUBLE_EQ(widget(form.lblSumma)->font().pointSizeF(), 12.0);
    EXPECT_FALSE(widget(form.lblNamn)->font().bold());
    EXPECT_DOUBLE_EQ(widget(form.lblNamn)->font().pointSizeF(), 8.25);
}

TEST_F(QtWindowTest, LabelBuddiesFollowTheTabOrder)
{
    EXPECT_EQ(widget<QLabel>(form.lblNamn)->buddy(), widget(form.txtNamn));
    // "&Kod:" stands before "&Datum:" in the tab order, so its key reaches txtDatum.
    EXPECT_EQ(widget<QLabel>(form.lblKod)->buddy(), widget(form.txtDatum));
    EXPECT_EQ(widget<QLabel>(form.lblDatum)->buddy(), widget(form.txtDatum));
    EXPECT_EQ(widget<QLabel>(form.lblVal)->buddy(), widget(form.lstVal));
    EXPECT_EQ(widget<QLabel>(form.lblSumma)->buddy(), nullptr);
}

TEST_F(QtWindowTest, InputsAreNamedAfterTheCaptionBesideOrAboveThem)
{
    EXPECT_EQ(widget(form.txtNamn)->accessibleName(), QStringLiteral("Namn:"));
    EXPECT_EQ(widget(form.txtKod)->accessibleName(), QStringLiteral("Kod:"));
    EXPECT_EQ(widget(form.txtDatum)->accessibleName(), QStringLiteral("Datum:"));
    EXPECT_EQ(widget(form.lstVal)->accessibleName(), QStringLiteral("Lista"));
}

TEST_F(QtWindowTest, ControlsTakeTheFocusOnlyThroughTheWindowLayer)
{
    // Clicks never move Qt's focus by themselves: the box being left must be asked first.
    for (Control* c : {static_cast<Control*>(&form.txtNamn), static_cast<Control*>(&form.lstVal),
                       static_cast<Control*>(&form.cmdOK), static_cast<Control*>(&form.chkVal)})
        EXPECT_EQ(widget(*c)->focusPolicy(), Qt::TabFocus) << c->name().toStdString();
    EXPECT_EQ(widget(form.lblNamn)->focusPolicy(), Qt::NoFocus);
}

TEST_F(QtWindowTest, MenuBarMirrorsTheMenus)
{
    const QList<QAction*> top = window->menuBar()->actions();
    ASSERT_EQ(top.size(), 2);
    EXPECT_EQ(top[0]->text(), QStringLiteral("&Arkiv"));
    ASSERT_NE(top[0]->menu(), nullptr);
    EXPECT_EQ(top[1]->text(), QStringLiteral("&Hjälp"));
    EXPECT_EQ(top[1]->menu(), nullptr) << "an entry without items sits on the bar itself";

    const QList<QAction*> items = top[0]->menu()->actions();
    ASSERT_EQ(items.size(), 4);
    EXPECT_EQ(items[0]->text(), QStringLiteral("&Öppna"));
    EXPECT_TRUE(items[1]->isSeparator());
    EXPECT_EQ(items[2], window->actionOf(form.mnuVal));
    EXPECT_FALSE(items[2]->isChecked());
    EXPECT_TRUE(items[0]->isEnabled());
    EXPECT_FALSE(items[3]->isEnabled());
}

} // namespace
