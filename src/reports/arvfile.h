#pragma once

#include "data/visittable.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The ARV file: the interchange the clinic sends to the county council for a range of receipts.
//
// Line 1 carries the service string advice and the interchange header; below it every segment is
// two lines, its tag alone and then its data as fixed-width text. The stored fields are copied
// byte for byte as the visit record holds them (Windows-1252, blanks kept): the county council
// reads the data lines by position, so nothing is trimmed, converted or escaped. Every line, the
// last one included, ends with CR LF.
namespace arvfile {

// The widths of the data lines, as the county council reads them.
inline constexpr int BskWidth = 73;
inline constexpr int AtgWidth = 4;
inline constexpr int DiaWidth = 5;
inline constexpr int RemWidth = 2;
inline constexpr int ReferenceWidth = 8;

// The reference number: the To text without its surrounding blanks, filled with leading zeros
// to 8 characters ("0123" gives 00000123); a text of 8 or more characters is used as it stands.
QString referenceNumber(const QString& toText);

// The file's name: the reference number's digits and ".ARV" ("00000123.ARV"). Only digits go into
// it, so whatever the To box held, no folder or other name can be formed from it.
QString fileNameOf(const QString& reference);

// Every name fileNameOf gives, as a regular expression: the start removes what a save of such a
// file killed half-way left beside it.
inline QString fileNamePattern()
{
    return QStringLiteral("[0-9]{8}\\.ARV");
}

struct Interchange {
    QByteArray bytes;     // the whole file
    QString reference;    // the interchange and message reference
    QString fileName;     // reference + ".ARV"
    int segmentCount = 0; // UNH to UNT, both included
    QString error;        // why no file can be made of it; empty for a sound interchange
    bool ok() const { return error.isEmpty(); }
};

// Builds the interchange for receipts `from` to the value of `toText`, taken from `visits`
// (receipt k is record k), with the clinic's kombikakod (its 11 stored bytes) and the moment of
// preparation as "yymmdd" and "hhmm". The result is checked by checkInterchange before it comes
// back; an interchange that fails the check, or a range outside the stored receipts, comes back
// with an error and no bytes.
Interchange build(const VisitTable& visits, int from, const QString& toText,
                  QByteArrayView kombikakod, const QString& yymmdd, const QString& hhmm);

// Reads an interchange as the county council does and says what is wrong with it, in Swedish
// (empty when nothing is): every line ends with CR LF and holds no other line break, no NUL and
// none of the five bytes Windows-1252 leaves undefined (a damaged record); line 1 and
// every data line have their fixed width; the segments follow in receipt order (BSK, ATG, then
// DIA and REM when present); the count in UNT equals the segments from UNH to UNT; the references
// in UNB, in the data lines of UNH and UNT and in UNZ are one and the same 8 digits. Problems in
// the body name their receipt, counted from `firstReceipt`.
QString checkInterchange(QByteArrayView bytes, int firstReceipt);

} // namespace arvfile
