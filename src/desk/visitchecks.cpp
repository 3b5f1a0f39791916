#include "desk/visitchecks.h"

#include "vocabulary/codes.h"
#include "vocabulary/receiptnumber.h"

namespace fieldchecks {

int dubbletter(const VisitTable& besök, std::optional<int> kvitto, const QString& personnummer,
               const QString& datum)
{
    if (!kvitto || *kvitto != besök.upperBound())
        return 0;
    int antal = 0;
    for (const VisitRecord& r : besök.records())
        if (datum == r.text(VisitField::Besöksdatum) && personnummer == r.text(VisitField::IdNummer))
            ++antal;
    return antal;
}

Message makuleringsfråga(const QString& typed, std::optional<int> här, const VisitTable& besök)
{
    using namespace Qt::StringLiterals;
    if (trimBlanks(typed).isEmpty())
        return u"OBS! Du har ej skrivit in något kvittonummer att makulera!\n"
               u"Vill Du fortsätta ändå?"_s;
    const std::optional<int> n = receiptNumber(typed);
    const QString namn = n ? QString::number(*n) : trimBlanks(typed);
    const VisitRecord* r = n && besök.contains(*n) ? &besök[*n] : nullptr;
    if (!r || !r->isStoredReceipt())
        return u"OBS! Kvittonr %1 är inget registrerat besök!\nVill Du makulera det ändå?"_s.arg(namn);
    if (här && *n == *här)
        return u"OBS! Kvittonr %1 är det kvitto som visas och skrivs över av makuleringen!\n"
               u"Vill Du makulera det ändå?"_s.arg(namn);
    if (r->text(VisitField::Registreringstyp) == kod::Makulering)
        return u"OBS! Kvittonr %1 är självt en makulering!\nVill Du makulera det ändå?"_s.arg(namn);
    for (int k = 1; k <= besök.upperBound(); ++k) {
        if (här && k == *här)
            continue;
        const VisitRecord& v = besök[k];
        if (v.text(VisitField::Registreringstyp) == kod::Makulering
            && receiptNumber(v.text(VisitField::Kvittonummer)) == n)
            return u"OBS! Kvittonr %1 är redan makulerat med kvittonr %2!\n"
                   u"Vill Du makulera det igen?"_s.arg(namn).arg(k);
    }
    return {};
}

} // namespace fieldchecks
