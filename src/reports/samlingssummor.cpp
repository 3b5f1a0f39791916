#include "reports/samlingssummor.h"

#include "vocabulary/codes.h"

#include <QHash>

#include <cmath>
#include <cstring>
#include <limits>

namespace samlingsrakning {

namespace {

// A field of a record as its exact bytes, without a copy.
QByteArrayView fält(const VisitRecord& post, VisitField field)
{
    const FieldSpan span = spanOf(field);
    return post.bytes().sliced(span.offset, span.width);
}

// One code list as the computation needs it: for every code the last row that carries it (the
// row whose fee a walk through the whole list leaves in place), with that row's fee read once.
// The keys are views into the table's own bytes.
class Kodindex {
public:
    struct Träff {
        std::optional<int> avgift; // nothing: the row's fee is not a number
    };

    Kodindex(const CodeColumn& koder, const CodeColumn& avgifter)
    {
        QHash<QByteArrayView, qsizetype> sistaRad;
        sistaRad.reserve(koder.size());
        for (qsizetype rad = 0; rad < koder.size(); ++rad)
            sistaRad.insert(koder.bytes(rad), rad);
        m_träffar.reserve(sistaRad.size());
        for (auto it = sistaRad.cbegin(); it != sistaRad.cend(); ++it)
            m_träffar.insert(it.key(), {codetables::kronor(avgifter.bytes(it.value()))});
    }

    const Träff* hitta(QByteArrayView kod) const
    {
        const auto it = m_träffar.constFind(kod);
        return it == m_träffar.cend() ? nullptr : &it.value();
    }

private:
    QHash<QByteArrayView, Träff> m_träffar;
};

// How many rows of the tariff list are the free-card tariff: a free-card receipt moves the
// count once for each of them.
int frikortsrader(const CodeColumn& koder)
{
    int antal = 0;
    for (qsizetype rad = 0; rad < koder.size(); ++rad)
        if (koder.bytes(rad) == FrikortTaxa)
            ++antal;
    return antal;
}

// Adds `tillägg` to a 32-bit sum and rounds the new sum to a whole number (an exact half to the
// even neighbour); false when the new sum does not fit in 32 bits.
bool läggTill(qint32& summa, double tillägg)
{
    const double ny = std::nearbyint(double(summa) + tillägg);
    if (!std::isfinite(ny) || ny > std::numeric_limits<qint32>::max()
        || ny < std::numeric_limits<qint32>::min())
        return false;
    summa = qint32(ny);
    return true;
}

// Plain character order on the stored bytes: a blank sorts before every digit, so an identity
// number that is blank or begins with "0" is below the lowest one.
bool räknas(const VisitRecord& post)
{
    const QByteArrayView id = fält(post, VisitField::IdNummer);
    static_assert(LägstaIdNummer.size() == 12);
    return std::memcmp(id.data(), LägstaIdNummer.data(), 12) > 0;
}

} // namespace

Summor BeräknaSummor(const VisitTable& besök, const TariffTable& taxor,
                     const ProcedureTable& åtgärder, int från, int till)
{
    Summor s;
    const Kodindex taxeindex(taxor.Taxekod, taxor.Patientavgift);
    const Kodindex åtgärdsindex(åtgärder.Åtgärd, åtgärder.Åtgärdsbelopp);
    const int frikort = frikortsrader(taxor.Taxekod);

    // The fees of the last receipt whose codes were found: a receipt whose code has no row
    // keeps them.
    double patientavgift = 0;
    double behandlingsavgift = 0;

    for (int r = qMax(från, 1); r <= till && r <= besök.upperBound(); ++r) {
        const VisitRecord& post = besök[r];
        if (!räknas(post))
            continue;
        const QByteArrayView typ = fält(post, VisitField::Registreringstyp);
        const int tecken = typ == kod::Besök ? 1 : typ == kod::Makulering ? -1 : 0;
        bool ofullständig = false;

        const QByteArrayView taxekod = fält(post, VisitField::Taxekod);
        if (const Kodindex::Träff* träff = taxeindex.hitta(taxekod)) {
            patientavgift = träff->avgift.value_or(0);
            ofullständig |= !träff->avgift;
            if (taxekod == FrikortTaxa && tecken != 0)
                s.frikort = s.frikort.value_or(0) + tecken * frikort;
        } else {
            ofullständig = true;
        }

        if (const Kodindex::Träff* träff = åtgärdsindex.hitta(fält(post, VisitField::Åtgärd))) {
            behandlingsavgift = träff->avgift.value_or(0) - patientavgift;
            ofullständig |= !träff->avgift;
        } else {
            ofullständig = true;
        }

        // Any other registration type moves the fees but adds nothing.
        if (tecken == 0)
            continue;
        if (ofullständig)
            s.ofullständiga.append(r);
        if (!läggTill(s.patientavgifter, tecken * patientavgift)
            || !läggTill(s.behandlingsavgifter, tecken * behandlingsavgift)) {
            s.överslagVid = r;
            return s;
        }
        s.antalBehandlingar = s.antalBehandlingar.value_or(0) + tecken;
        const qint64 båda = qint64(s.patientavgifter) + s.behandlingsavgifter;
        if (båda > std::numeric_limits<qint32>::max() || båda < std::numeric_limits<qint32>::min()) {
            s.överslagVid = r;
            return s;
        }
        s.summaErsättning = qint32(båda);
    }
    return s;
}

} // namespace samlingsrakning
