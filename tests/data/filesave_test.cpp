#include "data/filesave.h"
#include "data/settingsfile.h"
#include "data/visitfile.h"

#include "datatest.h"
#include "faildevice.h"

#include <QTemporaryFile>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
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

// --- writeWhole against a device that fails part-way -----------------------------------------

struct FaultCase {
    const char* name;
    qint64 capacity;
    qint64 chunk;
};

class WriteWholeFault : public ::testing::TestWithParam<FaultCase> {};

TEST_P(WriteWholeFault, ShortWriteIsAnErrorNamingFileAndReason)
{
    const QByteArray bytes = pattern(196);
    FailDevice device(GetParam().capacity, nullptr, GetParam().chunk);
    const FileResult r = writeWhole(device, bytes, QStringLiteral("Inställn.txt"));
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, QStringLiteral("Filen Inställn.txt kunde inte sparas: disken är full."));
    EXPECT_EQ(device.kept, bytes.left(GetParam().capacity));
}

INSTANTIATE_TEST_SUITE_P(FileSave, WriteWholeFault,
                         ::testing::Values(FaultCase{"Nothing", 0, 0}, FaultCase{"OneByte", 1, 0},
                                           FaultCase{"OneRecord", 95, 0},
                                           FaultCase{"AllButOne", 195, 0},
                                           FaultCase{"InSmallPieces", 100, 7}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WriteWhole, PiecewiseWritesAreCompleted)
{
    const QByteArray bytes = pattern(196);
    FailDevice device(1000, nullptr, 7);
    ASSERT_TRUE(writeWhole(device, bytes, QStringLiteral("x")));
    EXPECT_EQ(device.kept, bytes);
    EXPECT_EQ(device.writeCalls, 28);
}

TEST(WriteWhole, ExactCapacitySucceeds)
{
    const QByteArray bytes = pattern(196);
    FailDevice device(196);
    EXPECT_TRUE(writeWhole(device, bytes, QStringLiteral("x")));
    EXPECT_EQ(device.kept, bytes);
}

// --- A save whose write step fails leaves the previous file whole -------------------------------

class AtomicSave : public Folder {};

TEST_F(AtomicSave, FailedWriteLeavesThePreviousFileByteIdentical)
{
    const QByteArray before = pattern(950);
    write(QStringLiteral("PatBesök.Dat"), before);
    for (qint64 capacity : {0, 1, 94, 95, 1899}) {
        const QByteArray after = pattern(1900).toLower();
        const FileResult r = saveFileAtomically(
            path(QStringLiteral("PatBesök.Dat")), after,
            [&](QIODevice& temporary, const QByteArray& bytes, const QString& name) {
                FailDevice device(capacity, &temporary);
                return writeWhole(device, bytes, name);
            });
        EXPECT_FALSE(r.ok) << capacity;
        EXPECT_EQ(r.error, QStringLiteral("Filen PatBesök.Dat kunde inte sparas: disken är full."));
        EXPECT_EQ(read(QStringLiteral("PatBesök.Dat")), before) << capacity;
        EXPECT_EQ(folder().entryList(QDir::Files | QDir::Hidden),
                  QStringList{QStringLiteral("PatBesök.Dat")});
    }
}

TEST_F(AtomicSave, SuccessfulSaveReplacesTheFile)
{
    write(QStringLiteral("a.txt"), "old contents that are longer");
    ASSERT_TRUE(saveFileAtomically(path(QStringLiteral("a.txt")), "new"));
    EXPECT_EQ(read(QStringLiteral("a.txt")), QByteArray("new"));
}

TEST_F(AtomicSave, FolderInTheFilesPlaceIsAnError)
{
    ASSERT_TRUE(folder().mkdir(QStringLiteral("a.txt")));
    const FileResult r = saveFileAtomically(path(QStringLiteral("a.txt")), "x");
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.error.startsWith(QStringLiteral("Filen a.txt kunde inte sparas: ")))
        << r.error.toStdString();
    EXPECT_FALSE(r.error.contains(QStringLiteral("Unknown error")));
    EXPECT_FALSE(r.error.contains(QStringLiteral("allt kunde inte skrivas")));
}

// --- A real write fault: a file-size limit in a child process ---------------------------------

// Runs `save` in a child whose files may not grow beyond `limit` bytes (SIGXFSZ ignored, so a
// write past the limit fails with EFBIG as on a full disk) and returns its result.
FileResult saveUnderSizeLimit(rlim_t limit, const std::function<FileResult()>& save)
{
    int fds[2];
    if (::pipe(fds) != 0)
        return FileResult::failure(QStringLiteral("pipe"));
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(fds[0]);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit rl{};
        ::getrlimit(RLIMIT_FSIZE, &rl);
        rl.rlim_cur = limit;
        ::setrlimit(RLIMIT_FSIZE, &rl);
        const FileResult r = save();
        const QByteArray out = QByteArray(r.ok ? "1" : "0") + r.error.toUtf8();
        [[maybe_unused]] auto n = ::write(fds[1], out.constData(), size_t(out.size()));
        ::_exit(0);
    }
    ::close(fds[1]);
    QByteArray out;
    char buf[512];
    for (ssize_t n; (n = ::read(fds[0], buf, sizeof buf)) > 0;)
        out.append(buf, n);
    ::close(fds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (out.isEmpty())
        return FileResult::failure(QStringLiteral("child gave no answer"));
    return out[0] == '1' ? FileResult::success()
                         : FileResult::failure(QString::fromUtf8(out.mid(1)));
}

TEST_F(AtomicSave, FileSizeLimitFailsTheVisitFileSaveAndKeepsTheOldFile)
{
    VisitTable table;
    table.resize(3);
    for (int k = 1; k <= 3; ++k)
        table[k].setText(VisitField::Kvittonummer, QStringLiteral("0000000%1").arg(k));
    ASSERT_TRUE(visitfile::SparaBesöksFil(folder(), table));
    const QByteArray before = read(QStringLiteral("PatBesök.Dat"));

    table.resize(4);
    table[4].setText(VisitField::Kvittonummer, QStringLiteral("00000004"));
    const FileResult r = saveUnderSizeLimit(100, [&] { return visitfile::SparaBesöksFil(folder(), table); });
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, QStringLiteral("Filen PatBesök.Dat kunde inte sparas: filen blir för stor."));
    EXPECT_EQ(read(QStringLiteral("PatBesök.Dat")), before);
    EXPECT_EQ(folder().entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("PatBesök.Dat")});

    // The same save with room enough goes through: the limit, not the save, made it fail.
    EXPECT_TRUE(saveUnderSizeLimit(1000, [&] { return visitfile::SparaBesöksFil(folder(), table); }).ok);
    EXPECT_EQ(read(QStringLiteral("PatBesök.Dat")).size(), 4 * 95);
}

TEST_F(AtomicSave, FileSizeLimitFailsTheSettingsSaveAndKeepsTheOldFile)
{
    SettingsRecord record = SettingsRecord::firstRunDefault();
    ASSERT_TRUE(settingsfile::SparaInställningsFil(folder(), record));
    const QByteArray before = read(QStringLiteral("Inställn.txt"));
    record.setText(SettingsField::Klinik, QStringLiteral("Ny klinik"));
    // 196 bytes to write, 100 allowed: the case in which Qt's own commit() reports success.
    const FileResult r = saveUnderSizeLimit(100, [&] { return settingsfile::SparaInställningsFil(folder(), record); });
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, QStringLiteral("Filen Inställn.txt kunde inte sparas: filen blir för stor."));
    EXPECT_EQ(read(QStringLiteral("Inställn.txt")), before);
}

// --- Stray temporary files ---------------------------------------------------------------------

TEST_F(AtomicSave, StrayTemporaryFilesOfTheNamedFilesAreRemoved)
{
    const QStringList keep = {"PatBesök.Dat", "Inställn.txt", "PatBesök.Dat.bak",
                              "PatBesök.Dat.AbC1eF", "PatBesök.Dat.AbCdEfG", "Taxa.txt.QwErTy",
                              "PatBesök.DatXAbCdEf"};
    const QStringList stray = {"PatBesök.Dat.AbCdEf", "Inställn.txt.qwerty", "PatBesök.Dat.ZZZZZZ"};
    for (const QString& name : keep + stray)
        write(name, "x");
    removeStraySaveFiles(tmp.path(), {QStringLiteral("PatBesök.Dat"), QStringLiteral("Inställn.txt")});
    QStringList left = folder().entryList(QDir::Files | QDir::Hidden);
    QStringList expected = keep;
    left.sort();
    expected.sort();
    EXPECT_EQ(left, expected);
}

TEST_F(AtomicSave, RemovesWhatQtNamesItsTemporaryFiles)
{
    // QSaveFile names its temporary file as QTemporaryFile does with this template; one left by
    // a save killed half-way must be recognised whatever the random letters are.
    for (int i = 0; i < 20; ++i) {
        QTemporaryFile left(path(QStringLiteral("PatBesök.Dat.XXXXXX")));
        left.setAutoRemove(false);
        ASSERT_TRUE(left.open());
    }
    write(QStringLiteral("PatBesök.Dat"), "data");
    removeStraySaveFiles(tmp.path(), {QStringLiteral("PatBesök.Dat")});
    EXPECT_EQ(folder().entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("PatBesök.Dat")});
    EXPECT_EQ(read(QStringLiteral("PatBesök.Dat")), QByteArray("data"));
}

} // namespace
