#include "desk/frmKassa.h"

#include "ui/layout.h"

using namespace Qt::StringLiterals;

// The desk's controls, where they stand (twips; a control inside a frame relative to the frame),
// its menus, its tab order, and which handler each event runs.

using namespace ui;

namespace {

using K = ControlKind;
constexpr Font Stor{true, 12};

// The input controls' tab places follow the desk's order, each caption label directly before the
// control it names; "&Reservnummer:" stands before the birth-date row, so its key reaches
// txtFödelsedatum, though it names its own box to a screen reader. The frame "Rem&iss" hands
// its key to the referral code.
const LayoutRow Kontroller[] = {
    {u"Label1", K::Label, {}, 600, 480, 1215, 255, -1, u"Kvittonummer:"},
    {u"lblKvittoNr", K::Label, {}, 2040, 480, 1215, 285, -1},
    {u"lblMakulering", K::Label, {}, 120, 960, 1692, 372, 23, u"Maku&lerat kvittonr:"},
    {u"txtMakulering", K::TextBox, {}, 2040, 960, 1215, 285, 24, {}, u"lblMakulering"},
    {u"Label2", K::Label, {}, 3720, 480, 1215, 255, 2, u"&Besöksdatum:"},
    {u"txtBesöksDatum", K::TextBox, {}, 5355, 480, 780, 285, 3, {}, u"Label2", {}, 6},
    {u"cmdSök", K::CommandButton, {}, 6000, 1080, 735, 375, 38, u"Sök..."},
    {u"Label3", K::Label, {}, 7440, 1560, 1092, 252, 10, u"&Kombikakod:"},
    {u"txtKombikakod", K::TextBox, {}, 7560, 1800, 1335, 285, 11, {}, u"Label3", {}, 11},
    {u"Label4", K::Label, {}, 7440, 2160, 1692, 252, 8, u"&Vikarieskombikakod"},
    {u"txtVikKomkod", K::TextBox, {}, 7560, 2400, 735, 285, 9, {}, u"Label4", {}, 5},
    {u"frmBesökstyp", K::Frame, {}, 0, 1560, 3495, 1335, -1, u"Besökstyp"},
    {u"optBesök(0)", K::OptionButton, u"frmBesökstyp", 120, 240, 1215, 375, 22, u"N&ybesök"},
    {u"optBesök(1)", K::OptionButton, u"frmBesökstyp", 120, 800, 1215, 375, 19, u"Åt&erbesök"},
    {u"chkAkutbesök", K::CheckBox, u"frmBesökstyp", 1440, 240, 1575, 375, 21, u"Ak&utbesök"},
    {u"chkSmittskydd", K::CheckBox, u"frmBesökstyp", 1440, 795, 1935, 375, 20, u"&Smittskyddsbesök"},
    {u"Frame1", K::Frame, {}, 3670, 1560, 3375, 1835, -1, u"Personregistrering"},
    {u"lblPersonnummer", K::Label, u"Frame1", 240, 360, 1335, 255, 0, u"&Personnummer:"},
    {u"txtPersonnummer", K::TextBox, u"Frame1", 1680, 360, 1455, 285, 1, {}, u"lblPersonnummer", {}, 12},
    {u"lblReservnummer", K::Label, u"Frame1", 240, 840, 1335, 255, 29, u"&Reservnummer:"},
    {u"txtReservnummer", K::TextBox, u"Frame1", 1680, 840, 1215, 285, 33, {}, u"lblReservnummer", {}, 10},
    {u"lblFödelsedatum", K::Label, u"Frame1", 240, 1320, 1215, 255, 30, u"F&ödelsedatum:"},
    {u"txtFödelsedatum", K::TextBox, u"Frame1", 1680, 1320, 735, 285, 31, {}, u"lblFödelsedatum", {}, 6},
    {u"fraRemiss", K::Frame, {}, 0, 3480, 3495, 1095, 12, u"Rem&iss"},
    {u"lblKombikakod", K::Label, u"fraRemiss", 120, 360, 1095, 255, 13, u"Komb&ikakod:"},
    {u"txtRemissFrån", K::TextBox, u"fraRemiss", 120, 600, 1335, 285, 14, {}, u"lblKombikakod", {}, 11},
    {u"lblDatum", K::Label, u"fraRemiss", 1560, 360, 735, 255, 15, u"Datu&m:"},
    {u"txtRemissDatum", K::TextBox, u"fraRemiss", 1560, 600, 780, 285, 16, {}, u"lblDatum", {}, 6},
    {u"lblTill", K::Label, u"fraRemiss", 2400, 120, 615, 255, 17, u"Ti&ll:"},
    {u"lstRemissTill", K::ListBox, u"fraRemiss", 2400, 360, 855, 615, 18, {}, u"lblTill"},
    {u"Patientavgift", K::Label, {}, 3720, 3600, 1692, 372, -1, u"Patientavgift", {}, {}, 0, Stor},
    {u"lblPatientavgift", K::Label, {}, 3720, 4080, 1332, 372, -1, {}, {}, {}, 0, Stor},
    {u"chkEjBetPatAvg", K::CheckBox, {}, 3720, 4560, 2175, 195, 34, u"Ej e&rlagt patientavgift"},
    {u"Label5", K::Label, {}, 6360, 3600, 1215, 255, 6, u"&Åtgärd"},
    {u"lstÅtgärd", K::ListBox, {}, 6480, 3840, 855, 1005, 7, {}, u"Label5"},
    {u"Label6", K::Label, {}, 7920, 3600, 1215, 255, 4, u"Ta&xekod"},
    {u"lstTaxekod", K::ListBox, {}, 8040, 3840, 855, 615, 5, {}, u"Label6"},
    {u"Line1", K::Line, {}, 240, 5040, 4080 - 240, 0, -1},
    {u"chkNypost", K::CheckBox, {}, 4200, 5280, 1095, 255, 25, u"Ny p&ost"},
    {u"chkKvitto", K::CheckBox, {}, 4200, 5760, 1815, 255, 26, u"Utskri&ft av kvitto"},
    {u"chkDubletter", K::CheckBox, {}, 4200, 6120, 3255, 255, 35, u"Kontroll av dubbletter - Pnr/Datum"},
    {u"cmdRegistrera", K::CommandButton, {}, 6480, 5160, 1455, 615, 32, u"Registrera"},
    {u"Label7", K::Label, {}, 8280, 5040, 1335, 255, 36, u"Diagnoskod:"},
    {u"txtDiagnoskod", K::TextBox, {}, 8640, 5280, 735, 285, 37, {}, u"Label7", {}, 5},
    {u"cmdFöregående", K::CommandButton, {}, 240, 5520, 1575, 375, 27, u"<<  Föregåen&de"},
    {u"cmdNästa", K::CommandButton, {}, 2280, 5520, 1575, 375, 28, u"&Nästa  >>"},
};

// The "Alternativ" menu in display order, the separators between the pairs. Entries with no
// action of their own are shown, greyed out.
const MenuRow Menyer[] = {
    {{}, u"mnuArkiv", u"&Arkiv"},
    {u"mnuArkiv", u"mnuARV", u"&Skapa Arv-fil"},
    {u"mnuArkiv", u"mnuSamlingsräkning", u"Sa&mlingsräkning"},
    {u"mnuArkiv", u"mnuBesökslista", u"&Besökslista", -1, false},
    {u"mnuArkiv", u"mnuVerifikation", u"&Verifikationslista", -1, false},
    {u"mnuArkiv", u"mnuEjBetPatAvg", u"&Ej bet. pat. avg.", -1, false},
    {u"mnuArkiv", u"mnuAvsluta", u"&Avsluta "},
    {{}, u"mnuAlternativ", u"Al&ternativ"},
    {u"mnuAlternativ", u"mnuInställningar", u"&Inställningar"},
    {u"mnuAlternativ", u"mnurad", u"-", 0},
    {u"mnuAlternativ", u"mnuNyReg", u"Nyregistrering", 0},
    {u"mnuAlternativ", u"mnuNyReg", u"Makulering", 1},
    {u"mnuAlternativ", u"mnurad1", u"-"},
    {u"mnuAlternativ", u"mnuSkatt", u"F-Skatt", 0},
    {u"mnuAlternativ", u"mnuSkatt", u"A-Skatt", 1},
    {u"mnuAlternativ", u"mnurad2", u"-"},
    {u"mnuAlternativ", u"mnuIdTyp", u"Personnummer", 0},
    {u"mnuAlternativ", u"mnuIdTyp", u"Reservnummer", 1},
    {{}, u"mnuPatientregister", u"&Patient register", -1, false},
    {{}, u"mnuGåTill", u"&Gå till..."},
};

const Layout Fönster{{}, 10095, 6480, {false, 8.25}, Kontroller, u"cmdRegistrera", {}, Menyer};

} // namespace

frmKassa::frmKassa(Application& app, Program& program)
    : Form(app, u"frmKassa"_s, Fönster), m_program(program)
{
    lblKvittoNr.setCaption(u"0"_s);
    txtMakulering.setText(u"0"_s);
    // The receipt to void belongs to voiding mode; the desk starts in neither mode, and an empty
    // visit file shows no voiding record that would hide the field.
    lblMakulering.setVisible(false);
    txtMakulering.setVisible(false);

    kopplaHändelser();
}

void frmKassa::kopplaHändelser()
{
    // The events whose handler takes nothing, each with the handler of its control and event.
    struct Koppling {
        std::function<void()>& händelse;
        void (frmKassa::*handler)();
    };
    const Koppling kopplingar[] = {
        // Showing a receipt, browsing, registering.
        {cmdSök.Click, &frmKassa::cmdSök_Click},
        {cmdFöregående.Click, &frmKassa::cmdFöregående_Click}, {cmdNästa.Click, &frmKassa::cmdNästa_Click},
        {cmdRegistrera.Click, &frmKassa::cmdRegistrera_Click},
        // The boxes' checks as the focus leaves them.
        {txtPersonnummer.LostFocus, &frmKassa::txtPersonnummer_LostFocus},
        {txtReservnummer.LostFocus, &frmKassa::txtReservnummer_LostFocus},
        {txtKombikakod.LostFocus, &frmKassa::txtKombikakod_LostFocus},
        {txtVikKomkod.LostFocus, &frmKassa::txtVikKomkod_LostFocus},
        {txtRemissFrån.LostFocus, &frmKassa::txtRemissFrån_LostFocus},
        {txtBesöksDatum.LostFocus, &frmKassa::txtBesöksDatum_LostFocus},
        {txtFödelsedatum.LostFocus, &frmKassa::txtFödelsedatum_LostFocus},
        {txtRemissDatum.LostFocus, &frmKassa::txtRemissDatum_LostFocus},
        {txtBesöksDatum.GotFocus, &frmKassa::txtBesöksDatum_GotFocus},
        {txtMakulering.LostFocus, &frmKassa::txtMakulering_LostFocus},
        // Choices on the desk.
        {chkSmittskydd.Click, &frmKassa::chkSmittskydd_Click}, {lstTaxekod.Click, &frmKassa::lstTaxekod_Click},
        {lstRemissTill.Click, &frmKassa::lstRemissTill_Click},
        // Menus.
        {mnuARV.Click, &frmKassa::mnuARV_Click}, {mnuSamlingsräkning.Click, &frmKassa::mnuSamlingsräkning_Click},
        {mnuInställningar.Click, &frmKassa::mnuInställningar_Click}, {mnuAvsluta.Click, &frmKassa::mnuAvsluta_Click},
        {mnuBesökslista.Click, &frmKassa::mnuBesökslista_Click},
        {mnuVerifikation.Click, &frmKassa::mnuVerifikation_Click},
        {mnuEjBetPatAvg.Click, &frmKassa::mnuEjBetPatAvg_Click},
        {mnuPatientregister.Click, &frmKassa::mnuPatientregister_Click},
        {mnuGåTill.Click, &frmKassa::mnuGåTill_Click},
    };
    for (const Koppling& k : kopplingar)
        k.händelse = [this, handler = k.handler] { (this->*handler)(); };

    txtMakulering.KeyDown = [this](int& keyCode, int shift) { txtMakulering_KeyDown(keyCode, shift); };
    for (int i = 0; i < 2; ++i) {
        optBesök[i]->Click = [this, i] { optBesök_Click(i); };
        mnuNyReg[i]->Click = [this, i] { mnuNyReg_Click(i); };
        mnuSkatt[i]->Click = [this, i] { mnuSkatt_Click(i); };
        mnuIdTyp[i]->Click = [this, i] { mnuIdTyp_Click(i); };
    }
}
