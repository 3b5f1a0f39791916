#include "data/numbers.h"

#include <gtest/gtest.h>

namespace {

struct NumericCase {
    const char* name;
    const char16_t* text;
    bool numeric;
};

class IsNumeric : public ::testing::TestWithParam<NumericCase> {};

TEST_P(IsNumeric, JudgesTheWholeText)
{
    EXPECT_EQ(isNumeric(QString::fromUtf16(GetParam().text)), GetParam().numeric)
        << QString::fromUtf16(GetParam().text).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, IsNumeric,
    ::testing::Values(
        NumericCase{"Digits", u"12345", true},
        NumericCase{"StoredReceipt", u"00000042", true},
        NumericCase{"PlusSign", u"+1234", true},
        NumericCase{"MinusSign", u"-7", true},
        NumericCase{"DecimalComma", u"1,25", true},
        NumericCase{"DecimalPoint", u"1.25", true},
        NumericCase{"LeadingComma", u",5", true},
        NumericCase{"TrailingComma", u"5,", true},
        NumericCase{"Exponent", u"12E45", true},
        NumericCase{"LowerExponentSigned", u"1,5e-3", true},
        NumericCase{"BlanksAround", u"  42  ", true},
        NumericCase{"TabBefore", u"\t42", true},
        NumericCase{"Empty", u"", false},
        NumericCase{"OnlyBlanks", u"        ", false},
        NumericCase{"LetterInside", u"1A345", false},
        NumericCase{"TwoSeparators", u"1,2,3", false},
        NumericCase{"CommaAndPoint", u"1,2.3", false},
        NumericCase{"MinusInside", u"12-34", false},
        NumericCase{"TrailingMinus", u"12-", false},
        NumericCase{"SignOnly", u"+", false},
        NumericCase{"SeparatorOnly", u",", false},
        NumericCase{"ExponentWithoutDigits", u"12E", false},
        NumericCase{"ExponentSignWithoutDigits", u"12E+", false},
        NumericCase{"ExponentOnly", u"E5", false},
        NumericCase{"BlankInside", u"12 34", false},
        NumericCase{"TwoSigns", u"+-1", false},
        NumericCase{"FullwidthDigit", u"\uFF11", false},
        NumericCase{"ArabicIndicDigit", u"\u0661", false}),
    [](const auto& info) { return std::string(info.param.name); });

struct ReceiptCase {
    const char* name;
    const char16_t* text;
    std::optional<int> number;
};

class ReceiptNumber : public ::testing::TestWithParam<ReceiptCase> {};

TEST_P(ReceiptNumber, ReadsA16BitWholeNumber)
{
    EXPECT_EQ(receiptNumber(QString::fromUtf16(GetParam().text)), GetParam().number);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, ReceiptNumber,
    ::testing::Values(
        ReceiptCase{"One", u"1", 1},
        ReceiptCase{"Zero", u"0", 0},
        ReceiptCase{"Last", u"32767", 32767},
        ReceiptCase{"OneTooMany", u"32768", std::nullopt},
        ReceiptCase{"Huge", u"99999999999999999999", std::nullopt},
        ReceiptCase{"LeadingZeros", u"00000042", 42},
        ReceiptCase{"BlanksAround", u"  17 ", 17},
        ReceiptCase{"Empty", u"", std::nullopt},
        ReceiptCase{"Blanks", u"   ", std::nullopt},
        ReceiptCase{"Sign", u"+5", std::nullopt},
        ReceiptCase{"Negative", u"-5", std::nullopt},
        ReceiptCase{"Decimals", u"5,0", std::nullopt},
        ReceiptCase{"Exponent", u"1E3", std::nullopt},
        ReceiptCase{"Letters", u"12a", std::nullopt},
        ReceiptCase{"BlankInside", u"1 2", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
