#include "vocabulary/numbers.h"

#include "vocabulary/characters.h"

using characters::isDigit;

QStringView withoutSpaceAroundNumber(QStringView text)
{
    return characters::trimmed(text, [](QChar c) {
        return characters::isBlank(c) || c == QLatin1Char('\t');
    });
}

bool isNumeric(const QString& text)
{
    const QStringView s = withoutSpaceAroundNumber(text);
    qsizetype i = 0;
    const qsizetype n = s.size();
    if (i < n && (s[i] == QLatin1Char('+') || s[i] == QLatin1Char('-')))
        ++i;

    qsizetype mantissaDigits = 0;
    while (i < n && isDigit(s[i])) {
        ++i;
        ++mantissaDigits;
    }
    if (i < n && (s[i] == QLatin1Char(',') || s[i] == QLatin1Char('.'))) {
        ++i;
        while (i < n && isDigit(s[i])) {
            ++i;
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        return false;

    if (i < n && (s[i] == QLatin1Char('E') || s[i] == QLatin1Char('e'))) {
        ++i;
        if (i < n && (s[i] == QLatin1Char('+') || s[i] == QLatin1Char('-')))
            ++i;
        qsizetype exponentDigits = 0;
        while (i < n && isDigit(s[i])) {
            ++i;
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            return false;
    }
    return i == n;
}
