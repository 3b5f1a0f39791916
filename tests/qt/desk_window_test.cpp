// The desk on real widgets, offscreen: its controls where the layout puts them, with their
// captions, access keys and names; typing and Tab reaching the desk's checks.

#include "vocabulary/fieldchecks.h"
#include "qtfixture.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcutEvent>

using namespace Qt::Literals::StringLiterals;

namespace {

int px(int twips)
{
    return int(std::lround(twips / 15.0));
}

QString shownCaption(QWidget* w)
{
    if (auto* label = qobject_cast<QLabel*>(w))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return button->text();
    if (auto* frame = qobject_cast<QGroupBox*>(w))
        return frame->title();
    return {};
}

// Twips from the desk's layout, relative to the frame a control stands in; the caption as
// shown, "&" before the access key (null for none).
TEST_F(QtDesk, ControlsStandAtTheirPlacesWithTheirCaptions)
{
    open(3);
    const struct {
        const char* name;
        int left, top, width, height;
        const char* caption;
    } places[] = {
        {"Label1", 600, 480, 1215, 255, "Kvittonummer:"},
        {"Label2", 3720, 480, 1215, 255, "&Besöksdatum:"},
        {"txtBesöksDatum", 5355, 480, 780, 285, nullptr},
        {"cmdSök", 6000, 1080, 735, 375, "Sök..."},
        {"txtKombikakod", 7560, 1800, 1335, 285, nullptr},
        {"Label4", 7440, 2160, 1692, 252, "&Vikarieskombikakod"},
        {"frmBesökstyp", 0, 1560, 3495, 1335, "Besökstyp"},
        {"optBesök(1)", 120, 800, 1215, 375, "Åt&erbesök"},
        {"chkSmittskydd", 1440, 795, 1935, 375, "&Smittskyddsbesök"},
        {"Frame1", 3670, 1560, 3375, 850, "Personregistrering"}, // personnummer mode: one row
        {"lblPersonnummer", 240, 360, 1335, 255, "&Personnummer:"},
        {"txtPersonnummer", 1680, 360, 1455, 285, nullptr},
        {"lstRemissTill", 2400, 360, 855, 615, nullptr},
        {"chkEjBetPatAvg", 3720, 4560, 2175, 195, "Ej e&rlagt patientavgift"},
        {"lstÅtgärd", 6480, 3840, 855, 1005, nullptr},
        {"lstTaxekod", 8040, 3840, 855, 615, nullptr},
        {"chkDubletter", 4200, 6120, 3255, 255, "Kontroll av dubbletter - Pnr/Datum"},
        {"cmdRegistrera", 6480, 5160, 1455, 615, "Registrera"},
        {"txtDiagnoskod", 8640, 5280, 735, 285, nullptr},
        {"cmdFöregående", 240, 5520, 1575, 375, "<<  Föregåen&de"},
        {"cmdNästa", 2280, 5520, 1575, 375, "&Nästa  >>"},
    };
    for (const auto& p : places) {
        ui::Control* control = desk->control(QString::fromUtf8(p.name));
        ASSERT_NE(control, nullptr) << p.name;
        EXPECT_EQ(widget(*control)->geometry(), QRect(px(p.left), px(p.top), px(p.width), px(p.height))) << p.name;
        if (p.caption) {
            EXPECT_EQ(shownCaption(widget(*control)).toStdString(), std::string(p.caption));
        }
    }
    EXPECT_EQ(window->clientArea()->size(), QSize(673, 432));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_EQ(window->windowTitle(), u"Kassaprogram för Läkare Ver 6.02"_s);
    EXPECT_EQ(widget(desk->txtPersonnummer)->parentWidget(), widget(desk->Frame1));
    EXPECT_EQ(widget(desk->lstRemissTill)->parentWidget(), widget(desk->fraRemiss));
    EXPECT_EQ(widget<QFrame>(desk->Line1)->frameShape(), QFrame::HLine);
}

TEST_F(QtDesk, EveryWidgetFollowsItsControlWhenTheDeskMovesIt)
{
    open(3);
    auto matches = [this](const char* when) {
        for (const auto& c : desk->controls()) {
            if (c->kind() == ui::ControlKind::Line)
                continue;
            QWidget* w = widget(*c);
            EXPECT_EQ(w->geometry(), QRect(px(c->left()), px(c->top()), px(c->width()), px(c->height())))
                << when << ": " << c->name().toStdString();
            EXPECT_EQ(w->isVisibleTo(window), c->isEffectivelyVisible()) << when << ": " << c->name().toStdString();
        }
    };
    matches("personnummer");
    window->actionOf(*desk->mnuIdTyp[1])->trigger(); // "Reservnummer"
    ASSERT_TRUE(desk->txtReservnummer.isEffectivelyVisible());
    matches("reservnummer");
}

TEST_F(QtDesk, LabelBuddiesAndAccessibleNames)
{
    open(3);
    auto buddyOf = [this](const ui::Control& label) { return widget<QLabel>(label)->buddy(); };
    EXPECT_EQ(buddyOf(desk->lblPersonnummer), widget(desk->txtPersonnummer));
    // "&Reservnummer:" stands before the birth-date row, so its key reaches txtFödelsedatum.
    EXPECT_EQ(buddyOf(desk->lblReservnummer), widget(desk->txtFödelsedatum));
    EXPECT_EQ(buddyOf(desk->Label2), widget(desk->txtBesöksDatum));
    EXPECT_EQ(buddyOf(desk->Label6), widget(desk->lstTaxekod));

    // Each input is named after the caption beside or above it, without the "&".
    const std::pair<const ui::Control*, const char*> names[] = {
        {&desk->txtPersonnummer, "Personnummer:"}, {&desk->txtReservnummer, "Reservnummer:"},
        {&desk->txtFödelsedatum, "Födelsedatum:"}, {&desk->txtBesöksDatum, "Besöksdatum:"},
        {&desk->txtKombikakod, "Kombikakod:"},     {&desk->txtVikKomkod, "Vikarieskombikakod"},
        {&desk->txtRemissFrån, "Kombikakod:"},     {&desk->txtRemissDatum, "Datum:"},
        {&desk->lstRemissTill, "Till:"},           {&desk->lstTaxekod, "Taxekod"},
        {&desk->lstÅtgärd, "Åtgärd"},              {&desk->txtMakulering, "Makulerat kvittonr:"},
        {&desk->txtDiagnoskod, "Diagnoskod:"},
    };
    for (const auto& [box, name] : names)
        EXPECT_EQ(widget(*box)->accessibleName().toStdString(), std::string(name)) << box->name().toStdString();
}

TEST_F(QtDesk, TypingAndTabReachTheDesksChecks)
{
    open(3);
    expectFocus(desk->txtPersonnummer);
    auto* box = widget<QLineEdit>(desk->txtPersonnummer);
    box->selectAll(); // the desk shows the last receipt: the user types over it
    user::type(box, u"19000101000899"_s);
    EXPECT_EQ(desk->txtPersonnummer.text(), u"190001010008"_s) << "typing stops at the box's length";
    user::tab(box);
    expectFocus(desk->txtBesöksDatum);

    // A refused number: the message goes through the Dialogs interface, the box keeps the
    // focus and the text.
    user::tab(widget(desk->txtBesöksDatum), true);
    expectFocus(desk->txtPersonnummer);
    box->selectAll();
    user::type(box, u"1912121212"_s);
    dialogs.expectMessage(fieldchecks::text::FörFåTecken);
    user::tab(box);
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].buttons, ui::Buttons::Ok);
    EXPECT_EQ(dialogs.messages()[0].title, ui::AppTitle);
    expectFocus(desk->txtPersonnummer);
    EXPECT_EQ(box->text(), u"1912121212"_s);
}

// "&Reservnummer:" and "Ej e&rlagt patientavgift" share R; Qt hands the key to either, and the
// window layer decides whose turn it is. A shared key only moves the focus: it never ticks the
// box on the way to the reserve number.
TEST_F(QtDesk, CaptionsSharingAnAccessKeyTakeTurns)
{
    open(3);
    window->actionOf(*desk->mnuIdTyp[1])->trigger(); // "Reservnummer": its caption is shown
    ASSERT_TRUE(desk->lblReservnummer.isEffectivelyVisible());
    QShortcutEvent first(QKeySequence(u"Alt+R"_s), 0, true);
    QApplication::sendEvent(widget(desk->chkEjBetPatAvg), &first);
    expectFocus(desk->txtFödelsedatum);
    QShortcutEvent second(QKeySequence(u"Alt+R"_s), 0, true);
    QApplication::sendEvent(widget(desk->lblReservnummer), &second);
    EXPECT_EQ(desk->focused(), &desk->chkEjBetPatAvg);
    EXPECT_EQ(desk->chkEjBetPatAvg.value(), 0);
    EXPECT_FALSE(widget<QCheckBox>(desk->chkEjBetPatAvg)->isChecked());
    expectFocus(desk->chkEjBetPatAvg);
}

} // namespace
