#include "data/visitfile.h"

#include "datatest.h"

namespace {

using datatest::Folder;

// A record that says which receipt it is in every field a reader could confuse.
VisitRecord numbered(int receipt)
{
    VisitRecord r;
    r.setText(VisitField::Registreringstyp, QStringLiteral("1"));
    r.setText(VisitField::Kvittonummer, QStringLiteral("%1").arg(receipt, 8, 10, QLatin1Char('0')));
    r.setText(VisitField::IdNummer, QStringLiteral("19121212%1").arg(receipt, 4, 10, QLatin1Char('0')));
    r.setText(VisitField::Diagnoskod, QStringLiteral("D%1").arg(receipt));
    return r;
}

QByteArray fileOf(int from, int to)
{
    QByteArray bytes;
    for (int k = from; k <= to; ++k)
        bytes += numbered(k).bytes().toByteArray();
    return bytes;
}

class VisitFile : public Folder {
protected:
    const QString name = QStringLiteral("PatBesök.Dat");
    // The folder holds the visit file and nothing else: no temporary file left behind.
    void expectOnlyTheVisitFile() const
    {
        EXPECT_EQ(folder().entryList(QDir::Files | QDir::Hidden | QDir::System), QStringList{name});
    }
};

TEST_F(VisitFile, MissingOrEmptyFileGivesAnEmptyTable)
{
    for (bool exists : {false, true}) {
        if (exists)
            write(name, {});
        VisitTable t;
        t.resize(4);
        const FileResult r = visitfile::HämtaBesöksFil(folder(), t);
        EXPECT_TRUE(r.ok) << r.error.toStdString();
        EXPECT_EQ(t.upperBound(), 0);
    }
}

TEST_F(VisitFile, ReceiptFiveIsAtByte380)
{
    VisitTable t;
    t.resize(7);
    for (int k = 1; k <= 7; ++k)
        t[k] = numbered(k);
    ASSERT_TRUE(visitfile::SparaBesöksFil(folder(), t));
    ASSERT_TRUE(visitfile::SparaBesöksFil(folder(), t));
    const QByteArray bytes = read(name);
    ASSERT_EQ(bytes.size(), 7 * 95);
    EXPECT_EQ(bytes.mid(380 + 17, 8), QByteArray("00000005"));
    EXPECT_EQ(bytes, fileOf(1, 7));
    expectOnlyTheVisitFile();

    // Reading replaces whatever the table held.
    VisitTable back;
    back.resize(9);
    back[9] = numbered(99);
    ASSERT_TRUE(visitfile::HämtaBesöksFil(folder(), back));
    ASSERT_EQ(back.upperBound(), 7);
    for (int k = 1; k <= 7; ++k)
        EXPECT_EQ(back[k], numbered(k)) << "receipt " << k;
}

TEST_F(VisitFile, EveryByteValueRoundTripsByteIdentical)
{
    // 256 records: record k starts with byte k and counts on, so every value sits at every
    // few positions, the five undefined bytes and NUL, CR, LF and 0x1A included.
    QByteArray bytes(256 * 95, Qt::Uninitialized);
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = char((i / 95 + i) % 256);
    write(name, bytes);
    VisitTable t;
    ASSERT_TRUE(visitfile::HämtaBesöksFil(folder(), t));
    ASSERT_EQ(t.upperBound(), 256);
    EXPECT_EQ(t[5].bytes().toByteArray(), bytes.mid(380, 95));
    ASSERT_TRUE(QFile::remove(path(name)));
    ASSERT_TRUE(visitfile::SparaBesöksFil(folder(), t));
    EXPECT_EQ(read(name), bytes);
}

// Saving writes records 1..n of the table over the file and keeps its bytes beyond 95 × n:
// later records and a partial trailing record, which reading leaves out.
TEST_F(VisitFile, BytesBeyondTheTableStayInTheFile)
{
    const QByteArray partial("00000000PARTIAL RECORD BYTES");
    auto nytt = [](int receipt) {
        VisitRecord r = numbered(receipt);
        r.setText(VisitField::Diagnoskod, QStringLiteral("NYTT"));
        return r.bytes().toByteArray();
    };
    const struct {
        int stored, tableEnd, readBack;
        QByteArray after;
    } cases[] = {
        {3, 3, 3, fileOf(1, 2) + nytt(3) + partial},
        {10, 4, 10, fileOf(1, 3) + nytt(4) + fileOf(5, 10) + partial}, // registered under receipt 4
        {2, 3, 3, fileOf(1, 2) + nytt(3)},                              // the partial record overwritten
    };
    for (const auto& c : cases) {
        write(name, fileOf(1, c.stored) + partial);
        VisitTable t;
        ASSERT_TRUE(visitfile::HämtaBesöksFil(folder(), t));
        ASSERT_EQ(t.upperBound(), c.stored);
        t.resize(c.tableEnd);
        t[c.tableEnd] = VisitRecord::fromBytes(nytt(c.tableEnd));
        ASSERT_TRUE(visitfile::SparaBesöksFil(folder(), t));
        EXPECT_EQ(read(name), c.after) << c.stored << " stored, table to " << c.tableEnd;
        ASSERT_TRUE(visitfile::HämtaBesöksFil(folder(), t));
        EXPECT_EQ(t.upperBound(), c.readBack);
    }
}

// The receipt number is 16-bit, so 32767 records are the most a file may hold.
TEST_F(VisitFile, ThirtyTwoThousand767RecordsAreReadAndOneMoreIsRefused)
{
    QByteArray bytes = QByteArray(qsizetype(VisitTable::MaxRecords) * 95, ' ') + "tail";
    bytes.replace(95 * (VisitTable::MaxRecords - 1), 95, numbered(32767).bytes().toByteArray());
    write(name, bytes);
    VisitTable t;
    ASSERT_TRUE(visitfile::HämtaBesöksFil(folder(), t));
    EXPECT_EQ(t.upperBound(), 32767);
    EXPECT_EQ(t[32767], numbered(32767));

    write(name, QByteArray(qsizetype(VisitTable::MaxRecords + 1) * 95, ' '));
    t.resize(1);
    t[1] = numbered(1);
    const FileResult r = visitfile::HämtaBesöksFil(folder(), t);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.error.contains(name) && r.error.contains(QStringLiteral("32767"))) << r.error.toStdString();
    ASSERT_EQ(t.upperBound(), 1);
    EXPECT_EQ(t[1], numbered(1));
}

TEST_F(VisitFile, AFileAbove32767RecordsIsNeverWritten)
{
    const QByteArray before = fileOf(1, 2);
    write(name, before);
    VisitTable t;
    t.resize(VisitTable::MaxRecords + 1);
    const FileResult r = visitfile::SparaBesöksFil(folder(), t);
    EXPECT_EQ(r.error, QStringLiteral("Filen PatBesök.Dat kunde inte sparas: den skulle få 32768 "
                                      "poster, och kassan kan hålla högst 32767 kvitton."));
    EXPECT_EQ(read(name), before);
    expectOnlyTheVisitFile();

    // Nor one whose old tail would take it past the limit.
    const QByteArray full(qsizetype(VisitTable::MaxRecords + 1) * 95, 'r');
    write(name, full);
    t.resize(1);
    EXPECT_FALSE(visitfile::SparaBesöksFil(folder(), t).ok);
    EXPECT_EQ(read(name), full);
}

TEST_F(VisitFile, ReadAndWriteFaultsNameTheFileAndTheReason)
{
    VisitTable t;
    t.resize(1);
    const FileResult missing = visitfile::SparaBesöksFil(QDir(path(QStringLiteral("finns-inte"))), t);
    EXPECT_EQ(missing.error,
              QStringLiteral("Filen PatBesök.Dat kunde inte sparas: filen eller mappen finns inte."));

    // A folder where the file should be cannot be read; the table stays as it was.
    ASSERT_TRUE(folder().mkdir(name));
    t.resize(2);
    const FileResult r = visitfile::HämtaBesöksFil(folder(), t);
    EXPECT_TRUE(!r.ok && r.error.startsWith(QStringLiteral("Filen PatBesök.Dat kunde inte läsas: ")) &&
                !r.error.contains(QStringLiteral("Unknown error")))
        << r.error.toStdString();
    EXPECT_EQ(t.upperBound(), 2);
}

} // namespace
