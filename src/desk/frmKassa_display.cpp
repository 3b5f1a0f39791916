#include "desk/frmKassa.h"

#include "data/fixedtext.h"
#include "vocabulary/receiptnumber.h"
#include "vocabulary/codes.h"
#include "vocabulary/messages.h"

using namespace Qt::StringLiterals;

// Showing a stored receipt and browsing. The desk's receipt is its position in the visit table;
// lblKvittoNr shows it, and a new caption shows that receipt. Showing a receipt never writes
// anything.

// The answer to "Gå till..." stays on the label as it was typed, so "05" shows receipt 5 again
// though "5" is shown, while the same text again changes nothing.
void frmKassa::VisaKvitto(int n, const QString& caption, Kodläsning* koder)
{
    m_kvitto = n;
    const QString text = caption.isEmpty() ? QString::number(n) : caption;
    if (text == lblKvittoNr.caption())
        return;
    lblKvittoNr.setCaption(text);
    lblKvittoNr_Change(koder);
}

// A number the table does not hold (the open receipt after a registration with "Ny post", whose
// empty entry the closing read of the file dropped) shows as the empty record it stands for.
void frmKassa::lblKvittoNr_Change(Kodläsning* koder)
{
    // A copy: the handlers that the display sets off run in the middle of it, and the record
    // must not move under it.
    const VisitRecord r = m_kvitto && m_besök.contains(*m_kvitto) ? m_besök[*m_kvitto] : VisitRecord();
    VisaPost(r, /*förMakulering=*/false, koder);
}

// Copies a record onto the desk. The F3 lookup of a receipt to void uses the same steps, but
// keeps the number typed into txtMakulering, the diagnosis already on the desk, and the voiding
// mode (the record it copies is a visit, whose own number and mode would undo the voiding).
void frmKassa::VisaPost(const VisitRecord& r, bool förMakulering, Kodläsning* koder)
{
    using F = VisitField;
    Kodläsning nu;
    if (!koder) {
        nu = läsKodfiler();
        koder = &nu;
    }

    // The text fields, and the desk values as the record holds them.
    txtKombikakod.setText(fixedtext::trimBlanks(r.text(F::Kombikakod)));
    txtVikKomkod.setText(fixedtext::trimBlanks(r.text(F::VikKomkod)));
    if (!förMakulering)
        txtMakulering.setText(fixedtext::trimBlanks(r.text(F::Kvittonummer)));
    txtFödelsedatum.setText(fixedtext::trimBlanks(r.text(F::Födelsedatum)));
    txtBesöksDatum.setText(fixedtext::trimBlanks(r.text(F::Besöksdatum)));
    txtRemissFrån.setText(fixedtext::trimBlanks(r.text(F::RemissFrån)));
    txtRemissDatum.setText(fixedtext::trimBlanks(r.text(F::RemissDatum)));
    if (!förMakulering)
        txtDiagnoskod.setText(fixedtext::trimBlanks(r.text(F::Diagnoskod)));

    m_värden.Registreringstyp = r.text(F::Registreringstyp);
    m_värden.Skatt = r.text(F::Skatt);
    m_värden.IdNummer = fixedtext::trimBlanks(r.text(F::IdNummer));
    m_värden.IdTyp = r.text(F::IdTyp);
    m_värden.Besökstyp = r.text(F::Besökstyp);
    m_värden.Taxekod = r.text(F::Taxekod);
    m_värden.Smittskydd = r.text(F::Smittskydd);
    m_värden.Åtgärd = r.text(F::Åtgärd);
    m_värden.RemissTill = r.text(F::RemissTill);
    m_värden.EjBetPatAvg = r.text(F::EjBetPatAvg);

    // Tax form; a record without one leaves the menu as it is.
    const QString skatt = r.text(F::Skatt);
    if (skatt == kod::FSkatt)
        markera(mnuSkatt, 0);
    else if (skatt == kod::ASkatt)
        markera(mnuSkatt, 1);

    // Identity: the rows of its type, the focus in the number.
    VisaIdentitetsrader(identitetFör(m_värden.IdTyp, m_värden.IdNummer));

    // Kind of record: a voiding record puts the desk into voiding mode with its field shown.
    if (!förMakulering) {
        const QString typ = r.text(F::Registreringstyp);
        if (typ == kod::Besök || typ == kod::Makulering) {
            const bool makulering = typ == kod::Makulering;
            markera(mnuNyReg, makulering ? 1 : 0);
            lblMakulering.setVisible(makulering);
            txtMakulering.setVisible(makulering);
        }
    }

    // Procedure, looked up in the procedure file as it is now. If the file cannot be read the
    // desk keeps the table it had and looks the code up there.
    HämtaÅtgärder(*koder);
    {
        const int i = codetables::findCode(m_åtgärder.Åtgärd, r.text(F::Åtgärd),
                                           lstÅtgärd.listIndex());
        if (i < lstÅtgärd.listCount())
            lstÅtgärd.setListIndex(i);
    }

    // Visit type: anything but a first visit shows as a return visit.
    optBesök[r.text(F::Besökstyp) == kod::Nybesök ? 0 : 1]->setValue(true);

    chkAkutbesök.setValue(r.text(F::Akutbesök) == u"1" ? 1 : 0);

    // Infection control. Ticking or clearing the box runs LagraSmittskydd at once, from the desk
    // values set above; then the identity is put away, or the identity boxes are enabled again.
    const QString smittskydd = r.text(F::Smittskydd);
    if (smittskydd == kod::Smittskydd) {
        chkSmittskydd.setValue(1);
        VisaIdentitetsrader(utanIdentitet(/*födelsedatumDolt=*/true));
    } else if (smittskydd == kod::EjSmittskydd) {
        chkSmittskydd.setValue(0);
        const Rad aktiv{.aktiv = true};
        VisaIdentitetsrader({.menyAktiv = true,
                             .personnummer = aktiv,
                             .reservnummer = aktiv,
                             .födelsedatum = aktiv});
    }

    // Tariff, looked up in the tariff file as it is now; a new selection shows its fee.
    HämtaTaxor(*koder);
    {
        const int i = codetables::findCode(m_taxor.Taxekod, r.text(F::Taxekod),
                                           lstTaxekod.listIndex());
        if (i < lstTaxekod.listCount())
            lstTaxekod.setListIndex(i);
    }

    // Referral destination: the code is the position in the list.
    const QString till = r.text(F::RemissTill);
    for (int i = 0; i < 4; ++i)
        if (till == QStringLiteral("0%1").arg(i))
            lstRemissTill.setListIndex(i);

    chkEjBetPatAvg.setValue(r.text(F::EjBetPatAvg) == kod::EjBetald ? 1 : 0);
}

// --- Browsing ---

void frmKassa::cmdFöregående_Click()
{
    if (m_kvitto && *m_kvitto > 1)
        VisaKvitto(*m_kvitto - 1);
}

void frmKassa::cmdNästa_Click()
{
    GåTillNästaKvitto();
}

// "Sök..." does nothing: the button is shown and has its place in the tab order, and a click on it
// changes nothing.
void frmKassa::cmdSök_Click()
{
}

// Goes to the receipt the user names. The answer is taken as typed, leading zeros included, so
// "05" shows receipt 5 again even when it is shown already. Only a whole number from 1 to the
// table's last entry names a receipt; anything else is answered with a message and the desk
// stays where it is.
void frmKassa::mnuGåTill_Click()
{
    const int sista = m_besök.upperBound();
    const QString svar = dialogs().input(u"Skriv det kvittonummer Du vill gå till..."_s,
                                         u"Gå till..."_s, QString::number(sista));
    if (svar.isEmpty())
        return;
    const std::optional<int> n = receiptNumber(svar);
    if (!n || *n < 1 || *n > sista) {
        if (sista >= 1)
            dialogs().message(u"OBS! Skriv ett kvittonummer från 1 till %1!"_s.arg(sista));
        else
            dialogs().message(meddelande::IngaRegistreradeKvitton);
        return;
    }
    VisaKvitto(*n, svar);
}
