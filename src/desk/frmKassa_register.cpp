#include "desk/frmKassa.h"

#include "data/numbers.h"
#include "data/visitfile.h"
#include "desk/fieldchecks.h"

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

// Reads the visit file back into the table; a failure is told, and the table stays as it was.
bool läsBesöksFilen(frmKassa& desk)
{
    const FileResult läst = visitfile::HämtaBesöksFil(desk.program().folder, desk.besök());
    if (!läst)
        desk.dialogs().message(u"OBS! Besöksfilen kunde inte läsas!\n"_s + läst.error);
    return läst.ok;
}

} // namespace

void frmKassa::cmdRegistrera_Click()
{
    Timglas timglas(screen());
    using namespace fieldchecks;

    // Refusing at a field: the message, the focus into the field, nothing stored.
    auto vägra = [this](const QString& meddelande, ui::Control& fält) {
        dialogs().message(meddelande);
        fält.setFocus();
    };

    if (chkDubletter.value() == 1)
        LetaDubblett();

    // A visit may be registered without a personnummer (an infection-control visit always is);
    // then the kombikakod's length is not asked for either.
    bool kombikakodensLängd = true;
    if (trimBlanks(txtPersonnummer.text()).isEmpty()) {
        if (dialogs().message(text::IngetPersonnummer, ui::Buttons::YesNo) != ui::Answer::Yes) {
            txtPersonnummer.setFocus();
            return;
        }
        kombikakodensLängd = false;
    } else if (const Message fel = personnummer(txtPersonnummer.text())) {
        vägra(*fel, txtPersonnummer);
        return;
    }
    if (const Message fel = kombikakodVidRegistrering(txtKombikakod.text(), kombikakodensLängd)) {
        vägra(*fel, txtKombikakod);
        return;
    }
    // Only a warning: the registration goes on whatever it says.
    txtReservnummer_LostFocus();

    if (!BekräftaMakulering())
        return;

    // The caption can say anything after "Gå till...": only a receipt number is stored under.
    const QString kvittoText = lblKvittoNr.caption();
    const std::optional<int> n = receiptNumber(kvittoText);
    if (!n || *n < 1) {
        dialogs().message(u"OBS! Kvittonummer \"%1\" går inte att registrera!\n"
                            u"Ett kvittonummer är ett tal från 1 till %2."_s
                              .arg(kvittoText)
                              .arg(VisitTable::MaxRecords));
        return;
    }

    // The fee and the procedure's amount come from the rows the lists select: with no row (a
    // settings index of "-1"), or a row the code file no longer has, there is nothing to store.
    if (lstTaxekod.listIndex() < 0) {
        vägra(u"OBS! Du har inte valt någon taxekod i listan Taxekod!"_s, lstTaxekod);
        return;
    }
    if (lstTaxekod.listIndex() >= m_taxor.count()) {
        vägra(u"OBS! Den valda taxekoden i listan Taxekod finns inte längre i Taxa.txt!"_s,
              lstTaxekod);
        return;
    }
    if (lstÅtgärd.listIndex() < 0) {
        vägra(u"OBS! Du har inte valt någon åtgärd i listan Åtgärd!"_s, lstÅtgärd);
        return;
    }
    if (lstÅtgärd.listIndex() >= m_åtgärder.count()) {
        vägra(u"OBS! Den valda åtgärden i listan Åtgärd finns inte längre i Åtgärd.txt!"_s,
              lstÅtgärd);
        return;
    }

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
    LagraBesök(*n);

    // Nothing is printed and no new receipt opened unless the visit is safely on disk. After a
    // failure the table is read back, so the desk holds what the file holds, and the desk keeps
    // what was typed so the registration can be tried again.
    const FileResult sparat = visitfile::SparaBesöksFil(m_program.folder, m_besök, m_program.saveObserver);
    if (!sparat) {
        dialogs().message(u"OBS! Besöket är inte registrerat!\n"_s + sparat.error);
        läsBesöksFilen(*this);
        return;
    }

    if (chkKvitto.value() == 1)
        SkrivUtKvitto();

    // The new receipt comes after the last record of the file, not after the one just
    // registered: re-registering an older receipt shortens the table to it, and opening the one
    // after it would show a stored visit as empty and overwrite it at the next registration. So
    // the file is read back first and SkapaNyPost opens the number after its last record
    // (beyond 32767 it tells so and opens nothing). Without the file's true length the new
    // number could be a stored one: then none is opened.
    if (chkNypost.value() == 1) {
        if (läsBesöksFilen(*this))
            SkapaNyPost();
        else
            return;
    }

    läsBesöksFilen(*this);
}
