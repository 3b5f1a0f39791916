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
    // The range.
    ui::Label &Label8 = named(u"Label8"), &Label1 = named(u"Label1"), &Label2 = named(u"Label2"),
              &Label9 = named(u"Label9");
    ui::TextBox &txtFrom = named(u"txtFrom"), &txtTom = named(u"txtTom");
    // The totals, each caption beside its result, and the sum below the line.
    ui::Label &Label5 = named(u"Label5"), &lblAntalBeh = named(u"lblAntalBeh"), &Label6 = named(u"Label6"),
              &lblPatAvgifter = named(u"lblPatAvgifter"), &Label10 = named(u"Label10"),
              &lblFrikort = named(u"lblFrikort"), &Label7 = named(u"Label7"),
              &lblBehAvgifter = named(u"lblBehAvgifter");
    ui::Line& Line1 = named(u"Line1");
    ui::Label &Label4 = named(u"Label4"), &lblSummaErsättning = named(u"lblSummaErsättning");
    ui::CommandButton &cmdRäkna = named(u"cmdRäkna"), &cmdSkrivUt = named(u"cmdSkrivUt"),
                      &cmdAvbryt = named(u"cmdAvbryt");

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
