#include "desk/frmKassa.h"

using namespace Qt::StringLiterals;

// The desk's controls, where they stand (twips; a control inside a frame relative to the frame),
// its menus, its tab order, and which handler each event runs.

using namespace ui;


frmKassa::frmKassa(Application& app, Program& program)
    : Form(app, u"frmKassa"_s),
      Label1(add<Label>(u"Label1"_s)),
      lblKvittoNr(add<Label>(u"lblKvittoNr"_s)),
      lblMakulering(add<Label>(u"lblMakulering"_s)),
      txtMakulering(add<TextBox>(u"txtMakulering"_s)),
      Label2(add<Label>(u"Label2"_s)),
      txtBesöksDatum(add<TextBox>(u"txtBesöksDatum"_s)),
      cmdSök(add<CommandButton>(u"cmdSök"_s)),
      Label3(add<Label>(u"Label3"_s)),
      txtKombikakod(add<TextBox>(u"txtKombikakod"_s)),
      Label4(add<Label>(u"Label4"_s)),
      txtVikKomkod(add<TextBox>(u"txtVikKomkod"_s)),
      frmBesökstyp(add<Frame>(u"frmBesökstyp"_s)),
      optBesök{&add<OptionButton>(u"optBesök(0)"_s, u"optBesök"_s, &frmBesökstyp),
               &add<OptionButton>(u"optBesök(1)"_s, u"optBesök"_s, &frmBesökstyp)},
      chkAkutbesök(add<CheckBox>(u"chkAkutbesök"_s, &frmBesökstyp)),
      chkSmittskydd(add<CheckBox>(u"chkSmittskydd"_s, &frmBesökstyp)),
      Frame1(add<Frame>(u"Frame1"_s)),
      lblPersonnummer(add<Label>(u"lblPersonnummer"_s, &Frame1)),
      txtPersonnummer(add<TextBox>(u"txtPersonnummer"_s, &Frame1)),
      lblReservnummer(add<Label>(u"lblReservnummer"_s, &Frame1)),
      txtReservnummer(add<TextBox>(u"txtReservnummer"_s, &Frame1)),
      lblFödelsedatum(add<Label>(u"lblFödelsedatum"_s, &Frame1)),
      txtFödelsedatum(add<TextBox>(u"txtFödelsedatum"_s, &Frame1)),
      fraRemiss(add<Frame>(u"fraRemiss"_s)),
      lblKombikakod(add<Label>(u"lblKombikakod"_s, &fraRemiss)),
      txtRemissFrån(add<TextBox>(u"txtRemissFrån"_s, &fraRemiss)),
      lblDatum(add<Label>(u"lblDatum"_s, &fraRemiss)),
      txtRemissDatum(add<TextBox>(u"txtRemissDatum"_s, &fraRemiss)),
      lblTill(add<Label>(u"lblTill"_s, &fraRemiss)),
      lstRemissTill(add<ListBox>(u"lstRemissTill"_s, &fraRemiss)),
      Patientavgift(add<Label>(u"Patientavgift"_s)),
      lblPatientavgift(add<Label>(u"lblPatientavgift"_s)),
      chkEjBetPatAvg(add<CheckBox>(u"chkEjBetPatAvg"_s)),
      Label5(add<Label>(u"Label5"_s)),
      lstÅtgärd(add<ListBox>(u"lstÅtgärd"_s)),
      Label6(add<Label>(u"Label6"_s)),
      lstTaxekod(add<ListBox>(u"lstTaxekod"_s)),
      Line1(add<Line>(u"Line1"_s)),
      chkNypost(add<CheckBox>(u"chkNypost"_s)),
      chkKvitto(add<CheckBox>(u"chkKvitto"_s)),
      chkDubletter(add<CheckBox>(u"chkDubletter"_s)),
      cmdRegistrera(add<CommandButton>(u"cmdRegistrera"_s)),
      Label7(add<Label>(u"Label7"_s)),
      txtDiagnoskod(add<TextBox>(u"txtDiagnoskod"_s)),
      cmdFöregående(add<CommandButton>(u"cmdFöregående"_s)),
      cmdNästa(add<CommandButton>(u"cmdNästa"_s)),
      mnuArkiv(menuBar().add(u"mnuArkiv"_s, u"&Arkiv"_s)),
      mnuARV(mnuArkiv.add(u"mnuARV"_s, u"&Skapa Arv-fil"_s)),
      mnuSamlingsräkning(mnuArkiv.add(u"mnuSamlingsräkning"_s, u"Sa&mlingsräkning"_s)),
      mnuBesökslista(mnuArkiv.add(u"mnuBesökslista"_s, u"&Besökslista"_s)),
      mnuVerifikation(mnuArkiv.add(u"mnuVerifikation"_s, u"&Verifikationslista"_s)),
      mnuEjBetPatAvg(mnuArkiv.add(u"mnuEjBetPatAvg"_s, u"&Ej bet. pat. avg."_s)),
      mnuAvsluta(mnuArkiv.add(u"mnuAvsluta"_s, u"&Avsluta "_s)),
      mnuAlternativ(menuBar().add(u"mnuAlternativ"_s, u"Al&ternativ"_s)),
      mnuInställningar(mnuAlternativ.add(u"mnuInställningar"_s, u"&Inställningar"_s)),
      mnuNyReg{},
      mnuSkatt{},
      mnuIdTyp{},
      mnuPatientregister(menuBar().add(u"mnuPatientregister"_s, u"&Patient register"_s)),
      mnuGåTill(menuBar().add(u"mnuGåTill"_s, u"&Gå till..."_s)),
      m_program(program)
{
    byggLayout();
    kopplaHändelser();
}

void frmKassa::byggLayout()
{
    setClientSize(10095, 6480);

    // The "Alternativ" menu, in display order; the separators sit between the pairs.
    mnuAlternativ.add(u"mnurad"_s, u"-"_s, 0);
    mnuNyReg = {&mnuAlternativ.add(u"mnuNyReg"_s, u"Nyregistrering"_s, 0),
                &mnuAlternativ.add(u"mnuNyReg"_s, u"Makulering"_s, 1)};
    mnuAlternativ.add(u"mnurad1"_s, u"-"_s);
    mnuSkatt = {&mnuAlternativ.add(u"mnuSkatt"_s, u"F-Skatt"_s, 0),
                &mnuAlternativ.add(u"mnuSkatt"_s, u"A-Skatt"_s, 1)};
    mnuAlternativ.add(u"mnurad2"_s, u"-"_s);
    mnuIdTyp = {&mnuAlternativ.add(u"mnuIdTyp"_s, u"Personnummer"_s, 0),
                &mnuAlternativ.add(u"mnuIdTyp"_s, u"Reservnummer"_s, 1)};

    // Entries with no action of their own are shown, greyed out.
    for (MenuItem* idle : {&mnuBesökslista, &mnuVerifikation, &mnuEjBetPatAvg, &mnuPatientregister})
        idle->setEnabled(false);

    Label1.setCaption(u"Kvittonummer:"_s);
    Label1.move(600, 480, 1215, 255);
    lblKvittoNr.move(2040, 480, 1215, 285);
    lblMakulering.setCaption(u"Maku&lerat kvittonr:"_s);
    lblMakulering.move(120, 960, 1692, 372);
    txtMakulering.move(2040, 960, 1215, 285);
    Label2.setCaption(u"&Besöksdatum:"_s);
    Label2.move(3720, 480, 1215, 255);
    txtBesöksDatum.move(5355, 480, 780, 285);
    txtBesöksDatum.setMaxLength(6);
    cmdSök.setCaption(u"Sök..."_s);
    cmdSök.move(6000, 1080, 735, 375);
    Label3.setCaption(u"&Kombikakod:"_s);
    Label3.move(7440, 1560, 1092, 252);
    txtKombikakod.move(7560, 1800, 1335, 285);
    txtKombikakod.setMaxLength(11);
    Label4.setCaption(u"&Vikarieskombikakod"_s);
    Label4.move(7440, 2160, 1692, 252);
    txtVikKomkod.move(7560, 2400, 735, 285);
    txtVikKomkod.setMaxLength(5);

    frmBesökstyp.setCaption(u"Besökstyp"_s);
    frmBesökstyp.move(0, 1560, 3495, 1335);
    optBesök[0]->setCaption(u"N&ybesök"_s);
    optBesök[0]->move(120, 240, 1215, 375);
    optBesök[1]->setCaption(u"Åt&erbesök"_s);
    optBesök[1]->move(120, 800, 1215, 375);
    chkAkutbesök.setCaption(u"Ak&utbesök"_s);
    chkAkutbesök.move(1440, 240, 1575, 375);
    chkSmittskydd.setCaption(u"&Smittskyddsbesök"_s);
    chkSmittskydd.move(1440, 795, 1935, 375);

    Frame1.setCaption(u"Personregistrering"_s);
    Frame1.move(3670, 1560, 3375, 1835);
    lblPersonnummer.setCaption(u"&Personnummer:"_s);
    lblPersonnummer.move(240, 360, 1335, 255);
    txtPersonnummer.move(1680, 360, 1455, 285);
    txtPersonnummer.setMaxLength(12);
    lblReservnummer.setCaption(u"&Reservnummer:"_s);
    lblReservnummer.move(240, 840, 1335, 255);
    txtReservnummer.move(1680, 840, 1215, 285);
    txtReservnummer.setMaxLength(10);
    lblFödelsedatum.setCaption(u"F&ödelsedatum:"_s);
    lblFödelsedatum.move(240, 1320, 1215, 255);
    txtFödelsedatum.move(1680, 1320, 735, 285);
    txtFödelsedatum.setMaxLength(6);

    fraRemiss.setCaption(u"Rem&iss"_s);
    fraRemiss.move(0, 3480, 3495, 1095);
    lblKombikakod.setCaption(u"Komb&ikakod:"_s);
    lblKombikakod.move(120, 360, 1095, 255);
    txtRemissFrån.move(120, 600, 1335, 285);
    txtRemissFrån.setMaxLength(11);
    lblDatum.setCaption(u"Datu&m:"_s);
    lblDatum.move(1560, 360, 735, 255);
    txtRemissDatum.move(1560, 600, 780, 285);
    txtRemissDatum.setMaxLength(6);
    lblTill.setCaption(u"Ti&ll:"_s);
    lblTill.move(2400, 120, 615, 255);
    lstRemissTill.move(2400, 360, 855, 615);

    Patientavgift.setCaption(u"Patientavgift"_s);
    Patientavgift.move(3720, 3600, 1692, 372);
    Patientavgift.setFont(true, 12);
    lblPatientavgift.move(3720, 4080, 1332, 372);
    lblPatientavgift.setFont(true, 12);
    chkEjBetPatAvg.setCaption(u"Ej e&rlagt patientavgift"_s);
    chkEjBetPatAvg.move(3720, 4560, 2175, 195);
    Label5.setCaption(u"&Åtgärd"_s);
    Label5.move(6360, 3600, 1215, 255);
    lstÅtgärd.move(6480, 3840, 855, 1005);
    Label6.setCaption(u"Ta&xekod"_s);
    Label6.move(7920, 3600, 1215, 255);
    lstTaxekod.move(8040, 3840, 855, 615);
    Line1.move(240, 5040, 4080 - 240, 0);
    chkNypost.setCaption(u"Ny p&ost"_s);
    chkNypost.move(4200, 5280, 1095, 255);
    chkKvitto.setCaption(u"Utskri&ft av kvitto"_s);
    chkKvitto.move(4200, 5760, 1815, 255);
    chkDubletter.setCaption(u"Kontroll av dubbletter - Pnr/Datum"_s);
    chkDubletter.move(4200, 6120, 3255, 255);
    cmdRegistrera.setCaption(u"Registrera"_s);
    cmdRegistrera.move(6480, 5160, 1455, 615);
    Label7.setCaption(u"Diagnoskod:"_s);
    Label7.move(8280, 5040, 1335, 255);
    txtDiagnoskod.move(8640, 5280, 735, 285);
    txtDiagnoskod.setMaxLength(5);
    cmdFöregående.setCaption(u"<<  Föregåen&de"_s);
    cmdFöregående.move(240, 5520, 1575, 375);
    cmdNästa.setCaption(u"&Nästa  >>"_s);
    cmdNästa.move(2280, 5520, 1575, 375);

    lblKvittoNr.setCaption(u"0"_s);
    txtMakulering.setText(u"0"_s);
    // The receipt to void belongs to voiding mode; the desk starts in neither mode, and an empty
    // visit file shows no voiding record that would hide the field.
    lblMakulering.setVisible(false);
    txtMakulering.setVisible(false);

    setDefaultButton(&cmdRegistrera);

    // The label that captions each box: its name for a screen reader. "&Reservnummer:" names
    // its own box, though its access key reaches the birth date (see the tab order below).
    txtMakulering.setCaptionLabel(&lblMakulering);
    txtBesöksDatum.setCaptionLabel(&Label2);
    txtKombikakod.setCaptionLabel(&Label3);
    txtVikKomkod.setCaptionLabel(&Label4);
    txtPersonnummer.setCaptionLabel(&lblPersonnummer);
    txtReservnummer.setCaptionLabel(&lblReservnummer);
    txtFödelsedatum.setCaptionLabel(&lblFödelsedatum);
    txtRemissFrån.setCaptionLabel(&lblKombikakod);
    txtRemissDatum.setCaptionLabel(&lblDatum);
    lstRemissTill.setCaptionLabel(&lblTill);
    lstÅtgärd.setCaptionLabel(&Label5);
    lstTaxekod.setCaptionLabel(&Label6);
    txtDiagnoskod.setCaptionLabel(&Label7);

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
