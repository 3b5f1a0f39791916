#pragma once

#include "data/program.h"
#include "data/visittable.h"
#include "ui/application.h"
#include "ui/form.h"

#include <QString>
#include <optional>

// "Skapa ARV-fil": writes the reporting file for the county council for a range of receipts and
// remembers in the settings (ArvFom) where the next one starts. The window reads its own copy of
// the visit file each time it becomes active and never writes that file.
class frmARV : public ui::Form {
public:
    frmARV(ui::Application& app, Program& program);

    // --- Window events ---
    void Form_Activate() override;

    // --- State (read by tests) ---
    const VisitTable& besök() const { return m_besök; }
    const QString& förberedelsedatum() const { return m_datum; } // "yymmdd" at activation
    const QString& förberedelsetid() const { return m_tid; }     // "hhmm" at activation

    // --- Controls ---
    ui::Label &Label1 = named(u"Label1"), &Label2 = named(u"Label2"), &Label3 = named(u"Label3"),
              &Label4 = named(u"Label4"), &lblAntalBeh = named(u"lblAntalBeh");
    ui::TextBox &txtFom = named(u"txtFom"), &txtTom = named(u"txtTom");
    ui::CommandButton &cmdSkapa = named(u"cmdSkapa"), &cmdAvbryt = named(u"cmdAvbryt");

    // --- Handlers ---
    void RäknaAntalKvitton();
    void txtFom_Change();
    void txtTom_Change();
    void txtFom_LostFocus();
    void txtTom_LostFocus();
    void cmdSkapa_Click();
    void cmdAvbryt_Click();

private:
    void kopplaHändelser();
    void visaAntal();
    // The range checks at "Skapa Arv-fil"; false when a message was shown and nothing is written.
    bool godkännIntervall(int& from, int& to);
    void sparaNästaStart(const QString& fileName, int to);

    Program& m_program;
    VisitTable m_besök;
    QString m_läsfel; // why the visit file could not be read at the last activation
    QString m_datum;
    QString m_tid;
    std::optional<int> m_antal; // To - From + 1, none until computed
};
