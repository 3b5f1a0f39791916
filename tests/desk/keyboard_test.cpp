// The desk without the mouse: access keys, Tab, Enter, F3 and the menus are enough to register
// a visit, browse back to it and void it.

#include "support/deskfixture.h"

#include <set>

namespace {

QString s(const char16_t* text) { return QString::fromUtf16(text); }

constexpr int Tab = 9;
constexpr int Enter = 13;
constexpr int F3 = 114;

class DeskKeyboard : public DeskFixture {
protected:
    void SetUp() override { writeClinicFiles(); }

    void start(int visits)
    {
        writeNumberedVisits(visits);
        startDesk();
    }

    // Types into the box that holds the focus, as the keys would; the box must have it already.
    void skriv(const QString& text)
    {
        auto* box = dynamic_cast<ui::TextBox*>(desk->focused());
        ASSERT_NE(box, nullptr) << "the focus is on " << focusName();
        ASSERT_TRUE(app.type(*box, text));
        ASSERT_EQ(desk->focused(), box);
    }

    // Picks a list item as the arrow keys would, in the list that holds the focus.
    void välj(int index)
    {
        auto* list = dynamic_cast<ui::ListBox*>(desk->focused());
        ASSERT_NE(list, nullptr) << "the focus is on " << focusName();
        app.select(*list, index);
        ASSERT_EQ(desk->focused(), list);
    }

    void alt(char16_t key) { ASSERT_TRUE(app.accessKey(QChar(key))) << "Alt+" << char(key); }

    std::string focusName() const
    {
        return desk->focused() ? desk->focused()->name().toStdString() : std::string("-");
    }

    QByteArray field(const QByteArray& record, VisitField f) const
    {
        const FieldSpan span = spanOf(f);
        return record.mid(span.offset, span.width);
    }
};

// --- Access keys ---

struct AccessKey {
    const char* name;
    char16_t key;
    const char16_t* target; // the control that gets the focus
    int value;              // a check box's value afterwards, -1 not a check box
};

class DeskAccessKeys : public DeskKeyboard, public ::testing::WithParamInterface<AccessKey> {};

TEST_P(DeskAccessKeys, ReachTheirControl)
{
    start(3);
    // Start from a control no access key reaches, so that every key is a real move.
    ASSERT_TRUE(app.focusByUser(desk->txtDiagnoskod));

    alt(GetParam().key);

    EXPECT_EQ(focusName(), QString::fromUtf16(GetParam().target).toStdString());
    if (GetParam().value >= 0) {
        auto* box = dynamic_cast<ui::CheckBox*>(desk->control(s(GetParam().target)));
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->value(), GetParam().value) << "a check box's key also clicks it";
    }
    EXPECT_TRUE(dialogs.messages().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Lakare, DeskAccessKeys,
    ::testing::Values(AccessKey{"Personnummer", u'p', u"txtPersonnummer", -1},
                      AccessKey{"Besoksdatum", u'b', u"txtBesöksDatum", -1},
                      AccessKey{"Taxekod", u'x', u"lstTaxekod", -1},
                      AccessKey{"Atgard", u'å', u"lstÅtgärd", -1},
                      AccessKey{"AtgardVersal", u'Å', u"lstÅtgärd", -1},
                      AccessKey{"Vikarie", u'v', u"txtVikKomkod", -1},
                      AccessKey{"Kombikakod", u'k', u"txtKombikakod", -1},
                      AccessKey{"RemissRam", u'i', u"txtRemissFrån", -1},
                      AccessKey{"RemissDatum", u'm', u"txtRemissDatum", -1},
                      AccessKey{"RemissTill", u'l', u"lstRemissTill", -1},
                      AccessKey{"Nybesok", u'y', u"optBesök(0)", -1},
                      AccessKey{"Aterbesok", u'e', u"optBesök(1)", -1},
                      AccessKey{"Akutbesok", u'u', u"chkAkutbesök", 1},
                      AccessKey{"Smittskydd", u's', u"chkSmittskydd", 1},
                      AccessKey{"NyPost", u'o', u"chkNypost", 1},
                      AccessKey{"Kvitto", u'f', u"chkKvitto", 1},
                      AccessKey{"EjErlagt", u'r', u"chkEjBetPatAvg", 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DeskKeyboard, BrowseButtonsAnswerTheirKeys)
{
    start(3);
    alt(u'd');
    EXPECT_EQ(desk->lblKvittoNr.caption(), QStringLiteral("2"));
    alt(u'n');
    EXPECT_EQ(desk->lblKvittoNr.caption(), QStringLiteral("3"));
    alt(u'n');
    EXPECT_EQ(desk->lblKvittoNr.caption(), QStringLiteral("4"));
}

TEST_F(DeskKeyboard, ReserveRowsAnswerTheirKeysOnlyWhenShown)
{
    start(3);
    EXPECT_FALSE(app.accessKey(QChar(u'ö'))) << "the birth-date row is hidden";

    app.chooseMenu(*desk->mnuIdTyp[1]);
    ASSERT_TRUE(app.focusByUser(desk->txtDiagnoskod));
    alt(u'r');
    EXPECT_EQ(desk->focused(), &desk->txtFödelsedatum) << "&Reservnummer: stands before the birth date";
    EXPECT_EQ(desk->chkEjBetPatAvg.value(), 0);
    ASSERT_TRUE(app.focusByUser(desk->txtDiagnoskod));
    alt(u'ö');
    EXPECT_EQ(desk->focused(), &desk->txtFödelsedatum);
    EXPECT_FALSE(app.accessKey(QChar(u'p'))) << "the personnummer row is hidden";
}

// For a physiotherapist the referral destination is hidden, and "Maku&lerat kvittonr:" is the
// only caption with L.
TEST_F(DeskKeyboard, VoidingFieldAnswersItsKeyForAPhysiotherapist)
{
    SettingsRecord settings = clinicSettings();
    settings.setChoice(SettingsField::Yrke, false);
    writeSettings(settings);
    start(3);
    EXPECT_FALSE(app.accessKey(QChar(u'l')));
    app.chooseMenu(*desk->mnuNyReg[1]);
    alt(u'l');
    EXPECT_EQ(desk->focused(), &desk->txtMakulering);
}

TEST_F(DeskKeyboard, MenuAccessKeysAreDistinctOnEachLevel)
{
    start(1);
    const std::vector<std::pair<const ui::MenuItem*, std::set<QChar>>> levels{
        {&desk->menuBar(), {u'a', u't', u'p', u'g'}},
        {&desk->mnuArkiv, {u's', u'm', u'b', u'v', u'e', u'a'}},
        {&desk->mnuAlternativ, {u'i'}},
    };
    for (const auto& [menu, expected] : levels) {
        std::set<QChar> keys;
        for (const auto& item : menu->children()) {
            const QChar key = ui::accessKeyOf(item->caption());
            if (key.isNull())
                continue;
            EXPECT_TRUE(keys.insert(key).second)
                << "Alt+" << QString(key).toStdString() << " twice in " << menu->name().toStdString();
        }
        EXPECT_EQ(keys, expected) << menu->name().toStdString();
    }
}

// --- Tab ---

TEST_F(DeskKeyboard, TabGoesRoundTheDeskInItsOrder)
{
    start(3);
    ASSERT_EQ(desk->focused(), &desk->txtPersonnummer);
    const std::vector<const char16_t*> expected{
        u"txtBesöksDatum", u"lstTaxekod", u"lstÅtgärd", u"txtVikKomkod", u"txtKombikakod",
        u"txtRemissFrån", u"txtRemissDatum", u"lstRemissTill", u"chkSmittskydd",
        u"chkAkutbesök", u"optBesök(0)", u"chkNypost", u"chkKvitto", u"cmdFöregående",
        u"cmdNästa", u"cmdRegistrera", u"chkEjBetPatAvg", u"chkDubletter", u"txtDiagnoskod",
        u"cmdSök", u"txtPersonnummer"};
    for (const char16_t* name : expected) {
        app.keyDown(Tab);
        EXPECT_EQ(focusName(), QString::fromUtf16(name).toStdString());
    }
    app.keyDown(Tab, 1);
    EXPECT_EQ(focusName(), "cmdSök") << "Shift+Tab goes back";
    EXPECT_EQ(desk->lblKvittoNr.caption(), QStringLiteral("3")) << "Tab clicks no button";
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(DeskKeyboard, InVoidingModeTabReachesTheVoidingFieldAfterTheVisitType)
{
    start(3);
    app.chooseMenu(*desk->mnuNyReg[1]);
    ASSERT_TRUE(app.focusByUser(*desk->optBesök[0]));
    app.keyDown(Tab);
    EXPECT_EQ(desk->focused(), &desk->txtMakulering);
    app.keyDown(Tab);
    EXPECT_EQ(desk->focused(), &desk->chkNypost);
}

// --- A whole day's work without the mouse ---

TEST_F(DeskKeyboard, RegisterBrowseBackAndVoidWithTheKeyboardOnly)
{
    start(2);
    ASSERT_EQ(desk->focused(), &desk->txtPersonnummer);

    // A new receipt: Alt+N on the last one.
    alt(u'n');
    ASSERT_EQ(desk->lblKvittoNr.caption(), QStringLiteral("3"));
    ASSERT_EQ(desk->focused(), &desk->txtPersonnummer);
    skriv(QStringLiteral("190001010008"));
    app.keyDown(Tab);
    skriv(QStringLiteral("261208"));
    app.keyDown(Tab);
    välj(0); // tariff 01
    alt(u'å');
    välj(1); // procedure B002
    alt(u'u');
    app.keyDown(Enter);

    const QByteArray visitBytes = storedRecord(3);
    ASSERT_EQ(visitBytes.size(), 95);
    EXPECT_EQ(field(visitBytes, VisitField::Registreringstyp), QByteArray("1"));
    EXPECT_EQ(field(visitBytes, VisitField::Kvittonummer), QByteArray("00000003"));
    EXPECT_EQ(field(visitBytes, VisitField::IdNummer), QByteArray("190001010008"));
    EXPECT_EQ(field(visitBytes, VisitField::Besöksdatum), QByteArray("261208"));
    EXPECT_EQ(field(visitBytes, VisitField::Taxekod), QByteArray("01"));
    EXPECT_EQ(field(visitBytes, VisitField::Patientavgift), QByteArray("100"));
    EXPECT_EQ(field(visitBytes, VisitField::Åtgärd), QByteArray("B002"));
    EXPECT_EQ(field(visitBytes, VisitField::Åtgärdsbelopp), QByteArray(" 500"));
    EXPECT_EQ(field(visitBytes, VisitField::Akutbesök), QByteArray("1"));

    // Back to receipt 2 and forward again: the stored visit is shown as registered.
    alt(u'd');
    ASSERT_EQ(desk->lblKvittoNr.caption(), QStringLiteral("2"));
    alt(u'n');
    ASSERT_EQ(desk->lblKvittoNr.caption(), QStringLiteral("3"));
    EXPECT_EQ(desk->txtPersonnummer.text(), QStringLiteral("190001010008"));
    EXPECT_EQ(desk->chkAkutbesök.value(), 1);

    // Void it on a new receipt.
    alt(u'n');
    ASSERT_EQ(desk->lblKvittoNr.caption(), QStringLiteral("4"));
    app.chooseMenu(*desk->mnuNyReg[1]);
    for (int i = 0; i < 30 && desk->focused() != &desk->txtMakulering; ++i)
        app.keyDown(Tab);
    ASSERT_EQ(desk->focused(), &desk->txtMakulering);
    skriv(QStringLiteral("3"));
    app.keyDown(F3);
    EXPECT_EQ(desk->focused(), &desk->txtPersonnummer);
    app.keyDown(Enter);

    VisitRecord expected = VisitRecord::fromBytes(visitBytes);
    expected.setText(VisitField::Registreringstyp, QStringLiteral("2"));
    EXPECT_EQ(storedRecord(4), expected.bytes().toByteArray());
    EXPECT_EQ(storedRecord(3), visitBytes) << "the voided visit is never changed";

    // The voiding record shows as one.
    alt(u'd');
    EXPECT_TRUE(desk->mnuNyReg[0]->checked());
    alt(u'n');
    EXPECT_EQ(desk->lblKvittoNr.caption(), QStringLiteral("4"));
    EXPECT_TRUE(desk->mnuNyReg[1]->checked());
    EXPECT_TRUE(desk->txtMakulering.visible());
    EXPECT_EQ(desk->txtMakulering.text(), QStringLiteral("00000003"));
    EXPECT_TRUE(dialogs.messages().empty());
}

} // namespace
