#include "desk/frmKassa.h"

#include "data/fixedtext.h"
#include "data/numbers.h"

using namespace Qt::StringLiterals;

// Voiding a receipt: the mode menu, the number of the receipt to void, the F3 lookup that
// copies that receipt onto the desk, and the question asked before a doubtful voiding is stored.
// The voiding record itself is stored by "Registrera" like any visit, with Registreringstyp "2"
// and the voided receipt's number in Kvittonummer.

namespace {

constexpr int KeyF3 = 114;

bool baraSiffror(const QString& text)
{
    for (QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

} // namespace

// Both marks are set before LagraRegistreringstyp reads them; it shows or hides the voiding
// field and its label.
void frmKassa::mnuNyReg_Click(int index)
{
    mnuNyReg[0]->setChecked(index == 0);
    mnuNyReg[1]->setChecked(index != 0);
    LagraRegistreringstyp();
}

// F3 copies the receipt to void onto the desk, so that the voiding record carries its codes and
// cancels it in every total. Only a number that names an entry of the table is looked up; any
// other text leaves the desk exactly as it is, since there is nothing sensible to copy.
void frmKassa::txtMakulering_KeyDown(int& keyCode, int /*shift*/)
{
    if (keyCode != KeyF3)
        return;
    const std::optional<int> n = receiptNumber(txtMakulering.text());
    if (!n || !m_besök.contains(*n))
        return;
    // A copy: the display reads the code files afresh and must not see the table move under it.
    const VisitRecord r = m_besök[*n];
    VisaPost(r, /*förMakulering=*/true);
    keyCode = 0;
}

// The number must be digits only. A blank inside the digits is judged as a non-digit; only blanks
// around otherwise good digits get their own message. Nothing in the box is changed.
void frmKassa::txtMakulering_LostFocus()
{
    const QString t = txtMakulering.text();
    const QString kärna = fixedtext::trimBlanks(t);
    if (kärna.isEmpty())
        return;
    if (!baraSiffror(kärna)) {
        dialogs().message(u"OBS! Endst siffror får användas!"_s);
        txtMakulering.setFocus();
        return;
    }
    if (t.contains(QLatin1Char(' '))) {
        dialogs().message(u"OBS! Mellanslag är ej tillåtet!"_s);
        txtMakulering.setFocus();
    }
}

// Asked at registration in voiding mode, after the field checks and before anything is stored.
// A voiding of something that is no visit, or of a visit already voided, makes the totals and
// the county council's report wrong; it may still be what the clinic wants (a voiding that has
// to be redone), so the receptionist decides. The entry under the desk's own receipt number is
// left out of the search for earlier voidings: registering there replaces it. For the same
// reason a voiding of the receipt shown would overwrite the visit it voids, and is asked about.
bool frmKassa::BekräftaMakulering()
{
    if (!mnuNyReg[1]->checked())
        return true;

    const QString typed = fixedtext::trimBlanks(txtMakulering.text());
    const std::optional<int> här = receiptNumber(lblKvittoNr.caption());
    QString fråga;

    if (typed.isEmpty()) {
        fråga = u"OBS! Du har ej skrivit in något kvittonummer att makulera!\n"
                  u"Vill Du fortsätta ändå?"_s;
    } else {
        const std::optional<int> n = receiptNumber(typed);
        const VisitRecord* r = n && m_besök.contains(*n) ? &m_besök[*n] : nullptr;
        const QString namn = n ? QString::number(*n) : typed;
        if (r && r->isStoredReceipt() && här && *n == *här) {
            // Stored under its own number, the voiding would replace the very receipt it voids.
            fråga = u"OBS! Kvittonr %1 är det kvitto som visas och skrivs över av makuleringen!\n"
                      u"Vill Du makulera det ändå?"_s.arg(namn);
        } else if (!r || !r->isStoredReceipt()) {
            fråga = u"OBS! Kvittonr %1 är inget registrerat besök!\n"
                      u"Vill Du makulera det ändå?"_s.arg(namn);
        } else if (r->text(VisitField::Registreringstyp) == QLatin1String("2")) {
            fråga = u"OBS! Kvittonr %1 är självt en makulering!\n"
                      u"Vill Du makulera det ändå?"_s.arg(namn);
        } else {
            for (int k = 1; k <= m_besök.upperBound(); ++k) {
                if (här && k == *här)
                    continue;
                const VisitRecord& v = m_besök[k];
                if (v.text(VisitField::Registreringstyp) != QLatin1String("2"))
                    continue;
                if (receiptNumber(v.text(VisitField::Kvittonummer)) == n) {
                    fråga = u"OBS! Kvittonr %1 är redan makulerat med kvittonr %2!\n"
                              u"Vill Du makulera det igen?"_s.arg(namn).arg(k);
                    break;
                }
            }
        }
    }

    if (fråga.isEmpty())
        return true;
    if (dialogs().message(fråga, ui::Buttons::YesNo) == ui::Answer::Yes)
        return true;
    txtMakulering.setFocus();
    return false;
}
