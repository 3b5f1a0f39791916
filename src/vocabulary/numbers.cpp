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
    // Steps over one character that is `a` or `b`; true when there was one.
    const auto accept = [&](char a, char b) {
        const bool found = i < n && (s[i] == QLatin1Char(a) || s[i] == QLatin1Char(b));
        if (found)
            ++i;
        return found;
    };
    // Steps over a run of digits and tells how long it was.
    const auto digits = [&] {
        const qsizetype from = i;
        while (i < n && isDigit(s[i]))
            ++i;
        return i - from;
    };

    accept('+', '-');
    qsizetype mantissaDigits = digits();
    if (accept(',', '.'))
        mantissaDigits += digits();
    if (mantissaDigits == 0)
        return false;
    if (accept('E', 'e')) {
        accept('+', '-');
        if (digits() == 0)
            return false;
    }
    return i == n;
}
