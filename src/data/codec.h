#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>

// Windows-1252, the code page of every file the clinic and the county council exchange.
//
// The table is carried here rather than taken from Qt: Qt promises no Windows-1252 codec
// (Debian's build reaches one through ICU, many builds have none). Bytes 0x80-0x9F follow the
// standard table; the five undefined bytes 0x81, 0x8D, 0x8F, 0x90 and 0x9D map to U+0081 etc.,
// and every other byte maps to the code point of the same value, so any file round-trips.
namespace cp1252 {

QString decode(QByteArrayView bytes);

// The bytes of `text`, or nothing when a character has no Windows-1252 byte. Such text is
// refused where it is typed; it is never replaced by "?" or 0x1A.
std::optional<QByteArray> encode(QStringView text);

// One of the five bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D): no
// program the clinic uses writes them, so a file holding one is damaged.
constexpr bool isUndefined(char byte)
{
    const auto b = static_cast<unsigned char>(byte);
    return b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
}

bool isEncodable(QChar c);
bool isEncodable(QStringView text);

} // namespace cp1252
