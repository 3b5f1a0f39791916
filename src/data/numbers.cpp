#include "data/numbers.h"

#include "data/fixedtext.h"

namespace {

// A number read from text may stand between blanks and tabs, as number reading allows: a
// number is judged by its characters, not by a field's blank fill, so a tab before the digits
// still leaves a number. Everywhere else only the blank counts (fixedtext::isBlank).
bool isSpaceAroundNumber(QChar c)
{
    return fixedtext::isBlank(c) || c == QLatin1Char('\t');
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The text between the blanks and tabs around it.
QStringView core(const QString& text)
{
    qsizetype begin = 0, end = text.size();
    while (begin < end && isSpaceAroundNumber(text[begin]))
        ++begin;
    while (end > begin && isSpaceAroundNumber(text[end - 1]))
        --end;
    return QStringView(text).mid(begin, end - begin);
}

} // namespace

bool isNumeric(const QString& text)
{
    const QStringView s = core(text);
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

std::optional<int> receiptNumber(const QString& text)
{
    const QStringView s = core(text);
    if (s.isEmpty())
        return std::nullopt;
    int value = 0;
    for (QChar c : s) {
        if (!isDigit(c))
            return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
        // Leading zeros are fine ("00000042" is how records store it); stop before overflow.
        if (value > 32767)
            return std::nullopt;
    }
    return value;
}
