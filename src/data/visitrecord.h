#pragma once

#include "data/fixedrecord.h"

// One visit or voiding record of PatBesök.Dat: 21 fixed-width Windows-1252 text fields,
// 95 bytes, no separators.
enum class VisitField {
    Registreringstyp, // "1" visit, "2" voiding record
    Kombikakod,
    VikKomkod,
    Kvittonummer,     // 8 digits with leading zeros; in a voiding record the voided receipt
    Skatt,            // "F" or "A"
    IdNummer,         // 12-digit personnummer, or 10-character reserve number + 2 blanks
    IdTyp,            // "P", "R" or blank
    Födelsedatum,
    Besöksdatum,
    Besökstyp,        // "0" Nybesök, "1" Återbesök
    Akutbesök,        // "1"/"0"
    Taxekod,
    Smittskydd,       // "1"/"0"
    Åtgärd,
    RemissFrån,
    RemissDatum,
    RemissTill,       // "00".."03"
    Patientavgift,
    Åtgärdsbelopp,
    EjBetPatAvg,      // "0000" not paid, four blanks paid
    Diagnoskod,
};

inline constexpr int VisitFieldCount = 21;

// Offset and width of each field within the record, in VisitField order.
inline constexpr FieldSpan VisitSpans[VisitFieldCount] = {
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

// Offset and width of a field within the record.
constexpr FieldSpan spanOf(VisitField field)
{
    return VisitSpans[static_cast<int>(field)];
}

// A record that was never filled is 95 blanks. Its Kvittonummer is no number, so it counts as an
// empty record.
class VisitRecord : public FixedRecord<VisitRecord, VisitField, 95, VisitSpans> {
public:
    // A stored receipt: its Kvittonummer is a number. Otherwise it is an empty record.
    bool isStoredReceipt() const;
};
