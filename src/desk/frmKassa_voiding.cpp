#include "desk/frmKassa.h"

#include "vocabulary/receiptnumber.h"
#include "desk/deskcodes.h"
#include "desk/visitchecks.h"
#include "vocabulary/codes.h"

// Voiding a receipt: the mode menu, the number of the receipt to void, the F3 lookup that
// copies that receipt onto the desk, and the question asked before a doubtful voiding is stored.
// The voiding record itself is stored by "Registrera" like any visit, with Registreringstyp "2"
// and the voided receipt's number in Kvittonummer.

// Both marks are set before LagraRegistreringstyp reads them; it shows or hides the voiding
// field and its label.
void frmKassa::mnuNyReg_Click(int index)
{
    markera(mnuNyReg, index);
    LagraRegistreringstyp();
}

// F3 copies the receipt to void onto the desk, so that the voiding record carries its codes and
// cancels it in every total. Only a number that names an entry of the table is looked up; any
// other text leaves the desk exactly as it is, since there is nothing sensible to copy. The
// number is read by its value, as it is stored: "000000010" looks up receipt 10.
void frmKassa::txtMakulering_KeyDown(int& keyCode, int /*shift*/)
{
    if (keyCode != tangent::F3)
        return;
    const std::optional<int> n = receiptNumber(txtMakulering.text());
    if (!n || !m_besök.contains(*n))
        return;
    // A copy: the display reads the code files afresh and must not see the table move under it.
    const VisitRecord r = m_besök[*n];
    VisaPost(r, /*förMakulering=*/true);
    keyCode = 0;
}

void frmKassa::txtMakulering_LostFocus()
{
    vägra(txtMakulering, fieldchecks::makuleratKvitto(txtMakulering.text()));
}

// Asked at registration in voiding mode, after the field checks and before anything is stored.
// A voiding of something that is no visit, or of a visit already voided, makes the totals and
// the county council's report wrong; it may still be what the clinic wants (a voiding that has
// to be redone), so the receptionist decides. The box is checked once more first: the display
// of a stored voiding record fills it from code, and only a receipt number may be stored.
bool frmKassa::BekräftaMakulering()
{
    if (!mnuNyReg[1]->checked())
        return true;
    const QString nummer = txtMakulering.text();
    if (vägra(txtMakulering, fieldchecks::makuleratKvitto(nummer)))
        return false;
    const fieldchecks::Message fråga =
        fieldchecks::makuleringsfråga(nummer, m_kvitto, m_besök);
    if (!fråga || dialogs().message(*fråga, ui::Buttons::YesNo) == ui::Answer::Yes)
        return true;
    txtMakulering.setFocus();
    return false;
}
