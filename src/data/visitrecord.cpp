#include "data/visitrecord.h"

#include "data/fixedtext.h"
#include "vocabulary/numbers.h"

#include <algorithm>
#include <type_traits>

// The visit file is read straight into the table's storage and written straight out of it, so a
// record must be exactly its 95 bytes with nothing around them.
static_assert(sizeof(VisitRecord) == VisitRecord::Size);
static_assert(alignof(VisitRecord) == 1);
static_assert(std::is_trivially_copyable_v<VisitRecord>);

namespace {

constexpr FieldSpan Spans[VisitFieldCount] = {
    {0, 1},   // Registreringstyp
    {1, 11},  // Kombikakod
    {12, 5},  // VikKomkod
    {17, 8},  // Kvittonummer
    {25, 1},  // Skatt
    {26, 12}, // IdNummer
    {38, 1},  // IdTyp
    {39, 6},  // Födelsedatum
    {45, 6},  // Besöksdatum
    {51, 1},  // Besökstyp
    {52, 1},  // Akutbesök
    {53, 2},  // Taxekod
    {55, 1},  // Smittskydd
    {56, 4},  // Åtgärd
    {60, 11}, // RemissFrån
    {71, 6},  // RemissDatum
    {77, 2},  // RemissTill
    {79, 3},  // Patientavgift
    {82, 4},  // Åtgärdsbelopp
    {86, 4},  // EjBetPatAvg
    {90, 5},  // Diagnoskod
};

static_assert(fixedtext::tiles(Spans, VisitRecord::Size), "the 21 fields must lie back to back and fill 95 bytes");

} // namespace

FieldSpan spanOf(VisitField field)
{
    return Spans[static_cast<int>(field)];
}

VisitRecord::VisitRecord()
{
    m_bytes.fill(' ');
}

VisitRecord VisitRecord::fromBytes(QByteArrayView bytes)
{
    VisitRecord r;
    std::copy_n(bytes.data(), std::min<qsizetype>(bytes.size(), Size), r.m_bytes.data());
    return r;
}

QByteArray VisitRecord::raw(VisitField field) const
{
    return fixedtext::rawAt(m_bytes.data(), spanOf(field));
}

void VisitRecord::setRaw(VisitField field, QByteArrayView value)
{
    fixedtext::setRawAt(m_bytes.data(), spanOf(field), value);
}

QString VisitRecord::text(VisitField field) const
{
    return fixedtext::textAt(m_bytes.data(), spanOf(field));
}

void VisitRecord::setText(VisitField field, const QString& value)
{
    fixedtext::setTextAt(m_bytes.data(), spanOf(field), value);
}

bool VisitRecord::isStoredReceipt() const
{
    return isNumeric(text(VisitField::Kvittonummer));
}
