// The desk without the mouse: access keys and Tab reach every control a receptionist needs.

#include "desk/desk_scenario.h"

#include <set>

namespace {

class DeskKeyboard : public DeskScenario {
protected:
    void alt(char16_t key) { ASSERT_TRUE(app.accessKey(QChar(key))) << "Alt+" << char(key); }
};

// From a control no access key reaches, so that every key is a real move; a check box's key
// also clicks it.
TEST_F(DeskKeyboard, AccessKeysReachTheirControls)
{
    start(3);
    for (const auto& [key, target, value] : std::initializer_list<std::tuple<char16_t, const char16_t*, int>>{
             {u'p', u"txtPersonnummer", -1}, {u'b', u"txtBesöksDatum", -1}, {u'x', u"lstTaxekod", -1},
             {u'å', u"lstÅtgärd", -1}, {u'Å', u"lstÅtgärd", -1}, {u'v', u"txtVikKomkod", -1},
             {u'k', u"txtKombikakod", -1}, {u'i', u"txtRemissFrån", -1}, {u'm', u"txtRemissDatum", -1},
             {u'l', u"lstRemissTill", -1}, {u'y', u"optBesök(0)", -1}, {u'e', u"optBesök(1)", -1},
             {u'u', u"chkAkutbesök", 1}, {u's', u"chkSmittskydd", 1}, {u'o', u"chkNypost", 1},
             {u'f', u"chkKvitto", 1}, {u'r', u"chkEjBetPatAvg", 1}}) {
        ASSERT_TRUE(app.focusByUser(desk->txtDiagnoskod));
        alt(key);
        const QString name = QString::fromUtf16(target);
        EXPECT_EQ(focusName(), name) << "Alt+" << QString(QChar(key)).toStdString();
        if (value >= 0)
            visar(name + u"="_s + QString::number(value));
    }
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(DeskKeyboard, ReserveRowsAnswerTheirKeysOnlyWhenShown)
{
    start(3);
    EXPECT_FALSE(app.accessKey(QChar(u'ö'))) << "the birth-date row is hidden";
    app.chooseMenu(*desk->mnuIdTyp[1]);
    ASSERT_TRUE(app.focusByUser(desk->txtDiagnoskod));
    alt(u'r'); // "&Reservnummer:" stands before the birth date
    visar(u"fokus=txtFödelsedatum; chkEjBetPatAvg=0"_s);
    ASSERT_TRUE(app.focusByUser(desk->txtDiagnoskod));
    alt(u'ö');
    visar(u"fokus=txtFödelsedatum"_s);
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
    visar(u"fokus=txtMakulering"_s);
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
            EXPECT_TRUE(key.isNull() || keys.insert(key).second)
                << "Alt+" << QString(key).toStdString() << " twice in " << menu->name().toStdString();
        }
        EXPECT_EQ(keys, expected) << menu->name().toStdString();
    }
}

TEST_F(DeskKeyboard, TabGoesRoundTheDeskInItsOrder)
{
    start(3);
    QStringList order{focusName()};
    for (int i = 0; i < 21; ++i) {
        app.keyDown(tangent::Tab);
        order << focusName();
    }
    EXPECT_EQ(order.join(u' '),
              u"txtPersonnummer txtBesöksDatum lstTaxekod lstÅtgärd txtVikKomkod txtKombikakod "
              u"txtRemissFrån txtRemissDatum lstRemissTill chkSmittskydd chkAkutbesök optBesök(0) "
              u"chkNypost chkKvitto cmdFöregående cmdNästa cmdRegistrera chkEjBetPatAvg chkDubletter "
              u"txtDiagnoskod cmdSök txtPersonnummer"_s);
    app.keyDown(tangent::Tab, ui::keys::Shift);
    visar(u"fokus=cmdSök; kvitto=3"_s); // Shift+Tab goes back; Tab clicks no button
    EXPECT_TRUE(dialogs.messages().empty());
}

// The whole day's work without the mouse (register, browse back, void with F3) is driven through
// the Qt backend in the Qt tests; here the keys it rests on.
TEST_F(DeskKeyboard, BrowseKeysAndTheVoidingFieldInTheTabOrder)
{
    start(3);
    alt(u'd');
    visar(u"kvitto=2"_s);
    alt(u'n');
    alt(u'n');
    visar(u"kvitto=4"_s);
    app.chooseMenu(*desk->mnuNyReg[1]);
    alt(u'y');
    app.keyDown(tangent::Tab);
    visar(u"fokus=txtMakulering"_s);
    app.keyDown(tangent::Tab);
    visar(u"fokus=chkNypost"_s);
}

} // namespace
