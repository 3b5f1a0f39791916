#include "desk/frmKassa.h"

#include "vocabulary/receiptnumber.h"
#include "data/settingsfile.h"
#include "data/visitfile.h"
#include "ui/filemessages.h"
#include "ui/services.h"

using namespace Qt::StringLiterals;

// Start-up and activation of the desk, the clinic's settings applied to it, and the opening of
// a new receipt number.

namespace {


// Receipt numbers are 16-bit: there is no receipt after this one.
const QString SistaKvittot = u"OBS! Sista kvittonumret (%1) är nått!"_s.arg(LastReceiptNumber);

} // namespace

// Reads every file the desk works from. Without its visit file, its code lists or its settings
// the desk cannot register anything safely (an unreadable visit file taken as empty would have
// the next visit written over receipt 1), so a file that cannot be read ends the program after
// a message naming it, before anything has been written.
void frmKassa::Form_Load()
{
    const auto avbryt = [this](const FileResult& result) {
        dialogs().message(result.error + u"\nProgrammet avslutas."_s);
        m_startFailed = true;
    };

    if (const FileResult read = visitfile::HämtaBesöksFil(m_program.folder, m_besök); !read)
        return avbryt(read);
    // A damaged file is kept aside before the first registration can write over it.
    QString skadad;
    if (const FileResult granskad = filemessages::granskaBesöksfil(
            m_program.folder, clock().yymmdd() + u'-' + clock().hhmm(), skadad);
        !granskad)
        return avbryt(granskad);
    if (!skadad.isEmpty())
        dialogs().message(skadad);

    if (const FileResult read = HämtaKodfiler(); !read)
        return avbryt(read);

    lstTaxekod.setListIndex(1);

    for (const char16_t* till : {u"  00 ", u"  01 ", u"  02 ", u"  03 "})
        lstRemissTill.addItem(QString::fromUtf16(till));
    lstRemissTill.setListIndex(0);

    // A first start has no settings file: the data layer writes the default one. A damaged one
    // is used as far as it goes, and the clinic hears of it before anything is saved from it.
    settingsfile::Inläsning inläsning;
    if (const FileResult read = settingsfile::HämtaInställningsFil(
            m_program.folder, m_program.Inställningar, &inläsning);
        !read)
        return avbryt(read);
    if (const QString varning = filemessages::efterInläsning(m_program.folder, inläsning);
        !varning.isEmpty())
        dialogs().message(varning);
}

// At start-up and whenever the desk becomes the active window again (a report or the settings
// window closed). The receipt shown is the table's last entry as held in memory now, which is
// still an open receipt that was never registered; the files are read only afterwards. The code
// files are read once, as the activation begins: the display and the re-reading both take that
// reading, so a file that cannot be read is told once, where it was first needed.
void frmKassa::Form_Activate()
{
    if (m_startFailed)
        return;
    Kodläsning koder = läsKodfiler();

    // An empty visit file has no receipt to show: the desk opens receipt 1 as a new one.
    if (m_besök.upperBound() == 0)
        SkapaNyPost(&koder);
    else
        VisaKvitto(m_besök.upperBound(), {}, &koder);
    txtKombikakod.setText(m_program.Inställningar.text(SettingsField::Kombikakod));
    UppdateraKassaFormulär();
    // The defaults are for a new visit. Left over a stored receipt they would have one Enter
    // store it again with the clinic's codes instead of its own, so a stored receipt is shown
    // once more as it was registered; only what the settings decide beyond the receipt (the
    // title, the referral list, the next new receipt's defaults) stays from them.
    if (m_kvitto && m_besök.contains(*m_kvitto) && m_besök[*m_kvitto].isStoredReceipt()) {
        const VisitRecord r = m_besök[*m_kvitto]; // a copy, as the display's own
        VisaPost(r, /*förMakulering=*/false, &koder);
    }

    if (const FileResult read = visitfile::HämtaBesöksFil(m_program.folder, m_besök); !read)
        dialogs().message(read.error);
    HämtaÅtgärder(koder);
    HämtaTaxor(koder);
}

void frmKassa::Form_GotFocus()
{
    if (m_startFailed)
        return;
    // Damage was told at the start and is told again by the settings window; a file removed
    // meanwhile leaves the values in memory as they are, and nothing is written in its place.
    settingsfile::Inläsning inläsning;
    if (const FileResult read = settingsfile::LäsInställningsFilIgen(
            m_program.folder, m_program.Inställningar, inläsning);
        !read)
        dialogs().message(read.error);
}

// The clinic's defaults for a new visit: its kombikakod codes, registration mode, personnummer,
// its tax form and visit type, the layout of its profession and its default codes.
void frmKassa::UppdateraKassaFormulär()
{
    const SettingsRecord& inst = m_program.Inställningar;

    txtKombikakod.setText(inst.text(SettingsField::Kombikakod));
    txtVikKomkod.setText(inst.text(SettingsField::VikKomkod));

    if (txtPersonnummer.enabled())
        txtPersonnummer.setFocus();
    else if (txtReservnummer.enabled())
        txtReservnummer.setFocus();
    else
        txtBesöksDatum.setFocus();

    // Only the marks: the voiding field stays as it is until the next registration or choice of
    // mode hides it.
    markera(mnuNyReg, 0);
    markera(mnuIdTyp, 0);

    chkSmittskydd.setValue(0);
    chkEjBetPatAvg.setValue(0);

    markera(mnuSkatt, inst.isFirstChoice(SettingsField::Skatt) ? 0 : 1);

    optBesök[inst.isFirstChoice(SettingsField::Besökstyp) ? 0 : 1]->setValue(true);

    // A physician refers patients on and has the referral list; a physiotherapist does not.
    const bool läkare = inst.isFirstChoice(SettingsField::Yrke);
    fraRemiss.setVisible(true);
    fraRemiss.setWidth(läkare ? 3375 : 2445);
    for (ui::Control* c : std::initializer_list<ui::Control*>{
             &lblKombikakod, &txtRemissFrån, &lblDatum, &txtRemissDatum})
        c->setVisible(true);
    lblTill.setVisible(läkare);
    lstRemissTill.setVisible(läkare);
    setCaption((läkare ? u"Kassaprogram för Läkare Ver "_s : u"Kassaprogram för Sjukgymnaster Ver "_s)
               + ui::Version);

    // An index outside the list, or none at all, leaves the list without a selection.
    lstÅtgärd.setListIndex(inst.index(SettingsField::ÅtgärdIndex));
    lstTaxekod.setListIndex(inst.index(SettingsField::TaxekodIndex));
    lstRemissTill.setListIndex(0);
}

// Opens the receipt after the table's last entry, with the clinic's defaults and the previous
// visit's date (a clinic registers a day's visits one after the other). Called after a
// registration with "Ny post" checked, and at start-up on an empty visit file.
void frmKassa::SkapaNyPost(Kodläsning* koder)
{
    const int n = m_besök.upperBound() + 1;
    if (n > VisitTable::MaxRecords) {
        dialogs().message(SistaKvittot);
        return;
    }
    m_besök.resize(n);
    VisaKvitto(n, {}, koder);
    UppdateraKassaFormulär();
    txtBesöksDatum.setText(n > 1 ? m_besök[n - 1].text(VisitField::Besöksdatum) : QString());
}

// "Nästa >>": the following receipt. From a stored receipt that is the next stored one, shown as
// it was registered, or a new receipt at the end of the table with the defaults. An open receipt
// (not registered yet, or beyond the table after the file was read back) has no next one.
void frmKassa::GåTillNästaKvitto()
{
    const std::optional<int> a = m_kvitto;
    if (!a || !m_besök.contains(*a) || !m_besök[*a].isStoredReceipt())
        return;
    if (*a >= VisitTable::MaxRecords) {
        dialogs().message(SistaKvittot);
        return;
    }
    const int b = *a + 1;
    if (m_besök.upperBound() < b)
        m_besök.resize(b);
    VisaKvitto(b);
    if (m_besök.contains(b) && m_besök[b].isStoredReceipt())
        return;
    UppdateraKassaFormulär();
    if (m_besök.contains(*a))
        txtBesöksDatum.setText(m_besök[*a].text(VisitField::Besöksdatum));
}
