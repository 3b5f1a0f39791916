#pragma once

#include <QString>
#include <optional>

// "Is this text a number": the whole text, blanks around it
// allowed, must read as a number in the clinic's (Swedish) way of writing numbers: an optional
// sign, digits with at most one decimal separator ("," as in Swedish, or "."), and an optional
// exponent ("E" or "e", optional sign, digits). "12345", "+1234", "1,25", "12E45" are numbers;
// "", "1A345", "1,2,3", "12-34" are not. A stored receipt's Kvittonummer and the substitute's
// kombikakod are judged by this.
bool isNumeric(const QString& text);

// A receipt number as the desk reads it from a caption or a typed answer: a whole number in
// decimal digits (blanks around it allowed, no sign, no decimals) that fits in 16 bits signed
// (1..32767 for a receipt; 0 is returned as 0). Anything else gives nothing.
std::optional<int> receiptNumber(const QString& text);

