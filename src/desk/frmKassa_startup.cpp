#include "desk/frmKassa.h"

// Placeholder bodies, replaced as the desk is built.

void frmKassa::Form_Load()
{
}

void frmKassa::Form_Activate()
{
}

void frmKassa::Form_GotFocus()
{
}

void frmKassa::UppdateraKassaFormulär()
{
}

void frmKassa::SkapaNyPost()
{
}

void frmKassa::GåTillNästaKvitto()
{
}

void frmKassa::visaFilfel(const FileResult& result)
{
}

