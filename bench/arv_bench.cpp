// The largest ARV file there can be, 32767 receipts, built, checked and saved as the window does
// it, beside a plain write and fsync of the same bytes in the same run. The file operation is
// the benchmark's time; the counters give both figures and their quotient ("ratio").

#include "data/filesave.h"
#include "reports/arvfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <chrono>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

// Every receipt of a full visit file; every third with a diagnosis, every fifth with a referral,
// so that the optional segments are built and checked too.
VisitTable fullTable()
{
    VisitTable table;
    table.resize(VisitTable::MaxRecords);
    for (int k = 1; k <= VisitTable::MaxRecords; ++k) {
        VisitRecord& r = table[k];
        r.setRaw(VisitField::Registreringstyp, "1");
        r.setRaw(VisitField::Kombikakod, "12345ABCD67");
        r.setRaw(VisitField::Kvittonummer, QByteArray::number(k).rightJustified(8, '0'));
        r.setRaw(VisitField::Skatt, "F");
        r.setRaw(VisitField::IdNummer, "191212121212");
        r.setRaw(VisitField::IdTyp, "P");
        r.setRaw(VisitField::Besöksdatum, "261201");
        r.setRaw(VisitField::Taxekod, "01");
        r.setRaw(VisitField::Åtgärd, "A001");
        r.setRaw(VisitField::RemissTill, k % 5 == 0 ? "02" : "00");
        if (k % 3 == 0)
            r.setRaw(VisitField::Diagnoskod, "J069");
    }
    return table;
}

arvfile::Interchange buildFull(const VisitTable& table)
{
    return arvfile::build(table, 1, QStringLiteral("32767"), "12345ABCD67", QStringLiteral("261208"),
                          QStringLiteral("0930"));
}

// Runs `measured` and `baseline` once per iteration, alternately first, so that neither always
// finds the caches warmed by the other.
template <typename Measured, typename Baseline>
void paired(benchmark::State& state, Measured measured, Baseline baseline, qsizetype bytes)
{
    auto seconds = [](auto step) {
        const auto start = Clock::now();
        step();
        return std::chrono::duration<double>(Clock::now() - start).count();
    };
    double measuredTotal = 0, baselineTotal = 0;
    bool measuredFirst = true;
    for (auto _ : state) {
        double m, b;
        if (measuredFirst) {
            m = seconds(measured);
            b = seconds(baseline);
        } else {
            b = seconds(baseline);
            m = seconds(measured);
        }
        measuredFirst = !measuredFirst;
        measuredTotal += m;
        baselineTotal += b;
        state.SetIterationTime(m);
    }
    const double n = double(state.iterations());
    state.counters["bytes"] = double(bytes);
    state.counters["measured_us"] = measuredTotal / n * 1e6;
    state.counters["baseline_us"] = baselineTotal / n * 1e6;
    state.counters["ratio"] = baselineTotal > 0 ? measuredTotal / baselineTotal : 0;
}

void writeAndSync(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size() || !f.flush()
        || ::fsync(f.handle()) != 0)
        std::abort();
}

// What "Skapa Arv-fil" does with the file: build it, check it, save it atomically.
void BM_ArvFile32767BuiltAndSaved(benchmark::State& state)
{
    QTemporaryDir dir;
    const VisitTable table = fullTable();
    const QByteArray bytes = buildFull(table).bytes;
    if (bytes.isEmpty())
        std::abort();
    paired(
        state,
        [&] {
            const arvfile::Interchange arv = buildFull(table);
            if (!arv.ok() || !saveFileAtomically(dir.filePath(arv.fileName), arv.bytes))
                std::abort();
        },
        [&] { writeAndSync(dir.filePath(QStringLiteral("plain.ARV")), bytes); }, bytes.size());
}
BENCHMARK(BM_ArvFile32767BuiltAndSaved)->UseManualTime()->Unit(benchmark::kMicrosecond)->MinTime(2.0);

// The atomic save of the same bytes alone, to tell the building from the saving in the figure.
void BM_ArvFile32767SavedOnly(benchmark::State& state)
{
    QTemporaryDir dir;
    const QByteArray bytes = buildFull(fullTable()).bytes;
    paired(
        state,
        [&] {
            if (!saveFileAtomically(dir.filePath(QStringLiteral("00032767.ARV")), bytes))
                std::abort();
        },
        [&] { writeAndSync(dir.filePath(QStringLiteral("plain.ARV")), bytes); }, bytes.size());
}
BENCHMARK(BM_ArvFile32767SavedOnly)->UseManualTime()->Unit(benchmark::kMicrosecond)->MinTime(2.0);

} // namespace
