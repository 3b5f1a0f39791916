#pragma once

#include "data/codetables.h"
#include "data/visittable.h"

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <optional>

// The totals of the collective invoice over a range of receipts: the number of treatments, the
// visits with a free card, the patient fees, the treatment fees and the sum of both.
//
// The fees are not the ones stored in the visit records: every counted receipt's fees are
// looked up again, by its tariff and procedure code, in the code lists as they are now.
namespace samlingsrakning {

// A receipt counts only when its identity number (all 12 characters as stored) is greater than
// this one in plain character order; receipts without a number, or with one beginning with "0",
// are left out.
inline constexpr QByteArrayView LägstaIdNummer = "180001010000";
// The free-card tariff.
inline constexpr QByteArrayView FrikortTaxa = "06";

struct Summor {
    // Unset as long as no receipt has changed them (shown and printed as empty text).
    std::optional<int> antalBehandlingar;
    std::optional<int> frikort;
    qint32 patientavgifter = 0;
    qint32 behandlingsavgifter = 0;
    qint32 summaErsättning = 0;

    // Receipts added to or subtracted from the sums, in order, whose tariff or procedure code has
    // no row in its list, or whose fee or amount there is not a number (codetables::kronor, the
    // rule the desk's start-up warning reads by): their totals may not be what the clinic means
    // to invoice. A missing code keeps the fee of the last receipt whose code was found; a fee
    // that is not a number counts as 0.
    QList<int> ofullständiga;

    // The receipt at which a sum left the 32-bit range; the sums are then of no use.
    std::optional<int> överslagVid;
};

// Totals over receipts `från`..`till` of `besök` (receipts outside the table are left out; an
// empty range gives the start values). Each code list is indexed once, so the time grows with
// the receipts plus the rows rather than with their product; the results are those of walking
// every row of both lists for every receipt, where the last matching row gives the fee and
// every matching free-card row counts.
Summor BeräknaSummor(const VisitTable& besök, const TariffTable& taxor,
                     const ProcedureTable& åtgärder, int från, int till);

} // namespace samlingsrakning
