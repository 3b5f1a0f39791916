#include "desk/frmKassa.h"

// Placeholder bodies, replaced as the desk is built.

void frmKassa::mnuNyReg_Click(int index)
{
}

void frmKassa::txtMakulering_KeyDown(int& keyCode, int shift)
{
}

void frmKassa::txtMakulering_LostFocus()
{
}

