#include "desk/frmKassa.h"

// Placeholder bodies, replaced as the desk is built.

void frmKassa::LagraSkatt()
{
}

void frmKassa::LagraIdNummer()
{
}

void frmKassa::LagraKvittonummer()
{
}

void frmKassa::LagraTaxekod()
{
}

void frmKassa::LagraRegistreringstyp()
{
}

void frmKassa::LagraBesökstyp()
{
}

void frmKassa::LagraÅtgärd()
{
}

void frmKassa::LagraSmittskydd()
{
}

void frmKassa::LagraRemissTill()
{
}

void frmKassa::LagraPatientavgift()
{
}

void frmKassa::LagraÅtgärdsbelopp()
{
}

void frmKassa::LagraEjBetPatAvg()
{
}

void frmKassa::LagraBesök(int kvittonummer)
{
}

