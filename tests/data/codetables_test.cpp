#include "data/codetables.h"
#include "ui/filemessages.h"

#include "datatest.h"

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

using datatest::Folder;

// The two lists are named here as the clinic's files are named, not through the code under test.
const QString Taxa = QStringLiteral("Taxa.txt");
const QString Åtgärd = QStringLiteral("Åtgärd.txt");

QString folderText(const QDir& folder)
{
    return QDir::toNativeSeparators(folder.absolutePath());
}

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
        TariffTable t = codetables::tariffTable("99999" "98998");
        ProcedureTable p = codetables::procedureTable("Z9999999" "Z9989998");
        const FileResult r = tariff ? codetables::HämtaTaxeFil(folder(), t)
                                    : codetables::HämtaÅtgärdsFil(folder(), p);
        codes = tariff ? t.Taxekod.toList() : p.Åtgärd.toList();
        values = tariff ? t.Patientavgift.toList() : p.Åtgärdsbelopp.toList();
        return r;
    }
};

// Lengths of 15, 17 and 18 characters (tariff) and 20 and 28 (procedure), a partial last row,
// and values kept with their exact characters: blanks, Windows-1252 letters, a line break
// inside the entries, control bytes and the bytes Windows-1252 leaves undefined.
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
        {"CrLf inside", true, "01100\r\n02200", {"01", "\r\n"}, {"100", "022"}},
        {"binary", true, QByteArrayLiteral("\x00\x01" "\x80\x81\xFF" "\x9D\x8D" "\x00" "9\n"),
         {QString(QChar(0)) + QChar(1), QString(QChar(0x9D)) + QChar(0x8D)},
         {QString(QChar(0x20AC)) + QChar(0x81) + QChar(0xFF), QString(QChar(0)) + u"9\n"_s}},
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
// the rounding; the table keeps what it held. So is a file without a single entry (empty, a
// line break alone, too few characters to round up to a row), which is no list the clinic meant.
TEST_F(CodeFiles, RowsAboveTheMaximumAreRefused)
{
    const struct {
        bool tariff;
        qint64 length;
        int rows; // 0: refused
    } cases[] = {{true, 6553 * 5 + 2, 6553}, {true, 6553 * 5 + 3, 0}, {true, 6554 * 5, 0},
                 {false, 4096 * 8 + 4, 4096}, {false, 4097 * 8, 0},
                 {true, 0, 0}, {true, 2, 0}, {true, 3, 1}, {false, 4, 0}, {false, 5, 1}};
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
    TariffTable t = codetables::tariffTable("01100");
    const FileResult r = codetables::HämtaTaxeFil(folder(), t);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, QStringLiteral("Filen Taxa.txt saknas i mappen %1.").arg(folderText(folder())));
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

    // A pipe would keep an open for reading waiting until something writes into it.
    ASSERT_EQ(::mkfifo(QFile::encodeName(path(Åtgärd)).constData(), 0600), 0);
    const FileResult rf = codetables::HämtaÅtgärdsFil(folder(), p);
    EXPECT_TRUE(!rf.ok && rf.error.contains(Åtgärd) && rf.error.contains(folderText(folder())))
        << rf.error.toStdString();
}

// Every exact match makes itself the selection, so a duplicate code selects its last row; a
// miss leaves the selection where it was, as does a code with no Windows-1252 bytes.
TEST(CodeTables, FindCodeLastExactMatchWinsOrSelectionStays)
{
    // Codes "01", "02", "1 ", "02", "Å3".
    const TariffTable t = codetables::tariffTable("01100" "02200" "1 150" "02  0" "\xC5" "3999");
    const struct {
        const char16_t* code;
        int current, selected;
    } rows[] = {{u"01", 4, 0}, {u"02", 0, 3}, {u"99", 2, 2},  {u"99", -1, -1}, {u"1 ", -1, 2},
                {u"1", 4, 4}, {u"O1", 1, 1}, {u"", 3, 3},    {u"Å3", 0, 4},   {u"\u2192", 1, 1},
                {u"010", 2, 2}};
    for (const auto& r : rows)
        EXPECT_EQ(codetables::findCode(t.Taxekod, QString::fromUtf16(r.code), r.current), r.selected)
            << QString::fromUtf16(r.code).toStdString();
    EXPECT_EQ(codetables::findCode(CodeColumn(), QStringLiteral("01"), 5), 5);

    // Procedure codes "A001", "B002", "A001", "C003" (the last row's amount cut short).
    const ProcedureTable p = codetables::procedureTable("A001 250" "B002 500" "A001 750" "C0031");
    const struct {
        const char16_t* code;
        int selected;
    } procedures[] = {{u"A001", 2}, {u"B002", 1}, {u"C003", 3}, {u"A00", -1}, {u"A001 ", -1}, {u"a001", -1}};
    for (const auto& r : procedures)
        EXPECT_EQ(codetables::findCode(p.Åtgärd, QString::fromUtf16(r.code), -1), r.selected)
            << QString::fromUtf16(r.code).toStdString();
}

// A fee is a whole number of kronor, blanks around it allowed. Letters, signs, decimals, blanks
// alone, control bytes and the partial last row's missing characters are not.
TEST(CodeTables, RowsWhoseAmountIsNoNumber)
{
    const TariffTable t = codetables::tariffTable(QByteArrayLiteral(
        "01100" "02 50" "03  0" "0450 " "05ABC" "06-99" "079.9" "08   " "091 0" "10\x00\x01\xFF" "11+10" "12 "));
    EXPECT_EQ(codetables::rowsWithoutAmount(t.Patientavgift), (QList<int>{4, 5, 6, 7, 8, 9, 10, 11}));

    const ProcedureTable p = codetables::procedureTable("A001 250" "B002-9.9" "C0031200" "D004");
    EXPECT_EQ(codetables::rowsWithoutAmount(p.Åtgärdsbelopp), (QList<int>{1, 3}));
}

// The clinic is told which file, which folder and which rows: numbered from 1 as the list shows
// them, with their codes, the first 20 of them and how many more.
TEST(CodeTables, TheAmountWarningNamesFileFolderAndRows)
{
    const QDir folder(QStringLiteral("/kassa"));
    const auto warning = [&](codetables::CodeList list, const QByteArray& bytes) {
        const bool tariff = list == codetables::CodeList::Tariff;
        const TariffTable t = codetables::tariffTable(bytes);
        const ProcedureTable p = codetables::procedureTable(bytes);
        const CodeColumn& codes = tariff ? t.Taxekod : p.Åtgärd;
        return filemessages::beloppsvarning(
            folder, list, codes,
            codetables::rowsWithoutAmount(tariff ? t.Patientavgift : p.Åtgärdsbelopp));
    };
    using codetables::CodeList;
    const QString mapp = folderText(folder);

    EXPECT_EQ(warning(CodeList::Tariff, "01100" "02200"), QString());
    EXPECT_EQ(warning(CodeList::Tariff, "01100" "05ABC"),
              u"OBS! Filen Taxa.txt i mappen "_s + mapp
                  + u" har en patientavgift som inte är ett tal: rad 2 (taxekod \"05\").\n"
                    u"Avgiften tas som den står i filen när taxekoden väljs. "
                    u"Rätta filen så att varje avgift är ett helt antal kronor."_s);
    EXPECT_EQ(warning(CodeList::Procedure, "A001-9.9" "B002 500" "\x01" "003ABCD" "D004 "),
              u"OBS! Filen Åtgärd.txt i mappen "_s + mapp
                  + u" har belopp som inte är tal: rad 1 (åtgärd \"A001\"), rad 3 (åtgärd \"?003\") "
                    u"och rad 4 (åtgärd \"D004\").\n"
                    u"Beloppet tas som det står i filen när åtgärden väljs. "
                    u"Rätta filen så att varje belopp är ett helt antal kronor."_s);

    QByteArray many;
    for (int i = 0; i < 25; ++i)
        many += QByteArray::number(10 + i) + "x  ";
    const QString text = warning(CodeList::Tariff, many);
    EXPECT_TRUE(text.contains(u"rad 1 (taxekod \"10\"), rad 2 (taxekod \"11\"), "_s));
    EXPECT_TRUE(text.contains(u"rad 20 (taxekod \"29\") och 5 rader till.\n"_s)) << text.toStdString();
    EXPECT_FALSE(text.contains(u"rad 21"_s));
}

} // namespace
