#pragma once

#include "data/codetables.h"
#include "data/program.h"
#include "data/visittable.h"
#include "ui/application.h"
#include "ui/form.h"

#include <QString>
#include <array>
#include <functional>
#include <optional>

// The desk: the start-up window, where every visit is registered. It holds the visit table and
// its own copies of the tariff and procedure tables for as long as the program runs.
//
// The class is spread over one file per concern:
//   frmKassa_layout.cpp    the layout table (controls, positions, menus, tab order), wiring
//   frmKassa_startup.cpp   Form_Load / Form_Activate / Form_GotFocus, UppdateraKassaFormulär,
//                          SkapaNyPost, GåTillNästaKvitto
//   frmKassa_display.cpp   showing a receipt (lblKvittoNr_Change), browsing, "Gå till..."
//   frmKassa_identity.cpp  the identity rows and the identity menu pair
//   frmKassa_store.cpp     the Lagra… procedures that turn the desk into desk values, LagraBesök
//   frmKassa_checks.cpp    the focus-loss checks of the boxes, LetaDubblett
//   frmKassa_register.cpp  cmdRegistrera_Click
//   frmKassa_print.cpp     SkrivUtKvitto
//   frmKassa_menus.cpp     menus and mode switches
//   frmKassa_voiding.cpp   voiding mode, the F3 lookup, txtMakulering's check
//   frmKassa_codefiles.cpp reading Taxa.txt and Åtgärd.txt, filling the two code lists
class frmKassa : public ui::Form {
public:
    frmKassa(ui::Application& app, Program& program);

    // Secondary windows are opened through these, set by whoever builds the program's windows;
    // unset, the menu entries do nothing.
    std::function<void()> visaARV;
    std::function<void()> visaSamlingsräkning;
    std::function<void()> visaInställningar;

    // --- Window events ---
    void Form_Load() override;
    void Form_Activate() override;
    void Form_GotFocus() override;

    // Set when start-up could not read a file it cannot run without (Taxa.txt, Åtgärd.txt, the
    // visit file) or the folder is not usable; the message has been shown and the program ends.
    bool startFailed() const { return m_startFailed; }

    // --- State (read by tests and by the other windows) ---
    // The receipt the desk shows and registers under; none before the first activation.
    std::optional<int> kvitto() const { return m_kvitto; }
    const Program& program() const { return m_program; }
    const VisitTable& besök() const { return m_besök; }
    const TariffTable& taxor() const { return m_taxor; }
    const ProcedureTable& åtgärder() const { return m_åtgärder; }

    // Desk values: one text per computed record field, set by the Lagra… procedures and by the
    // display of a receipt, read by LagraBesök.
    struct DeskValues {
        QString Registreringstyp, Kvittonummer, Skatt, IdNummer, IdTyp, Besökstyp, Taxekod,
            Smittskydd, Åtgärd, RemissTill, Patientavgift, Åtgärdsbelopp, EjBetPatAvg;
    };
    const DeskValues& värden() const { return m_värden; }

    // --- Controls, by the window's areas ---
    // Along the top: the receipt number, the receipt to void, the visit date and the codes.
    ui::Label &Label1 = named(u"Label1"), &lblKvittoNr = named(u"lblKvittoNr"),
              &lblMakulering = named(u"lblMakulering");
    ui::TextBox& txtMakulering = named(u"txtMakulering");
    ui::Label& Label2 = named(u"Label2");
    ui::TextBox& txtBesöksDatum = named(u"txtBesöksDatum");
    ui::CommandButton& cmdSök = named(u"cmdSök");
    ui::Label &Label3 = named(u"Label3"), &Label4 = named(u"Label4");
    ui::TextBox &txtKombikakod = named(u"txtKombikakod"), &txtVikKomkod = named(u"txtVikKomkod");
    // "Besökstyp".
    ui::Frame& frmBesökstyp = named(u"frmBesökstyp");
    std::array<ui::OptionButton*, 2> optBesök = namedArray<ui::OptionButton, 2>(u"optBesök");
    ui::CheckBox &chkAkutbesök = named(u"chkAkutbesök"), &chkSmittskydd = named(u"chkSmittskydd");
    // "Personregistrering": the three identity rows.
    ui::Frame& Frame1 = named(u"Frame1");
    ui::Label &lblPersonnummer = named(u"lblPersonnummer"), &lblReservnummer = named(u"lblReservnummer"),
              &lblFödelsedatum = named(u"lblFödelsedatum");
    ui::TextBox &txtPersonnummer = named(u"txtPersonnummer"), &txtReservnummer = named(u"txtReservnummer"),
                &txtFödelsedatum = named(u"txtFödelsedatum");
    // "Remiss".
    ui::Frame& fraRemiss = named(u"fraRemiss");
    ui::Label &lblKombikakod = named(u"lblKombikakod"), &lblDatum = named(u"lblDatum"), &lblTill = named(u"lblTill");
    ui::TextBox &txtRemissFrån = named(u"txtRemissFrån"), &txtRemissDatum = named(u"txtRemissDatum");
    ui::ListBox& lstRemissTill = named(u"lstRemissTill");
    // The fee and the two code lists.
    ui::Label &Patientavgift = named(u"Patientavgift"), &lblPatientavgift = named(u"lblPatientavgift"),
              &Label5 = named(u"Label5"), &Label6 = named(u"Label6");
    ui::CheckBox& chkEjBetPatAvg = named(u"chkEjBetPatAvg");
    ui::ListBox &lstÅtgärd = named(u"lstÅtgärd"), &lstTaxekod = named(u"lstTaxekod");
    // Below the line: the options, registering, the diagnosis and browsing.
    ui::Line& Line1 = named(u"Line1");
    ui::CheckBox &chkNypost = named(u"chkNypost"), &chkKvitto = named(u"chkKvitto"),
                 &chkDubletter = named(u"chkDubletter");
    ui::Label& Label7 = named(u"Label7");
    ui::TextBox& txtDiagnoskod = named(u"txtDiagnoskod");
    ui::CommandButton &cmdRegistrera = named(u"cmdRegistrera"), &cmdFöregående = named(u"cmdFöregående"),
                      &cmdNästa = named(u"cmdNästa");

    // --- Menus ---
    ui::MenuItem &mnuArkiv = namedMenu(u"mnuArkiv"), &mnuARV = namedMenu(u"mnuARV"),
                 &mnuSamlingsräkning = namedMenu(u"mnuSamlingsräkning"),
                 &mnuBesökslista = namedMenu(u"mnuBesökslista"), &mnuVerifikation = namedMenu(u"mnuVerifikation"),
                 &mnuEjBetPatAvg = namedMenu(u"mnuEjBetPatAvg"), &mnuAvsluta = namedMenu(u"mnuAvsluta");
    ui::MenuItem &mnuAlternativ = namedMenu(u"mnuAlternativ"), &mnuInställningar = namedMenu(u"mnuInställningar");
    std::array<ui::MenuItem*, 2> mnuNyReg = {&namedMenu(u"mnuNyReg", 0), &namedMenu(u"mnuNyReg", 1)};
    std::array<ui::MenuItem*, 2> mnuSkatt = {&namedMenu(u"mnuSkatt", 0), &namedMenu(u"mnuSkatt", 1)};
    std::array<ui::MenuItem*, 2> mnuIdTyp = {&namedMenu(u"mnuIdTyp", 0), &namedMenu(u"mnuIdTyp", 1)};
    ui::MenuItem &mnuPatientregister = namedMenu(u"mnuPatientregister"), &mnuGåTill = namedMenu(u"mnuGåTill");

private:
    // One reading of Taxa.txt and Åtgärd.txt: each file's bytes, or its error until told.
    struct Kodläsning {
        QByteArray taxor, åtgärder;
        std::optional<FileResult> taxfel, åtgärdsfel;
    };

    // --- Start-up and new receipts (frmKassa_startup.cpp) ---
    void UppdateraKassaFormulär();
    void SkapaNyPost(Kodläsning* koder = nullptr);
    void GåTillNästaKvitto();

    // --- Display and browsing (frmKassa_display.cpp) ---
    // The one place the desk's receipt is set: `n`, shown in lblKvittoNr as `caption` (the
    // answer to "Gå till..." as typed) or else as the number. A caption that changes shows the
    // receipt, looked up in `koder` when the event has read the code files already.
    void VisaKvitto(int n, const QString& caption = {}, Kodläsning* koder = nullptr);
    void lblKvittoNr_Change(Kodläsning* koder);
    void cmdFöregående_Click();
    void cmdNästa_Click();
    void cmdSök_Click();
    void mnuGåTill_Click();
    // Copies record `r` onto the desk: steps 2 to 12 of the display. For the F3 lookup of a
    // receipt to void, `förMakulering` keeps txtMakulering and txtDiagnoskod and the mode. The
    // codes are looked up in `koder`, or in the code files as they are on disk now.
    void VisaPost(const VisitRecord& r, bool förMakulering, Kodläsning* koder = nullptr);

    // --- The identity rows (frmKassa_identity.cpp) ---
    // What the personnummer, reserve-number and birth-date rows, the identity menu pair and the
    // frame "Personregistrering" show; each part left unset stays as it is.
    struct Rad {
        std::optional<bool> visas = {};   // the box and its caption label together
        std::optional<bool> aktiv = {};   // the box
        std::optional<QString> text = {}; // the box's new text
    };
    struct Identitetsrader {
        std::optional<int> markerad = {}; // the identity menu item with the mark: 0, 1, or -1 for none
        std::optional<bool> menyAktiv = {};
        Rad personnummer = {}, reservnummer = {}, födelsedatum = {};
        bool reservraderUppåt = false; // the reserve rows moved up into the frame's first two rows
        std::optional<int> ramhöjd = {};
        ui::TextBox* fokus = nullptr;
    };
    void VisaIdentitetsrader(const Identitetsrader& rader);
    // The rows for a receipt's identity: type "P", "R" or none (the display, LagraSmittskydd).
    Identitetsrader identitetFör(const QString& idTyp, const QString& idNummer);
    // The rows the menu "Personnummer" (0) or "Reservnummer" (1) chooses.
    Identitetsrader identitetsval(int index);
    // An infection-control visit: no identity row, the menu pair unchecked and greyed out. The
    // box ticked by the user leaves the birth-date row in place, emptied and disabled; a stored
    // infection-control visit shown hides it too.
    Identitetsrader utanIdentitet(bool födelsedatumDolt);

    // --- Storing the desk (frmKassa_store.cpp) ---
    void LagraSkatt();
    void LagraIdNummer();
    void LagraKvittonummer();
    void LagraTaxekod();
    void LagraRegistreringstyp();
    void LagraBesökstyp();
    void LagraÅtgärd();
    void LagraSmittskydd();
    void LagraRemissTill();
    void LagraPatientavgift();
    void LagraÅtgärdsbelopp();
    void LagraEjBetPatAvg();
    void LagraBesök(int kvittonummer);

    // --- Field checks (frmKassa_checks.cpp) ---
    void txtPersonnummer_LostFocus();
    void txtReservnummer_LostFocus();
    void txtKombikakod_LostFocus();
    void txtVikKomkod_LostFocus();
    void txtRemissFrån_LostFocus();
    void txtBesöksDatum_LostFocus();
    void txtFödelsedatum_LostFocus();
    void txtRemissDatum_LostFocus();
    void txtBesöksDatum_GotFocus();
    void LetaDubblett();

    // --- Registration and printing (frmKassa_register.cpp, frmKassa_print.cpp) ---
    void cmdRegistrera_Click();
    bool KontrolleraIdentitet();
    bool KontrolleraKvittonummer(int& kvittonummer);
    bool KontrolleraListorna();
    void LagraAllt();
    bool läsBesöksFilen();
    void SkrivUtKvitto(int kvittonummer);

    // --- Menus and modes (frmKassa_menus.cpp) ---
    void mnuARV_Click();
    void mnuSamlingsräkning_Click();
    void mnuInställningar_Click();
    void mnuAvsluta_Click();
    void mnuBesökslista_Click();
    void mnuVerifikation_Click();
    void mnuEjBetPatAvg_Click();
    void mnuPatientregister_Click();
    void mnuSkatt_Click(int index);
    void mnuIdTyp_Click(int index);
    void optBesök_Click(int index);
    void chkSmittskydd_Click();
    void lstTaxekod_Click();
    void lstRemissTill_Click();
    // One of the two items of a menu pair carries the check mark (index 0 or 1), or neither (-1).
    static void markera(const std::array<ui::MenuItem*, 2>& par, int index);

    // --- Voiding (frmKassa_voiding.cpp) ---
    void mnuNyReg_Click(int index);
    void txtMakulering_KeyDown(int& keyCode, int shift);
    void txtMakulering_LostFocus();
    bool BekräftaMakulering(); // at "Registrera" in voiding mode: false = store nothing

    void kopplaHändelser(); // frmKassa_layout.cpp

    // The code files (frmKassa_codefiles.cpp). At start-up both are read, the lists filled
    // and the clinic told about fees that are not numbers; an error ends the start. Afterwards
    // an event reads both once (läsKodfiler), and each table takes its file's bytes from that
    // reading, making a new table only when they differ from the table's; an error is shown
    // the first time it is taken and the table kept.
    FileResult HämtaKodfiler();
    Kodläsning läsKodfiler() const;
    void HämtaTaxor(Kodläsning& koder);
    void HämtaÅtgärder(Kodläsning& koder);

    Program& m_program;
    VisitTable m_besök;
    TariffTable m_taxor;
    ProcedureTable m_åtgärder;
    DeskValues m_värden;
    bool m_startFailed = false;
    std::optional<int> m_kvitto;
};
