#include "data/filesave.h"
#include "data/settingsfile.h"
#include "data/visitfile.h"

#include "datatest.h"
#include "faildevice.h"

#include <QTemporaryFile>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using datatest::Folder;

QByteArray pattern(int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = char(i * 7 % 256);
    return bytes;
}

// writeWhole finishes writes the device takes piecewise and calls a short one a full disk.
TEST(WriteWhole, EveryByteOrAnErrorNamingFileAndReason)
{
    const QByteArray bytes = pattern(196);
    const struct {
        qint64 capacity, chunk;
    } rows[] = {{0, 0}, {1, 0}, {95, 0}, {195, 0}, {100, 7}, {196, 0}, {1000, 7}};
    for (const auto& row : rows) {
        FailDevice device(row.capacity, nullptr, row.chunk);
        const FileResult r = writeWhole(device, bytes, QStringLiteral("Inställn.txt"));
        EXPECT_EQ(device.kept, bytes.left(row.capacity)) << row.capacity;
        if (row.capacity >= bytes.size())
            EXPECT_TRUE(r.ok) << row.capacity << ": " << r.error.toStdString();
        else
            EXPECT_EQ(r.error, QStringLiteral("Filen Inställn.txt kunde inte sparas: disken är full."));
    }
}

class AtomicSave : public Folder {
protected:
    const QString visits = QStringLiteral("PatBesök.Dat");
    QStringList files() const { return folder().entryList(QDir::Files | QDir::Hidden); }
};

TEST_F(AtomicSave, FailedWriteLeavesThePreviousFileByteIdentical)
{
    const QByteArray before = pattern(950);
    write(visits, before);
    for (qint64 capacity : {0, 1, 94, 95, 1899}) {
        DiskFull disk(capacity == 0 ? -1 : 1900 - capacity);
        const FileResult r = saveFileAtomically(path(visits), pattern(1900).toLower(), &disk);
        EXPECT_EQ(r.error, QStringLiteral("Filen PatBesök.Dat kunde inte sparas: disken är full."));
        EXPECT_EQ(read(visits), before) << capacity;
        EXPECT_EQ(files(), QStringList{visits});
    }

    // A folder in the file's place: a reason of our own, not Qt's bare one.
    ASSERT_TRUE(folder().mkdir(QStringLiteral("a.txt")));
    const FileResult r = saveFileAtomically(path(QStringLiteral("a.txt")), "x");
    EXPECT_TRUE(!r.ok && r.error.startsWith(QStringLiteral("Filen a.txt kunde inte sparas: ")) &&
                !r.error.contains(QStringLiteral("Unknown error")))
        << r.error.toStdString();
}

// Runs `save` in a child whose files may not grow beyond `limit` bytes (SIGXFSZ ignored, so a
// write past the limit fails with EFBIG as on a full disk).
FileResult saveUnderSizeLimit(rlim_t limit, const std::function<FileResult()>& save)
{
    return datatest::inChildProcess([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit rl{};
        ::getrlimit(RLIMIT_FSIZE, &rl);
        rl.rlim_cur = limit;
        ::setrlimit(RLIMIT_FSIZE, &rl);
        return save();
    });
}

// A real write fault. 100 bytes allowed and 196 to write is the case in which Qt's own
// QSaveFile::commit() reports success and leaves a cut file.
TEST_F(AtomicSave, FileSizeLimitFailsTheSaveAndKeepsTheOldFile)
{
    SettingsRecord record = SettingsRecord::firstRunDefault();
    ASSERT_TRUE(settingsfile::SparaInställningsFil(folder(), record));
    const QByteArray settingsBefore = read(QStringLiteral("Inställn.txt"));
    record.setText(SettingsField::Klinik, QStringLiteral("Ny klinik"));
    FileResult r = saveUnderSizeLimit(100, [&] { return settingsfile::SparaInställningsFil(folder(), record); });
    EXPECT_EQ(r.error, QStringLiteral("Filen Inställn.txt kunde inte sparas: filen blir för stor."));
    EXPECT_EQ(read(QStringLiteral("Inställn.txt")), settingsBefore);

    VisitTable table;
    table.resize(4);
    ASSERT_TRUE(saveUnderSizeLimit(1000, [&] { return visitfile::SparaBesöksFil(folder(), table); }));
    const QByteArray visitsBefore = read(visits);
    table[4].setText(VisitField::Kvittonummer, QStringLiteral("00000004"));
    r = saveUnderSizeLimit(100, [&] { return visitfile::SparaBesöksFil(folder(), table); });
    EXPECT_EQ(r.error, QStringLiteral("Filen PatBesök.Dat kunde inte sparas: filen blir för stor."));
    EXPECT_EQ(read(visits), visitsBefore);
    EXPECT_EQ(files(), (QStringList{QStringLiteral("Inställn.txt"), visits}));
}

// What a save killed half-way leaves: the file's name, a dot and six random letters.
TEST_F(AtomicSave, StrayTemporaryFilesOfTheNamedFilesAreRemoved)
{
    const QStringList keep = {"PatBesök.Dat", "Inställn.txt", "PatBesök.Dat.bak", "PatBesök.Dat.AbC1eF",
                              "PatBesök.Dat.AbCdEfG", "Taxa.txt.QwErTy", "PatBesök.DatXAbCdEf"};
    for (const QString& name : keep + QStringList{"Inställn.txt.qwerty", "PatBesök.Dat.ZZZZZZ"})
        write(name, "x");
    // Named as QSaveFile names its temporary files, whatever the random letters are.
    for (int i = 0; i < 20; ++i) {
        QTemporaryFile left(path(QStringLiteral("PatBesök.Dat.XXXXXX")));
        left.setAutoRemove(false);
        ASSERT_TRUE(left.open());
    }
    removeStraySaveFiles(tmp.path(), {visits, QStringLiteral("Inställn.txt")});
    QStringList left = files(), expected = keep;
    left.sort();
    expected.sort();
    EXPECT_EQ(left, expected);
    EXPECT_EQ(read(visits), QByteArray("x"));
}

} // namespace

namespace {

// A clinic folder shared by a group: a save keeps the file's group and its permissions, so the
// others of the group can still write it. Root may give the file any group; another user one
// of its own groups other than its first.
TEST_F(AtomicSave, ASaveKeepsTheGroupAndPermissionsOfTheFileItReplaces)
{
    gid_t group = 4242;
    if (::geteuid() != 0) {
        gid_t groups[64];
        const int n = ::getgroups(64, groups);
        group = gid_t(-1);
        for (int i = 0; i < n; ++i)
            if (groups[i] != ::getegid())
                group = groups[i];
        if (group == gid_t(-1))
            GTEST_SKIP() << "this user belongs to one group only";
    }
    for (const mode_t mode : {mode_t(0640), mode_t(0664), mode_t(02660)}) {
        write(visits, "old");
        const QByteArray name = QFile::encodeName(path(visits));
        ASSERT_EQ(::chown(name.constData(), uid_t(-1), group), 0);
        ASSERT_EQ(::chmod(name.constData(), mode), 0);
        ASSERT_TRUE(saveFileAtomically(path(visits), "new"));
        struct stat st {};
        ASSERT_EQ(::stat(name.constData(), &st), 0);
        EXPECT_EQ(st.st_gid, group) << std::oct << mode;
        EXPECT_EQ(st.st_mode & 07777, mode) << std::oct << mode;
        EXPECT_EQ(read(visits), QByteArray("new"));
    }
}

} // namespace
