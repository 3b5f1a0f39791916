#include "data/codetables.h"

#include "datatest.h"

namespace {

using datatest::Folder;

// --- Entry count --------------------------------------------------------------------------

struct CountCase {
    const char* name;
    qint64 length;
    int width;
    int entries;
};

class EntryCount : public ::testing::TestWithParam<CountCase> {};

TEST_P(EntryCount, RoundsToNearestWithHalvesToEven)
{
    EXPECT_EQ(codetables::entryCount(GetParam().length, GetParam().width), GetParam().entries);
}

INSTANTIATE_TEST_SUITE_P(
    CodeTables, EntryCount,
    ::testing::Values(
        CountCase{"Empty", 0, 5, 0},
        CountCase{"TariffThreeEntries", 15, 5, 3},
        CountCase{"TariffThreeEntriesCrLf", 17, 5, 3},
        CountCase{"TariffOneExtra", 16, 5, 3},
        CountCase{"TariffThreeExtra", 18, 5, 4},
        CountCase{"TariffFourExtra", 19, 5, 4},
        CountCase{"TariffLoneCharacters", 2, 5, 0},
        CountCase{"TariffLoneThreeCharacters", 3, 5, 1},
        CountCase{"ProcedureTwoEntries", 16, 8, 2},
        CountCase{"ProcedureTwoEntriesCrLf", 18, 8, 2},
        CountCase{"ProcedureThreeExtra", 19, 8, 2},
        CountCase{"ProcedureTwoAndAHalfToEven", 20, 8, 2},
        CountCase{"ProcedureThreeAndAHalfToEven", 28, 8, 4},
        CountCase{"ProcedureHalfToEvenZero", 4, 8, 0},
        CountCase{"ProcedureFiveExtra", 21, 8, 3},
        CountCase{"ProcedureSevenExtra", 23, 8, 3},
        CountCase{"TariffMaximum", 6553 * 5, 5, 6553},
        CountCase{"ProcedureMaximum", 4096 * 8, 8, 4096}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Reading ------------------------------------------------------------------------------

class CodeFiles : public Folder {
protected:
    QString tariff() const { return codetables::tariffFileName(); }
    QString procedure() const { return codetables::procedureFileName(); }
};

TEST_F(CodeFiles, FileNames)
{
    EXPECT_EQ(tariff(), QStringLiteral("Taxa.txt"));
    EXPECT_EQ(procedure(), QStringLiteral("Åtgärd.txt"));
}

TEST_F(CodeFiles, ThreeTariffEntriesWithAndWithoutCrLf)
{
    for (const QByteArray& bytes : {QByteArray("01100" "02200" "1 150"),
                                    QByteArray("01100" "02200" "1 150\r\n")}) {
        write(tariff(), bytes);
        TariffTable t;
        const FileResult r = codetables::HämtaTaxeFil(folder(), t);
        ASSERT_TRUE(r.ok) << r.error.toStdString();
        ASSERT_EQ(t.count(), 3) << bytes.size() << " bytes";
        EXPECT_EQ(t.Taxekod, (QList<QString>{"01", "02", "1 "}));
        EXPECT_EQ(t.Patientavgift, (QList<QString>{"100", "200", "150"}));
    }
}

TEST_F(CodeFiles, EighteenCharacterTariffHasAPartialFourthRow)
{
    write(tariff(), "01100" "02200" "03 50" "04X");
    TariffTable t;
    ASSERT_TRUE(codetables::HämtaTaxeFil(folder(), t));
    ASSERT_EQ(t.count(), 4);
    EXPECT_EQ(t.Taxekod[3], QStringLiteral("04"));
    EXPECT_EQ(t.Patientavgift[3], QStringLiteral("X"));
    EXPECT_EQ(t.Patientavgift[2], QStringLiteral(" 50"));
}

TEST_F(CodeFiles, TwentyCharacterProcedureFileHasTwoRows)
{
    write(procedure(), "A001 250" "B002 500" "C003");
    ProcedureTable t;
    ASSERT_TRUE(codetables::HämtaÅtgärdsFil(folder(), t));
    EXPECT_EQ(t.Åtgärd, (QList<QString>{"A001", "B002"}));
    EXPECT_EQ(t.Åtgärdsbelopp, (QList<QString>{" 250", " 500"}));
}

TEST_F(CodeFiles, TwentyEightCharacterProcedureFileHasAPartialFourthRowWithNoAmount)
{
    write(procedure(), "A001 250" "B002 500" "C003 750" "D004");
    ProcedureTable t;
    ASSERT_TRUE(codetables::HämtaÅtgärdsFil(folder(), t));
    ASSERT_EQ(t.count(), 4);
    EXPECT_EQ(t.Åtgärd[3], QStringLiteral("D004"));
    EXPECT_EQ(t.Åtgärdsbelopp[3], QString());
    EXPECT_EQ(t.Åtgärdsbelopp[2], QStringLiteral(" 750"));
}

TEST_F(CodeFiles, PartialRowMadeOfAShortCode)
{
    // Five characters beyond two whole entries round up to a third row made of whatever is
    // there: four for the code, one for the amount.
    write(procedure(), "A001 250" "B002 500" "XY\xC5" "ab");
    ProcedureTable t;
    ASSERT_TRUE(codetables::HämtaÅtgärdsFil(folder(), t));
    ASSERT_EQ(t.count(), 3);
    EXPECT_EQ(t.Åtgärd[2], QStringLiteral("XYÅa"));
    EXPECT_EQ(t.Åtgärdsbelopp[2], QStringLiteral("b"));
}

TEST_F(CodeFiles, ValuesKeepTheirExactCharacters)
{
    write(tariff(), "1 150" "\xC5" "A  0" "  ABC");
    TariffTable t;
    ASSERT_TRUE(codetables::HämtaTaxeFil(folder(), t));
    EXPECT_EQ(t.Taxekod, (QList<QString>{"1 ", "ÅA", "  "}));
    EXPECT_EQ(t.Patientavgift, (QList<QString>{"150", "  0", "ABC"}));
}

TEST_F(CodeFiles, EmptyFileGivesEmptyTable)
{
    write(tariff(), {});
    TariffTable t;
    t.Taxekod = {"01"};
    t.Patientavgift = {"100"};
    ASSERT_TRUE(codetables::HämtaTaxeFil(folder(), t));
    EXPECT_EQ(t.count(), 0);
    EXPECT_TRUE(t.Patientavgift.isEmpty());
}

TEST_F(CodeFiles, ReadingReplacesTheTable)
{
    write(procedure(), "A001 250");
    ProcedureTable t;
    t.Åtgärd = {"X", "Y", "Z"};
    t.Åtgärdsbelopp = {"1", "2", "3"};
    ASSERT_TRUE(codetables::HämtaÅtgärdsFil(folder(), t));
    EXPECT_EQ(t.Åtgärd, QList<QString>{"A001"});
    EXPECT_EQ(t.Åtgärdsbelopp, QList<QString>{" 250"});
}

TEST_F(CodeFiles, MissingFilesNameTheFileAndTheFolder)
{
    TariffTable t;
    t.Taxekod = {"01"};
    t.Patientavgift = {"100"};
    const FileResult r = codetables::HämtaTaxeFil(folder(), t);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, QStringLiteral("Filen Taxa.txt saknas i mappen %1.")
                           .arg(QDir::toNativeSeparators(folder().absolutePath())));
    EXPECT_EQ(t.count(), 1);

    ProcedureTable p;
    const FileResult rp = codetables::HämtaÅtgärdsFil(folder(), p);
    EXPECT_FALSE(rp.ok);
    EXPECT_TRUE(rp.error.contains(QStringLiteral("Åtgärd.txt"))) << rp.error.toStdString();
    EXPECT_TRUE(rp.error.contains(folder().absolutePath())) << rp.error.toStdString();
}

TEST_F(CodeFiles, UnreadableFileIsAnError)
{
    ASSERT_TRUE(folder().mkdir(tariff()));
    TariffTable t;
    const FileResult r = codetables::HämtaTaxeFil(folder(), t);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.error.contains(QStringLiteral("Taxa.txt"))) << r.error.toStdString();
    EXPECT_FALSE(r.error.contains(QStringLiteral("Unknown error")));
}

// --- Size limits --------------------------------------------------------------------------

struct LimitCase {
    const char* name;
    bool tariff;
    qint64 length;
    bool accepted;
    int rows;
};

class CodeFileLimits : public CodeFiles, public ::testing::WithParamInterface<LimitCase> {};

TEST_P(CodeFileLimits, RowsAboveTheMaximumAreRefused)
{
    const LimitCase c = GetParam();
    const QString name = c.tariff ? tariff() : procedure();
    write(name, QByteArray(c.length, '7'));
    TariffTable t;
    ProcedureTable p;
    const FileResult r = c.tariff ? codetables::HämtaTaxeFil(folder(), t)
                                  : codetables::HämtaÅtgärdsFil(folder(), p);
    EXPECT_EQ(r.ok, c.accepted) << r.error.toStdString();
    if (c.accepted) {
        EXPECT_EQ(c.tariff ? t.count() : p.count(), c.rows);
    } else {
        EXPECT_TRUE(r.error.contains(name)) << r.error.toStdString();
        EXPECT_EQ(c.tariff ? t.count() : p.count(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    CodeTables, CodeFileLimits,
    ::testing::Values(LimitCase{"Tariff6553", true, 6553 * 5, true, 6553},
                      LimitCase{"Tariff6553WithCrLf", true, 6553 * 5 + 2, true, 6553},
                      LimitCase{"Tariff6553RoundingUp", true, 6553 * 5 + 3, false, 0},
                      LimitCase{"Tariff6554", true, 6554 * 5, false, 0},
                      LimitCase{"Procedure4096", false, 4096 * 8, true, 4096},
                      LimitCase{"Procedure4096HalfToEven", false, 4096 * 8 + 4, true, 4096},
                      LimitCase{"Procedure4097", false, 4097 * 8, false, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Find code ----------------------------------------------------------------------------

struct FindCase {
    const char* name;
    const char16_t* code;
    int current;
    int selected;
};

class FindCode : public ::testing::TestWithParam<FindCase> {};

TEST_P(FindCode, LastExactMatchWinsOrSelectionStays)
{
    const QList<QString> codes = {"01", "02", "1 ", "02", "03", "1"};
    EXPECT_EQ(codetables::findCode(codes, QString::fromUtf16(GetParam().code), GetParam().current),
              GetParam().selected);
}

INSTANTIATE_TEST_SUITE_P(CodeTables, FindCode,
                         ::testing::Values(FindCase{"Single", u"01", 4, 0},
                                           FindCase{"DuplicateTakesTheSecond", u"02", 0, 3},
                                           FindCase{"MissKeepsSelection", u"99", 2, 2},
                                           FindCase{"MissKeepsNoSelection", u"99", -1, -1},
                                           FindCase{"BlankIsPartOfTheCode", u"1 ", -1, 2},
                                           FindCase{"NoBlankMatchesOnlyNoBlank", u"1", -1, 5},
                                           FindCase{"CaseMatters", u"O1", 1, 1},
                                           FindCase{"EmptyCode", u"", 3, 3}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FindCodeEmpty, EmptyListKeepsSelection)
{
    EXPECT_EQ(codetables::findCode({}, QStringLiteral("01"), 5), 5);
}

} // namespace
