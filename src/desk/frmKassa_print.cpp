#include "desk/frmKassa.h"

// Placeholder bodies, replaced as the desk is built.

void frmKassa::SkrivUtKvitto()
{
}

