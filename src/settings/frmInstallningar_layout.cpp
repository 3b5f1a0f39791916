#include "settings/frmInstallningar.h"

using namespace Qt::StringLiterals;

// The settings window's controls, where they stand (twips; an option relative to its frame),
// its tab order, the caption of each box, and which handler each event runs.

using namespace ui;

frmInställningar::frmInställningar(Application& app, Program& program)
    : Form(app, u"frmInställningar"_s),
      Label6(add<Label>(u"Label6"_s)),
      lstTaxekod(add<ListBox>(u"lstTaxekod"_s)),
      Label5(add<Label>(u"Label5"_s)),
      lstÅtgärd(add<ListBox>(u"lstÅtgärd"_s)),
      frmSkatt(add<Frame>(u"frmSkatt"_s)),
      optSkatt{&add<OptionButton>(u"optSkatt(0)"_s, u"optSkatt"_s, &frmSkatt),
               &add<OptionButton>(u"optSkatt(1)"_s, u"optSkatt"_s, &frmSkatt)},
      frmBesökstyp(add<Frame>(u"frmBesökstyp"_s)),
      optBesök{&add<OptionButton>(u"optBesök(0)"_s, u"optBesök"_s, &frmBesökstyp),
               &add<OptionButton>(u"optBesök(1)"_s, u"optBesök"_s, &frmBesökstyp)},
      Frame1(add<Frame>(u"Frame1"_s)),
      optYrke{&add<OptionButton>(u"optYrke(0)"_s, u"optYrke"_s, &Frame1),
              &add<OptionButton>(u"optYrke(1)"_s, u"optYrke"_s, &Frame1)},
      Label3(add<Label>(u"Label3"_s)),
      txtKombikakod(add<TextBox>(u"txtKombikakod"_s)),
      Label4(add<Label>(u"Label4"_s)),
      txtVikKomkod(add<TextBox>(u"txtVikKomkod"_s)),
      Label12(add<Label>(u"Label12"_s)),
      txtKlinik(add<TextBox>(u"txtKlinik"_s)),
      Label13(add<Label>(u"Label13"_s)),
      txtNamn(add<TextBox>(u"txtNamn"_s)),
      Label14(add<Label>(u"Label14"_s)),
      txtAdress(add<TextBox>(u"txtAdress"_s)),
      Label15(add<Label>(u"Label15"_s)),
      txtPostadress(add<TextBox>(u"txtPostadress"_s)),
      Label16(add<Label>(u"Label16"_s)),
      txtTelefon(add<TextBox>(u"txtTelefon"_s)),
      cmdSpara(add<CommandButton>(u"cmdSpara"_s)),
      cmdStäng(add<CommandButton>(u"cmdStäng"_s)),
      m_program(program)
{
    byggLayout();
    kopplaHändelser();
}

void frmInställningar::byggLayout()
{
    setCaption(u"Inställningar"_s);
    setClientSize(8010, 5535);

    Label6.setCaption(u"Ta&xekod:"_s);
    Label6.move(4256, 235, 1197, 250);
    lstTaxekod.move(4256, 470, 842, 645);
    Label5.setCaption(u"&Åtgärd:"_s);
    Label5.move(5793, 235, 1197, 250);
    lstÅtgärd.move(5793, 470, 842, 645);

    frmSkatt.setCaption(u"Skatt"_s);
    frmSkatt.move(236, 470, 1552, 954);
    optSkatt[0]->setCaption(u"&F-Skatt"_s);
    optSkatt[0]->move(240, 240, 1095, 255);
    optSkatt[1]->setCaption(u"A-Ska&tt"_s);
    optSkatt[1]->move(240, 600, 1095, 255);

    frmBesökstyp.setCaption(u"Besökstyp"_s);
    frmBesökstyp.move(236, 1762, 1552, 1307);
    optBesök[0]->setCaption(u"N&ybesök"_s);
    optBesök[0]->move(120, 240, 1215, 375);
    optBesök[1]->setCaption(u"Åt&erbesök"_s);
    optBesök[1]->move(120, 800, 1215, 375);

    Frame1.setCaption(u"Yrke"_s);
    Frame1.move(2128, 470, 1651, 1307);
    optYrke[0]->setCaption(u"&Läkare"_s);
    optYrke[0]->move(120, 240, 1215, 375);
    optYrke[1]->setCaption(u"&Sjukgymnast"_s);
    optYrke[1]->move(120, 800, 1415, 375);

    // The two kombikakod boxes take no more than their fields hold; the other boxes take any
    // length and are cut to their fields when stored.
    Label3.setCaption(u"&Kombikakod:"_s);
    Label3.move(118, 3406, 1178, 250);
    txtKombikakod.move(118, 3641, 1315, 279);
    txtKombikakod.setMaxLength(11);
    Label4.setCaption(u"&Vikarieskombikakod:"_s);
    Label4.move(118, 4228, 1769, 250);
    txtVikKomkod.move(118, 4463, 724, 279);
    txtVikKomkod.setMaxLength(5);

    Label12.setCaption(u"Klinik:"_s);
    Label12.move(5439, 1644, 606, 250);
    txtKlinik.move(5439, 1879, 2379, 279);
    Label13.setCaption(u"Namn:"_s);
    Label13.move(5439, 2232, 606, 250);
    txtNamn.move(5439, 2467, 2379, 279);
    Label14.setCaption(u"Adress:"_s);
    Label14.move(5439, 2819, 724, 250);
    txtAdress.move(5439, 3054, 2379, 279);
    Label15.setCaption(u"Postadress:"_s);
    Label15.move(5439, 3406, 1079, 250);
    txtPostadress.move(5439, 3641, 2379, 279);
    Label16.setCaption(u"Telefon:"_s);
    Label16.move(5439, 3993, 1079, 250);
    txtTelefon.move(5439, 4228, 2379, 279);

    cmdSpara.setCaption(u"S&para"_s);
    cmdSpara.move(5439, 4933, 1080, 367);
    cmdStäng.setCaption(u"&Stäng"_s);
    cmdStäng.move(6739, 4933, 1079, 367);
    setDefaultButton(&cmdSpara);
    setCancelButton(&cmdStäng);

    // The window's own order. Its access keys follow it: "&Åtgärd:" stands after the procedure
    // list, so its key reaches "S&para"; "&Stäng" comes before "&Sjukgymnast", and the two take
    // turns with S. The captions without a key ("Klinik:" and the rest) stand elsewhere in the
    // order and reach nothing.
    setTabOrder({&Label6, &lstTaxekod,
                 optSkatt[0], optSkatt[1],
                 &frmBesökstyp, optBesök[0], optBesök[1],
                 &Label3, &txtKombikakod,
                 &Label4, &txtVikKomkod,
                 &frmSkatt,
                 &lstÅtgärd, &Label5,
                 &cmdSpara, &cmdStäng,
                 &Frame1, optYrke[1], optYrke[0],
                 &txtKlinik, &Label12, &txtNamn, &txtAdress, &Label13,
                 &txtPostadress, &txtTelefon, &Label14, &Label15, &Label16});

    // Each box is named by the caption that stands above it. Where the caption has an access
    // key, that key reaches this box in the order above; "&Åtgärd:" names the procedure list
    // although its key reaches "S&para".
    lstTaxekod.setCaptionLabel(&Label6);
    lstÅtgärd.setCaptionLabel(&Label5);
    txtKombikakod.setCaptionLabel(&Label3);
    txtVikKomkod.setCaptionLabel(&Label4);
    txtKlinik.setCaptionLabel(&Label12);
    txtNamn.setCaptionLabel(&Label13);
    txtAdress.setCaptionLabel(&Label14);
    txtPostadress.setCaptionLabel(&Label15);
    txtTelefon.setCaptionLabel(&Label16);
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
