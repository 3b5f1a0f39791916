#pragma once

// What the benchmarks share: timing a step beside its baseline in the same run, and the files of
// a clinic at the limits (32767 visits, the longest code lists the desk can hold).

#include "data/codetables.h"
#include "data/visitfile.h"
#include "data/visitrecord.h"
#include "data/visittable.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <functional>

namespace bench {

using Clock = std::chrono::steady_clock;

inline double secondsOf(const std::function<void()>& step)
{
    const auto start = Clock::now();
    step();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Runs `measured` and `baseline` once per iteration, alternating which goes first so that
// neither always finds the caches warmed by the other. Each returns the seconds its own work
// took (set-up and clean-up left out). The measured step is the benchmark's time; the counters
// "measured_us", "baseline_us" and "ratio" put the two side by side.
inline void pairedTimed(benchmark::State& state, const std::function<double()>& measured,
                        const std::function<double()>& baseline)
{
    double measuredTotal = 0, baselineTotal = 0;
    bool measuredFirst = true;
    for (auto _ : state) {
        double m, b;
        if (measuredFirst) {
            m = measured();
            b = baseline();
        } else {
            b = baseline();
            m = measured();
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

// The same, for steps that are timed whole.
inline void paired(benchmark::State& state, const std::function<void()>& measured,
                   const std::function<void()>& baseline)
{
    pairedTimed(
        state, [&] { return secondsOf(measured); }, [&] { return secondsOf(baseline); });
}

inline void writePlain(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        std::abort();
}

inline QByteArray readPlain(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        std::abort();
    return f.readAll();
}

// 32767 stored visits, each with tariff "01" and procedure "0001".
inline QByteArray fullVisitFile()
{
    QByteArray bytes;
    bytes.reserve(qsizetype(VisitTable::MaxRecords) * VisitRecord::Size);
    for (int k = 1; k <= VisitTable::MaxRecords; ++k) {
        VisitRecord r;
        r.setText(VisitField::Registreringstyp, QStringLiteral("1"));
        r.setText(VisitField::Kombikakod, QStringLiteral("12345ABCD67"));
        r.setText(VisitField::Kvittonummer, QStringLiteral("%1").arg(k, 8, 10, QLatin1Char('0')));
        r.setText(VisitField::IdNummer, QStringLiteral("191212121212"));
        r.setText(VisitField::IdTyp, QStringLiteral("P"));
        r.setText(VisitField::Besöksdatum, QStringLiteral("261201"));
        r.setText(VisitField::Taxekod, QStringLiteral("01"));
        r.setText(VisitField::Åtgärd, QStringLiteral("0001"));
        bytes += r.bytes().toByteArray();
    }
    return bytes;
}

// A code list of `rows` entries `width` wide, every code different while there are codes
// enough ("0000", "0001", ...), the fee or amount a number.
inline QByteArray codeList(int width, int codeWidth, int rows)
{
    QByteArray bytes;
    bytes.reserve(qsizetype(rows) * width);
    for (int i = 0; i < rows; ++i)
        bytes += QByteArray::number(i).rightJustified(codeWidth, '0').right(codeWidth)
                 + QByteArray::number(i % 1000).rightJustified(width - codeWidth, ' ');
    return bytes;
}

inline QByteArray fullTariffFile()
{
    return codeList(5, 2, codetables::MaxTariffRows);
}

inline QByteArray fullProcedureFile()
{
    return codeList(8, 4, codetables::MaxProcedureRows);
}

} // namespace bench
