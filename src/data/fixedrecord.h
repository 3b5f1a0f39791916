#pragma once

#include "data/fixedtext.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <algorithm>
#include <array>

// A record of fixed-width Windows-1252 text fields that *is* its bytes: `Size` bytes and nothing
// around them, so reading a record and writing it back is byte-identical whatever it holds, and a
// file of records can be read straight into an array of them. `Spans` gives each `Field` its
// offset and width; `Record` is the record type built on this one, which fromBytes returns.
template <typename Record, typename Field, int RecordSize, const auto& Spans>
class FixedRecord {
public:
    static constexpr int Size = RecordSize;
    static_assert(fixedtext::tiles(Spans, Size), "the fields must lie back to back and fill the record");

    // All blanks: a record never filled.
    FixedRecord() { m_bytes.fill(' '); }
    // The first Size bytes of `bytes`; a shorter input leaves the missing positions blank.
    static Record fromBytes(QByteArrayView bytes)
    {
        Record r;
        FixedRecord& base = r;
        std::copy_n(bytes.data(), std::min<qsizetype>(bytes.size(), Size), base.m_bytes.data());
        return r;
    }

    QByteArrayView bytes() const { return {m_bytes.data(), Size}; }

    // A field's exact characters (its full width, blanks included).
    QString text(Field field) const { return fixedtext::textAt(m_bytes.data(), span(field)); }
    // Stores `value` left-aligned, blank-filled, cut to the field's width. The text is
    // Windows-1252: the input boxes refuse any other character (see fixedtext::setTextAt).
    void setText(Field field, const QString& value)
    {
        fixedtext::setTextAt(m_bytes.data(), span(field), value);
    }

    QByteArray raw(Field field) const { return fixedtext::rawAt(m_bytes.data(), span(field)); }
    void setRaw(Field field, QByteArrayView value)
    {
        fixedtext::setRawAt(m_bytes.data(), span(field), value);
    }

    bool operator==(const FixedRecord&) const = default;

private:
    static constexpr FieldSpan span(Field field) { return Spans[static_cast<int>(field)]; }

    std::array<char, Size> m_bytes;
};
