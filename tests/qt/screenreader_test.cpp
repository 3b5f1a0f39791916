// The windows as a screen reader and a Swedish desktop meet them, on real widgets offscreen: what
// Qt reports to assistive technology (names, roles), Qt's own texts, and what pasting and Alt do
// in a box.

#include "app/programwindows.h"
#include "qtfixture.h"
#include "ui/qt/swedishqt.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QClipboard>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

using namespace Qt::Literals::StringLiterals;

namespace {

QString spoken(QWidget* widget, QAccessible::Text text = QAccessible::Name)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(text) : u"(none)"_s;
}

class QtScreenReader : public DeskFixture {
protected:
    std::unique_ptr<ProgramWindows> windows;
    std::unique_ptr<ui::qt::QtBackend> backend;

    void SetUp() override
    {
        writeClinicFiles();
        writeNumberedVisits(3);
        program.folder = QDir(dir.path());
        windows = std::make_unique<ProgramWindows>(app, program);
        backend = std::make_unique<ui::qt::QtBackend>(app);
        windows->start([this](frmKassa& desk) { backend->start(desk); });
        backend->sync();
    }
    void TearDown() override
    {
        backend.reset();
        windows.reset();
    }
    // The desk's menu entry chosen: the window it brings, active.
    ui::qt::FormWindow* open(ui::MenuItem& entry)
    {
        ui::qt::FormWindow* desk = backend->existingWindow(windows->desk());
        EXPECT_TRUE(desk && user::activate(desk));
        desk->actionOf(entry)->trigger();
        ui::qt::FormWindow* window = backend->existingWindow(*app.activeForm());
        EXPECT_TRUE(window && user::activate(window));
        return window;
    }
};

// A value label is heard by its value, as it changes; its caption describes it. A box is heard
// by its caption.
TEST_F(QtScreenReader, ValueLabelsAreHeardByTheirValues)
{
    ui::qt::FormWindow* w = open(windows->desk().mnuARV);
    frmARV& arv = *windows->arv();
    QWidget* antal = w->widgetOf(arv.lblAntalBeh);
    EXPECT_EQ(spoken(antal), u"3"_s);
    EXPECT_EQ(spoken(antal, QAccessible::Description), u"Antalkvitton:"_s);
    EXPECT_EQ(spoken(w->widgetOf(arv.txtTom)), u"T.o.m."_s);
    user::key(w->widgetOf(arv.txtTom), Qt::Key_A, Qt::ControlModifier);
    user::type(w->widgetOf(arv.txtTom), u"2"_s);
    EXPECT_EQ(spoken(antal), u"2"_s);
}

// Options are radio buttons, one checked per group as the window layer says, also after a click
// on the checked one; the frame's border runs above the options standing in it.
TEST_F(QtScreenReader, OptionsAreRadioButtonsInsideTheirFrames)
{
    ui::qt::FormWindow* w = open(windows->desk().mnuInställningar);
    frmInställningar& f = *windows->inställningar();
    QWidget* sjukgymnast = w->widgetOf(*f.optYrke[1]);
    user::press(sjukgymnast, sjukgymnast->rect().center());
    user::press(sjukgymnast, sjukgymnast->rect().center());
    ASSERT_TRUE(f.optYrke[1]->value());
    for (ui::qt::FormWindow* window : {w, backend->existingWindow(windows->desk())})
        for (const auto& c : window->form().controls()) {
            if (c->kind() != ui::ControlKind::OptionButton)
                continue;
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(window->widgetOf(*c));
            ASSERT_NE(face, nullptr);
            EXPECT_EQ(face->role(), QAccessible::RadioButton) << c->name().toStdString();
            EXPECT_EQ(bool(face->state().checked), static_cast<ui::OptionButton&>(*c).value())
                << c->name().toStdString();
        }

    // The frame drawn alone: the first row of its right edge (clear of the caption) that is not
    // background is the top of its border, and it runs above the first option.
    auto* frame = qobject_cast<QGroupBox*>(w->widgetOf(f.frmSkatt));
    ASSERT_NE(frame, nullptr);
    QImage image(frame->size(), QImage::Format_RGB32);
    image.fill(frame->palette().color(QPalette::Window));
    frame->render(&image, {}, {}, QWidget::DrawWindowBackground);
    const int edge = image.width() - 1;
    int border = 0;
    while (border < image.height() && image.pixel(edge, border) == image.pixel(edge, 0))
        ++border;
    EXPECT_GT(border, 0) << "the caption stands on the border";
    EXPECT_LT(border, w->widgetOf(*f.optSkatt[0])->y());
}

// Qt's own texts are Swedish: a box's context menu, standard buttons, a screen reader's actions.
TEST_F(QtScreenReader, QtsOwnTextsAreSwedish)
{
    const ui::qt::SwedishQt swedish;
    EXPECT_TRUE(swedish.hasQtCatalogue()) << "qt_sv.qm (Debian package qt6-translations-l10n)";
    ui::qt::FormWindow* w = open(windows->desk().mnuInställningar);
    auto* klinik = qobject_cast<QLineEdit*>(w->widgetOf(windows->inställningar()->txtKlinik));
    std::unique_ptr<QMenu> menu(klinik->createStandardContextMenu());
    QStringList texts;
    for (QAction* a : menu->actions())
        if (!a->isSeparator())
            texts << a->text().section(u'\t', 0, 0);
    EXPECT_EQ(texts, (QStringList{u"&Ångra"_s, u"&Gör om"_s, u"Klipp &ut"_s, u"&Kopiera"_s,
                                  u"Klistra &in"_s, u"Ta bort"_s, u"Markera alla"_s}));
    QMessageBox box(QMessageBox::NoIcon, u"Vilmer 6.02"_s, u"?"_s, QMessageBox::Cancel | QMessageBox::Yes);
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), u"Avbryt"_s);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text(), u"&Ja"_s);
    QAccessibleActionInterface* actions = QAccessible::queryAccessibleInterface(
        w->widgetOf(windows->inställningar()->cmdSpara))->actionInterface();
    ASSERT_NE(actions, nullptr);
    EXPECT_EQ(actions->localizedActionName(QAccessibleActionInterface::pressAction()), u"Tryck"_s);
}

// A paste longer than the box keeps what fits; one holding a TAB is refused whole. Alt with a
// letter that is no access key types nothing; AltGr (Ctrl+Alt) types.
TEST_F(QtScreenReader, PastesAndAltInABox)
{
    ui::qt::FormWindow* w = open(windows->desk().mnuInställningar);
    frmInställningar& f = *windows->inställningar();
    auto* kod = qobject_cast<QLineEdit*>(w->widgetOf(f.txtKombikakod));
    user::key(kod, Qt::Key_A, Qt::ControlModifier);
    QApplication::clipboard()->setText(u"98765XYZW4321"_s);
    user::key(kod, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(f.txtKombikakod.text(), u"98765XYZW43"_s);
    EXPECT_EQ(kod->text(), u"98765XYZW43"_s);
    user::key(kod, Qt::Key_A, Qt::ControlModifier);
    QApplication::clipboard()->setText(u"12345\tABCD67"_s);
    user::key(kod, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(kod->text(), u"98765XYZW43"_s);

    user::press(w->widgetOf(f.txtKlinik));
    auto* klinik = qobject_cast<QLineEdit*>(w->widgetOf(f.txtKlinik));
    ASSERT_EQ(f.focused(), &f.txtKlinik);
    klinik->end(false);
    const QString före = klinik->text();
    user::key(klinik, Qt::Key_Q, Qt::AltModifier, u"q"_s);
    user::key(klinik, Qt::Key_2, Qt::ControlModifier | Qt::AltModifier, u"@"_s);
    EXPECT_EQ(f.txtKlinik.text(), före + u"@"_s);
    EXPECT_EQ(f.focused(), &f.txtKlinik);
}

} // namespace
