#include "desk/frmKassa.h"

#include "vocabulary/characters.h"

#include <cmath>
#include <optional>

using namespace Qt::StringLiterals;

// The patient's receipt, "Läkarvårdsräkning": one page, printed right after the visit was
// written to the visit file. Every value is taken from the desk as it stands now; nothing is
// read from the visit table, so a voiding prints the page with its own receipt number.

namespace {


// Half a width, to the nearest whole twip, an exact half to the even neighbour: the lines must
// sit where the clinics' preprinted forms expect them, to the twip.
double halva(double twips) { return std::nearbyint(twips / 2.0); }

// A position in whole twips, an exact half to the even neighbour.
int heltal(double twips) { return int(std::nearbyint(twips)); }

QString inställning(const Program& program, SettingsField fält)
{
    return characters::trimBlanks(program.Inställningar.text(fält));
}

// Centres `rad` on the page in the font in effect, at height `y`, and prints it.
void skrivCentrerad(ui::Printer& p, const QString& rad, int y)
{
    p.setCurrentX(heltal(p.scaleWidth() / 2.0 - halva(p.textWidth(rad))));
    p.setCurrentY(y);
    p.printLine(rad);
}

// One line of the lower part: position first, then the line's font, then the text.
void skrivRad(ui::Printer& p, int y, const QString& rad, std::optional<bool> fet = {},
              std::optional<double> storlek = {})
{
    p.setCurrentX(1000);
    p.setCurrentY(y);
    if (fet)
        p.setFontBold(*fet);
    if (storlek)
        p.setFontSize(*storlek);
    p.printLine(rad);
}

} // namespace

void frmKassa::SkrivUtKvitto(int kvittonummer)
{
    ui::Printer& p = printer();
    const QString titel = u"Läkarvårdsräkning"_s;
    p.beginDocument(u"Kvitto "_s + QString::number(kvittonummer));

    // The title is measured before its own font is set, in whatever font the printer has now,
    // and printed in its own font from there: its place on the form depends on that order.
    p.setCurrentX(heltal(p.scaleWidth() / 2.0 - halva(p.textWidth(titel)) - 500));
    p.setFontBold(true);
    p.setFontSize(16);
    p.setFontUnderline(true);
    p.setCurrentY(500);
    p.printLine(titel);

    p.setFontBold(false);
    p.setFontSize(12);
    p.setFontUnderline(false);
    skrivCentrerad(p,
                   inställning(m_program, SettingsField::Namn) + u", "_s
                       + inställning(m_program, SettingsField::Klinik),
                   1500);
    skrivCentrerad(p,
                   inställning(m_program, SettingsField::Adress) + u", "_s
                       + inställning(m_program, SettingsField::Postadress) + u", "_s
                       + inställning(m_program, SettingsField::Telefon),
                   1800);

    const QString pnr = txtPersonnummer.text();
    skrivRad(p, 3000, u"Personnummer:"_s + u" "_s + pnr.mid(0, 8) + u"-"_s + pnr.mid(8, 4));
    skrivRad(p, 3500, u"Kvittonummer:"_s + u" "_s + QString::number(kvittonummer));
    skrivRad(p, 4000, u"Besöksdatum:"_s + u"  "_s + txtBesöksDatum.text());
    skrivRad(p, 5000, u"Patientavgift:"_s + lblPatientavgift.caption(), true, 14);
    skrivRad(p, 6000, u"Vårdgivarens sign:........."_s, false, 10);
    skrivRad(p, 6600, QString(76, QLatin1Char('_')), true, 14);
    skrivRad(p, 7000,
             u"Intyg om behov av särskiltfärdsätt: O Taxi, O Enkel, O T.o.r. , O Egen bil"_s,
             false, 10);
    skrivRad(p, 7500, u"Läkarens Namnteckning:"_s + QString(54, QLatin1Char('.')));

    // The visit is already on disk: whatever becomes of the page, nothing is lost, and the
    // receptionist is told where the page went or why it did not come out.
    meddelaUtskrift(p.endDocument(), u"Kvittot"_s, u"Besöket är sparat."_s);
}
