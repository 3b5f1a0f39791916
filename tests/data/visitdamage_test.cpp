#include "data/visitdamage.h"
#include "data/visitfile.h"
#include "ui/filemessages.h"

#include "datatest.h"

namespace {

using datatest::Folder;

QByteArray records(int count)
{
    return QByteArray(qsizetype(count) * 95, 'r');
}

TEST(VisitDamage, CutLastRecordAndRecordsWithNulBytesAreFound)
{
    auto withNul = [](QByteArray bytes, std::initializer_list<int> offsets) {
        for (int at : offsets)
            bytes[at] = '\0';
        return bytes;
    };
    const struct {
        const char* name;
        QByteArray bytes;
        QList<int> nul;
        int cut, cutBytes;
    } rows[] = {
        {"empty", {}, {}, 0, 0},
        {"whole records", records(3), {}, 0, 0},
        {"one byte of a record", QByteArray(1, '0'), {}, 1, 1},
        {"cut fourth record", records(3) + "0000", {}, 4, 4},
        {"NUL first and last byte of records", withNul(records(4), {0, 2 * 95 - 1, 3 * 95 + 94}), {1, 2, 4}, 0, 0},
        {"two NULs in one record", withNul(records(2), {100, 101}), {2}, 0, 0},
        {"NUL in the cut record only", QByteArray(95, 'r') + QByteArray(3, '\0'), {}, 2, 3},
        {"all NUL", QByteArray(95 * 3 + 1, '\0'), {1, 2, 3}, 4, 1},
    };
    for (const auto& row : rows) {
        const visitfile::Skada s = visitfile::GranskaBesöksbytes(row.bytes);
        EXPECT_EQ(s.nollteckenKvitton, row.nul) << row.name;
        EXPECT_EQ(s.avklipptKvitto, row.cut) << row.name;
        EXPECT_EQ(s.avklipptaByte, row.cutBytes) << row.name;
        EXPECT_EQ(s.finns(), !row.nul.isEmpty() || row.cut != 0) << row.name;
    }
}

class VisitDamageFile : public Folder {
protected:
    QStringList files() const { return folder().entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name); }
};

// The copy is made once for the same bytes, under the next free name when the stamp's is
// taken, and the long list of a file of zeros is cut short.
TEST_F(VisitDamageFile, TheCopyIsKeptOnceAndTheListStaysShort)
{
    const QByteArray zeros(95 * 40, '\0');
    write(QStringLiteral("PatBesök.Dat"), zeros);
    ASSERT_TRUE(folder().mkdir(QStringLiteral("PatBesök.Dat.skadad-261209-0930")));
    QString warning;
    ASSERT_TRUE(filemessages::granskaBesöksfil(folder(), QStringLiteral("261209-0930"), warning));
    EXPECT_EQ(warning, QStringLiteral("OBS! Besöksfilen PatBesök.Dat är skadad!\nKvittona 1-40 innehåller "
                                      "nolltecken.\nEn kopia av hela filen har sparats som "
                                      "PatBesök.Dat.skadad-261209-0930-2 i samma mapp. Kontrollera "
                                      "kvittona och registrera dem på nytt vid behov."));
    ASSERT_TRUE(filemessages::granskaBesöksfil(folder(), QStringLiteral("261210-0800"), warning));
    EXPECT_TRUE(warning.contains(QStringLiteral("PatBesök.Dat.skadad-261209-0930-2 i samma mapp")));
    EXPECT_EQ(files(), (QStringList{"PatBesök.Dat", "PatBesök.Dat.skadad-261209-0930",
                                    "PatBesök.Dat.skadad-261209-0930-2"}));
    EXPECT_EQ(read(QStringLiteral("PatBesök.Dat.skadad-261209-0930-2")), zeros);

    // Every other record: 13 runs, of which 12 are named.
    QByteArray every = records(26);
    for (int k = 0; k < 26; k += 2)
        every[k * 95 + 50] = '\0';
    write(QStringLiteral("PatBesök.Dat"), every);
    ASSERT_TRUE(filemessages::granskaBesöksfil(folder(), QStringLiteral("261210-0800"), warning));
    EXPECT_TRUE(warning.contains(QStringLiteral("Kvittona 1, 3, 5, 7, 9, 11, 13, 15, 17, 19, 21, 23 med "
                                                "flera, 13 kvitton i allt innehåller nolltecken.")))
        << warning.toStdString();

    // A whole file: no word, no copy.
    write(QStringLiteral("PatBesök.Dat"), records(5));
    const QStringList before = files();
    ASSERT_TRUE(filemessages::granskaBesöksfil(folder(), QStringLiteral("261211-0800"), warning));
    EXPECT_TRUE(warning.isEmpty());
    EXPECT_EQ(files(), before);
}

// The opening creates a missing file, empty; a folder that cannot hold it is told.
TEST_F(VisitDamageFile, AMissingVisitFileIsCreatedEmptyByItsOpening)
{
    VisitTable t;
    ASSERT_TRUE(visitfile::HämtaBesöksFil(folder(), t));
    EXPECT_EQ(files(), QStringList{"PatBesök.Dat"});
    EXPECT_EQ(read(QStringLiteral("PatBesök.Dat")), QByteArray());
    const FileResult r = visitfile::HämtaBesöksFil(QDir(path(QStringLiteral("saknas"))), t);
    EXPECT_EQ(r.error, QStringLiteral("Filen PatBesök.Dat kunde inte skapas: filen eller mappen finns inte."));
}

} // namespace
