#include "settings/frmInstallningar.h"

#include "ui/layout.h"

using namespace Qt::StringLiterals;

// The settings window's controls, where they stand (twips; an option relative to its frame),
// its tab order, the caption of each box, and which handler each event runs.

using namespace ui;

namespace {
extern const Layout Fönster; // the table, at the end of this file
} // namespace

frmInställningar::frmInställningar(Application& app, Program& program)
    : Form(app, u"frmInställningar"_s, Fönster), m_program(program)
{
    kopplaHändelser();
}

// Clicks on the lists, options and labels and changes of the boxes do nothing here: every value
// is read from the controls when "S&para" stores them.
void frmInställningar::kopplaHändelser()
{
    cmdSpara.Click = [this] { cmdSpara_Click(); };
    cmdStäng.Click = [this] { cmdStäng_Click(); };
    txtKombikakod.LostFocus = [this] { txtKombikakod_LostFocus(); };
    txtVikKomkod.LostFocus = [this] { txtVikKomkod_LostFocus(); };
}

namespace {

using K = ControlKind;

// The two kombikakod boxes take no more than their fields hold; the other boxes take any length
// and are cut to their fields when stored. Each box is named by the caption that stands above
// it.
//
// The tab places are the window's own order, and its access keys follow it: "&Åtgärd:" stands
// after the procedure list, so its key reaches "S&para" although it names the list; "&Stäng"
// comes before "&Sjukgymnast", and the two take turns with S. The captions without a key
// ("Klinik:" and the rest) stand elsewhere in the order and reach nothing.
const LayoutRow Kontroller[] = {
    {u"Label6", K::Label, {}, 4256, 235, 1197, 250, 0, u"Ta&xekod:"},
    {u"lstTaxekod", K::ListBox, {}, 4256, 470, 842, 645, 1, {}, u"Label6"},
    {u"Label5", K::Label, {}, 5793, 235, 1197, 250, 13, u"&Åtgärd:"},
    {u"lstÅtgärd", K::ListBox, {}, 5793, 470, 842, 645, 12, {}, u"Label5"},
    {u"frmSkatt", K::Frame, {}, 236, 470, 1552, 954, 11, u"Skatt"},
    {u"optSkatt(0)", K::OptionButton, u"frmSkatt", 240, 240, 1095, 255, 2, u"&F-Skatt"},
    {u"optSkatt(1)", K::OptionButton, u"frmSkatt", 240, 600, 1095, 255, 3, u"A-Ska&tt"},
    {u"frmBesökstyp", K::Frame, {}, 236, 1762, 1552, 1307, 4, u"Besökstyp"},
    {u"optBesök(0)", K::OptionButton, u"frmBesökstyp", 120, 240, 1215, 375, 5, u"N&ybesök"},
    {u"optBesök(1)", K::OptionButton, u"frmBesökstyp", 120, 800, 1215, 375, 6, u"Åt&erbesök"},
    {u"Frame1", K::Frame, {}, 2128, 470, 1651, 1307, 16, u"Yrke"},
    {u"optYrke(0)", K::OptionButton, u"Frame1", 120, 240, 1215, 375, 18, u"&Läkare"},
    {u"optYrke(1)", K::OptionButton, u"Frame1", 120, 800, 1415, 375, 17, u"&Sjukgymnast"},
    {u"Label3", K::Label, {}, 118, 3406, 1178, 250, 7, u"&Kombikakod:"},
    {u"txtKombikakod", K::TextBox, {}, 118, 3641, 1315, 279, 8, {}, u"Label3", {}, 11},
    {u"Label4", K::Label, {}, 118, 4228, 1769, 250, 9, u"&Vikarieskombikakod:"},
    {u"txtVikKomkod", K::TextBox, {}, 118, 4463, 724, 279, 10, {}, u"Label4", {}, 5},
    {u"Label12", K::Label, {}, 5439, 1644, 606, 250, 20, u"Klinik:"},
    {u"txtKlinik", K::TextBox, {}, 5439, 1879, 2379, 279, 19, {}, u"Label12"},
    {u"Label13", K::Label, {}, 5439, 2232, 606, 250, 23, u"Namn:"},
    {u"txtNamn", K::TextBox, {}, 5439, 2467, 2379, 279, 21, {}, u"Label13"},
    {u"Label14", K::Label, {}, 5439, 2819, 724, 250, 26, u"Adress:"},
    {u"txtAdress", K::TextBox, {}, 5439, 3054, 2379, 279, 22, {}, u"Label14"},
    {u"Label15", K::Label, {}, 5439, 3406, 1079, 250, 27, u"Postadress:"},
    {u"txtPostadress", K::TextBox, {}, 5439, 3641, 2379, 279, 24, {}, u"Label15"},
    {u"Label16", K::Label, {}, 5439, 3993, 1079, 250, 28, u"Telefon:"},
    {u"txtTelefon", K::TextBox, {}, 5439, 4228, 2379, 279, 25, {}, u"Label16"},
    {u"cmdSpara", K::CommandButton, {}, 5439, 4933, 1080, 367, 14, u"S&para"},
    {u"cmdStäng", K::CommandButton, {}, 6739, 4933, 1079, 367, 15, u"&Stäng"},
};

const Layout Fönster{u"Inställningar", 8010, 5535, {false, 8.25}, Kontroller, u"cmdSpara",
                     u"cmdStäng"};

} // namespace
