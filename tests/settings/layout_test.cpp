// The settings window as the clinic sees it: every control where it stands, the order Tab takes,
// the caption of each box, and where each access key leads.

#include "settings/settings_scenario.h"
#include "ui/keys.h"

namespace {

struct Expected {
    const char16_t* name;
    const char16_t* caption; // a box: the caption that names it
    int left, top, width, height, tab, maxLength;
    const char16_t* frame;
};

// The window's table: positions in twips, an option's relative to its frame.
const Expected Table[] = {
    {u"Label6", u"Ta&xekod:", 4256, 235, 1197, 250, 0, 0, u""},
    {u"lstTaxekod", u"Ta&xekod:", 4256, 470, 842, 645, 1, 0, u""},
    {u"Label5", u"&Åtgärd:", 5793, 235, 1197, 250, 13, 0, u""},
    {u"lstÅtgärd", u"&Åtgärd:", 5793, 470, 842, 645, 12, 0, u""},
    {u"frmSkatt", u"Skatt", 236, 470, 1552, 954, 11, 0, u""},
    {u"optSkatt(0)", u"&F-Skatt", 240, 240, 1095, 255, 2, 0, u"frmSkatt"},
    {u"optSkatt(1)", u"A-Ska&tt", 240, 600, 1095, 255, 3, 0, u"frmSkatt"},
    {u"frmBesökstyp", u"Besökstyp", 236, 1762, 1552, 1307, 4, 0, u""},
    {u"optBesök(0)", u"N&ybesök", 120, 240, 1215, 375, 5, 0, u"frmBesökstyp"},
    {u"optBesök(1)", u"Åt&erbesök", 120, 800, 1215, 375, 6, 0, u"frmBesökstyp"},
    {u"Frame1", u"Yrke", 2128, 470, 1651, 1307, 16, 0, u""},
    {u"optYrke(0)", u"&Läkare", 120, 240, 1215, 375, 18, 0, u"Frame1"},
    {u"optYrke(1)", u"&Sjukgymnast", 120, 800, 1415, 375, 17, 0, u"Frame1"},
    {u"Label3", u"&Kombikakod:", 118, 3406, 1178, 250, 7, 0, u""},
    {u"txtKombikakod", u"&Kombikakod:", 118, 3641, 1315, 279, 8, 11, u""},
    {u"Label4", u"&Vikarieskombikakod:", 118, 4228, 1769, 250, 9, 0, u""},
    {u"txtVikKomkod", u"&Vikarieskombikakod:", 118, 4463, 724, 279, 10, 5, u""},
    {u"Label12", u"Klinik:", 5439, 1644, 606, 250, 20, 0, u""},
    {u"txtKlinik", u"Klinik:", 5439, 1879, 2379, 279, 19, 0, u""},
    {u"Label13", u"Namn:", 5439, 2232, 606, 250, 23, 0, u""},
    {u"txtNamn", u"Namn:", 5439, 2467, 2379, 279, 21, 0, u""},
    {u"Label14", u"Adress:", 5439, 2819, 724, 250, 26, 0, u""},
    {u"txtAdress", u"Adress:", 5439, 3054, 2379, 279, 22, 0, u""},
    {u"Label15", u"Postadress:", 5439, 3406, 1079, 250, 27, 0, u""},
    {u"txtPostadress", u"Postadress:", 5439, 3641, 2379, 279, 24, 0, u""},
    {u"Label16", u"Telefon:", 5439, 3993, 1079, 250, 28, 0, u""},
    {u"txtTelefon", u"Telefon:", 5439, 4228, 2379, 279, 25, 0, u""},
    {u"cmdSpara", u"S&para", 5439, 4933, 1080, 367, 14, 0, u""},
    {u"cmdStäng", u"&Stäng", 6739, 4933, 1079, 367, 15, 0, u""},
};

class SettingsLayout : public SettingsScenario {};

TEST_F(SettingsLayout, EveryControlOfTheTableAndNoOther)
{
    startProgram();
    const frmInställningar& f = öppna();
    EXPECT_EQ(f.caption(), u"Inställningar"_s);
    EXPECT_EQ(f.clientWidth(), 8010);
    EXPECT_EQ(f.clientHeight(), 5535);
    EXPECT_EQ(f.defaultButton(), &f.cmdSpara);
    EXPECT_EQ(f.cancelButton(), &f.cmdStäng);
    EXPECT_TRUE(f.menuBar().children().empty());
    ASSERT_EQ(f.controls().size(), std::size(Table));
    ASSERT_EQ(f.tabOrder().size(), std::size(Table)) << "every control has its place in the order";

    for (const Expected& e : Table) {
        const QString name = QString::fromUtf16(e.name);
        SCOPED_TRACE(name.toStdString());
        const ui::Control* c = f.control(name);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ((QList<int>{c->left(), c->top(), c->width(), c->height(), c->tabIndex()}),
                  (QList<int>{e.left, e.top, e.width, e.height, e.tab}));
        EXPECT_EQ(c->container() ? c->container()->name() : QString(), QString::fromUtf16(e.frame));
        const bool box = c->kind() == ui::ControlKind::TextBox || c->kind() == ui::ControlKind::ListBox;
        const ui::Control* captioning = box ? c->captionLabel() : c;
        ASSERT_NE(captioning, nullptr);
        EXPECT_EQ(captioning->caption(), QString::fromUtf16(e.caption));
        if (c->kind() == ui::ControlKind::TextBox) {
            EXPECT_EQ(static_cast<const ui::TextBox*>(c)->maxLength(), e.maxLength);
        }
        EXPECT_FALSE(c->fontBold());
    }
}

// From the telephone box, which no key reaches. An option's key also selects it.
TEST_F(SettingsLayout, AccessKeysGoWhereTheOrderLeads)
{
    startProgram();
    frmInställningar& f = öppna();
    for (const auto& [key, target] : std::initializer_list<std::pair<char16_t, const char16_t*>>{
             {u'x', u"lstTaxekod"}, {u'f', u"optSkatt(0)"}, {u't', u"optSkatt(1)"},
             {u'y', u"optBesök(0)"}, {u'e', u"optBesök(1)"}, {u'k', u"txtKombikakod"},
             {u'v', u"txtVikKomkod"}, {u'l', u"optYrke(0)"}}) {
        ASSERT_TRUE(app.focusByUser(f.txtTelefon));
        ASSERT_TRUE(app.accessKey(QChar(key)));
        ASSERT_NE(f.focused(), nullptr);
        EXPECT_EQ(f.focused()->name(), QString::fromUtf16(target)) << char(key);
        if (f.focused()->kind() == ui::ControlKind::OptionButton) {
            EXPECT_TRUE(static_cast<ui::OptionButton*>(f.focused())->value()) << char(key);
        }
    }
    EXPECT_EQ(bild(f), u"12345ABCD67||1|0|A-Skatt|Läkare|Återbesök|Testkliniken|Doktor Test|"
                       u"Storgatan 1|123 45 Staden|08-123456"_s);

    // "&Åtgärd:" stands after its list, so its key reaches "S&para": it takes the focus, and
    // only Enter then saves.
    ASSERT_TRUE(app.type(f.txtTelefon, u"08-654321"_s));
    ASSERT_TRUE(app.accessKey(QChar(u'å')));
    EXPECT_EQ(f.focused(), &f.cmdSpara);
    EXPECT_EQ(positioner(180, 194), QByteArray("08-123456      ")) << "a label's key saved";
    app.keyDown(ui::keys::Enter);
    EXPECT_EQ(positioner(180, 194), QByteArray("08-654321      "));
    EXPECT_EQ(positioner(21, 26), QByteArray("0 0 -1")) << "A-Skatt, Återbesök, Läkare";

    // "&Stäng" and "&Sjukgymnast" share S: the key moves between them and presses neither.
    ASSERT_TRUE(app.type(f.txtTelefon, u"08-111111"_s));
    ASSERT_TRUE(app.accessKey(QChar(u's')));
    EXPECT_EQ(f.focused(), &f.cmdStäng);
    ASSERT_TRUE(app.accessKey(QChar(u's')));
    EXPECT_EQ(f.focused(), f.optYrke[1]);
    EXPECT_TRUE(app.isShown(f));
    ASSERT_TRUE(app.accessKey(QChar(u's')));
    EXPECT_EQ(f.focused(), &f.cmdStäng);
    app.keyDown(ui::keys::Enter);
    EXPECT_FALSE(app.isShown(f));
    EXPECT_EQ(app.activeForm(), &kassa());
    EXPECT_EQ(positioner(180, 194), QByteArray("08-654321      ")) << "Stäng saves nothing";
    EXPECT_TRUE(dialogs.messages().empty());
}

// Tab goes through the window's order; each group of options is one stop, the selected option.
TEST_F(SettingsLayout, TabFollowsTheWindowsOrder)
{
    startProgram();
    frmInställningar& f = öppna();
    QStringList stops{f.focused()->name()};
    for (int i = 0; i < 13; ++i) {
        app.tab();
        stops << f.focused()->name();
    }
    EXPECT_EQ(stops.join(u' '), u"lstTaxekod optSkatt(0) optBesök(0) txtKombikakod txtVikKomkod "
                                u"lstÅtgärd cmdSpara cmdStäng optYrke(0) txtKlinik txtNamn txtAdress "
                                u"txtPostadress txtTelefon"_s);
    app.tab();
    EXPECT_EQ(f.focused(), &f.lstTaxekod);
}

} // namespace
