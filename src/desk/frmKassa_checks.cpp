#include "desk/frmKassa.h"

#include "desk/visitchecks.h"

// The checks that run when the user leaves an identity, code or date box. A refused box keeps
// its text and takes the focus back, so the user cannot move on until it is corrected or
// erased (ui::Form::vägra); the rules themselves live in fieldchecks.

// With duplicate checking on, a good personnummer is looked up among the stored visits. Leaving
// the box for "Registrera" (a click on it, or Enter) leaves the warning to the registration,
// whose first step it is: one press of the button warns once.
void frmKassa::txtPersonnummer_LostFocus()
{
    const QString t = txtPersonnummer.text();
    if (fieldchecks::trimBlanks(t).isEmpty())
        return;
    if (vägra(txtPersonnummer, fieldchecks::personnummer(t)))
        return;
    if (chkDubletter.value() == 1 && focused() != &cmdRegistrera)
        LetaDubblett();
}

void frmKassa::txtReservnummer_LostFocus()
{
    vägra(txtReservnummer, fieldchecks::reservnummer(txtReservnummer.text()));
}

void frmKassa::txtKombikakod_LostFocus()
{
    vägra(txtKombikakod, fieldchecks::kombikakod(txtKombikakod.text()));
}

void frmKassa::txtVikKomkod_LostFocus()
{
    vägra(txtVikKomkod, fieldchecks::vikKomkod(txtVikKomkod.text()));
}

void frmKassa::txtRemissFrån_LostFocus()
{
    vägra(txtRemissFrån, fieldchecks::remissFrån(txtRemissFrån.text()));
}

void frmKassa::txtBesöksDatum_LostFocus()
{
    vägra(txtBesöksDatum, fieldchecks::datum(txtBesöksDatum.text()));
}

void frmKassa::txtFödelsedatum_LostFocus()
{
    vägra(txtFödelsedatum, fieldchecks::datum(txtFödelsedatum.text()));
}

void frmKassa::txtRemissDatum_LostFocus()
{
    vägra(txtRemissDatum, fieldchecks::datum(txtRemissDatum.text()));
}

// Typing two digits replaces the day: the month and year of the previous visit usually stand.
void frmKassa::txtBesöksDatum_GotFocus()
{
    txtBesöksDatum.setSelection(4, 2);
}

// Warns, without refusing anything, once for every stored visit of this personnummer on this
// date.
void frmKassa::LetaDubblett()
{
    const int antal = fieldchecks::dubbletter(m_besök, m_kvitto,
                                              txtPersonnummer.text(), txtBesöksDatum.text());
    for (int i = 0; i < antal; ++i)
        dialogs().message(fieldchecks::text::Dubblett);
}
