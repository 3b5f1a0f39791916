#include "desk/frmKassa.h"

#include "vocabulary/codes.h"

// The identity rows inside the frame "Personregistrering": the personnummer row alone, or the
// reserve number with the birth date, or no identity at all for an infection-control visit. The
// menu pair "Personnummer" / "Reservnummer" carries the identity type as its check mark. Every
// event that changes the rows (the display of a receipt, the menu pair, the infection-control
// box) says what it wants shown through one Identitetsrader, and VisaIdentitetsrader applies it.

namespace {

// The frame holds one row (the personnummer) or two (the reserve number and the birth date).
constexpr int RamEnRad = 850;
constexpr int RamTvåRader = 1400;
// The tops of the frame's first and second rows.
constexpr int FörstaRaden = 360;
constexpr int AndraRaden = 840;

} // namespace

// Marks first, then the boxes, then the focus: a box must be shown and enabled before it can
// take the focus.
void frmKassa::VisaIdentitetsrader(const Identitetsrader& rader)
{
    if (rader.markerad)
        markera(mnuIdTyp, *rader.markerad);
    if (rader.menyAktiv)
        for (ui::MenuItem* item : mnuIdTyp)
            item->setEnabled(*rader.menyAktiv);

    const auto visa = [](const Rad& rad, ui::TextBox& box, ui::Label& label) {
        if (rad.text)
            box.setText(*rad.text);
        if (rad.aktiv)
            box.setEnabled(*rad.aktiv);
        if (rad.visas) {
            box.setVisible(*rad.visas);
            label.setVisible(*rad.visas);
        }
    };
    visa(rader.personnummer, txtPersonnummer, lblPersonnummer);
    visa(rader.reservnummer, txtReservnummer, lblReservnummer);
    visa(rader.födelsedatum, txtFödelsedatum, lblFödelsedatum);

    if (rader.reservraderUppåt) {
        txtReservnummer.setTop(FörstaRaden);
        lblReservnummer.setTop(FörstaRaden);
        txtFödelsedatum.setTop(AndraRaden);
        lblFödelsedatum.setTop(AndraRaden);
    }
    if (rader.ramhöjd)
        Frame1.setHeight(*rader.ramhöjd);
    if (rader.fokus)
        rader.fokus->setFocus();
}

// A personnummer receipt shows its number in the one row; the hidden reserve rows move up into
// the first two rows of the frame. A reserve-number receipt shows both reserve rows with the
// number (the birth date is the display's). A receipt without an identity shows an empty
// personnummer row and leaves the focus where it is.
frmKassa::Identitetsrader frmKassa::identitetFör(const QString& idTyp, const QString& idNummer)
{
    const Rad borta{false, false, QString()};
    if (idTyp == kod::Personnummer)
        return {.markerad = 0,
                .personnummer = {true, true, idNummer},
                .reservnummer = borta,
                .födelsedatum = borta,
                .reservraderUppåt = true,
                .ramhöjd = RamEnRad,
                .fokus = &txtPersonnummer};
    if (idTyp == kod::Reservnummer)
        return {.markerad = 1,
                .personnummer = borta,
                .reservnummer = {true, true, idNummer},
                .födelsedatum = {true, true, {}},
                .ramhöjd = RamTvåRader,
                .fokus = &txtReservnummer};
    return {.markerad = 0,
            .personnummer = {true, true, QString()},
            .reservnummer = borta,
            .födelsedatum = borta,
            .ramhöjd = RamEnRad};
}

// The box that comes in keeps what it holds; the one that goes away is emptied as it is hidden,
// so a half-typed number in it is dropped without a message (its focus-loss check runs when the
// event ends and finds it empty). The rows stay where they stand.
frmKassa::Identitetsrader frmKassa::identitetsval(int index)
{
    const Rad borta{false, false, QString()};
    if (index == 0)
        return {.markerad = 0,
                .personnummer = {true, true, {}},
                .reservnummer = borta,
                .födelsedatum = borta,
                .ramhöjd = RamEnRad,
                .fokus = &txtPersonnummer};
    return {.markerad = 1,
            .personnummer = borta,
            .reservnummer = {true, true, {}},
            .födelsedatum = {true, true, {}},
            .ramhöjd = RamTvåRader,
            .fokus = &txtReservnummer};
}

frmKassa::Identitetsrader frmKassa::utanIdentitet(bool födelsedatumDolt)
{
    const Rad borta{false, false, QString()};
    return {.markerad = -1,
            .menyAktiv = false,
            .personnummer = borta,
            .reservnummer = borta,
            .födelsedatum = {födelsedatumDolt ? std::optional<bool>(false) : std::nullopt, false,
                             QString()}};
}

void frmKassa::mnuIdTyp_Click(int index)
{
    VisaIdentitetsrader(identitetsval(index));
}
