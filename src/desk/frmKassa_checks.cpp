#include "desk/frmKassa.h"

// Placeholder bodies, replaced as the desk is built.

void frmKassa::txtPersonnummer_LostFocus()
{
}

void frmKassa::txtReservnummer_LostFocus()
{
}

void frmKassa::txtKombikakod_LostFocus()
{
}

void frmKassa::txtVikKomkod_LostFocus()
{
}

void frmKassa::txtRemissFrån_LostFocus()
{
}

void frmKassa::txtBesöksDatum_LostFocus()
{
}

void frmKassa::txtFödelsedatum_LostFocus()
{
}

void frmKassa::txtRemissDatum_LostFocus()
{
}

void frmKassa::txtBesöksDatum_GotFocus()
{
}

void frmKassa::LetaDubblett()
{
}

