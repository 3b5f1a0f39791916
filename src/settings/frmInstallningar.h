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
//   frmInstallningar_layout.cpp  controls, positions, tab order, caption labels, wiring
//   frmInstallningar.cpp         window events, reading and saving, the two kombikakod checks
class frmInställningar : public ui::Form {
public:
    frmInställningar(ui::Application& app, Program& program);

    // --- Window events ---
    void Form_Load() override;
    void Form_Activate() override;

    // --- Controls ---
    ui::Label& Label6;
    ui::ListBox& lstTaxekod;
    ui::Label& Label5;
    ui::ListBox& lstÅtgärd;
    ui::Frame& frmSkatt;
    std::array<ui::OptionButton*, 2> optSkatt;
    ui::Frame& frmBesökstyp;
    std::array<ui::OptionButton*, 2> optBesök;
    ui::Frame& Frame1;
    std::array<ui::OptionButton*, 2> optYrke;
    ui::Label& Label3;
    ui::TextBox& txtKombikakod;
    ui::Label& Label4;
    ui::TextBox& txtVikKomkod;
    ui::Label& Label12;
    ui::TextBox& txtKlinik;
    ui::Label& Label13;
    ui::TextBox& txtNamn;
    ui::Label& Label14;
    ui::TextBox& txtAdress;
    ui::Label& Label15;
    ui::TextBox& txtPostadress;
    ui::Label& Label16;
    ui::TextBox& txtTelefon;
    ui::CommandButton& cmdSpara;
    ui::CommandButton& cmdStäng;

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
    void byggLayout(); // frmInstallningar_layout.cpp
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
