#include "desk/frmKassa.h"

// The desk's menus and the controls that act as mode switches. The check marks of the three
// menu pairs are the modes themselves: nothing else remembers which one is chosen, so each
// handler sets both marks of its pair and leaves the rest to the Lagra… procedure that reads
// them at registration.

// --- Arkiv ---

// The secondary windows are built by whoever assembles the program; until they are, the entries
// do nothing rather than fail.
void frmKassa::mnuARV_Click()
{
    if (visaARV)
        visaARV();
}

void frmKassa::mnuSamlingsräkning_Click()
{
    if (visaSamlingsräkning)
        visaSamlingsräkning();
}

// Every registration has written the visit file before its event ended, so there is nothing to
// save and nothing to ask, even with a visit half typed: what was never registered was never
// meant to be kept.
void frmKassa::mnuAvsluta_Click()
{
    app().quit();
}

// Two entries of the menu without an action: the layout shows them greyed out, and a choice of
// either changes nothing.
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

// --- Alternativ ---

void frmKassa::mnuInställningar_Click()
{
    if (visaInställningar)
        visaInställningar();
}

// The choice holds for this desk only: the settings keep their Skatt, which comes back at the
// next activation or new receipt.
void frmKassa::mnuSkatt_Click(int index)
{
    markera(mnuSkatt, index);
    LagraSkatt();
}

void frmKassa::markera(const std::array<ui::MenuItem*, 2>& par, int index)
{
    par[0]->setChecked(index == 0);
    par[1]->setChecked(index == 1);
}

// --- Controls that switch a mode ---

void frmKassa::optBesök_Click(int /*index*/)
{
    LagraBesökstyp();
}

void frmKassa::chkSmittskydd_Click()
{
    LagraSmittskydd();
}

void frmKassa::lstTaxekod_Click()
{
    LagraTaxekod();
}

void frmKassa::lstRemissTill_Click()
{
    LagraRemissTill();
}
