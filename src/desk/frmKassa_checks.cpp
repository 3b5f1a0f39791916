#include "desk/frmKassa.h"

#include "data/numbers.h"
#include "desk/fieldchecks.h"

// The checks that run when the user leaves an identity, code or date box. A refused box keeps
// its text and takes the focus back, so the user cannot move on until it is corrected or
// erased; the rules themselves live in fieldchecks.

namespace {

// Shows the refusal, if there is one, and gives the box the focus back. True when refused.
bool vägra(frmKassa& desk, ui::TextBox& box, const fieldchecks::Message& fel)
{
    if (!fel)
        return false;
    desk.dialogs().message(*fel);
    box.setFocus();
    return true;
}

} // namespace

void frmKassa::txtPersonnummer_LostFocus()
{
    const QString t = txtPersonnummer.text();
    if (fieldchecks::trimBlanks(t).isEmpty())
        return;
    if (vägra(*this, txtPersonnummer, fieldchecks::personnummer(t)))
        return;
    if (chkDubletter.value() == 1)
        LetaDubblett();
}

void frmKassa::txtReservnummer_LostFocus()
{
    vägra(*this, txtReservnummer, fieldchecks::reservnummer(txtReservnummer.text()));
}

void frmKassa::txtKombikakod_LostFocus()
{
    vägra(*this, txtKombikakod, fieldchecks::kombikakod(txtKombikakod.text()));
}

void frmKassa::txtVikKomkod_LostFocus()
{
    vägra(*this, txtVikKomkod, fieldchecks::vikKomkod(txtVikKomkod.text()));
}

void frmKassa::txtRemissFrån_LostFocus()
{
    vägra(*this, txtRemissFrån, fieldchecks::remissFrån(txtRemissFrån.text()));
}

void frmKassa::txtBesöksDatum_LostFocus()
{
    vägra(*this, txtBesöksDatum, fieldchecks::datum(txtBesöksDatum.text()));
}

void frmKassa::txtFödelsedatum_LostFocus()
{
    vägra(*this, txtFödelsedatum, fieldchecks::datum(txtFödelsedatum.text()));
}

void frmKassa::txtRemissDatum_LostFocus()
{
    vägra(*this, txtRemissDatum, fieldchecks::datum(txtRemissDatum.text()));
}

// Typing two digits replaces the day: the month and year of the previous visit usually stand.
void frmKassa::txtBesöksDatum_GotFocus()
{
    txtBesöksDatum.setSelection(4, 2);
}

// Warns, without refusing anything, when the personnummer already has a visit on this date.
// Only on the newest receipt: browsing an old one would otherwise find the receipt itself.
void frmKassa::LetaDubblett()
{
    const std::optional<int> kvitto = receiptNumber(lblKvittoNr.caption());
    if (!kvitto || *kvitto != m_besök.upperBound())
        return;
    const QString datum = txtBesöksDatum.text();
    const QString pnr = txtPersonnummer.text();
    for (int k = 1; k <= m_besök.upperBound(); ++k) {
        const VisitRecord& r = m_besök[k];
        if (datum == r.text(VisitField::Besöksdatum) && pnr == r.text(VisitField::IdNummer))
            dialogs().message(fieldchecks::text::Dubblett);
    }
}
