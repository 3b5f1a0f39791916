#pragma once

#include "vocabulary/characters.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Every stored value is text of a fixed width: left-aligned and blank-filled on the right,
// or cut to the width.
// Where a field lies in its record: offset (0-based) and width, in characters (= bytes).
struct FieldSpan {
    int offset;
    int width;
};

namespace fixedtext {

// Whether `spans` lie back to back from offset 0 and fill a record of `size` exactly.
template <size_t N>
constexpr bool tiles(const FieldSpan (&spans)[N], int size)
{
    int next = 0;
    for (const FieldSpan& s : spans) {
        if (s.offset != next || s.width <= 0)
            return false;
        next += s.width;
    }
    return next == size;
}

// A field of a record's bytes: its exact bytes, or its characters; setting stores the value
// left-aligned, blank-filled, cut to the field's width.
QByteArray rawAt(const char* record, FieldSpan span);
void setRawAt(char* record, FieldSpan span, QByteArrayView value);
QString textAt(const char* record, FieldSpan span);
// Every text stored is Windows-1252: a typed character outside it is refused by the box it is
// typed into, and all other text was read from a Windows-1252 file. Should a character without a
// byte reach a record regardless, it takes one byte ("?") so that every other field keeps its
// place.
void setTextAt(char* record, FieldSpan span, const QString& value);

QByteArray fit(QByteArrayView bytes, int width);
QString fit(const QString& text, int width);

// A field's blank fill is the blank of the program's vocabulary.
using characters::isBlank;
using characters::trimBlanks;

} // namespace fixedtext
