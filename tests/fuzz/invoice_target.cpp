// The collective invoice's totals fuzzed: any visit records, any code lists, any range. The
// indexed computation must give exactly what the row-by-row walk of the rule gives: the counts,
// the three sums and the receipts named in the warning.

#include "targets.h"

#include "reports/samlings_reference.h"
#include "reports/samlingssummor.h"

#include <QStringList>

namespace fuzztargets {

namespace {

// Small enough for the walk, which visits every row for every receipt, to stay quick.
constexpr int MaxTariffBytes = 64 * 5;
constexpr int MaxProcedureBytes = 64 * 8;
constexpr int MaxVisits = 200;

QString shown(const samlingsrakning::Summor& s)
{
    const auto count = [](const std::optional<int>& v) { return v ? QString::number(*v) : QStringLiteral("-"); };
    QStringList named;
    for (int r : s.ofullständiga)
        named += QString::number(r);
    return QStringLiteral("%1|%2|%3 %4 %5|%6|%7")
        .arg(count(s.antalBehandlingar), count(s.frikort))
        .arg(s.patientavgifter)
        .arg(s.behandlingsavgifter)
        .arg(s.summaErsättning)
        .arg(named.join(QLatin1Char(',')), count(s.överslagVid));
}

} // namespace

// Bytes 0 and 1: the lengths of the tariff and procedure lists (as shares of their largest);
// bytes 2 and 3: From and To; then the tariff list, the procedure list and the visit records.
QString invoiceTotals(QByteArrayView bytes)
{
    if (bytes.size() < 4)
        return {};
    const auto byte = [&](int i) { return int(static_cast<unsigned char>(bytes[i])); };
    QByteArrayView rest = bytes.sliced(4);
    const qsizetype tariffBytes = qMin<qsizetype>(rest.size(), byte(0) * MaxTariffBytes / 255);
    const QByteArray tariffs = rest.first(tariffBytes).toByteArray();
    rest = rest.sliced(tariffBytes);
    const qsizetype procedureBytes = qMin<qsizetype>(rest.size(), byte(1) * MaxProcedureBytes / 255);
    const QByteArray procedures = rest.first(procedureBytes).toByteArray();
    rest = rest.sliced(procedureBytes);

    VisitTable visits;
    for (qsizetype at = 0; at + VisitRecord::Size <= rest.size() && visits.upperBound() < MaxVisits;
         at += VisitRecord::Size)
        visits.records().append(VisitRecord::fromBytes(rest.sliced(at, VisitRecord::Size)));

    // From and To reach a little past both ends of the table, as a typed range may.
    const int from = byte(2) - 2;
    const int to = byte(3) - 2;
    const TariffTable tariffTable = codetables::tariffTable(tariffs);
    const ProcedureTable procedureTable = codetables::procedureTable(procedures);
    const samlingsrakning::Summor indexed =
        samlingsrakning::BeräknaSummor(visits, tariffTable, procedureTable, from, to);
    const samlingsrakning::Summor walked =
        samlingsreferens::radFörRad(visits, tariffTable, procedureTable, qMax(from, 1), qMin(to, visits.upperBound()));
    if (shown(indexed) != shown(walked))
        return QStringLiteral("receipts %1..%2: %3 instead of %4").arg(from).arg(to).arg(shown(indexed), shown(walked));
    return {};
}

} // namespace fuzztargets
