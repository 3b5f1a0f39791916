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
    const frmKassa& d = *desk;
    // A check box's value after its key: clicked once from 0.
    for (const auto& [key, target, value] : std::initializer_list<std::tuple<char16_t, const ui::Control*, int>>{
             {u'p', &d.txtPersonnummer, -1}, {u'b', &d.txtBesöksDatum, -1}, {u'x', &d.lstTaxekod, -1},
             {u'å', &d.lstÅtgärd, -1}, {u'Å', &d.lstÅtgärd, -1}, {u'v', &d.txtVikKomkod, -1},
             {u'k', &d.txtKombikakod, -1}, {u'i', &d.txtRemissFrån, -1}, {u'm', &d.txtRemissDatum, -1},
             {u'l', &d.lstRemissTill, -1}, {u'y', d.optBesök[0], -1}, {u'e', d.optBesök[1], -1},
             {u'u', &d.chkAkutbesök, 1}, {u's', &d.chkSmittskydd, 1}, {u'o', &d.chkNypost, 1},
             {u'f', &d.chkKvitto, 1}, {u'r', &d.chkEjBetPatAvg, 1}}) {
        SCOPED_TRACE("Alt+" + QString(QChar(key)).toStdString());
        ASSERT_TRUE(app.focusByUser(desk->txtDiagnoskod));
        alt(key);
        visar({.fokus = target});
        if (value >= 0) {
            EXPECT_EQ(static_cast<const ui::CheckBox*>(target)->value(), value)
                << target->name().toStdString();
        }
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
    visar({.fokus = &desk->txtFödelsedatum, .chkEjBetPatAvg = 0});
    ASSERT_TRUE(app.focusByUser(desk->txtDiagnoskod));
    alt(u'ö');
    visar({.fokus = &desk->txtFödelsedatum});
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
    visar({.fokus = &desk->txtMakulering});
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
    visar({.kvitto = u"3"_s, .fokus = &desk->cmdSök}); // Shift+Tab goes back; Tab clicks no button
    EXPECT_TRUE(dialogs.messages().empty());
}

// The whole day's work without the mouse (register, browse back, void with F3) is driven through
// the Qt backend in the Qt tests; here the keys it rests on.
TEST_F(DeskKeyboard, BrowseKeysAndTheVoidingFieldInTheTabOrder)
{
    start(3);
    alt(u'd');
    visar({.kvitto = u"2"_s});
    alt(u'n');
    alt(u'n');
    visar({.kvitto = u"4"_s});
    app.chooseMenu(*desk->mnuNyReg[1]);
    alt(u'y');
    app.keyDown(tangent::Tab);
    visar({.fokus = &desk->txtMakulering});
    app.keyDown(tangent::Tab);
    visar({.fokus = &desk->chkNypost});
}

} // namespace
