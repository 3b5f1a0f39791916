#include "desk/frmKassa.h"

// The desk's controls, where they stand (twips; a control inside a frame relative to the frame),
// its menus, its tab order, and which handler each event runs.

using namespace ui;

namespace {
QString s(const char16_t* text) { return QString::fromUtf16(text); }
} // namespace

frmKassa::frmKassa(Application& app, Program& program)
    : Form(app, s(u"frmKassa")),
      Label1(add<Label>(s(u"Label1"))),
      lblKvittoNr(add<Label>(s(u"lblKvittoNr"))),
      lblMakulering(add<Label>(s(u"lblMakulering"))),
      txtMakulering(add<TextBox>(s(u"txtMakulering"))),
      Label2(add<Label>(s(u"Label2"))),
      txtBesöksDatum(add<TextBox>(s(u"txtBesöksDatum"))),
      cmdSök(add<CommandButton>(s(u"cmdSök"))),
      Label3(add<Label>(s(u"Label3"))),
      txtKombikakod(add<TextBox>(s(u"txtKombikakod"))),
      Label4(add<Label>(s(u"Label4"))),
      txtVikKomkod(add<TextBox>(s(u"txtVikKomkod"))),
      frmBesökstyp(add<Frame>(s(u"frmBesökstyp"))),
      optBesök{&add<OptionButton>(s(u"optBesök(0)"), s(u"optBesök"), &frmBesökstyp),
               &add<OptionButton>(s(u"optBesök(1)"), s(u"optBesök"), &frmBesökstyp)},
      chkAkutbesök(add<CheckBox>(s(u"chkAkutbesök"), &frmBesökstyp)),
      chkSmittskydd(add<CheckBox>(s(u"chkSmittskydd"), &frmBesökstyp)),
      Frame1(add<Frame>(s(u"Frame1"))),
      lblPersonnummer(add<Label>(s(u"lblPersonnummer"), &Frame1)),
      txtPersonnummer(add<TextBox>(s(u"txtPersonnummer"), &Frame1)),
      lblReservnummer(add<Label>(s(u"lblReservnummer"), &Frame1)),
      txtReservnummer(add<TextBox>(s(u"txtReservnummer"), &Frame1)),
      lblFödelsedatum(add<Label>(s(u"lblFödelsedatum"), &Frame1)),
      txtFödelsedatum(add<TextBox>(s(u"txtFödelsedatum"), &Frame1)),
      fraRemiss(add<Frame>(s(u"fraRemiss"))),
      lblKombikakod(add<Label>(s(u"lblKombikakod"), &fraRemiss)),
      txtRemissFrån(add<TextBox>(s(u"txtRemissFrån"), &fraRemiss)),
      lblDatum(add<Label>(s(u"lblDatum"), &fraRemiss)),
      txtRemissDatum(add<TextBox>(s(u"txtRemissDatum"), &fraRemiss)),
      lblTill(add<Label>(s(u"lblTill"), &fraRemiss)),
      lstRemissTill(add<ListBox>(s(u"lstRemissTill"), &fraRemiss)),
      Patientavgift(add<Label>(s(u"Patientavgift"))),
      lblPatientavgift(add<Label>(s(u"lblPatientavgift"))),
      chkEjBetPatAvg(add<CheckBox>(s(u"chkEjBetPatAvg"))),
      Label5(add<Label>(s(u"Label5"))),
      lstÅtgärd(add<ListBox>(s(u"lstÅtgärd"))),
      Label6(add<Label>(s(u"Label6"))),
      lstTaxekod(add<ListBox>(s(u"lstTaxekod"))),
      Line1(add<Line>(s(u"Line1"))),
      chkNypost(add<CheckBox>(s(u"chkNypost"))),
      chkKvitto(add<CheckBox>(s(u"chkKvitto"))),
      chkDubletter(add<CheckBox>(s(u"chkDubletter"))),
      cmdRegistrera(add<CommandButton>(s(u"cmdRegistrera"))),
      Label7(add<Label>(s(u"Label7"))),
      txtDiagnoskod(add<TextBox>(s(u"txtDiagnoskod"))),
      cmdFöregående(add<CommandButton>(s(u"cmdFöregående"))),
      cmdNästa(add<CommandButton>(s(u"cmdNästa"))),
      mnuArkiv(menuBar().add(s(u"mnuArkiv"), s(u"&Arkiv"))),
      mnuARV(mnuArkiv.add(s(u"mnuARV"), s(u"&Skapa Arv-fil"))),
      mnuSamlingsräkning(mnuArkiv.add(s(u"mnuSamlingsräkning"), s(u"Sa&mlingsräkning"))),
      mnuBesökslista(mnuArkiv.add(s(u"mnuBesökslista"), s(u"&Besökslista"))),
      mnuVerifikation(mnuArkiv.add(s(u"mnuVerifikation"), s(u"&Verifikationslista"))),
      mnuEjBetPatAvg(mnuArkiv.add(s(u"mnuEjBetPatAvg"), s(u"&Ej bet. pat. avg."))),
      mnuAvsluta(mnuArkiv.add(s(u"mnuAvsluta"), s(u"&Avsluta "))),
      mnuAlternativ(menuBar().add(s(u"mnuAlternativ"), s(u"Al&ternativ"))),
      mnuInställningar(mnuAlternativ.add(s(u"mnuInställningar"), s(u"&Inställningar"))),
      mnuNyReg{},
      mnuSkatt{},
      mnuIdTyp{},
      mnuPatientregister(menuBar().add(s(u"mnuPatientregister"), s(u"&Patient register"))),
      mnuGåTill(menuBar().add(s(u"mnuGåTill"), s(u"&Gå till..."))),
      m_program(program)
{
    byggLayout();
    kopplaHändelser();
}

void frmKassa::byggLayout()
{
    setClientSize(10095, 6480);

    // The "Alternativ" menu, in display order; the separators sit between the pairs.
    mnuAlternativ.add(s(u"mnurad"), s(u"-"), 0);
    mnuNyReg = {&mnuAlternativ.add(s(u"mnuNyReg"), s(u"Nyregistrering"), 0),
                &mnuAlternativ.add(s(u"mnuNyReg"), s(u"Makulering"), 1)};
    mnuAlternativ.add(s(u"mnurad1"), s(u"-"));
    mnuSkatt = {&mnuAlternativ.add(s(u"mnuSkatt"), s(u"F-Skatt"), 0),
                &mnuAlternativ.add(s(u"mnuSkatt"), s(u"A-Skatt"), 1)};
    mnuAlternativ.add(s(u"mnurad2"), s(u"-"));
    mnuIdTyp = {&mnuAlternativ.add(s(u"mnuIdTyp"), s(u"Personnummer"), 0),
                &mnuAlternativ.add(s(u"mnuIdTyp"), s(u"Reservnummer"), 1)};

    // Entries with no action of their own are shown, greyed out.
    for (MenuItem* idle : {&mnuBesökslista, &mnuVerifikation, &mnuEjBetPatAvg, &mnuPatientregister})
        idle->setEnabled(false);

    Label1.setCaption(s(u"Kvittonummer:"));
    Label1.move(600, 480, 1215, 255);
    lblKvittoNr.move(2040, 480, 1215, 285);
    lblMakulering.setCaption(s(u"Maku&lerat kvittonr:"));
    lblMakulering.move(120, 960, 1692, 372);
    txtMakulering.move(2040, 960, 1215, 285);
    Label2.setCaption(s(u"&Besöksdatum:"));
    Label2.move(3720, 480, 1215, 255);
    txtBesöksDatum.move(5355, 480, 780, 285);
    txtBesöksDatum.setMaxLength(6);
    cmdSök.setCaption(s(u"Sök..."));
    cmdSök.move(6000, 1080, 735, 375);
    Label3.setCaption(s(u"&Kombikakod:"));
    Label3.move(7440, 1560, 1092, 252);
    txtKombikakod.move(7560, 1800, 1335, 285);
    txtKombikakod.setMaxLength(11);
    Label4.setCaption(s(u"&Vikarieskombikakod"));
    Label4.move(7440, 2160, 1692, 252);
    txtVikKomkod.move(7560, 2400, 735, 285);
    txtVikKomkod.setMaxLength(5);

    frmBesökstyp.setCaption(s(u"Besökstyp"));
    frmBesökstyp.move(0, 1560, 3495, 1335);
    optBesök[0]->setCaption(s(u"N&ybesök"));
    optBesök[0]->move(120, 240, 1215, 375);
    optBesök[1]->setCaption(s(u"Åt&erbesök"));
    optBesök[1]->move(120, 800, 1215, 375);
    chkAkutbesök.setCaption(s(u"Ak&utbesök"));
    chkAkutbesök.move(1440, 240, 1575, 375);
    chkSmittskydd.setCaption(s(u"&Smittskyddsbesök"));
    chkSmittskydd.move(1440, 795, 1935, 375);

    Frame1.setCaption(s(u"Personregistrering"));
    Frame1.move(3670, 1560, 3375, 1835);
    lblPersonnummer.setCaption(s(u"&Personnummer:"));
    lblPersonnummer.move(240, 360, 1335, 255);
    txtPersonnummer.move(1680, 360, 1455, 285);
    txtPersonnummer.setMaxLength(12);
    lblReservnummer.setCaption(s(u"&Reservnummer:"));
    lblReservnummer.move(240, 840, 1335, 255);
    txtReservnummer.move(1680, 840, 1215, 285);
    txtReservnummer.setMaxLength(10);
    lblFödelsedatum.setCaption(s(u"F&ödelsedatum:"));
    lblFödelsedatum.move(240, 1320, 1215, 255);
    txtFödelsedatum.move(1680, 1320, 735, 285);
    txtFödelsedatum.setMaxLength(6);

    fraRemiss.setCaption(s(u"Rem&iss"));
    fraRemiss.move(0, 3480, 3495, 1095);
    lblKombikakod.setCaption(s(u"Komb&ikakod:"));
    lblKombikakod.move(120, 360, 1095, 255);
    txtRemissFrån.move(120, 600, 1335, 285);
    txtRemissFrån.setMaxLength(11);
    lblDatum.setCaption(s(u"Datu&m:"));
    lblDatum.move(1560, 360, 735, 255);
    txtRemissDatum.move(1560, 600, 780, 285);
    txtRemissDatum.setMaxLength(6);
    lblTill.setCaption(s(u"Ti&ll:"));
    lblTill.move(2400, 120, 615, 255);
    lstRemissTill.move(2400, 360, 855, 615);

    Patientavgift.setCaption(s(u"Patientavgift"));
    Patientavgift.move(3720, 3600, 1692, 372);
    Patientavgift.setFont(true, 12);
    lblPatientavgift.move(3720, 4080, 1332, 372);
    lblPatientavgift.setFont(true, 12);
    chkEjBetPatAvg.setCaption(s(u"Ej e&rlagt patientavgift"));
    chkEjBetPatAvg.move(3720, 4560, 2175, 195);
    Label5.setCaption(s(u"&Åtgärd"));
    Label5.move(6360, 3600, 1215, 255);
    lstÅtgärd.move(6480, 3840, 855, 1005);
    Label6.setCaption(s(u"Ta&xekod"));
    Label6.move(7920, 3600, 1215, 255);
    lstTaxekod.move(8040, 3840, 855, 615);
    Line1.move(240, 5040, 4080 - 240, 0);
    chkNypost.setCaption(s(u"Ny p&ost"));
    chkNypost.move(4200, 5280, 1095, 255);
    chkKvitto.setCaption(s(u"Utskri&ft av kvitto"));
    chkKvitto.move(4200, 5760, 1815, 255);
    chkDubletter.setCaption(s(u"Kontroll av dubbletter - Pnr/Datum"));
    chkDubletter.move(4200, 6120, 3255, 255);
    cmdRegistrera.setCaption(s(u"Registrera"));
    cmdRegistrera.move(6480, 5160, 1455, 615);
    Label7.setCaption(s(u"Diagnoskod:"));
    Label7.move(8280, 5040, 1335, 255);
    txtDiagnoskod.move(8640, 5280, 735, 285);
    txtDiagnoskod.setMaxLength(5);
    cmdFöregående.setCaption(s(u"<<  Föregåen&de"));
    cmdFöregående.move(240, 5520, 1575, 375);
    cmdNästa.setCaption(s(u"&Nästa  >>"));
    cmdNästa.move(2280, 5520, 1575, 375);

    lblKvittoNr.setCaption(s(u"0"));
    txtMakulering.setText(s(u"0"));
    // The receipt to void belongs to voiding mode; the desk starts in neither mode, and an empty
    // visit file shows no voiding record that would hide the field.
    lblMakulering.setVisible(false);
    txtMakulering.setVisible(false);

    setDefaultButton(&cmdRegistrera);

    // The input controls in the desk's order, each caption label directly before the control
    // it names; "&Reservnummer:" stands before the birth-date row, so its key reaches
    // txtFödelsedatum. The frame "Rem&iss" hands its key to the referral code.
    setTabOrder({&lblPersonnummer, &txtPersonnummer,
                 &Label2, &txtBesöksDatum,
                 &Label6, &lstTaxekod,
                 &Label5, &lstÅtgärd,
                 &Label4, &txtVikKomkod,
                 &Label3, &txtKombikakod,
                 &fraRemiss, &lblKombikakod, &txtRemissFrån,
                 &lblDatum, &txtRemissDatum,
                 &lblTill, &lstRemissTill,
                 optBesök[1], &chkSmittskydd, &chkAkutbesök, optBesök[0],
                 &lblMakulering, &txtMakulering,
                 &chkNypost, &chkKvitto,
                 &cmdFöregående, &cmdNästa,
                 &lblReservnummer, &lblFödelsedatum, &txtFödelsedatum,
                 &cmdRegistrera,
                 &txtReservnummer,
                 &chkEjBetPatAvg, &chkDubletter,
                 &Label7, &txtDiagnoskod,
                 &cmdSök});
}

void frmKassa::kopplaHändelser()
{
    lblKvittoNr.Change = [this] { lblKvittoNr_Change(); };
    cmdFöregående.Click = [this] { cmdFöregående_Click(); };
    cmdNästa.Click = [this] { cmdNästa_Click(); };
    cmdSök.Click = [this] { cmdSök_Click(); };
    cmdRegistrera.Click = [this] { cmdRegistrera_Click(); };

    txtPersonnummer.LostFocus = [this] { txtPersonnummer_LostFocus(); };
    txtReservnummer.LostFocus = [this] { txtReservnummer_LostFocus(); };
    txtKombikakod.LostFocus = [this] { txtKombikakod_LostFocus(); };
    txtVikKomkod.LostFocus = [this] { txtVikKomkod_LostFocus(); };
    txtRemissFrån.LostFocus = [this] { txtRemissFrån_LostFocus(); };
    txtBesöksDatum.LostFocus = [this] { txtBesöksDatum_LostFocus(); };
    txtFödelsedatum.LostFocus = [this] { txtFödelsedatum_LostFocus(); };
    txtRemissDatum.LostFocus = [this] { txtRemissDatum_LostFocus(); };
    txtBesöksDatum.GotFocus = [this] { txtBesöksDatum_GotFocus(); };
    txtMakulering.LostFocus = [this] { txtMakulering_LostFocus(); };
    txtMakulering.KeyDown = [this](int& keyCode, int shift) { txtMakulering_KeyDown(keyCode, shift); };

    optBesök[0]->Click = [this] { optBesök_Click(0); };
    optBesök[1]->Click = [this] { optBesök_Click(1); };
    chkSmittskydd.Click = [this] { chkSmittskydd_Click(); };
    lstTaxekod.Click = [this] { lstTaxekod_Click(); };
    lstRemissTill.Click = [this] { lstRemissTill_Click(); };

    mnuARV.Click = [this] { mnuARV_Click(); };
    mnuSamlingsräkning.Click = [this] { mnuSamlingsräkning_Click(); };
    mnuInställningar.Click = [this] { mnuInställningar_Click(); };
    mnuAvsluta.Click = [this] { mnuAvsluta_Click(); };
    mnuBesökslista.Click = [this] { mnuBesökslista_Click(); };
    mnuVerifikation.Click = [this] { mnuVerifikation_Click(); };
    mnuEjBetPatAvg.Click = [this] { mnuEjBetPatAvg_Click(); };
    mnuPatientregister.Click = [this] { mnuPatientregister_Click(); };
    mnuGåTill.Click = [this] { mnuGåTill_Click(); };
    for (int i = 0; i < 2; ++i) {
        mnuNyReg[i]->Click = [this, i] { mnuNyReg_Click(i); };
        mnuSkatt[i]->Click = [this, i] { mnuSkatt_Click(i); };
        mnuIdTyp[i]->Click = [this, i] { mnuIdTyp_Click(i); };
    }
}
