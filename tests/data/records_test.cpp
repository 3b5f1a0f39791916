#include "data/settingsrecord.h"
#include "data/visitrecord.h"
#include "data/visittable.h"

#include <gtest/gtest.h>

namespace {

struct Layout {
    const char* name;
    int offset; // 0-based
    int width;
};

// A field written into a record of '#' changes its own bytes and no others; text is cut and
// blank-filled at the field's width, one short of it and one beyond.
template <class Record, class Field>
void expectFieldAt(Field field, const Layout& at)
{
    Record r = Record::fromBytes(QByteArray(Record::Size, '#'));
    r.setText(field, QStringLiteral("Å"));
    QByteArray expected(Record::Size, '#');
    expected.replace(at.offset, at.width, "\xC5" + QByteArray(at.width - 1, ' '));
    EXPECT_EQ(r.bytes().toByteArray(), expected) << at.name;

    QString letters;
    for (int i = 0; i < 60; ++i)
        letters += QChar(u'A' + i % 26);
    for (int length : {0, at.width - 1, at.width, at.width + 1}) {
        Record cut;
        cut.setText(field, letters.left(length));
        const int kept = std::min(length, at.width);
        const QString stored = letters.left(kept) + QString(at.width - kept, u' ');
        EXPECT_EQ(cut.text(field), stored) << at.name << " length " << length;
        EXPECT_EQ(cut.bytes().toByteArray().mid(at.offset, at.width), stored.toLatin1()) << at.name;
    }
}

const std::pair<VisitField, Layout> VisitFields[] = {
    {VisitField::Registreringstyp, {"Registreringstyp", 0, 1}}, {VisitField::Kombikakod, {"Kombikakod", 1, 11}},
    {VisitField::VikKomkod, {"VikKomkod", 12, 5}},              {VisitField::Kvittonummer, {"Kvittonummer", 17, 8}},
    {VisitField::Skatt, {"Skatt", 25, 1}},                      {VisitField::IdNummer, {"IdNummer", 26, 12}},
    {VisitField::IdTyp, {"IdTyp", 38, 1}},                      {VisitField::Födelsedatum, {"Födelsedatum", 39, 6}},
    {VisitField::Besöksdatum, {"Besöksdatum", 45, 6}},          {VisitField::Besökstyp, {"Besökstyp", 51, 1}},
    {VisitField::Akutbesök, {"Akutbesök", 52, 1}},              {VisitField::Taxekod, {"Taxekod", 53, 2}},
    {VisitField::Smittskydd, {"Smittskydd", 55, 1}},            {VisitField::Åtgärd, {"Åtgärd", 56, 4}},
    {VisitField::RemissFrån, {"RemissFrån", 60, 11}},           {VisitField::RemissDatum, {"RemissDatum", 71, 6}},
    {VisitField::RemissTill, {"RemissTill", 77, 2}},            {VisitField::Patientavgift, {"Patientavgift", 79, 3}},
    {VisitField::Åtgärdsbelopp, {"Åtgärdsbelopp", 82, 4}},      {VisitField::EjBetPatAvg, {"EjBetPatAvg", 86, 4}},
    {VisitField::Diagnoskod, {"Diagnoskod", 90, 5}},
};

// Offsets as the settings line is written down are 1-based; these are 0-based (Klinik: 35-84).
const std::pair<SettingsField, Layout> SettingsFields[] = {
    {SettingsField::Kombikakod, {"Kombikakod", 0, 11}},  {SettingsField::VikKomkod, {"VikKomkod", 11, 5}},
    {SettingsField::ÅtgärdIndex, {"ÅtgärdIndex", 16, 2}}, {SettingsField::TaxekodIndex, {"TaxekodIndex", 18, 2}},
    {SettingsField::Skatt, {"Skatt", 20, 2}},            {SettingsField::Besökstyp, {"Besökstyp", 22, 2}},
    {SettingsField::Yrke, {"Yrke", 24, 2}},              {SettingsField::ArvFom, {"ArvFom", 26, 8}},
    {SettingsField::Klinik, {"Klinik", 34, 50}},         {SettingsField::Namn, {"Namn", 84, 40}},
    {SettingsField::Adress, {"Adress", 124, 30}},        {SettingsField::Postadress, {"Postadress", 154, 25}},
    {SettingsField::Telefon, {"Telefon", 179, 15}},
};

TEST(Records, VisitFieldsLieAtTheirOffsetsAndWidths)
{
    for (const auto& [field, at] : VisitFields)
        expectFieldAt<VisitRecord>(field, at);
}

TEST(Records, SettingsFieldsLieAtTheirPositionsAndWidths)
{
    for (const auto& [field, at] : SettingsFields)
        expectFieldAt<SettingsRecord>(field, at);
}

TEST(Records, VisitRecordFromBytesAndStoredReceipt)
{
    const VisitRecord blank;
    EXPECT_EQ(blank.bytes().toByteArray(), QByteArray(95, ' '));
    EXPECT_FALSE(blank.isStoredReceipt());
    VisitRecord r;
    r.setText(VisitField::Kvittonummer, QStringLiteral("00000042"));
    EXPECT_TRUE(r.isStoredReceipt());
    r.setText(VisitField::Kvittonummer, QStringLiteral("0000004X"));
    EXPECT_FALSE(r.isStoredReceipt());

    // The first 95 bytes of longer input; shorter input blank-filled.
    QByteArray long_(120, 'x');
    long_[94] = 'y';
    EXPECT_EQ(VisitRecord::fromBytes(long_).bytes().toByteArray(), QByteArray(94, 'x') + 'y');
    EXPECT_EQ(VisitRecord::fromBytes("abc").bytes().toByteArray(), "abc" + QByteArray(92, ' '));
    r.setRaw(VisitField::Taxekod, "123");
    EXPECT_EQ(r.raw(VisitField::Taxekod), QByteArray("12"));
}

TEST(Records, EveryByteValueSurvivesTextAndSetText)
{
    // Through QString and back: undefined bytes and control characters included.
    for (int start = 0; start < 256; start += VisitRecord::Size) {
        QByteArray bytes(VisitRecord::Size, Qt::Uninitialized);
        for (int i = 0; i < VisitRecord::Size; ++i)
            bytes[i] = char((start + i) % 256);
        const VisitRecord original = VisitRecord::fromBytes(bytes);
        VisitRecord copy;
        for (const auto& [field, at] : VisitFields)
            copy.setText(field, original.text(field));
        EXPECT_EQ(copy.bytes().toByteArray(), bytes) << "from byte " << start;
    }
}

TEST(Records, CharacterOutsideWindows1252IsOneQuestionMarkAndMovesNothing)
{
    VisitRecord r = VisitRecord::fromBytes(QByteArray(95, '#'));
    r.setText(VisitField::Diagnoskod, QStringLiteral("A\u0100B"));
    EXPECT_EQ(r.bytes().toByteArray(), QByteArray(90, '#') + "A?B  ");
}

TEST(Records, VisitTableIsIndexedFromOneAndResizesAtTheEnd)
{
    VisitTable t;
    t.resize(3);
    EXPECT_TRUE(!t.contains(0) && t.contains(1) && t.contains(3) && !t.contains(4));
    t[1].setText(VisitField::Kvittonummer, QStringLiteral("1"));
    t[3].setText(VisitField::Kvittonummer, QStringLiteral("3"));
    EXPECT_EQ(t.records()[0].text(VisitField::Kvittonummer), QStringLiteral("1       "));
    t.resize(2);
    t.resize(3);
    EXPECT_EQ(t[3], VisitRecord()) << "an entry added at the end is blank";
    t.resize(-4);
    EXPECT_EQ(t.upperBound(), 0);
}

// List indexes: decimal, blank-filled to 2, cut to 2; whatever is no integer reads as -1.
TEST(Records, SettingsIndexesAndChoices)
{
    const std::pair<const char*, int> stored[] = {{"0 ", 0},  {"12", 12}, {" 7", 7}, {"-1", -1},
                                                  {"  ", -1}, {"ab", -1}, {"1x", -1}};
    SettingsRecord r;
    for (const auto& [raw, index] : stored) {
        r.setRaw(SettingsField::TaxekodIndex, raw);
        r.setRaw(SettingsField::ÅtgärdIndex, raw);
        EXPECT_EQ(r.index(SettingsField::TaxekodIndex), index) << raw;
        EXPECT_EQ(r.index(SettingsField::ÅtgärdIndex), index) << raw;
    }
    const std::pair<int, const char*> written[] = {{0, "0 "}, {7, "7 "}, {99, "99"}, {-1, "-1"}, {123, "12"}};
    for (const auto& [index, raw] : written) {
        r.setIndex(SettingsField::ÅtgärdIndex, index);
        EXPECT_EQ(r.raw(SettingsField::ÅtgärdIndex), QByteArray(raw)) << index;
    }
    // Either/or fields: "-1" is the first choice, "0 " the second, anything else not the first.
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
}

} // namespace
