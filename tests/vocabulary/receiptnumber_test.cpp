// The receipt number's two readings, side by side, its stored form and its last value.

#include "vocabulary/receiptnumber.h"

#include <gtest/gtest.h>

namespace {

struct Reading {
    const char* name;
    const char16_t* text;
    std::optional<int> typed; // receiptNumber: the desk's caption, "Gå till...", a stored record
    std::optional<int> inBox; // receiptNumberInBox: the report windows' boxes
};

TEST(ReceiptNumber, TheTwoReadingsDifferOnlyInTheTabsAround)
{
    const Reading rows[] = {
        {"a number", u"5", 5, 5},
        {"leading zeros", u"00000042", 42, 42},
        {"blanks around", u"  17 ", 17, 17},
        {"zero reads as zero", u"0", 0, 0},
        {"the last receipt number", u"32767", LastReceiptNumber, LastReceiptNumber},
        {"one beyond it", u"32768", {}, {}},
        {"far beyond it, without overflow", u"99999999999999999999", {}, {}},
        {"a tab before", u"\t5", 5, {}},
        {"a tab after", u"5\t", 5, {}},
        {"empty", u"", {}, {}},
        {"blanks only", u"   ", {}, {}},
        {"a sign", u"+5", {}, {}},
        {"decimals", u"5,0", {}, {}},
        {"a blank inside", u"1 2", {}, {}},
        {"another script's digit", u"\u0665", {}, {}},
    };
    for (const Reading& row : rows) {
        const QString text = QString::fromUtf16(row.text);
        EXPECT_EQ(receiptNumber(text), row.typed) << row.name;
        EXPECT_EQ(receiptNumberInBox(text), row.inBox) << row.name;
    }
}

TEST(ReceiptNumber, IsStoredAsEightDigitsWithLeadingZeros)
{
    const std::pair<int, const char*> rows[] = {
        {1, "00000001"}, {42, "00000042"}, {LastReceiptNumber, "00032767"}};
    for (const auto& [number, stored] : rows)
        EXPECT_EQ(storedReceiptNumber(number).toStdString(), stored);
    // What is stored reads back as the same number.
    EXPECT_EQ(receiptNumber(storedReceiptNumber(LastReceiptNumber)), LastReceiptNumber);
}

} // namespace
