#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// The receipt number: the number of a visit's record in the visit file, shown on the desk, typed
// into the report windows' boxes and stored in a record's Kvittonummer. It is 16-bit signed, so
// 32767 is the last one.
inline constexpr int LastReceiptNumber = 32767;

// A receipt number as the desk reads it, from its own caption, from an answer typed to
// "Gå till..." or from a stored record's Kvittonummer: decimal digits only (no sign, no decimals),
// leading zeros allowed, blanks and tabs around them allowed as they are around any number read
// from text, and a value that fits in 16 bits (1..32767 for a receipt; 0 is read as 0).
// Anything else gives nothing.
std::optional<int> receiptNumber(QStringView text);

// A receipt number as the report windows' "Fr.o.m." and "T.o.m." boxes read it: the same, except
// that only blanks may stand around the digits. The boxes answer a tab like any other character
// that is no digit, with their "only digits" message, so their number must not take it in.
std::optional<int> receiptNumberInBox(QStringView text);

// How a record stores a receipt number: its value filled with leading zeros to 8 characters
// ("00000042").
inline constexpr int StoredReceiptNumberWidth = 8;
QString storedReceiptNumber(int number);
