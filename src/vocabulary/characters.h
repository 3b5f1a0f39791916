#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <algorithm>

// The two kinds of character every rule of the program speaks of: the digit and the blank. Each
// comes for text and for the raw bytes of a file, so a code list, a record and a typed box are
// judged alike.
namespace characters {

// A digit is 0 to 9 and nothing else: no other script's digits, no sign, no separator.
constexpr bool isDigit(QChar c) { return c.unicode() >= u'0' && c.unicode() <= u'9'; }
constexpr bool isDigit(char c) { return c >= '0' && c <= '9'; }
// The value of a digit.
constexpr int digitValue(QChar c) { return c.unicode() - u'0'; }

// The blank, the one character that fills a field and the one the program trims from a value or
// refuses among a code's characters. A tab or any other white space is part of the value.
constexpr bool isBlank(QChar c) { return c == QLatin1Char(' '); }
constexpr bool isBlank(char c) { return c == ' '; }

// Every character is a digit (true for an empty text: callers that need one digit say so).
template <typename View>
bool allDigits(View text)
{
    return std::all_of(text.begin(), text.end(), [](auto c) { return isDigit(c); });
}

// The text holds a blank anywhere.
template <typename View>
bool hasBlank(View text)
{
    return std::any_of(text.begin(), text.end(), [](auto c) { return isBlank(c); });
}

// The text without the characters `around` accepts at its start and end.
template <typename View, typename Around>
View trimmed(View text, Around around)
{
    qsizetype first = 0, last = text.size();
    while (first < last && around(text[first]))
        ++first;
    while (last > first && around(text[last - 1]))
        --last;
    return text.sliced(first, last - first);
}

// The text without the blanks before and after it: a stored field without its blank fill.
template <typename View>
View withoutBlanks(View text)
{
    return trimmed(text, [](auto c) { return isBlank(c); });
}
inline QString trimBlanks(QStringView text) { return withoutBlanks(text).toString(); }

} // namespace characters
