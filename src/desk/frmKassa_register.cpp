#include "desk/frmKassa.h"

#include "data/visitfile.h"
#include "desk/visitchecks.h"
#include "vocabulary/messages.h"

using namespace Qt::StringLiterals;

// "Registrera": the desk becomes a visit record under the receipt number it shows, the whole
// visit file is written, the receipt printed and the next receipt opened when asked, and the
// file is read back so the table holds exactly what is stored.

namespace {

// The mouse pointer is the hourglass for as long as the registration runs, and back to the
// arrow however it ends.
class Timglas {
public:
    explicit Timglas(ui::Screen& screen) : m_screen(screen)
    {
        m_screen.setMousePointer(ui::Pointer::Hourglass);
    }
    ~Timglas() { m_screen.setMousePointer(ui::Pointer::Default); }
    Timglas(const Timglas&) = delete;
    Timglas& operator=(const Timglas&) = delete;

private:
    ui::Screen& m_screen;
};

} // namespace

// Check, store, save, then print and open the next receipt. Every refusal comes before the
// table is touched; nothing is printed and no new receipt opened unless the visit is on disk.
void frmKassa::cmdRegistrera_Click()
{
    Timglas timglas(screen());

    if (chkDubletter.value() == 1)
        LetaDubblett(); // only a warning: the registration goes on whatever it says

    int kvittonummer = 0;
    if (!KontrolleraIdentitet() || !BekräftaMakulering() || !KontrolleraKvittonummer(kvittonummer)
        || !KontrolleraListorna())
        return;

    LagraAllt();
    LagraBesök(kvittonummer);

    // After a failure the table is read back, so the desk holds what the file holds, and the
    // desk keeps what was typed so the registration can be tried again.
    if (const FileResult sparat = visitfile::SparaBesöksFil(m_program.folder, m_besök, m_program.saveObserver);
        !sparat) {
        dialogs().message(u"OBS! Besöket är inte registrerat!\n"_s + sparat.error);
        läsBesöksFilen();
        return;
    }

    if (chkKvitto.value() == 1)
        SkrivUtKvitto(kvittonummer);

    // The new receipt comes after the last record of the file, not after the one just
    // registered: re-registering an older receipt shortens the table to it, and opening the one
    // after it would show a stored visit as empty and overwrite it at the next registration. So
    // the file is read back first and SkapaNyPost opens the number after its last record
    // (beyond 32767 it tells so and opens nothing). Without the file's true length the new
    // number could be a stored one: then none is opened.
    if (chkNypost.value() == 1) {
        if (!läsBesöksFilen())
            return;
        SkapaNyPost();
    }
    läsBesöksFilen();
}

// The personnummer, the kombikakod and the reserve number. A visit may be registered without a
// personnummer (an infection-control visit always is) when the receptionist says so; then the
// kombikakod's length is not asked for either. A wrong reserve number only warns.
bool frmKassa::KontrolleraIdentitet()
{
    using namespace fieldchecks;
    bool kombikakodensLängd = true;
    if (trimBlanks(txtPersonnummer.text()).isEmpty()) {
        if (dialogs().message(text::IngetPersonnummer, ui::Buttons::YesNo) != ui::Answer::Yes) {
            txtPersonnummer.setFocus();
            return false;
        }
        kombikakodensLängd = false;
    } else if (vägra(txtPersonnummer, personnummer(txtPersonnummer.text()))) {
        return false;
    }
    if (vägra(txtKombikakod, kombikakodVidRegistrering(txtKombikakod.text(), kombikakodensLängd)))
        return false;
    txtReservnummer_LostFocus();
    return true;
}

// Before the first activation the desk shows no receipt (its label reads "0"): nothing can be
// stored under it.
bool frmKassa::KontrolleraKvittonummer(int& kvittonummer)
{
    if (!m_kvitto || *m_kvitto < 1) {
        dialogs().message(u"OBS! Kvittonummer \"%1\" går inte att registrera!\n"
                          u"Ett kvittonummer är ett tal från 1 till %2."_s
                              .arg(lblKvittoNr.caption())
                              .arg(VisitTable::MaxRecords));
        return false;
    }
    kvittonummer = *m_kvitto;
    return true;
}

// The fee and the procedure's amount come from the rows the lists select: with no row (a
// settings index of "-1"), or a row the code file no longer has, there is nothing to store.
bool frmKassa::KontrolleraListorna()
{
    const auto vald = [this](ui::ListBox& lista, int rader, const QString& ingen,
                             const QString& borta) {
        if (lista.listIndex() < 0)
            return !vägra(lista, ingen);
        if (lista.listIndex() >= rader)
            return !vägra(lista, borta);
        return true;
    };
    return vald(lstTaxekod, m_taxor.count(), u"OBS! Du har inte valt någon taxekod i listan Taxekod!"_s,
                u"OBS! Den valda taxekoden i listan Taxekod finns inte längre i Taxa.txt!"_s)
        && vald(lstÅtgärd, m_åtgärder.count(), u"OBS! Du har inte valt någon åtgärd i listan Åtgärd!"_s,
                u"OBS! Den valda åtgärden i listan Åtgärd finns inte längre i Åtgärd.txt!"_s);
}

// Every desk value from the desk as it stands, in the order the record's computed fields need.
void frmKassa::LagraAllt()
{
    LagraSkatt();
    LagraIdNummer();
    LagraKvittonummer();
    LagraTaxekod();
    LagraRegistreringstyp();
    LagraBesökstyp();
    LagraÅtgärd();
    LagraSmittskydd();
    LagraRemissTill();
    LagraPatientavgift();
    LagraÅtgärdsbelopp();
    LagraEjBetPatAvg();
}

// Reads the visit file back into the table; a failure is told, and the table stays as it was.
bool frmKassa::läsBesöksFilen()
{
    const FileResult läst = visitfile::HämtaBesöksFil(m_program.folder, m_besök);
    if (!läst)
        dialogs().message(meddelande::besöksfilenKundeInteLäsas(läst.error));
    return läst.ok;
}
