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
    // The desk's defaults: the two code lists and the three choices.
    ui::Label &Label6 = named(u"Label6"), &Label5 = named(u"Label5");
    ui::ListBox &lstTaxekod = named(u"lstTaxekod"), &lstÅtgärd = named(u"lstÅtgärd");
    ui::Frame &frmSkatt = named(u"frmSkatt"), &frmBesökstyp = named(u"frmBesökstyp"), &Frame1 = named(u"Frame1");
    std::array<ui::OptionButton*, 2> optSkatt = namedArray<ui::OptionButton, 2>(u"optSkatt");
    std::array<ui::OptionButton*, 2> optBesök = namedArray<ui::OptionButton, 2>(u"optBesök");
    std::array<ui::OptionButton*, 2> optYrke = namedArray<ui::OptionButton, 2>(u"optYrke");
    // The clinic: its codes, then name, address and telephone.
    ui::Label &Label3 = named(u"Label3"), &Label4 = named(u"Label4"), &Label12 = named(u"Label12"),
              &Label13 = named(u"Label13"), &Label14 = named(u"Label14"), &Label15 = named(u"Label15"),
              &Label16 = named(u"Label16");
    ui::TextBox &txtKombikakod = named(u"txtKombikakod"), &txtVikKomkod = named(u"txtVikKomkod"),
                &txtKlinik = named(u"txtKlinik"), &txtNamn = named(u"txtNamn"), &txtAdress = named(u"txtAdress"),
                &txtPostadress = named(u"txtPostadress"), &txtTelefon = named(u"txtTelefon");
    ui::CommandButton &cmdSpara = named(u"cmdSpara"), &cmdStäng = named(u"cmdStäng");

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
