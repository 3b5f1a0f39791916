#include "data/codetables.h"

#include "datatest.h"

namespace {

using datatest::Folder;

// The two lists are named here as the clinic's files are named, not through the code under test.
const QString Taxa = QStringLiteral("Taxa.txt");
const QString Åtgärd = QStringLiteral("Åtgärd.txt");

// Entries are length / width rounded to the nearest, an exact half to the even neighbour.
TEST(CodeTables, EntryCountRoundsHalvesToEven)
{
    const struct {
        qint64 length;
        int width, entries;
    } rows[] = {{0, 5, 0},  {16, 5, 3}, {19, 5, 4}, {2, 5, 0},  {3, 5, 1},
                {4, 8, 0},  {12, 8, 2}, {18, 8, 2}, {23, 8, 3}, {6553 * 5, 5, 6553}};
    for (const auto& r : rows)
        EXPECT_EQ(codetables::entryCount(r.length, r.width), r.entries) << r.length << "/" << r.width;
}

class CodeFiles : public Folder {
protected:
    // Reads `bytes` as the tariff or procedure list into a table that already held rows.
    FileResult load(bool tariff, const QByteArray& bytes, QStringList& codes, QStringList& values)
    {
        write(tariff ? Taxa : Åtgärd, bytes);
        TariffTable t{{"99", "98"}, {"999", "998"}};
        ProcedureTable p{{"Z999", "Z998"}, {"9999", "9998"}};
        const FileResult r = tariff ? codetables::HämtaTaxeFil(folder(), t)
                                    : codetables::HämtaÅtgärdsFil(folder(), p);
        codes = tariff ? t.Taxekod : p.Åtgärd;
        values = tariff ? t.Patientavgift : p.Åtgärdsbelopp;
        return r;
    }
};

// Lengths of 15, 17 and 18 characters (tariff) and 20 and 28 (procedure), a partial last row,
// and values kept with their exact characters, blanks and Windows-1252 letters included.
TEST_F(CodeFiles, ReadsWholeAndPartialRowsAsTheyStand)
{
    const struct {
        const char* name;
        bool tariff;
        QByteArray bytes;
        QStringList codes, values;
    } cases[] = {
        {"15", true, "01100" "02200" "1 150", {"01", "02", "1 "}, {"100", "200", "150"}},
        {"17 CrLf", true, "01100" "02200" "1 150\r\n", {"01", "02", "1 "}, {"100", "200", "150"}},
        {"18", true, "01100" "02200" "03 50" "04X", {"01", "02", "03", "04"}, {"100", "200", " 50", "X"}},
        {"20", false, "A001 250" "B002 500" "C003", {"A001", "B002"}, {" 250", " 500"}},
        {"28", false, "A001 250" "B002 500" "C003 750" "D004", {"A001", "B002", "C003", "D004"},
         {" 250", " 500", " 750", ""}},
        {"21", false, "A001 250" "B002 500" "XY\xC5" "ab", {"A001", "B002", "XYÅa"}, {" 250", " 500", "b"}},
        {"exact", true, "1 150" "\xC5" "A  0" "  ABC", {"1 ", "ÅA", "  "}, {"150", "  0", "ABC"}},
        {"empty", true, "", {}, {}},
    };
    for (const auto& c : cases) {
        QStringList codes, values;
        const FileResult r = load(c.tariff, c.bytes, codes, values);
        ASSERT_TRUE(r.ok) << c.name << ": " << r.error.toStdString();
        EXPECT_EQ(codes, c.codes) << c.name;
        EXPECT_EQ(values, c.values) << c.name;
    }
}

// Above 6553 tariff rows or 4096 procedure rows the file is refused, naming it, counted after
// the rounding; the table keeps what it held.
TEST_F(CodeFiles, RowsAboveTheMaximumAreRefused)
{
    const struct {
        bool tariff;
        qint64 length;
        int rows; // 0: refused
    } cases[] = {{true, 6553 * 5 + 2, 6553}, {true, 6553 * 5 + 3, 0}, {true, 6554 * 5, 0},
                 {false, 4096 * 8 + 4, 4096}, {false, 4097 * 8, 0}};
    for (const auto& c : cases) {
        QStringList codes, values;
        const FileResult r = load(c.tariff, QByteArray(c.length, '7'), codes, values);
        EXPECT_EQ(r.ok, c.rows > 0) << c.length;
        if (c.rows > 0)
            EXPECT_EQ(codes.size(), c.rows);
        else
            EXPECT_TRUE(r.error.contains(c.tariff ? Taxa : Åtgärd) && codes.size() == 2)
                << c.length << ": " << r.error.toStdString();
    }
}

TEST_F(CodeFiles, MissingOrUnreadableFileIsAnErrorNamingFileAndFolder)
{
    TariffTable t{{"01"}, {"100"}};
    const FileResult r = codetables::HämtaTaxeFil(folder(), t);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, QStringLiteral("Filen Taxa.txt saknas i mappen %1.")
                           .arg(QDir::toNativeSeparators(folder().absolutePath())));
    EXPECT_EQ(t.count(), 1);

    ProcedureTable p;
    const FileResult rp = codetables::HämtaÅtgärdsFil(folder(), p);
    EXPECT_TRUE(!rp.ok && rp.error.contains(Åtgärd) && rp.error.contains(folder().absolutePath()))
        << rp.error.toStdString();

    // A folder in the file's place cannot be read: the reason is ours, never Qt's bare one.
    ASSERT_TRUE(folder().mkdir(Taxa));
    const FileResult ru = codetables::HämtaTaxeFil(folder(), t);
    EXPECT_TRUE(!ru.ok && ru.error.contains(Taxa) && !ru.error.contains(QStringLiteral("Unknown error")))
        << ru.error.toStdString();
}

// Every exact match makes itself the selection, so a duplicate code selects its last row; a
// miss leaves the selection where it was.
TEST(CodeTables, FindCodeLastExactMatchWinsOrSelectionStays)
{
    const QList<QString> codes = {"01", "02", "1 ", "02", "03", "1"};
    const struct {
        const char16_t* code;
        int current, selected;
    } rows[] = {{u"01", 4, 0}, {u"02", 0, 3}, {u"99", 2, 2}, {u"99", -1, -1},
                {u"1 ", -1, 2}, {u"1", -1, 5},  {u"O1", 1, 1}, {u"", 3, 3}};
    for (const auto& r : rows)
        EXPECT_EQ(codetables::findCode(codes, QString::fromUtf16(r.code), r.current), r.selected)
            << QString::fromUtf16(r.code).toStdString();
    EXPECT_EQ(codetables::findCode({}, QStringLiteral("01"), 5), 5);
}

} // namespace
