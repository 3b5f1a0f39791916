#pragma once

#include "data/codetables.h"
#include "data/program.h"
#include "data/visittable.h"
#include "reports/samlingssummor.h"
#include "ui/application.h"
#include "ui/form.h"

#include <QString>
#include <array>
#include <optional>

// "Samlingsräkning": totals a range of receipts for invoicing, on the screen or on one printed
// page. The window works on its own copies of the visit file and both code lists, read again
// every time it becomes the active window, so a computation uses what the desk has saved in the
// meantime and the code lists as they are now. It writes no file.
//
//   frmSamlingsrakning.cpp        controls, activation, the box checks, the range, the screen
//   frmSamlingsrakning_print.cpp  the printed page
class frmSamlingsräkning : public ui::Form {
public:
    frmSamlingsräkning(ui::Application& app, Program& program);

    // --- Window events ---
    void Form_Load() override;
    void Form_Activate() override;

    // --- Controls ---
    ui::Label& Label8 = named<ui::Label>(u"Label8");
    ui::Label& Label1 = named<ui::Label>(u"Label1");
    ui::Label& Label2 = named<ui::Label>(u"Label2");
    ui::TextBox& txtFrom = named<ui::TextBox>(u"txtFrom");
    ui::Label& Label9 = named<ui::Label>(u"Label9");
    ui::TextBox& txtTom = named<ui::TextBox>(u"txtTom");
    ui::Label& Label5 = named<ui::Label>(u"Label5");
    ui::Label& lblAntalBeh = named<ui::Label>(u"lblAntalBeh");
    ui::Label& Label6 = named<ui::Label>(u"Label6");
    ui::Label& lblPatAvgifter = named<ui::Label>(u"lblPatAvgifter");
    ui::Label& Label10 = named<ui::Label>(u"Label10");
    ui::Label& lblFrikort = named<ui::Label>(u"lblFrikort");
    ui::Label& Label7 = named<ui::Label>(u"Label7");
    ui::Label& lblBehAvgifter = named<ui::Label>(u"lblBehAvgifter");
    ui::Line& Line1 = named<ui::Line>(u"Line1");
    ui::Label& Label4 = named<ui::Label>(u"Label4");
    ui::Label& lblSummaErsättning = named<ui::Label>(u"lblSummaErsättning");
    ui::CommandButton& cmdRäkna = named<ui::CommandButton>(u"cmdRäkna");
    ui::CommandButton& cmdSkrivUt = named<ui::CommandButton>(u"cmdSkrivUt");
    ui::CommandButton& cmdAvbryt = named<ui::CommandButton>(u"cmdAvbryt");

private:
    // --- Handlers, run by the window layer as the user acts ---
    void cmdRäkna_Click();
    void cmdSkrivUt_Click();
    void cmdAvbryt_Click();
    void txtFrom_LostFocus();
    void txtTom_Change();

    // Computes the totals of the range in the boxes and shows them / prints them. A range that
    // cannot be reported gives a message, the focus goes to the box at fault and nothing is
    // shown or printed.
    void VisaSamlingsräkning();
    void SkrivUtSamlingsräkning();

    // The five labels that show the results.
    std::array<ui::Label*, 5> resultat()
    {
        return {&lblAntalBeh, &lblFrikort, &lblPatAvgifter, &lblBehAvgifter, &lblSummaErsättning};
    }
    void kopplaHändelser();

    struct Intervall {
        int från = 0;
        int till = 0;
    };
    // The checked range, or nothing after the message about why it cannot be reported.
    std::optional<Intervall> HämtaIntervall();
    // BeräknaSummor over the checked range: nothing when the range or the copies cannot be
    // used, or the sums do not fit (the user has been told).
    std::optional<samlingsrakning::Summor> BeräknaSummor(Intervall& intervall);
    // The box checks: the message for a text the box refuses, or nothing.
    static std::optional<QString> rutfel(const QString& text);
    // After the totals are shown or printed: the receipts that could not be priced from the
    // code lists, once, so that nobody sends a wrong invoice unawares.
    void VarnaFörOfullständiga(const samlingsrakning::Summor& summor);

    Program& m_program;
    VisitTable m_besök;
    TariffTable m_taxor;
    ProcedureTable m_åtgärder;
    // Why the last activation could not read a file: the copies are then not what is on disk.
    QString m_läsfel;
};
