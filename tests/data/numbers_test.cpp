#include "vocabulary/numbers.h"
#include "vocabulary/receiptnumber.h"

#include <gtest/gtest.h>

namespace {

// "Readable as a number" as the ordinary number parsing has it: blanks around, one sign, one
// decimal separator (comma or point), an exponent with digits; ASCII digits only.
TEST(Numbers, IsNumericJudgesTheWholeText)
{
    const std::pair<const char16_t*, bool> rows[] = {
        {u"12345", true},     {u"00000042", true}, {u"+1234", true},   {u"-7", true},
        {u"1,25", true},      {u"1.25", true},     {u",5", true},      {u"5,", true},
        {u"12E45", true},     {u"1,5e-3", true},   {u"  42  ", true},  {u"\t42", true},
        {u"", false},         {u"        ", false}, {u"1A345", false}, {u"1,2,3", false},
        {u"1,2.3", false},    {u"12-34", false},   {u"12-", false},    {u"+", false},
        {u",", false},        {u"12E", false},     {u"12E+", false},   {u"E5", false},
        {u"12 34", false},    {u"+-1", false},     {u"\uFF11", false}, {u"\u0661", false},
    };
    for (const auto& [text, numeric] : rows)
        EXPECT_EQ(isNumeric(QString::fromUtf16(text)), numeric) << QString::fromUtf16(text).toStdString();
}

// A receipt number is a whole number of plain digits that fits in 16 bits.
TEST(Numbers, ReceiptNumberReadsA16BitWholeNumber)
{
    const std::pair<const char16_t*, std::optional<int>> rows[] = {
        {u"1", 1},          {u"0", 0},          {u"32767", 32767},  {u"32768", {}},
        {u"99999999999999999999", {}},          {u"00000042", 42},  {u"  17 ", 17},
        {u"", {}},          {u"   ", {}},       {u"+5", {}},        {u"-5", {}},
        {u"5,0", {}},       {u"1E3", {}},       {u"12a", {}},       {u"1 2", {}},
    };
    for (const auto& [text, number] : rows)
        EXPECT_EQ(receiptNumber(QString::fromUtf16(text)), number) << QString::fromUtf16(text).toStdString();
}

} // namespace
