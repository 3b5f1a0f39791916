#include "data/visitfile.h"

#include "datatest.h"

#include <QDirIterator>

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
    QString name() const { return visitfile::fileName(); }
    QStringList entries() const
    {
        return folder().entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    }
};

TEST_F(VisitFile, FileNameIsPatBesokDat)
{
    EXPECT_EQ(visitfile::fileName(), QStringLiteral("PatBesök.Dat"));
}

TEST_F(VisitFile, MissingFileGivesAnEmptyTable)
{
    VisitTable t;
    t.resize(4);
    const FileResult r = visitfile::HämtaBesöksFil(folder(), t);
    EXPECT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_EQ(t.upperBound(), 0);
}

TEST_F(VisitFile, EmptyFileGivesAnEmptyTable)
{
    write(name(), {});
    VisitTable t;
    t.resize(2);
    ASSERT_TRUE(visitfile::HämtaBesöksFil(folder(), t));
    EXPECT_EQ(t.upperBound(), 0);
}

TEST_F(VisitFile, ReceiptFiveIsAtByte380)
{
    VisitTable t;
    t.resize(7);
    for (int k = 1; k <= 7; ++k)
        t[k] = numbered(k);
    ASSERT_TRUE(visitfile::SparaBesöksFil(folder(), t));
    const QByteArray bytes = read(name());
    ASSERT_EQ(bytes.size(), 7 * 95);
    EXPECT_EQ(bytes.mid(380, 95), numbered(5).bytes().toByteArray());
    EXPECT_EQ(bytes.mid(380 + 17, 8), QByteArray("00000005"));

    VisitTable back;
    ASSERT_TRUE(visitfile::HämtaBesöksFil(folder(), back));
    ASSERT_EQ(back.upperBound(), 7);
    for (int k = 1; k <= 7; ++k)
        EXPECT_EQ(back[k], numbered(k)) << "receipt " << k;
}

TEST_F(VisitFile, ReadingReplacesWhatTheTableHeld)
{
    write(name(), fileOf(1, 2));
    VisitTable t;
    t.resize(9);
    t[9] = numbered(99);
    ASSERT_TRUE(visitfile::HämtaBesöksFil(folder(), t));
    EXPECT_EQ(t.upperBound(), 2);
    EXPECT_EQ(t[2], numbered(2));
}

TEST_F(VisitFile, EveryByteValueRoundTripsByteIdentical)
{
    // 256 records: record k starts with byte k and counts on, so every value sits at every
    // few positions, the five undefined bytes and NUL, CR, LF and 0x1A included.
    QByteArray bytes(256 * 95, Qt::Uninitialized);
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = char((i / 95 + i) % 256);
    write(name(), bytes);

    VisitTable t;
    ASSERT_TRUE(visitfile::HämtaBesöksFil(folder(), t));
    ASSERT_EQ(t.upperBound(), 256);
    EXPECT_EQ(t[5].bytes().toByteArray(), bytes.mid(380, 95));

    std::remove(QFile::encodeName(path(name())).constData());
    ASSERT_TRUE(visitfile::SparaBesöksFil(folder(), t));
    EXPECT_EQ(read(name()), bytes);
}

TEST_F(VisitFile, PartialTrailingRecordIsNotReadButKept)
{
    const QByteArray partial("00000000PARTIAL RECORD BYTES");
    write(name(), fileOf(1, 3) + partial);
    VisitTable t;
    ASSERT_TRUE(visitfile::HämtaBesöksFil(folder(), t));
    EXPECT_EQ(t.upperBound(), 3);
    ASSERT_TRUE(visitfile::SparaBesöksFil(folder(), t));
    EXPECT_EQ(read(name()), fileOf(1, 3) + partial);
}

TEST_F(VisitFile, RecordsBeyondTheTableStayInTheFile)
{
    const QByteArray partial("XYZ");
    write(name(), fileOf(1, 10) + partial);
    VisitTable t;
    ASSERT_TRUE(visitfile::HämtaBesöksFil(folder(), t));
    // Registering under receipt 4 makes the table end there.
    t.resize(4);
    VisitRecord changed = numbered(4);
    changed.setText(VisitField::Diagnoskod, QStringLiteral("NYTT"));
    t[4] = changed;
    ASSERT_TRUE(visitfile::SparaBesöksFil(folder(), t));

    const QByteArray expected =
        fileOf(1, 3) + changed.bytes().toByteArray() + fileOf(5, 10) + partial;
    EXPECT_EQ(read(name()), expected);

    ASSERT_TRUE(visitfile::HämtaBesöksFil(folder(), t));
    EXPECT_EQ(t.upperBound(), 10);
    EXPECT_EQ(t[4], changed);
    EXPECT_EQ(t[10], numbered(10));
}

TEST_F(VisitFile, GrowingTableOverwritesThePartialRecord)
{
    write(name(), fileOf(1, 2) + QByteArray("half a record"));
    VisitTable t;
    ASSERT_TRUE(visitfile::HämtaBesöksFil(folder(), t));
    t.resize(3);
    t[3] = numbered(3);
    ASSERT_TRUE(visitfile::SparaBesöksFil(folder(), t));
    EXPECT_EQ(read(name()), fileOf(1, 3));
}

TEST_F(VisitFile, SaveLeavesNoTemporaryFileBehind)
{
    VisitTable t;
    t.resize(1);
    t[1] = numbered(1);
    ASSERT_TRUE(visitfile::SparaBesöksFil(folder(), t));
    ASSERT_TRUE(visitfile::SparaBesöksFil(folder(), t));
    EXPECT_EQ(entries(), QStringList{name()});
}

// --- The 16-bit limit ----------------------------------------------------------------------

TEST_F(VisitFile, ThirtyTwoThousand767RecordsAreRead)
{
    QByteArray bytes = QByteArray(qsizetype(VisitTable::MaxRecords) * 95, ' ') + "tail";
    bytes.replace(95 * (VisitTable::MaxRecords - 1), 95, numbered(32767).bytes().toByteArray());
    write(name(), bytes);
    VisitTable t;
    const FileResult r = visitfile::HämtaBesöksFil(folder(), t);
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_EQ(t.upperBound(), 32767);
    EXPECT_EQ(t[32767], numbered(32767));
}

TEST_F(VisitFile, MoreThan32767RecordsAreRefusedAndTheTableKept)
{
    write(name(), QByteArray(qsizetype(VisitTable::MaxRecords + 1) * 95, ' '));
    VisitTable t;
    t.resize(1);
    t[1] = numbered(1);
    const FileResult r = visitfile::HämtaBesöksFil(folder(), t);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.error.contains(QStringLiteral("PatBesök.Dat"))) << r.error.toStdString();
    EXPECT_TRUE(r.error.contains(QStringLiteral("32767"))) << r.error.toStdString();
    ASSERT_EQ(t.upperBound(), 1);
    EXPECT_EQ(t[1], numbered(1));
}

TEST_F(VisitFile, TableAbove32767IsNeverWritten)
{
    const QByteArray before = fileOf(1, 2);
    write(name(), before);
    VisitTable t;
    t.resize(VisitTable::MaxRecords + 1);
    const FileResult r = visitfile::SparaBesöksFil(folder(), t);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, QStringLiteral("Filen PatBesök.Dat kunde inte sparas: den skulle få 32768 "
                                      "poster, och kassan kan hålla högst 32767 kvitton."));
    EXPECT_EQ(read(name()), before);
    EXPECT_EQ(entries(), QStringList{name()});
}

TEST_F(VisitFile, SaveThatWouldLeaveMoreThan32767RecordsIsRefused)
{
    // The old file already holds one record too many beyond the table: writing the table back
    // with that tail would make a file no desk can read.
    const QByteArray before(qsizetype(VisitTable::MaxRecords + 1) * 95, 'r');
    write(name(), before);
    VisitTable t;
    t.resize(1);
    EXPECT_FALSE(visitfile::SparaBesöksFil(folder(), t).ok);
    EXPECT_EQ(read(name()), before);
}

// --- Read and write faults -----------------------------------------------------------------

TEST_F(VisitFile, UnreadableFileIsAnErrorNamingIt)
{
    // A folder where the file should be: opening it for reading fails as any unreadable file.
    ASSERT_TRUE(folder().mkdir(name()));
    VisitTable t;
    t.resize(2);
    const FileResult r = visitfile::HämtaBesöksFil(folder(), t);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.error.startsWith(QStringLiteral("Filen PatBesök.Dat kunde inte läsas: ")))
        << r.error.toStdString();
    EXPECT_FALSE(r.error.contains(QStringLiteral("Unknown error")));
    EXPECT_EQ(t.upperBound(), 2);
}

TEST_F(VisitFile, SaveIntoAMissingFolderFailsWithTheReason)
{
    VisitTable t;
    t.resize(1);
    const FileResult r = visitfile::SparaBesöksFil(QDir(path(QStringLiteral("finns-inte"))), t);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, QStringLiteral("Filen PatBesök.Dat kunde inte sparas: filen eller mappen finns inte."));
}

} // namespace
