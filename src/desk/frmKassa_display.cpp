#include "desk/frmKassa.h"

// Placeholder bodies, replaced as the desk is built.

void frmKassa::lblKvittoNr_Change()
{
}

void frmKassa::cmdFöregående_Click()
{
}

void frmKassa::cmdNästa_Click()
{
}

void frmKassa::cmdSök_Click()
{
}

void frmKassa::mnuGåTill_Click()
{
}

void frmKassa::VisaPost(const VisitRecord& r, bool förMakulering)
{
}

