#include "settings/frmInstallningar.h"

#include "data/settingsfile.h"
#include "ui/filemessages.h"
#include "vocabulary/characters.h"
#include "vocabulary/codes.h"
#include "vocabulary/fieldchecks.h"

using namespace Qt::StringLiterals;

// Loading and activation of the settings window, the record copied onto the window and back,
// the save, and the checks of the two kombikakod boxes.

namespace {

using F = SettingsField;

// An either/or field onto its pair: exactly "-1" selects the first option and exactly "0 " the
// second; any other value leaves the pair as it stands.
void visaVal(const SettingsRecord& inst, F fält, const std::array<ui::OptionButton*, 2>& par)
{
    const QByteArray värde = inst.raw(fält);
    if (värde == kod::FörstaValet)
        par[0]->setValue(true);
    else if (värde == kod::AndraValet)
        par[1]->setValue(true);
}

// The pair back into its field; with neither option selected the field keeps its value.
void lagraVal(SettingsRecord& inst, F fält, const std::array<ui::OptionButton*, 2>& par)
{
    if (par[0]->value())
        inst.setChoice(fält, true);
    else if (par[1]->value())
        inst.setChoice(fält, false);
}

} // namespace

// A window loaded afresh: the lists filled from the code files, once per load.
void frmInställningar::Form_Load()
{
    tömKontroller();
    HämtaTaxeFil();
    HämtaÅtgärdsFil();
}

// Every time the window becomes the active one: what the file holds now, so that an edit left
// unsaved while the user was in another window is replaced by the saved values.
void frmInställningar::Form_Activate()
{
    HämtaInställningsFil();
    UppdateraInställningsFormulär();
}

void frmInställningar::tömKontroller()
{
    for (const auto& control : controls()) {
        switch (control->kind()) {
        case ui::ControlKind::TextBox:
            static_cast<ui::TextBox&>(*control).setText(QString());
            break;
        case ui::ControlKind::ListBox:
            static_cast<ui::ListBox&>(*control).clear();
            break;
        case ui::ControlKind::OptionButton:
            static_cast<ui::OptionButton&>(*control).setValue(false);
            break;
        default:
            break;
        }
    }
    // The focus starts on the first stop, not where it stood when the window was last closed.
    if (ui::Control* first = nextInTabOrder(nullptr, false))
        first->setFocus();
}

// The desk's start has written the first-run file if there was none. A file that cannot be read,
// or that was removed since, leaves the record as it was, and the window shows that; nothing is
// written before the user saves. A damaged file is shown as far as it goes, and said so.
void frmInställningar::HämtaInställningsFil()
{
    settingsfile::Inläsning inläsning;
    const FileResult read = settingsfile::LäsInställningsFilIgen(m_program.folder,
                                                                 m_program.Inställningar, inläsning);
    if (!read)
        dialogs().message(read.error);
    else if (const QString varning = filemessages::efterInläsning(m_program.folder, inläsning);
             !varning.isEmpty())
        dialogs().message(varning);
}

void frmInställningar::HämtaTaxeFil()
{
    const FileResult read = codetables::HämtaTaxeFil(m_program.folder, m_taxor);
    m_taxorLästa = read.ok;
    if (!read) {
        m_taxor = {};
        dialogs().message(read.error
                          + u"\nListan över taxekoder blir tom, och den sparade taxekoden behålls."_s);
        return;
    }
    lstTaxekod.addItems(m_taxor.Taxekod.toList());
}

void frmInställningar::HämtaÅtgärdsFil()
{
    const FileResult read = codetables::HämtaÅtgärdsFil(m_program.folder, m_åtgärder);
    m_åtgärderLästa = read.ok;
    if (!read) {
        m_åtgärder = {};
        dialogs().message(read.error
                          + u"\nListan över åtgärder blir tom, och den sparade åtgärden behålls."_s);
        return;
    }
    lstÅtgärd.addItems(m_åtgärder.Åtgärd.toList());
}

void frmInställningar::UppdateraInställningsFormulär()
{
    const SettingsRecord& inst = m_program.Inställningar;

    txtKombikakod.setText(characters::trimBlanks(inst.text(F::Kombikakod)));
    txtVikKomkod.setText(characters::trimBlanks(inst.text(F::VikKomkod)));

    // An index that is no row of its list (the code file was shortened since, or the field holds
    // no number) shows no selection.
    lstÅtgärd.setListIndex(inst.index(F::ÅtgärdIndex));
    lstTaxekod.setListIndex(inst.index(F::TaxekodIndex));

    txtKlinik.setText(characters::trimBlanks(inst.text(F::Klinik)));
    txtNamn.setText(characters::trimBlanks(inst.text(F::Namn)));
    txtAdress.setText(characters::trimBlanks(inst.text(F::Adress)));
    txtPostadress.setText(characters::trimBlanks(inst.text(F::Postadress)));
    txtTelefon.setText(characters::trimBlanks(inst.text(F::Telefon)));

    visaVal(inst, F::Skatt, optSkatt);
    visaVal(inst, F::Yrke, optYrke);
    visaVal(inst, F::Besökstyp, optBesök);
}

// Texts go in as typed and are cut to their fields. ArvFom is not touched.
void frmInställningar::LagraInställningar()
{
    SettingsRecord& inst = m_program.Inställningar;

    inst.setText(F::Kombikakod, txtKombikakod.text());
    inst.setText(F::VikKomkod, txtVikKomkod.text());

    // A list that could not be filled says nothing about the clinic's default.
    if (m_åtgärderLästa)
        inst.setIndex(F::ÅtgärdIndex, lstÅtgärd.listIndex());
    if (m_taxorLästa)
        inst.setIndex(F::TaxekodIndex, lstTaxekod.listIndex());

    lagraVal(inst, F::Skatt, optSkatt);
    lagraVal(inst, F::Yrke, optYrke);
    lagraVal(inst, F::Besökstyp, optBesök);

    inst.setText(F::Klinik, txtKlinik.text());
    inst.setText(F::Namn, txtNamn.text());
    inst.setText(F::Adress, txtAdress.text());
    inst.setText(F::Postadress, txtPostadress.text());
    inst.setText(F::Telefon, txtTelefon.text());
}

bool frmInställningar::SparaInställningsFil()
{
    const FileResult saved = settingsfile::SparaInställningsFil(
        m_program.folder, m_program.Inställningar, m_program.saveObserver);
    if (!saved)
        dialogs().message(u"OBS! Inställningarna är inte sparade!\n"_s + saved.error
                          + u"\nRätta felet och tryck på Spara igen."_s);
    return saved.ok;
}

// A save that works says nothing and the window stays open. One that fails keeps the typed
// values on the window for another try, and the record goes back to what the file still holds:
// the desk, and the ARV export that saves the whole record, must not take up settings that were
// never saved.
void frmInställningar::cmdSpara_Click()
{
    const SettingsRecord sparad = m_program.Inställningar;
    LagraInställningar();
    if (!SparaInställningsFil())
        m_program.Inställningar = sparad;
}

// Nothing is stored or saved; the next opening loads the window afresh.
void frmInställningar::cmdStäng_Click()
{
    app().close(*this);
}

// --- The two kombikakod boxes, checked as on the desk; a refused box keeps its text and the
// focus, so a click elsewhere (on "S&para" too) does not happen until it is put right.

void frmInställningar::txtKombikakod_LostFocus()
{
    vägra(txtKombikakod, fieldchecks::kombikakod(txtKombikakod.text()));
}

void frmInställningar::txtVikKomkod_LostFocus()
{
    vägra(txtVikKomkod, fieldchecks::vikKomkod(txtVikKomkod.text()));
}
