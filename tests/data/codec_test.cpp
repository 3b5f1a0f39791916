#include "data/codec.h"

#include <QStringDecoder>
#include <QStringList>
#include <map>
#include <gtest/gtest.h>

namespace {

// The carried table must agree with a full Windows-1252 codec for every byte it defines, and
// give the five undefined bytes back as the control character of the same value.
TEST(Codec, MatchesIcuWindows1252ForAll256Bytes)
{
    QStringDecoder icu("windows-1252");
    ASSERT_TRUE(icu.isValid()) << "Qt on this machine has no Windows-1252 codec";
    for (int b = 0; b < 256; ++b) {
        const QByteArray one(1, char(b));
        const QString ours = cp1252::decode(one);
        ASSERT_EQ(ours.size(), 1) << "byte " << b;
        const bool undefined = b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
        if (undefined)
            EXPECT_EQ(ours[0].unicode(), b) << "byte " << b;
        else
            EXPECT_EQ(ours, icu.decode(one)) << "byte 0x" << std::hex << b;
    }
}

// Encoding is the inverse for all 256 bytes, so a record read as text is written back as read.
TEST(Codec, EveryByteRoundTrips)
{
    QByteArray all(256, Qt::Uninitialized);
    for (int b = 0; b < 256; ++b)
        all[b] = char(b);
    const auto back = cp1252::encode(cp1252::decode(all));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, all);
}

// Encoding is exactly the inverse of decoding: a code point has a byte when, and only when, that
// byte decodes to it. Every other character is refused, a C1 control whose byte means something
// else (U+0080, which would read back as "€") and characters beyond U+FFFF included.
TEST(Codec, EncodesExactlyWhatDecodingGives)
{
    std::map<char32_t, char> inverse;
    for (int b = 0; b < 256; ++b)
        inverse[cp1252::decode(QByteArray(1, char(b))).at(0).unicode()] = char(b);
    ASSERT_EQ(inverse.size(), 256u);
    QStringList wrong;
    for (char32_t c = 0; c <= 0x10FFFF; c += c < 0x10000 ? 1 : 0x3FFF) {
        // Built by hand: fromUcs4 would drop U+FEFF as a byte-order mark.
        const QChar pair[] = {QChar(QChar::highSurrogate(c)), QChar(QChar::lowSurrogate(c))};
        const QString text = c < 0x10000 ? QString(QChar(char16_t(c))) : QString(pair, 2);
        const std::optional<QByteArray> ours = cp1252::encode(text);
        const auto it = inverse.find(c);
        const std::optional<QByteArray> expected =
            it == inverse.end() ? std::nullopt : std::optional(QByteArray(1, it->second));
        if (ours != expected || cp1252::isEncodable(QStringView(text)) != expected.has_value())
            wrong << QStringLiteral("U+%1").arg(quint32(c), 4, 16, QLatin1Char('0'));
    }
    EXPECT_TRUE(wrong.isEmpty()) << wrong.size() << " code points: "
                                 << wrong.mid(0, 10).join(QLatin1Char(' ')).toStdString();
}

// Text outside Windows-1252 is refused whole, never replaced; a lone surrogate included.
TEST(Codec, RefusesCharactersOutsideWindows1252)
{
    for (char16_t c : {u'\u0100', u'\u03B1', u'\u20AD', u'\uFFFD', char16_t(0xD83D)}) {
        const QString text = QStringLiteral("ab") + QChar(c) + QStringLiteral("cd");
        EXPECT_FALSE(cp1252::encode(text).has_value()) << int(c);
        EXPECT_FALSE(cp1252::isEncodable(QChar(c))) << int(c);
        EXPECT_FALSE(cp1252::isEncodable(QStringView(text))) << int(c);
    }
    EXPECT_TRUE(cp1252::isEncodable(QStringView(u"åäö€")));
}

} // namespace
