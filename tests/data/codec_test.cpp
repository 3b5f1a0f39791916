#include "data/codec.h"

#include <QStringDecoder>
#include <QStringEncoder>
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
        const QString theirs = icu.decode(one);
        ASSERT_EQ(ours.size(), 1) << "byte " << b;
        const bool undefined = b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
        if (undefined)
            EXPECT_EQ(ours[0].unicode(), b) << "byte " << b;
        else
            EXPECT_EQ(ours, theirs) << "byte 0x" << std::hex << b;
    }
}

TEST(Codec, EveryByteRoundTrips)
{
    QByteArray all(256, Qt::Uninitialized);
    for (int b = 0; b < 256; ++b)
        all[b] = char(b);
    const auto back = cp1252::encode(cp1252::decode(all));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, all);
}

TEST(Codec, SwedishLettersAndEuroAreSingleBytes)
{
    const auto bytes = cp1252::encode(u"åäöÅÄÖ€é");
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(*bytes, QByteArray("\xE5\xE4\xF6\xC5\xC4\xD6\x80\xE9"));
}

struct Refused {
    const char* name;
    char16_t character;
};

class CodecRefuses : public ::testing::TestWithParam<Refused> {};

TEST_P(CodecRefuses, CharacterOutsideWindows1252)
{
    const QChar c(GetParam().character);
    const QString text = QStringLiteral("ab") + c + QStringLiteral("cd");
    EXPECT_FALSE(cp1252::encode(text).has_value());
    EXPECT_FALSE(cp1252::isEncodable(c));
    EXPECT_FALSE(cp1252::isEncodable(QStringView(text)));
    EXPECT_TRUE(cp1252::isEncodable(QStringView(u"abcd")));
}

INSTANTIATE_TEST_SUITE_P(Codec, CodecRefuses,
                         ::testing::Values(Refused{"A_macron", 0x0100}, Refused{"Greek_alpha", 0x03B1},
                                           Refused{"Kip_sign", 0x20AD}, Refused{"Cyrillic_a", 0x0430},
                                           Refused{"Replacement", 0xFFFD},
                                           Refused{"High_surrogate", 0xD83D}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
