#pragma once

// The collective invoice's totals as the rule reads, row by row: the reference the indexed
// computation is held against by the tests and the fuzzer.

#include "reports/samlingssummor.h"

#include <cmath>

namespace samlingsreferens {

using namespace Qt::StringLiterals;
using samlingsrakning::Summor;

// The rule as it reads: every row of both lists walked for every receipt of the range.
inline Summor radFörRad(const VisitTable& besök, const TariffTable& tx, const ProcedureTable& åt, int från,
                 int till)
{
    Summor s;
    double pat = 0, beh = 0;
    for (int r = från; r <= till; ++r) {
        const VisitRecord& post = besök[r];
        if (!(post.text(VisitField::IdNummer) > u"180001010000"_s))
            continue;
        const QString typ = post.text(VisitField::Registreringstyp);
        bool namnges = false;
        int taxor = 0, åtgärder = 0;
        for (int i = 0; i < tx.count(); ++i) {
            if (tx.Taxekod.at(i) != post.text(VisitField::Taxekod))
                continue;
            ++taxor;
            const std::optional<int> v = codetables::kronor(tx.Patientavgift.bytes(i));
            pat = v.value_or(0);
            namnges = !v;
            if (tx.Taxekod.at(i) == u"06"_s && (typ == u"1"_s || typ == u"2"_s))
                s.frikort = s.frikort.value_or(0) + (typ == u"1"_s ? 1 : -1);
        }
        bool åtgärdUtanTal = false;
        for (int j = 0; j < åt.count(); ++j) {
            if (åt.Åtgärd.at(j) != post.text(VisitField::Åtgärd))
                continue;
            ++åtgärder;
            const std::optional<int> v = codetables::kronor(åt.Åtgärdsbelopp.bytes(j));
            beh = v.value_or(0) - pat;
            åtgärdUtanTal = !v;
        }
        if (typ != u"1"_s && typ != u"2"_s)
            continue;
        if (taxor == 0 || åtgärder == 0 || namnges || åtgärdUtanTal)
            s.ofullständiga.append(r);
        const int t = typ == u"1"_s ? 1 : -1;
        s.patientavgifter = qint32(std::nearbyint(s.patientavgifter + t * pat));
        s.behandlingsavgifter = qint32(std::nearbyint(s.behandlingsavgifter + t * beh));
        s.antalBehandlingar = s.antalBehandlingar.value_or(0) + t;
        s.summaErsättning = s.patientavgifter + s.behandlingsavgifter;
    }
    return s;
}

} // namespace samlingsreferens
