#pragma once

#include <QString>
#include <QStringView>

// "Is this text a number": the whole text, blanks around it
// allowed, must read as a number in the clinic's (Swedish) way of writing numbers: an optional
// sign, digits with at most one decimal separator ("," as in Swedish, or "."), and an optional
// exponent ("E" or "e", optional sign, digits). "12345", "+1234", "1,25", "12E45" are numbers;
// "", "1A345", "1,2,3", "12-34" are not. A stored receipt's Kvittonummer and the substitute's
// kombikakod are judged by this.
bool isNumeric(const QString& text);

// The text without the blanks and tabs around it. A number read from text may stand between
// them: a number is judged by its characters, not by a field's blank fill, so a tab before the
// digits still leaves a number. Everywhere else only the blank counts (characters::isBlank).
QStringView withoutSpaceAroundNumber(QStringView text);
