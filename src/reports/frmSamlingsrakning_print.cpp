#include "reports/frmSamlingsrakning.h"

#include <cmath>

using namespace Qt::StringLiterals;

// The printed collective invoice: one page, the totals of the range in the boxes. The labels on
// the screen are left as they are.

namespace {

// A number as it stands between the texts of a line: a blank in front (the minus sign in its
// place when negative) and a blank after.
QString tal(qint64 värde)
{
    return (värde < 0 ? QString::number(värde) : u" "_s + QString::number(värde)) + u" "_s;
}

// An unset count prints as nothing at all.
QString tal(const std::optional<int>& värde)
{
    return värde ? tal(qint64(*värde)) : QString();
}

// W/2 − w/2 − 1000, to the nearest whole twip.
int centreratVänster(const ui::Printer& p, int bredd)
{
    return int(std::nearbyint(p.scaleWidth() / 2.0 - bredd / 2.0 - 1000));
}

void skrivRad(ui::Printer& p, int x, int y, const QString& rad)
{
    p.setCurrentX(x);
    p.setCurrentY(y);
    p.printLine(rad);
}

} // namespace

void frmSamlingsräkning::SkrivUtSamlingsräkning()
{
    Intervall intervall;
    const std::optional<samlingsrakning::Summor> summor = BeräknaSummor(intervall);
    if (!summor)
        return;

    ui::Printer& p = printer();
    p.beginDocument(u"Samlingsräkning %1-%2"_s.arg(intervall.från).arg(intervall.till));

    // The title is measured in the font the printer has before the title's own is set, and the
    // date line in the title's font at 16 points: the page has always been laid out so.
    const QString titel = u"Samlingsräkning"_s;
    p.setCurrentX(centreratVänster(p, p.textWidth(titel)));
    p.setFontSize(24);
    p.setFontBold(true);
    p.setFontUnderline(true);
    p.setCurrentY(1000);
    p.printLine(titel);

    const QString datum = u"Utskriftsdatum: "_s + clock().shortDate();
    p.setFontSize(16);
    p.setCurrentX(centreratVänster(p, p.textWidth(datum)));
    p.setFontUnderline(false);
    p.setCurrentY(2000);
    p.printLine(datum);

    p.setFontBold(false);
    skrivRad(p, 0, 4000,
             u"     Kvitto nr fr.o.m :"_s + tal(qint64(intervall.från)) + u"  T.o.m. :"_s
                 + tal(qint64(intervall.till)));
    skrivRad(p, 1000, 5000, u"Antal behandlingar:"_s + tal(summor->antalBehandlingar) + u"st"_s);
    skrivRad(p, 1000, 6000, u"Antal besök med frikort:"_s + tal(summor->frikort) + u"st"_s);
    skrivRad(p, 1000, 7000, u"Summa patientavgifter:"_s + tal(qint64(summor->patientavgifter)) + u"Kr"_s);
    skrivRad(p, 1000, 8000,
             u"Summa behandlingsavgifter:"_s + tal(qint64(summor->behandlingsavgifter)) + u"Kr"_s);
    skrivRad(p, 1000, 9000,
             u"Summa patient- och behandlingsavg. :"_s + tal(qint64(summor->summaErsättning))
                 + u"Kr"_s);

    // Nothing was written anywhere: a page that did not come out is only to be printed again.
    meddelaUtskrift(p.endDocument(), u"Samlingsräkningen"_s,
                    u"Kontrollera skrivaren och tryck på \"Skriv ut på skrivare\" igen."_s);
    VarnaFörOfullständiga(*summor);
}
