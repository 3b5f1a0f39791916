// How the data files perform at their largest, each figure beside a baseline measured in the same
// run: reading or writing the same bytes in the plainest way the system allows. Each benchmark
// times both in every iteration, alternately, and reports the file operation as its time, the
// baseline as the counter "baseline_us" and the quotient as "ratio".

#include "benchsupport.h"

#include "data/codetables.h"
#include "data/filesave.h"
#include "data/visitfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <unistd.h>

namespace {

using namespace bench;

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
void readCodeList(benchmark::State& state, const QString& name, const QByteArray& bytes, int rows)
{
    QTemporaryDir dir;
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
    readCodeList<TariffTable, codetables::HämtaTaxeFil>(state, codetables::tariffFileName(),
                                                        fullTariffFile(), codetables::MaxTariffRows);
}
BENCHMARK(BM_ReadTariffFile6553)->UseManualTime()->Unit(benchmark::kMicrosecond)->MinTime(0.5);

void BM_ReadProcedureFile4096(benchmark::State& state)
{
    readCodeList<ProcedureTable, codetables::HämtaÅtgärdsFil>(
        state, codetables::procedureFileName(), fullProcedureFile(), codetables::MaxProcedureRows);
}
BENCHMARK(BM_ReadProcedureFile4096)->UseManualTime()->Unit(benchmark::kMicrosecond)->MinTime(0.5);

} // namespace
