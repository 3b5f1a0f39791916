// The desk on real widgets, offscreen: its controls where the layout puts them, with their
// captions, access keys and names; typing and Tab reaching the desk's checks.

#include "desk/fieldchecks.h"
#include "qtfixture.h"
#include "support/deskfixture.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcutEvent>

namespace {

class QtDesk : public DeskFixture {
protected:
    std::unique_ptr<ui::qt::QtBackend> backend;
    ui::qt::FormWindow* window = nullptr;

    void SetUp() override
    {
        writeClinicFiles();
        writeNumberedVisits(3);
        ASSERT_TRUE(dir.isValid());
        program.folder = QDir(dir.path());
        desk = std::make_unique<frmKassa>(app, program);
        backend = std::make_unique<ui::qt::QtBackend>(app);
        backend->start(*desk);
        window = backend->existingWindow(*desk);
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(user::activate(window));
    }
    void TearDown() override { backend.reset(); }

    QWidget* widget(const ui::Control& control) const { return window->widgetOf(control); }
    // The user selects what the box holds (the desk shows the last receipt) and types over it.
    void typeOver(const ui::TextBox& box, const QString& text)
    {
        qobject_cast<QLineEdit*>(widget(box))->selectAll();
        user::type(widget(box), text);
    }
    QString shownCaption(const ui::Control& control) const
    {
        QWidget* w = widget(control);
        if (auto* label = qobject_cast<QLabel*>(w))
            return label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            return button->text();
        if (auto* frame = qobject_cast<QGroupBox*>(w))
            return frame->title();
        return {};
    }
};

struct DeskPlace {
    const char* name;
    int left, top, width, height; // twips, from the desk's layout
    const char* caption;          // as shown, "&" before the access key; null for none
};

// Pixels are twips / 15 rounded: 3670 -> 245, 1835 -> 122, 1455 -> 97.
const DeskPlace deskPlaces[] = {
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

void PrintTo(const DeskPlace& p, std::ostream* out)
{
    *out << p.name;
}

class QtDeskLayout : public QtDesk, public ::testing::WithParamInterface<DeskPlace> {};

TEST_P(QtDeskLayout, ControlStandsAtItsPlaceWithItsCaption)
{
    const DeskPlace& p = GetParam();
    ui::Control* control = desk->control(QString::fromUtf8(p.name));
    ASSERT_NE(control, nullptr) << p.name;
    QWidget* w = widget(*control);
    ASSERT_NE(w, nullptr);
    auto px = [](int twips) { return int(std::lround(twips / 15.0)); };
    EXPECT_EQ(w->geometry(), QRect(px(p.left), px(p.top), px(p.width), px(p.height))) << p.name;
    if (p.caption) {
        EXPECT_EQ(shownCaption(*control).toStdString(), std::string(p.caption));
    }
}

TEST_F(QtDesk, EveryWidgetFollowsItsControlWhenTheDeskMovesIt)
{
    auto matches = [this](const char* when) {
        for (const auto& c : desk->controls()) {
            if (c->kind() == ui::ControlKind::Line)
                continue;
            QWidget* w = widget(*c);
            auto px = [](int twips) { return int(std::lround(twips / 15.0)); };
            EXPECT_EQ(w->geometry(), QRect(px(c->left()), px(c->top()), px(c->width()), px(c->height())))
                << when << ": " << c->name().toStdString();
            EXPECT_EQ(w->isVisibleTo(window), c->isEffectivelyVisible())
                << when << ": " << c->name().toStdString();
        }
    };
    matches("personnummer");
    window->actionOf(*desk->mnuIdTyp[1])->trigger(); // "Reservnummer"
    ASSERT_TRUE(desk->mnuIdTyp[1]->checked());
    ASSERT_TRUE(desk->txtReservnummer.isEffectivelyVisible());
    matches("reservnummer");
    EXPECT_TRUE(widget(desk->txtReservnummer)->isVisible());
    EXPECT_EQ(widget(desk->txtReservnummer)->accessibleName(), QStringLiteral("Reservnummer:"));
}

INSTANTIATE_TEST_SUITE_P(Desk, QtDeskLayout, ::testing::ValuesIn(deskPlaces),
                         [](const auto& info) {
                             std::string name;
                             for (char c : std::string(info.param.name))
                                 name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return name;
                         });

TEST_F(QtDesk, WindowHasTheDesksSizeTitleAndFrames)
{
    EXPECT_EQ(window->clientArea()->size(), QSize(673, 432));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Kassaprogram för Läkare Ver 6.02"));
    EXPECT_EQ(widget(desk->txtPersonnummer)->parentWidget(), widget(desk->Frame1));
    EXPECT_EQ(widget(desk->lstRemissTill)->parentWidget(), widget(desk->fraRemiss));
    EXPECT_TRUE(widget(desk->lstRemissTill)->isVisible());
    EXPECT_EQ(qobject_cast<QFrame*>(widget(desk->Line1))->frameShape(), QFrame::HLine);
}

TEST_F(QtDesk, ListsShowTheCodes)
{
    auto* tariffs = qobject_cast<QListWidget*>(widget(desk->lstTaxekod));
    ASSERT_EQ(tariffs->count(), desk->lstTaxekod.listCount());
    ASSERT_EQ(tariffs->count(), 5);
    EXPECT_EQ(tariffs->item(0)->text(), QStringLiteral("01"));
    auto* referral = qobject_cast<QListWidget*>(widget(desk->lstRemissTill));
    ASSERT_EQ(referral->count(), 4);
    EXPECT_EQ(referral->item(0)->text(), QStringLiteral("  00 "));
    EXPECT_EQ(referral->currentRow(), desk->lstRemissTill.listIndex());
}

TEST_F(QtDesk, AccessKeysAndNamesOfTheIdentityBoxes)
{
    auto buddyOf = [this](const ui::Control& label) {
        return qobject_cast<QLabel*>(widget(label))->buddy();
    };
    EXPECT_EQ(buddyOf(desk->lblPersonnummer), widget(desk->txtPersonnummer));
    // "&Reservnummer:" stands before the birth-date row, so its key reaches txtFödelsedatum.
    EXPECT_EQ(buddyOf(desk->lblReservnummer), widget(desk->txtFödelsedatum));
    EXPECT_EQ(buddyOf(desk->Label2), widget(desk->txtBesöksDatum));
    EXPECT_EQ(buddyOf(desk->Label6), widget(desk->lstTaxekod));

    struct Named {
        const ui::Control* box;
        const char* name;
    };
    const Named names[] = {
        {&desk->txtPersonnummer, "Personnummer:"},
        {&desk->txtReservnummer, "Reservnummer:"},
        {&desk->txtFödelsedatum, "Födelsedatum:"},
        {&desk->txtBesöksDatum, "Besöksdatum:"},
        {&desk->txtKombikakod, "Kombikakod:"},
        {&desk->txtVikKomkod, "Vikarieskombikakod"},
        {&desk->txtRemissFrån, "Kombikakod:"},
        {&desk->txtRemissDatum, "Datum:"},
        {&desk->lstRemissTill, "Till:"},
        {&desk->lstTaxekod, "Taxekod"},
        {&desk->lstÅtgärd, "Åtgärd"},
        {&desk->txtMakulering, "Makulerat kvittonr:"},
        {&desk->txtDiagnoskod, "Diagnoskod:"},
    };
    for (const Named& n : names)
        EXPECT_EQ(widget(*n.box)->accessibleName().toStdString(), std::string(n.name))
            << n.box->name().toStdString();
}

TEST_F(QtDesk, MenuBarHasTheDesksMenus)
{
    const QList<QAction*> top = window->menuBar()->actions();
    ASSERT_EQ(top.size(), 4);
    EXPECT_EQ(top[0]->text(), QStringLiteral("&Arkiv"));
    EXPECT_EQ(top[1]->text(), QStringLiteral("Al&ternativ"));
    EXPECT_EQ(top[2]->text(), QStringLiteral("&Patient register"));
    EXPECT_FALSE(top[2]->isEnabled());
    EXPECT_EQ(top[3]->text(), QStringLiteral("&Gå till..."));
    EXPECT_EQ(top[3]->menu(), nullptr);

    const QList<QAction*> arkiv = top[0]->menu()->actions();
    ASSERT_EQ(arkiv.size(), 6);
    EXPECT_EQ(arkiv[5]->text(), QStringLiteral("&Avsluta "));
    EXPECT_FALSE(arkiv[2]->isEnabled()) << "&Besökslista does nothing and is greyed out";

    const QList<QAction*> alternativ = top[1]->menu()->actions();
    ASSERT_EQ(alternativ.size(), 10);
    EXPECT_TRUE(alternativ[1]->isSeparator());
    for (const ui::MenuItem* item : {desk->mnuNyReg[0], desk->mnuNyReg[1], desk->mnuSkatt[0],
                                     desk->mnuSkatt[1], desk->mnuIdTyp[0], desk->mnuIdTyp[1]})
        EXPECT_EQ(window->actionOf(*item)->isChecked(), item->checked())
            << item->caption().toStdString();
    EXPECT_TRUE(window->actionOf(*desk->mnuNyReg[0])->isChecked());
}

TEST_F(QtDesk, TypingAndTabReachTheDesk)
{
    ASSERT_EQ(desk->focused(), &desk->txtPersonnummer);
    ASSERT_EQ(QApplication::focusWidget(), widget(desk->txtPersonnummer));
    typeOver(desk->txtPersonnummer, QStringLiteral("190001010008"));
    EXPECT_EQ(desk->txtPersonnummer.text(), QStringLiteral("190001010008"));
    user::tab(widget(desk->txtPersonnummer));
    EXPECT_EQ(desk->focused(), &desk->txtBesöksDatum);
    EXPECT_EQ(QApplication::focusWidget(), widget(desk->txtBesöksDatum));
}

TEST_F(QtDesk, ARefusedPersonnummerKeepsTheFocusThroughTheDialogs)
{
    dialogs.expectMessage(fieldchecks::text::FörFåTecken);
    typeOver(desk->txtPersonnummer, QStringLiteral("1912121212"));
    user::tab(widget(desk->txtPersonnummer));
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].buttons, ui::Buttons::Ok);
    EXPECT_EQ(dialogs.messages()[0].title, ui::AppTitle);
    EXPECT_EQ(desk->focused(), &desk->txtPersonnummer);
    EXPECT_EQ(QApplication::focusWidget(), widget(desk->txtPersonnummer));
    EXPECT_EQ(qobject_cast<QLineEdit*>(widget(desk->txtPersonnummer))->text(),
              QStringLiteral("1912121212"));
}

TEST_F(QtDesk, BrowsingShowsTheReceiptInTheWidgets)
{
    ASSERT_EQ(desk->lblKvittoNr.caption(), QStringLiteral("3"));
    qobject_cast<QPushButton*>(widget(desk->cmdFöregående))->click();
    EXPECT_EQ(desk->lblKvittoNr.caption(), QStringLiteral("2"));
    EXPECT_EQ(qobject_cast<QLabel*>(widget(desk->lblKvittoNr))->text(), QStringLiteral("2"));
    EXPECT_EQ(qobject_cast<QLineEdit*>(widget(desk->txtBesöksDatum))->text(),
              desk->txtBesöksDatum.text());
    EXPECT_EQ(qobject_cast<QLabel*>(widget(desk->lblPatientavgift))->text(),
              desk->lblPatientavgift.caption());
}

TEST_F(QtDesk, CaptionsSharingAnAccessKeyTakeTurns)
{
    window->actionOf(*desk->mnuIdTyp[1])->trigger(); // "Reservnummer": its caption is shown
    ASSERT_TRUE(desk->lblReservnummer.isEffectivelyVisible());
    // "&Reservnummer:" and "Ej e&rlagt patientavgift" share R; Qt hands the key to either.
    QShortcutEvent first(QKeySequence(QStringLiteral("Alt+R")), 0, true);
    QApplication::sendEvent(widget(desk->chkEjBetPatAvg), &first);
    EXPECT_EQ(desk->focused(), &desk->txtFödelsedatum);
    EXPECT_EQ(QApplication::focusWidget(), widget(desk->txtFödelsedatum));
    QShortcutEvent second(QKeySequence(QStringLiteral("Alt+R")), 0, true);
    QApplication::sendEvent(widget(desk->lblReservnummer), &second);
    EXPECT_EQ(desk->focused(), &desk->chkEjBetPatAvg);
    EXPECT_EQ(desk->chkEjBetPatAvg.value(), 1);
    EXPECT_TRUE(qobject_cast<QCheckBox*>(widget(desk->chkEjBetPatAvg))->isChecked());
}

TEST_F(QtDesk, TypingIsLimitedToTheBoxsLengthButCodeTextIsWhole)
{
    typeOver(desk->txtPersonnummer, QStringLiteral("19000101000899"));
    EXPECT_EQ(desk->txtPersonnummer.text(), QStringLiteral("190001010008"));
    desk->txtDiagnoskod.setText(QStringLiteral("ABCDEFGH"));
    EXPECT_EQ(qobject_cast<QLineEdit*>(widget(desk->txtDiagnoskod))->text(),
              QStringLiteral("ABCDEFGH"));
}

} // namespace
