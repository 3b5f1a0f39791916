#include "desk/frmKassa.h"

// Placeholder bodies, replaced as the desk is built.

void frmKassa::mnuARV_Click()
{
}

void frmKassa::mnuSamlingsräkning_Click()
{
}

void frmKassa::mnuInställningar_Click()
{
}

void frmKassa::mnuAvsluta_Click()
{
}

void frmKassa::mnuBesökslista_Click()
{
}

void frmKassa::mnuVerifikation_Click()
{
}

void frmKassa::mnuEjBetPatAvg_Click()
{
}

void frmKassa::mnuPatientregister_Click()
{
}

void frmKassa::mnuSkatt_Click(int index)
{
}

void frmKassa::mnuIdTyp_Click(int index)
{
}

void frmKassa::optBesök_Click(int index)
{
}

void frmKassa::chkSmittskydd_Click()
{
}

void frmKassa::lstTaxekod_Click()
{
}

void frmKassa::lstRemissTill_Click()
{
}

