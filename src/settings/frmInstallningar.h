#pragma once

#include "data/codetables.h"
#include "data/program.h"
#include "ui/application.h"
#include "ui/form.h"

#include <array>

// The settings window: the clinic's own data and the desk's defaults, edited in the
// program-wide settings record and saved to Inställn.txt. It shows the codes of Taxa.txt and
// Åtgärd.txt so that the default tariff and procedure are picked from lists. The receipt number
// of the next ARV export is not shown and goes back to the file as it came.
//
// Spread over two files:
//   frmInstallningar_layout.cpp  the layout table (controls, positions, tab order, captions), wiring
//   frmInstallningar.cpp         window events, reading and saving, the two kombikakod checks
class frmInställningar : public ui::Form {
public:
    frmInställningar(ui::Application& app, Program& program);

    // --- Window events ---
    void Form_Load() override;
    void Form_Activate() override;

    // --- Controls ---
    ui::Label& Label6 = named<ui::Label>(u"Label6");
    ui::ListBox& lstTaxekod = named<ui::ListBox>(u"lstTaxekod");
    ui::Label& Label5 = named<ui::Label>(u"Label5");
    ui::ListBox& lstÅtgärd = named<ui::ListBox>(u"lstÅtgärd");
    ui::Frame& frmSkatt = named<ui::Frame>(u"frmSkatt");
    std::array<ui::OptionButton*, 2> optSkatt = namedArray<ui::OptionButton, 2>(u"optSkatt");
    ui::Frame& frmBesökstyp = named<ui::Frame>(u"frmBesökstyp");
    std::array<ui::OptionButton*, 2> optBesök = namedArray<ui::OptionButton, 2>(u"optBesök");
    ui::Frame& Frame1 = named<ui::Frame>(u"Frame1");
    std::array<ui::OptionButton*, 2> optYrke = namedArray<ui::OptionButton, 2>(u"optYrke");
    ui::Label& Label3 = named<ui::Label>(u"Label3");
    ui::TextBox& txtKombikakod = named<ui::TextBox>(u"txtKombikakod");
    ui::Label& Label4 = named<ui::Label>(u"Label4");
    ui::TextBox& txtVikKomkod = named<ui::TextBox>(u"txtVikKomkod");
    ui::Label& Label12 = named<ui::Label>(u"Label12");
    ui::TextBox& txtKlinik = named<ui::TextBox>(u"txtKlinik");
    ui::Label& Label13 = named<ui::Label>(u"Label13");
    ui::TextBox& txtNamn = named<ui::TextBox>(u"txtNamn");
    ui::Label& Label14 = named<ui::Label>(u"Label14");
    ui::TextBox& txtAdress = named<ui::TextBox>(u"txtAdress");
    ui::Label& Label15 = named<ui::Label>(u"Label15");
    ui::TextBox& txtPostadress = named<ui::TextBox>(u"txtPostadress");
    ui::Label& Label16 = named<ui::Label>(u"Label16");
    ui::TextBox& txtTelefon = named<ui::TextBox>(u"txtTelefon");
    ui::CommandButton& cmdSpara = named<ui::CommandButton>(u"cmdSpara");
    ui::CommandButton& cmdStäng = named<ui::CommandButton>(u"cmdStäng");

    // --- The window's procedures, in the order the window runs them ---
    void HämtaInställningsFil();
    void HämtaTaxeFil();
    void HämtaÅtgärdsFil();
    void UppdateraInställningsFormulär();
    void LagraInställningar();
    // True when Inställn.txt now holds the record; otherwise the message has been shown.
    bool SparaInställningsFil();

    void cmdSpara_Click();
    void cmdStäng_Click();
    void txtKombikakod_LostFocus();
    void txtVikKomkod_LostFocus();

private:
    void kopplaHändelser();
    // Empties every control, as a window loaded afresh has them.
    void tömKontroller();

    Program& m_program;
    TariffTable m_taxor;
    ProcedureTable m_åtgärder;
    // Whether the code file was read at this load. A list left empty by a file that could not be
    // read shows no choice, and saving keeps the stored default instead of writing "none".
    bool m_taxorLästa = false;
    bool m_åtgärderLästa = false;
};
