#pragma once

#include "data/fixedtext.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <array>

// One visit or voiding record of PatBesök.Dat: 21 fixed-width Windows-1252 text fields,
// 95 bytes, no separators. The record *is* its bytes, so reading a record and writing it back
// is byte-identical whatever it holds.
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

// Offset and width of a field within the record.
FieldSpan spanOf(VisitField field);

class VisitRecord {
public:
    static constexpr int Size = 95;

    // A record that was never filled: 95 blanks. Its Kvittonummer is no number, so it counts as
    // an empty record.
    VisitRecord();
    // The first 95 bytes of `bytes` (blank-filled if shorter).
    static VisitRecord fromBytes(QByteArrayView bytes);

    QByteArrayView bytes() const { return {m_bytes.data(), Size}; }

    // A field's exact characters (its full width, blanks included).
    QString text(VisitField field) const;
    // Stores `value` left-aligned, blank-filled, cut to the field's width. The text is
    // Windows-1252: the input boxes refuse any other character (see fixedtext::setTextAt).
    void setText(VisitField field, const QString& value);

    QByteArray raw(VisitField field) const;
    void setRaw(VisitField field, QByteArrayView value);

    // A stored receipt: its Kvittonummer is a number. Otherwise it is an empty record.
    bool isStoredReceipt() const;

    friend bool operator==(const VisitRecord&, const VisitRecord&) = default;

private:
    std::array<char, Size> m_bytes;
};
