#include "data/fixedtext.h"
#include "data/settingsrecord.h"
#include "data/visitrecord.h"
#include "data/visittable.h"

#include <gtest/gtest.h>

namespace {

// --- Visit record layout -------------------------------------------------------------------

struct VisitLayout {
    const char* name;
    VisitField field;
    int offset;
    int width;
};

const VisitLayout VisitFields[] = {
    {"Registreringstyp", VisitField::Registreringstyp, 0, 1},
    {"Kombikakod", VisitField::Kombikakod, 1, 11},
    {"VikKomkod", VisitField::VikKomkod, 12, 5},
    {"Kvittonummer", VisitField::Kvittonummer, 17, 8},
    {"Skatt", VisitField::Skatt, 25, 1},
    {"IdNummer", VisitField::IdNummer, 26, 12},
    {"IdTyp", VisitField::IdTyp, 38, 1},
    {"Fodelsedatum", VisitField::Födelsedatum, 39, 6},
    {"Besoksdatum", VisitField::Besöksdatum, 45, 6},
    {"Besokstyp", VisitField::Besökstyp, 51, 1},
    {"Akutbesok", VisitField::Akutbesök, 52, 1},
    {"Taxekod", VisitField::Taxekod, 53, 2},
    {"Smittskydd", VisitField::Smittskydd, 55, 1},
    {"Atgard", VisitField::Åtgärd, 56, 4},
    {"RemissFran", VisitField::RemissFrån, 60, 11},
    {"RemissDatum", VisitField::RemissDatum, 71, 6},
    {"RemissTill", VisitField::RemissTill, 77, 2},
    {"Patientavgift", VisitField::Patientavgift, 79, 3},
    {"Atgardsbelopp", VisitField::Åtgärdsbelopp, 82, 4},
    {"EjBetPatAvg", VisitField::EjBetPatAvg, 86, 4},
    {"Diagnoskod", VisitField::Diagnoskod, 90, 5},
};

class VisitFieldLayout : public ::testing::TestWithParam<VisitLayout> {};

TEST_P(VisitFieldLayout, SpanIsTheFieldsOffsetAndWidth)
{
    const FieldSpan span = spanOf(GetParam().field);
    EXPECT_EQ(span.offset, GetParam().offset);
    EXPECT_EQ(span.width, GetParam().width);
}

TEST_P(VisitFieldLayout, SetTextWritesOnlyItsOwnBytes)
{
    const auto [name, field, offset, width] = GetParam();
    VisitRecord r = VisitRecord::fromBytes(QByteArray(VisitRecord::Size, '#'));
    r.setText(field, QStringLiteral("Å"));
    const QByteArray bytes = r.bytes().toByteArray();
    for (int i = 0; i < VisitRecord::Size; ++i) {
        char expected = '#';
        if (i == offset)
            expected = '\xC5';
        else if (i > offset && i < offset + width)
            expected = ' ';
        ASSERT_EQ(bytes[i], expected) << name << " byte " << i;
    }
}

TEST_P(VisitFieldLayout, CutsAndPadsAtItsWidth)
{
    const auto [name, field, offset, width] = GetParam();
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQ");
    for (int length : {0, width - 1, width, width + 1, width + 5}) {
        if (length < 0)
            continue;
        VisitRecord r;
        r.setText(field, letters.left(length));
        const QString stored = r.text(field);
        ASSERT_EQ(stored.size(), width) << name << " length " << length;
        const int kept = std::min(length, width);
        EXPECT_EQ(stored, letters.left(kept) + QString(width - kept, QLatin1Char(' ')))
            << name << " length " << length;
        EXPECT_EQ(r.bytes().toByteArray().mid(offset, width), stored.toLatin1());
    }
}

INSTANTIATE_TEST_SUITE_P(Records, VisitFieldLayout, ::testing::ValuesIn(VisitFields),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(VisitRecordBytes, NewRecordIsBlankAndNotAStoredReceipt)
{
    const VisitRecord r;
    EXPECT_EQ(r.bytes().toByteArray(), QByteArray(95, ' '));
    EXPECT_FALSE(r.isStoredReceipt());
}

TEST(VisitRecordBytes, StoredReceiptIsJudgedByKvittonummer)
{
    VisitRecord r;
    r.setText(VisitField::Kvittonummer, QStringLiteral("00000042"));
    EXPECT_TRUE(r.isStoredReceipt());
    r.setText(VisitField::Kvittonummer, QStringLiteral("0000004X"));
    EXPECT_FALSE(r.isStoredReceipt());
}

TEST(VisitRecordBytes, FromBytesTakesNinetyFiveAndPadsShortInput)
{
    QByteArray long_(120, 'x');
    long_[94] = 'y';
    EXPECT_EQ(VisitRecord::fromBytes(long_).bytes().toByteArray(),
              QByteArray(94, 'x') + 'y');
    EXPECT_EQ(VisitRecord::fromBytes("abc").bytes().toByteArray(), "abc" + QByteArray(92, ' '));
}

TEST(VisitRecordBytes, EveryByteValueSurvivesTextAndSetText)
{
    // Through QString and back: undefined bytes and control characters included.
    for (int start = 0; start < 256; start += VisitRecord::Size) {
        QByteArray bytes(VisitRecord::Size, Qt::Uninitialized);
        for (int i = 0; i < VisitRecord::Size; ++i)
            bytes[i] = char((start + i) % 256);
        const VisitRecord original = VisitRecord::fromBytes(bytes);
        VisitRecord copy;
        for (const VisitLayout& f : VisitFields)
            copy.setText(f.field, original.text(f.field));
        EXPECT_EQ(copy.bytes().toByteArray(), bytes) << "from byte " << start;
    }
}

TEST(VisitRecordBytes, CharacterOutsideWindows1252BecomesOneQuestionMark)
{
    VisitRecord r = VisitRecord::fromBytes(QByteArray(95, '#'));
    r.setText(VisitField::Diagnoskod, QStringLiteral("A\u0100B"));
    EXPECT_EQ(r.raw(VisitField::Diagnoskod), QByteArray("A?B  "));
    EXPECT_EQ(r.bytes().toByteArray().left(90), QByteArray(90, '#'));
}

TEST(VisitRecordBytes, SetRawFitsToWidth)
{
    VisitRecord r;
    r.setRaw(VisitField::IdNummer, "1234567890");
    EXPECT_EQ(r.raw(VisitField::IdNummer), QByteArray("1234567890  "));
    r.setRaw(VisitField::Taxekod, "123");
    EXPECT_EQ(r.raw(VisitField::Taxekod), QByteArray("12"));
}

// --- Visit table ---------------------------------------------------------------------------

TEST(VisitTableBounds, IndexedFromOne)
{
    VisitTable t;
    EXPECT_EQ(t.upperBound(), 0);
    EXPECT_FALSE(t.contains(0));
    EXPECT_FALSE(t.contains(1));
    t.resize(3);
    EXPECT_EQ(t.upperBound(), 3);
    EXPECT_FALSE(t.contains(0));
    EXPECT_TRUE(t.contains(1));
    EXPECT_TRUE(t.contains(3));
    EXPECT_FALSE(t.contains(4));
    t[1].setText(VisitField::Kvittonummer, QStringLiteral("00000001"));
    t[3].setText(VisitField::Kvittonummer, QStringLiteral("00000003"));
    EXPECT_EQ(t.records()[0].text(VisitField::Kvittonummer), QStringLiteral("00000001"));
    EXPECT_EQ(t.records()[2].text(VisitField::Kvittonummer), QStringLiteral("00000003"));
}

TEST(VisitTableBounds, ResizeKeepsEntriesBelowAndAddsBlankRecords)
{
    VisitTable t;
    t.resize(5);
    for (int k = 1; k <= 5; ++k)
        t[k].setText(VisitField::Kvittonummer, QString::number(k));
    t.resize(2);
    EXPECT_EQ(t.upperBound(), 2);
    t.resize(3);
    EXPECT_EQ(t[2].text(VisitField::Kvittonummer), QStringLiteral("2       "));
    EXPECT_EQ(t[3], VisitRecord());
    t.resize(0);
    EXPECT_EQ(t.upperBound(), 0);
    t.resize(-4);
    EXPECT_EQ(t.upperBound(), 0);
}

// --- Settings record layout ----------------------------------------------------------------

struct SettingsLayout {
    const char* name;
    SettingsField field;
    int firstPosition; // 1-based, as the file's layout is written down
    int width;
};

const SettingsLayout SettingsFields[] = {
    {"Kombikakod", SettingsField::Kombikakod, 1, 11},
    {"VikKomkod", SettingsField::VikKomkod, 12, 5},
    {"AtgardIndex", SettingsField::ÅtgärdIndex, 17, 2},
    {"TaxekodIndex", SettingsField::TaxekodIndex, 19, 2},
    {"Skatt", SettingsField::Skatt, 21, 2},
    {"Besokstyp", SettingsField::Besökstyp, 23, 2},
    {"Yrke", SettingsField::Yrke, 25, 2},
    {"ArvFom", SettingsField::ArvFom, 27, 8},
    {"Klinik", SettingsField::Klinik, 35, 50},
    {"Namn", SettingsField::Namn, 85, 40},
    {"Adress", SettingsField::Adress, 125, 30},
    {"Postadress", SettingsField::Postadress, 155, 25},
    {"Telefon", SettingsField::Telefon, 180, 15},
};

class SettingsFieldLayout : public ::testing::TestWithParam<SettingsLayout> {};

TEST_P(SettingsFieldLayout, FieldLiesAtItsPositions)
{
    const auto [name, field, first, width] = GetParam();
    EXPECT_EQ(spanOf(field).offset, first - 1);
    EXPECT_EQ(spanOf(field).width, width);

    SettingsRecord r = SettingsRecord::fromBytes(QByteArray(194, '#'));
    r.setText(field, QStringLiteral("ö"));
    const QByteArray bytes = r.bytes().toByteArray();
    ASSERT_EQ(bytes.size(), 194);
    for (int pos = 1; pos <= 194; ++pos) {
        char expected = '#';
        if (pos == first)
            expected = '\xF6';
        else if (pos > first && pos < first + width)
            expected = ' ';
        ASSERT_EQ(bytes[pos - 1], expected) << name << " position " << pos;
    }
}

TEST_P(SettingsFieldLayout, CutsAndPadsAtItsWidth)
{
    const auto [name, field, first, width] = GetParam();
    const QString text = QStringLiteral("Vårdcentralen Ängsbacken i Övre Småstad med filial och mer text");
    ASSERT_GT(text.size(), 55);
    for (int length : {0, width - 1, width, width + 1}) {
        SettingsRecord r;
        r.setText(field, text.left(length));
        const int kept = std::min(length, width);
        EXPECT_EQ(r.text(field), text.left(kept) + QString(width - kept, QLatin1Char(' ')))
            << name << " length " << length;
    }
}

INSTANTIATE_TEST_SUITE_P(Records, SettingsFieldLayout, ::testing::ValuesIn(SettingsFields),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SettingsRecordFields, NineLetterClinicNameIsPaddedToPosition84)
{
    SettingsRecord r;
    r.setText(SettingsField::Klinik, QStringLiteral("Björkdala"));
    const QByteArray bytes = r.bytes().toByteArray();
    EXPECT_EQ(bytes.mid(34, 9), QByteArray("Bj\xF6rkdala"));
    EXPECT_EQ(bytes.mid(43, 41), QByteArray(41, ' '));
}

TEST(SettingsRecordFields, SixtyCharacterClinicNameKeepsFifty)
{
    SettingsRecord r;
    const QString sixty = QString(60, QLatin1Char('k'));
    r.setText(SettingsField::Klinik, sixty);
    EXPECT_EQ(r.text(SettingsField::Klinik), sixty.left(50));
    EXPECT_EQ(r.raw(SettingsField::Namn), QByteArray(40, ' '));
}

struct IndexCase {
    const char* name;
    const char* stored;
    int index;
};

class SettingsIndex : public ::testing::TestWithParam<IndexCase> {};

TEST_P(SettingsIndex, ReadsTheStoredIndex)
{
    SettingsRecord r;
    r.setRaw(SettingsField::TaxekodIndex, GetParam().stored);
    EXPECT_EQ(r.index(SettingsField::TaxekodIndex), GetParam().index);
    r.setRaw(SettingsField::ÅtgärdIndex, GetParam().stored);
    EXPECT_EQ(r.index(SettingsField::ÅtgärdIndex), GetParam().index);
}

INSTANTIATE_TEST_SUITE_P(Records, SettingsIndex,
                         ::testing::Values(IndexCase{"Zero", "0 ", 0}, IndexCase{"Five", "5 ", 5},
                                           IndexCase{"Twelve", "12", 12},
                                           IndexCase{"LeadingBlank", " 7", 7},
                                           IndexCase{"None", "-1", -1},
                                           IndexCase{"Blanks", "  ", -1},
                                           IndexCase{"Letters", "ab", -1},
                                           IndexCase{"DigitAndLetter", "1x", -1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SettingsRecordFields, SetIndexWritesDecimalBlankFilledAndCut)
{
    SettingsRecord r;
    const std::pair<int, const char*> cases[] = {{0, "0 "}, {5, "5 "}, {7, "7 "}, {12, "12"},
                                                 {99, "99"}, {-1, "-1"}, {123, "12"}};
    for (const auto& [index, stored] : cases) {
        r.setIndex(SettingsField::ÅtgärdIndex, index);
        EXPECT_EQ(r.raw(SettingsField::ÅtgärdIndex), QByteArray(stored)) << index;
    }
}

TEST(SettingsRecordFields, ChoicesAreMinusOneOrZeroBlank)
{
    SettingsRecord r;
    for (SettingsField f : {SettingsField::Skatt, SettingsField::Besökstyp, SettingsField::Yrke}) {
        r.setChoice(f, false);
        EXPECT_EQ(r.raw(f), QByteArray("0 "));
        EXPECT_FALSE(r.isFirstChoice(f));
        r.setChoice(f, true);
        EXPECT_EQ(r.raw(f), QByteArray("-1"));
        EXPECT_TRUE(r.isFirstChoice(f));
        r.setRaw(f, "1 ");
        EXPECT_FALSE(r.isFirstChoice(f));
    }
    r.setChoice(SettingsField::Skatt, false);
    r.setChoice(SettingsField::Besökstyp, false);
    r.setChoice(SettingsField::Yrke, false);
    EXPECT_EQ(r.bytes().toByteArray().mid(20, 6), QByteArray("0 0 0 "));
}

TEST(SettingsRecordFields, FirstRunDefault)
{
    const SettingsRecord r = SettingsRecord::firstRunDefault();
    const QByteArray expected = QByteArray(16, ' ') + "0 0 -1-1-11" + QByteArray(7 + 160, ' ');
    EXPECT_EQ(r.bytes().toByteArray(), expected);
    EXPECT_EQ(r.index(SettingsField::ÅtgärdIndex), 0);
    EXPECT_EQ(r.index(SettingsField::TaxekodIndex), 0);
}

TEST(SettingsRecordFields, ShortLineLeavesTheRestBlank)
{
    const SettingsRecord r = SettingsRecord::fromBytes("12345ABCD67");
    EXPECT_EQ(r.text(SettingsField::Kombikakod), QStringLiteral("12345ABCD67"));
    EXPECT_EQ(r.bytes().toByteArray().mid(11), QByteArray(183, ' '));
    EXPECT_EQ(r.index(SettingsField::TaxekodIndex), -1);
}

// --- fixedtext -----------------------------------------------------------------------------

TEST(FixedText, FitsBytesAndText)
{
    EXPECT_EQ(fixedtext::fit(QByteArrayView("ab"), 4), QByteArray("ab  "));
    EXPECT_EQ(fixedtext::fit(QByteArrayView("abcdef"), 4), QByteArray("abcd"));
    EXPECT_EQ(fixedtext::fit(QByteArrayView(""), 3), QByteArray("   "));
    EXPECT_EQ(fixedtext::fit(QByteArrayView("ab"), 0), QByteArray());
    EXPECT_EQ(fixedtext::fit(QStringLiteral("åä"), 4), QStringLiteral("åä  "));
    EXPECT_EQ(fixedtext::fit(QStringLiteral("åäöxy"), 3), QStringLiteral("åäö"));
    EXPECT_EQ(fixedtext::fit(QStringLiteral(" a"), 2), QStringLiteral(" a"));
}

} // namespace
