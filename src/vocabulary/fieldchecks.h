#pragma once

#include "vocabulary/characters.h"
#include "vocabulary/receiptnumber.h"

#include <QString>
#include <QStringView>
#include <optional>

// The rules for the identity, code, date and receipt-number boxes, free of any window: each check
// takes the box's text and gives back the message the window shows, or nothing when the text
// passes. The windows decide when a check runs and where the focus goes afterwards. The desk uses
// them all; the settings window checks its two kombikakod boxes by the desk's rules, and the
// collective invoice words its boxes' messages as the desk does.
namespace fieldchecks {

// The messages, character for character as the receptionists know them (the blank before "!"
// in the referral messages are part of them). Two wordings of "only digits" stand side by side:
// EndastSiffror for the identity and date boxes, EndstSiffror for a receipt number typed into
// the desk's voiding box or the collective invoice's boxes.
namespace text {
inline const QString FörFåTecken = QStringLiteral("OBS! För få tecken!");
inline const QString Mellanslag = QStringLiteral("OBS! Mellanslag är ej tillåtet!");
inline const QString EndastSiffror = QStringLiteral("OBS! Endast siffror är tillåtet!");
inline const QString FelaktigtÅrhundrade = QStringLiteral("OBS! Felaktigt århundrade!");
inline const QString FelaktigtPersonnummer = QStringLiteral("OBS! Felaktigt Personnummer!");
inline const QString FelaktigtReservnummer = QStringLiteral("OBS! Felaktigt Reservnummer!");
inline const QString SkrivitFörFåTecken = QStringLiteral("OBS! Du har skrivit för få tecken!");
inline const QString BokstavSiffra =
    QStringLiteral("OBS! Du har skrivit en bokstav där det ska vara en siffra!");
inline const QString MellanslagRemiss = QStringLiteral("OBS! Mellanslag är ej tillåtet !");
inline const QString BokstavSiffraRemiss =
    QStringLiteral("OBS! Du har skrivit en bokstav där det ska vara en siffra !");
inline const QString FelaktigKombikakod = QStringLiteral("OBS! Felaktig kombikakod!");
inline const QString EndstSiffror = QStringLiteral("OBS! Endst siffror får användas!");
inline const QString KvittonummerFörStort =
    QStringLiteral("OBS! Det högsta kvittonumret är %1!").arg(LastReceiptNumber);
} // namespace text

using Message = std::optional<QString>;

using characters::trimBlanks;

// The check digit of a ten-digit number d1..d9 c by the desk's weighted sum:
// S = f(d1) + d2 + (10·d3 + d4) + 2·d3 + (10·d5 + d6) + 2·d5 + f(d7) + d8 + f(d9), with f(d) the
// integer part of 2.2·d; the digit is (500 − S) mod 10. `tenDigits` holds at least nine digits.
// For d3 and d5 below 5 this is the Luhn digit; above, the two differ, and a reserve number
// carries the digit of this sum, so the sum is what judges it.
int kontrollsiffra(QStringView tenDigits);
// The Luhn rule (weights 2-1-2-1..., digit sums) over all ten digits, check digit included.
bool luhnGiltig(QStringView tenDigits);
// A coordination number (samordningsnummer) carries the day of birth plus 60, so its day
// (characters 7 and 8 of the twelve digits) is 60 to 91; 60 stands for an unknown day.
bool ärSamordningsnummer(QStringView tolvSiffror);

// txtPersonnummer, at leaving and at registration: empty (blanks only) passes; then length 12,
// no blank, digits only, century 18-20, check digit. A coordination number's check digit
// follows the Luhn rule: the weighted sum refuses every correct one, since its day digit is 6
// or more.
Message personnummer(const QString& t);
// txtReservnummer: empty passes; length 10, no blank, digits only, the weighted check digit.
Message reservnummer(const QString& t);
// txtKombikakod when it is left: 11 characters, no blank, characters 1-5 and 10-11 digits.
// An empty box is refused.
Message kombikakod(const QString& t);
// txtKombikakod at registration: characters 2-5 and 10-11, as far as the text has them, must be
// digits, and the text must reach characters 2 and 10. `längdKontroll` false skips the length test, as after "Yes" to going on without a
// personnummer.
Message kombikakodVidRegistrering(const QString& t, bool längdKontroll);
// txtVikKomkod: empty passes; otherwise 5 characters without a blank that read as a number.
Message vikKomkod(const QString& t);
// txtRemissFrån: empty passes; 11 characters, no blank, characters 1-8 and 10-11 digits.
Message remissFrån(const QString& t);
// txtBesöksDatum, txtFödelsedatum, txtRemissDatum: empty passes; six digits (no calendar
// check: a month 13 passes).
Message datum(const QString& t);

// --- Receipt numbers ---

// txtMakulering, the receipt to void: empty passes; digits only (a blank between digits counts
// as a non-digit), no blank around them, and a number a receipt can have: receipt numbers are
// 16-bit, so 32767 is the last one. Leading zeros are allowed ("000000010" names receipt 10).
Message makuleratKvitto(const QString& t);

// A receipt number as stored in a record's Kvittonummer: the value of the text (leading zeros and
// surrounding blanks do not count) in its stored form, so "05", " 5" and "000000005" all store
// "00000005". A text that names no receipt number (empty, or anything the checks refuse before a
// registration gets here) stores none: the empty text.
QString lagratKvittonummer(const QString& t);
} // namespace fieldchecks
