#include "vocabulary/fieldchecks.h"

#include "vocabulary/numbers.h"

namespace fieldchecks {

namespace {

using characters::allDigits;
using characters::hasBlank;

int digit(QChar c) { return characters::digitValue(c); }

// Integer part of 2.2·d, kept in integers: 2·d, plus one from 5 upwards.
int f(int d) { return (22 * d) / 10; }

// Characters `from` to `to` (1-based, inclusive) are all digits; a character the text does not
// have is no digit.
bool digitsAt(QStringView t, int from, int to)
{
    if (t.size() < to)
        return false;
    return allDigits(t.mid(from - 1, to - from + 1));
}

// Characters `from` to `to` as far as the text has them are all digits, and it has at least the
// first of them. A kombikakod read back from a stored receipt can be ten characters long; its
// tenth digit then stands alone for "characters 10 and 11".
bool presentDigitsAt(QStringView t, int from, int to)
{
    const QStringView part = t.mid(from - 1).left(to - from + 1);
    return !part.isEmpty() && allDigits(part);
}

// A blank among characters 1 to `upTo` (those the text has).
bool blankAmong(QStringView t, int upTo)
{
    return hasBlank(t.left(upTo));
}

// A box of exactly `längd` digits (the personnummer, the reserve number, a date): its first
// fault, or nothing.
Message siffror(const QString& t, qsizetype längd)
{
    if (t.size() != längd)
        return text::FörFåTecken;
    if (hasBlank(t))
        return text::Mellanslag;
    if (!allDigits(t))
        return text::EndastSiffror;
    return {};
}

} // namespace

int kontrollsiffra(QStringView d)
{
    const int mm = 10 * digit(d[2]) + digit(d[3]);
    const int dd = 10 * digit(d[4]) + digit(d[5]);
    int s = digit(d[1]) + f(digit(d[0]));
    s += mm + 2 * (mm / 10);
    s += dd + 2 * (dd / 10);
    s += digit(d[7]) + f(digit(d[6]));
    s += f(digit(d[8]));
    return (500 - s) % 10;
}

bool luhnGiltig(QStringView d)
{
    int sum = 0;
    for (qsizetype i = 0; i < d.size(); ++i) {
        int v = digit(d[i]);
        if (i % 2 == 0) {
            v *= 2;
            if (v > 9)
                v -= 9;
        }
        sum += v;
    }
    return sum % 10 == 0;
}

bool ärSamordningsnummer(QStringView t)
{
    if (t.size() < 8 || !digitsAt(t, 7, 8))
        return false;
    const int day = 10 * digit(t[6]) + digit(t[7]);
    return day >= 60 && day <= 91;
}

Message personnummer(const QString& t)
{
    if (trimBlanks(t).isEmpty())
        return {};
    if (Message fel = siffror(t, 12))
        return fel;
    const QStringView century = QStringView(t).left(2);
    if (century < u"18" || century > u"20")
        return text::FelaktigtÅrhundrade;
    const QStringView tio = QStringView(t).mid(2);
    const bool giltig = ärSamordningsnummer(t) ? luhnGiltig(tio)
                                               : kontrollsiffra(tio) == digit(tio[9]);
    if (!giltig)
        return text::FelaktigtPersonnummer;
    return {};
}

Message reservnummer(const QString& t)
{
    if (trimBlanks(t).isEmpty())
        return {};
    if (Message fel = siffror(t, 10))
        return fel;
    if (kontrollsiffra(t) != digit(t[9]))
        return text::FelaktigtReservnummer;
    return {};
}

Message kombikakod(const QString& t)
{
    if (t.size() <= 10)
        return text::SkrivitFörFåTecken;
    if (blankAmong(t, 11))
        return text::Mellanslag;
    if (!digitsAt(t, 1, 5) || !digitsAt(t, 10, 11))
        return text::BokstavSiffra;
    return {};
}

Message kombikakodVidRegistrering(const QString& t, bool längdKontroll)
{
    if (längdKontroll && t.size() < 11)
        return text::SkrivitFörFåTecken;
    if (blankAmong(t, 11))
        return text::Mellanslag;
    if (!presentDigitsAt(t, 2, 5) || !presentDigitsAt(t, 10, 11))
        return text::BokstavSiffra;
    return {};
}

Message vikKomkod(const QString& t)
{
    if (trimBlanks(t).isEmpty())
        return {};
    if (t.size() < 5 || blankAmong(t, 5) || !isNumeric(t))
        return text::FelaktigKombikakod;
    return {};
}

Message remissFrån(const QString& t)
{
    if (trimBlanks(t).isEmpty())
        return {};
    if (t.size() < 11)
        return text::SkrivitFörFåTecken;
    if (blankAmong(t, 11))
        return text::MellanslagRemiss;
    if (!digitsAt(t, 1, 8) || !digitsAt(t, 10, 11))
        return text::BokstavSiffraRemiss;
    return {};
}

Message datum(const QString& t)
{
    if (trimBlanks(t).isEmpty())
        return {};
    return siffror(t, 6);
}

Message makuleratKvitto(const QString& t)
{
    const QString kärna = trimBlanks(t);
    if (kärna.isEmpty())
        return {};
    if (!allDigits(kärna))
        return text::EndstSiffror;
    if (hasBlank(t))
        return text::Mellanslag;
    if (!receiptNumber(kärna))
        return text::KvittonummerFörStort;
    return {};
}

QString lagratKvittonummer(const QString& t)
{
    const std::optional<int> n = receiptNumber(t);
    return n ? storedReceiptNumber(*n) : QString();
}

} // namespace fieldchecks
