// The collective invoice at its largest: 32767 receipts against a tariff list of 6553 rows and a
// procedure list of 4096 rows, beside the plain way of computing the same totals in the same
// run: walking every row of both lists for every receipt. "measured_us" is the invoice,
// "baseline_us" the walk, and "speedup" how many times faster the invoice is. Totals that differ
// from the walk's fail the benchmark.

#include "benchsupport.h"
#include "reports/samlingssummor.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstring>
#include <random>

namespace {

using samlingsrakning::Summor;

struct Data {
    VisitTable besök;
    TariffTable taxor;
    ProcedureTable åtgärder;
};

QByteArray kod(std::mt19937& slump, int längd)
{
    static const char tecken[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    QByteArray s;
    for (int i = 0; i < längd; ++i)
        s += tecken[std::uniform_int_distribution<int>(0, 35)(slump)];
    return s;
}

// Lists at their largest, with the duplicate codes that 2-character tariff codes force and a
// free-card row every 50 rows; receipts whose codes are mostly in the lists, some not, a
// voiding every 37 receipts and a receipt without identity number every 101.
const Data& data()
{
    static const Data d = [] {
        std::mt19937 slump(32767);
        QByteArray taxa, åtgärd;
        for (int i = 0; i < codetables::MaxTariffRows; ++i)
            taxa += (i % 50 == 0 ? QByteArray("06") : kod(slump, 2))
                    + QByteArray::number(i % 400).rightJustified(3);
        for (int i = 0; i < codetables::MaxProcedureRows; ++i)
            åtgärd += kod(slump, 4) + QByteArray::number(400 + i % 5000).rightJustified(4);
        Data d{{}, codetables::tariffTable(taxa), codetables::procedureTable(åtgärd)};
        for (int k = 1; k <= VisitTable::MaxRecords; ++k) {
            VisitRecord r;
            r.setRaw(VisitField::Registreringstyp, k % 37 == 0 ? "2" : "1");
            r.setRaw(VisitField::Kvittonummer, QByteArray::number(k).rightJustified(8, '0'));
            r.setRaw(VisitField::IdNummer, k % 101 == 0 ? "" : "191212121212");
            const int t = std::uniform_int_distribution<int>(0, codetables::MaxTariffRows - 1)(slump);
            const int a = std::uniform_int_distribution<int>(0, codetables::MaxProcedureRows - 1)(slump);
            r.setRaw(VisitField::Taxekod, k % 53 == 0 ? QByteArrayView("@@") : d.taxor.Taxekod.bytes(t));
            r.setRaw(VisitField::Åtgärd,
                     k % 59 == 0 ? QByteArrayView("@@@@") : d.åtgärder.Åtgärd.bytes(a));
            d.besök.records().append(r);
        }
        return d;
    }();
    return d;
}

// Every row of both lists for every receipt, the last matching row giving the fee and every
// matching free-card row counting. Rows are compared as their bytes, so the walk spends its
// time on the walking.
Summor radFörRad(const Data& d)
{
    Summor s;
    double pat = 0, beh = 0;
    for (int r = 1; r <= d.besök.upperBound(); ++r) {
        const VisitRecord& post = d.besök[r];
        if (!(post.raw(VisitField::IdNummer) > "180001010000"))
            continue;
        const QByteArray typ = post.raw(VisitField::Registreringstyp);
        const QByteArray taxekod = post.raw(VisitField::Taxekod);
        const QByteArray åtgärd = post.raw(VisitField::Åtgärd);
        const int t = typ == "1" ? 1 : typ == "2" ? -1 : 0;
        for (int i = 0; i < d.taxor.count(); ++i) {
            if (d.taxor.Taxekod.bytes(i) != taxekod)
                continue;
            pat = codetables::kronor(d.taxor.Patientavgift.bytes(i)).value_or(0);
            if (d.taxor.Taxekod.bytes(i) == "06" && t != 0)
                s.frikort = s.frikort.value_or(0) + t;
        }
        for (int j = 0; j < d.åtgärder.count(); ++j)
            if (d.åtgärder.Åtgärd.bytes(j) == åtgärd)
                beh = codetables::kronor(d.åtgärder.Åtgärdsbelopp.bytes(j)).value_or(0) - pat;
        if (t == 0)
            continue;
        s.patientavgifter = qint32(std::nearbyint(s.patientavgifter + t * pat));
        s.behandlingsavgifter = qint32(std::nearbyint(s.behandlingsavgifter + t * beh));
        s.antalBehandlingar = s.antalBehandlingar.value_or(0) + t;
        s.summaErsättning = s.patientavgifter + s.behandlingsavgifter;
    }
    return s;
}

bool lika(const Summor& a, const Summor& b)
{
    return a.antalBehandlingar == b.antalBehandlingar && a.frikort == b.frikort
        && a.patientavgifter == b.patientavgifter && a.behandlingsavgifter == b.behandlingsavgifter
        && a.summaErsättning == b.summaErsättning;
}

void BM_Samlingsräkning(benchmark::State& state)
{
    const Data& d = data();
    const int sista = d.besök.upperBound();
    Summor snabb, långsam;
    bench::pairedTimed(
        state,
        [&] {
            return bench::secondsOf(
                [&] { snabb = samlingsrakning::BeräknaSummor(d.besök, d.taxor, d.åtgärder, 1, sista); });
        },
        [&] { return bench::secondsOf([&] { långsam = radFörRad(d); }); });
    if (!lika(snabb, långsam) || !snabb.antalBehandlingar || !snabb.frikort) {
        state.SkipWithError("the invoice's totals differ from the row-by-row walk");
        return;
    }
    const double ratio = state.counters["ratio"];
    state.counters["speedup"] = ratio > 0 ? 1 / ratio : 0;
    state.counters["treatments"] = *snabb.antalBehandlingar;
    state.counters["patient_fees"] = snabb.patientavgifter;
}
BENCHMARK(BM_Samlingsräkning)->UseManualTime()->Iterations(4)->Unit(benchmark::kMillisecond);

} // namespace
