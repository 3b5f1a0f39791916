#pragma once

#include "data/visittable.h"
#include "vocabulary/fieldchecks.h"

#include <QString>
#include <optional>

// The desk's checks that look into the stored visits, and its question about a visit without a
// personnummer. The rules for a box's text alone are the vocabulary's (vocabulary/fieldchecks.h).
namespace fieldchecks {

namespace text {
inline const QString Dubblett =
    QStringLiteral("OBS! Detta Personnummer är redan registrerat detta daum!");
inline const QString IngetPersonnummer =
    QStringLiteral("OBS! Du har ej skrivit in något personnummer!") + QLatin1Char('\n')
    + QStringLiteral("Vill Du fortsätta utan Personnummer?") + QLatin1Char('"');
} // namespace text

// The duplicate warning: how many stored visits have this personnummer (all 12 characters,
// trailing blanks included) and this visit date (all 6), compared exactly. Only on the newest
// receipt, `kvitto` when it is the table's last entry: browsing an old receipt would otherwise
// find the receipt itself.
int dubbletter(const VisitTable& besök, std::optional<int> kvitto, const QString& personnummer,
               const QString& datum);

// The question asked before a doubtful voiding is stored, or nothing when the voiding is plain:
// `typed` is the receipt to void as the box holds it, `här` the receipt the voiding is stored
// under, `besök` the visit table. A voiding of nothing, of a receipt that holds no visit, of a
// voiding record, of a receipt voided already (by a record other than the one being replaced),
// or of the receipt shown (which the voiding would overwrite) is asked about.
Message makuleringsfråga(const QString& typed, std::optional<int> här, const VisitTable& besök);

} // namespace fieldchecks
