#include "data/codec.h"

#include <QStringDecoder>
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
