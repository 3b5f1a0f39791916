// How the data files perform at their largest, each figure beside a baseline measured in the same
// run: reading or writing the same bytes in the plainest way the system allows. Each benchmark
// times both in every iteration, alternately, and reports the file operation as its time, the
// baseline as the counter "baseline_us" and the quotient as "ratio".

#include "data/codetables.h"
#include "data/filesave.h"
#include "data/visitfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <chrono>
#include <functional>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

double secondsOf(const std::function<void()>& step)
{
    const auto start = Clock::now();
    step();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Runs `measured` and `baseline` once per iteration, alternating which goes first so that
// neither always finds the caches warmed by the other.
void paired(benchmark::State& state, const std::function<void()>& measured,
            const std::function<void()>& baseline)
{
    double measuredTotal = 0, baselineTotal = 0;
    bool measuredFirst = true;
    for (auto _ : state) {
        double m, b;
        if (measuredFirst) {
            m = secondsOf(measured);
            b = secondsOf(baseline);
        } else {
            b = secondsOf(baseline);
            m = secondsOf(measured);
        }
        measuredFirst = !measuredFirst;
        measuredTotal += m;
        baselineTotal += b;
        state.SetIterationTime(m);
    }
    const double n = double(state.iterations());
    state.counters["measured_us"] = measuredTotal / n * 1e6;
    state.counters["baseline_us"] = baselineTotal / n * 1e6;
    state.counters["ratio"] = baselineTotal > 0 ? measuredTotal / baselineTotal : 0;
}

void writePlain(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        std::abort();
}

QByteArray readPlain(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        std::abort();
    return f.readAll();
}

QByteArray fullVisitFile()
{
    QByteArray bytes;
    bytes.reserve(qsizetype(VisitTable::MaxRecords) * VisitRecord::Size);
    for (int k = 1; k <= VisitTable::MaxRecords; ++k) {
        VisitRecord r;
        r.setText(VisitField::Registreringstyp, QStringLiteral("1"));
        r.setText(VisitField::Kombikakod, QStringLiteral("12345ABCD67"));
        r.setText(VisitField::Kvittonummer, QStringLiteral("%1").arg(k, 8, 10, QLatin1Char('0')));
        r.setText(VisitField::IdNummer, QStringLiteral("191212121212"));
        r.setText(VisitField::Besöksdatum, QStringLiteral("261201"));
        r.setText(VisitField::Taxekod, QStringLiteral("01"));
        r.setText(VisitField::Åtgärd, QStringLiteral("A001"));
        bytes += r.bytes().toByteArray();
    }
    return bytes;
}

void BM_ReadVisitFile32767(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(visitfile::fileName());
    writePlain(path, fullVisitFile());
    VisitTable table;
    paired(
        state,
        [&] {
            if (!visitfile::HämtaBesöksFil(QDir(dir.path()), table) || table.upperBound() != 32767)
                std::abort();
            benchmark::DoNotOptimize(table.records().constData());
        },
        [&] {
            const QByteArray bytes = readPlain(path);
            benchmark::DoNotOptimize(bytes.constData());
        });
}
BENCHMARK(BM_ReadVisitFile32767)->UseManualTime()->Unit(benchmark::kMicrosecond)->MinTime(1.0);

void BM_SaveVisitFile32767(benchmark::State& state)
{
    QTemporaryDir dir;
    const QByteArray bytes = fullVisitFile();
    writePlain(dir.filePath(visitfile::fileName()), bytes);
    VisitTable table;
    if (!visitfile::HämtaBesöksFil(QDir(dir.path()), table))
        std::abort();
    const QString plainPath = dir.filePath(QStringLiteral("plain.dat"));
    paired(
        state,
        [&] {
            if (!visitfile::SparaBesöksFil(QDir(dir.path()), table))
                std::abort();
        },
        [&] {
            QFile f(plainPath);
            if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size()
                || !f.flush() || ::fsync(f.handle()) != 0)
                std::abort();
        });
}
BENCHMARK(BM_SaveVisitFile32767)->UseManualTime()->Unit(benchmark::kMicrosecond)->MinTime(2.0);

template <typename Table, FileResult (*Read)(const QDir&, Table&)>
void readCodeList(benchmark::State& state, const QString& name, int width, int rows)
{
    QTemporaryDir dir;
    QByteArray bytes;
    for (int i = 0; i < rows; ++i)
        bytes += QByteArray::number(i % 100).rightJustified(width, '0');
    const QString path = dir.filePath(name);
    writePlain(path, bytes);
    Table table;
    paired(
        state,
        [&] {
            if (!Read(QDir(dir.path()), table) || table.count() != rows)
                std::abort();
        },
        [&] {
            const QByteArray all = readPlain(path);
            benchmark::DoNotOptimize(all.constData());
        });
}

void BM_ReadTariffFile6553(benchmark::State& state)
{
    readCodeList<TariffTable, codetables::HämtaTaxeFil>(state, codetables::tariffFileName(), 5,
                                                        codetables::MaxTariffRows);
}
BENCHMARK(BM_ReadTariffFile6553)->UseManualTime()->Unit(benchmark::kMicrosecond)->MinTime(0.5);

void BM_ReadProcedureFile4096(benchmark::State& state)
{
    readCodeList<ProcedureTable, codetables::HämtaÅtgärdsFil>(
        state, codetables::procedureFileName(), 8, codetables::MaxProcedureRows);
}
BENCHMARK(BM_ReadProcedureFile4096)->UseManualTime()->Unit(benchmark::kMicrosecond)->MinTime(0.5);

} // namespace
