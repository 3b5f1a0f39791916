#include "data/codec.h"

#include <array>

namespace cp1252 {

namespace {

// Bytes 0x80-0x9F. The five bytes the code page leaves undefined map to the control character
// of the same value, so that they survive a read and a write.
constexpr std::array<char16_t, 32> High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98-9F
};

std::optional<char> byteOf(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return char(c);
    for (size_t i = 0; i < High.size(); ++i)
        if (High[i] == c)
            return char(0x80 + i);
    return std::nullopt;
}

} // namespace

QString decode(QByteArrayView bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar* dst = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        dst[i] = QChar(b >= 0x80 && b < 0xA0 ? High[b - 0x80] : char16_t(b));
    }
    return out;
}

std::optional<QByteArray> encode(QStringView text)
{
    QByteArray out(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto b = byteOf(text[i].unicode());
        if (!b)
            return std::nullopt;
        out[i] = *b;
    }
    return out;
}

bool isEncodable(QChar c)
{
    return byteOf(c.unicode()).has_value();
}

bool isEncodable(QStringView text)
{
    for (QChar c : text)
        if (!isEncodable(c))
            return false;
    return true;
}

} // namespace cp1252
