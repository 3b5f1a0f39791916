// The atomic save as the system sees it. This executable is linked with
// -Wl,--wrap=fsync,--wrap=close,--wrap=rename, so every such call of the program's own code
// passes through the wrappers below: they record it with the file it concerns and can make one
// fail with EIO. What the save's observer is told comes from the save's own bookkeeping; this is
// what the disk is actually asked to do.

#include "app/programwindows.h"
#include "data/settingsfile.h"
#include "data/visitfile.h"
#include "support/deskfixture.h"

#include <QRegularExpression>

#include <cerrno>
#include <fcntl.h>
#include <functional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using namespace Qt::StringLiterals;

extern "C" {
int __real_fsync(int fd);
int __real_close(int fd);
int __real_rename(const char* from, const char* to);
int __wrap_fsync(int fd);
int __wrap_close(int fd);
int __wrap_rename(const char* from, const char* to);
}

namespace {

// What the wrappers watch: calls on the folder itself and on files in it; one call to fail.
struct Watch {
    QString folder;                  // empty: nothing is recorded
    QString saved;                   // the file being saved; its temporary file is "temp"
    QString failing;                 // "fsync", "close" or "rename" of the temporary file
    std::vector<std::string> calls;
} watch;

QString pathOf(int fd)
{
    return QFile::symLinkTarget(u"/proc/self/fd/%1"_s.arg(fd));
}

// "folder", "temp" (the saved file's temporary name), the file's own name, or empty for a
// path outside the folder.
QString shown(const QString& path)
{
    if (watch.folder.isEmpty())
        return {};
    if (path == watch.folder)
        return u"folder"_s;
    const QFileInfo info(path);
    if (info.absolutePath() != watch.folder)
        return {};
    const QRegularExpression temporary(u"^%1\\.[A-Za-z]{6}$"_s.arg(QRegularExpression::escape(watch.saved)));
    return temporary.match(info.fileName()).hasMatch() ? u"temp"_s : info.fileName();
}

void record(const QString& call)
{
    watch.calls.push_back(call.toStdString());
}

// Fails the call with EIO when it is the one chosen, on the temporary file.
bool failNow(const char* call, const QString& what)
{
    if (what != u"temp"_s || watch.failing != QLatin1String(call))
        return false;
    record(u"%1 temp failed"_s.arg(QLatin1String(call)));
    errno = EIO;
    return true;
}

} // namespace

// fsync of the temporary file records how many of its bytes are on it by then: every write
// must come before it.
int __wrap_fsync(int fd)
{
    const QString what = shown(pathOf(fd));
    if (failNow("fsync", what))
        return -1;
    if (!what.isEmpty()) {
        struct stat st {};
        ::fstat(fd, &st);
        record(what == u"folder"_s ? u"fsync folder"_s : u"fsync %1 (%2 bytes)"_s.arg(what).arg(st.st_size));
    }
    return __real_fsync(fd);
}

// A failing close still closes: a descriptor is released whatever close answers.
int __wrap_close(int fd)
{
    const QString what = shown(pathOf(fd));
    if (failNow("close", what)) {
        __real_close(fd);
        errno = EIO;
        return -1;
    }
    if (!what.isEmpty())
        record(u"close "_s + what);
    return __real_close(fd);
}

int __wrap_rename(const char* from, const char* to)
{
    const QString a = shown(QFile::decodeName(from)), b = shown(QFile::decodeName(to));
    if (failNow("rename", a))
        return -1;
    if (!a.isEmpty())
        record(u"rename %1 -> %2"_s.arg(a, b));
    return __real_rename(from, to);
}

namespace {

class SaveCalls : public DeskFixture {
protected:
    void TearDown() override { watch = {}; }

    void watchSave(const QString& saved, const QString& failing = {})
    {
        watch = {QDir(dir.path()).canonicalPath(), saved, failing, {}};
    }

    // The three files the program saves, each saved as the program saves it: the visit file and
    // the settings file through their data layer, an ARV file through its window (which then
    // saves the settings too, with ArvFom moved on). Each answers the message the user would see,
    // or an empty text when the save worked.
    struct Save {
        const char* name;
        QString file;
        qsizetype newSize;
        std::function<QString(SaveCalls&)> run;
    };
    static std::vector<Save> saves()
    {
        return {
            {"visit file", u"PatBesök.Dat"_s, 3 * 95,
             [](SaveCalls& t) {
                 VisitTable table;
                 for (int k = 1; k <= 3; ++k)
                     table.records().append(visit(k, u"191212121212"_s, u"261202"_s));
                 return visitfile::SparaBesöksFil(t.program.folder, table).error;
             }},
            {"settings file", u"Inställn.txt"_s, 196,
             [](SaveCalls& t) {
                 SettingsRecord changed = clinicSettings();
                 changed.setText(SettingsField::Klinik, u"Nya kliniken"_s);
                 return settingsfile::SparaInställningsFil(t.program.folder, changed).error;
             }},
            {"ARV file", u"00000002.ARV"_s, 0,
             [](SaveCalls& t) {
                 ProgramWindows windows(t.app, t.program);
                 windows.start();
                 t.app.chooseMenu(windows.desk().mnuARV);
                 frmARV& arv = *windows.arv();
                 EXPECT_TRUE(t.app.type(arv.txtFom, u"1"_s) && t.app.type(arv.txtTom, u"2"_s));
                 const size_t before = t.dialogs.messages().size();
                 t.app.click(arv.cmdSkapa);
                 return t.dialogs.messages().size() > before ? t.dialogs.messages().back().text : QString();
             }},
        };
    }

    // The clinic's files, an old ARV file among them, before the save.
    void prepare()
    {
        writeClinicFiles();
        writeNumberedVisits(2);
        writeFile(u"00000002.ARV"_s, "an earlier ARV file\r\n");
        program.folder = QDir(dir.path());
    }
};

// Every byte is on the temporary file when it is synced; it is closed, renamed over the old one,
// and only then is the folder synced, which makes the rename itself survive a power cut.
TEST_F(SaveCalls, WriteThenSyncThenCloseThenRenameThenSyncTheFolder)
{
    for (const Save& s : saves()) {
        SCOPED_TRACE(s.name);
        prepare();
        dialogs.clear();
        if (s.file.endsWith(u".ARV"_s))
            dialogs.expectMessage(u"En fil med namnet:  00000002.ARV  har skapats."_s);
        watchSave(s.file);
        EXPECT_EQ(s.run(*this), s.file.endsWith(u".ARV"_s) ? u"En fil med namnet:  00000002.ARV  har skapats."_s : QString());
        const qsizetype size = s.newSize ? s.newSize : readFile(s.file).size();
        ASSERT_GT(size, 100);
        // The ARV window saves the settings after the ARV file; those calls are the second save's.
        const std::vector<std::string> first(watch.calls.begin(),
                                             watch.calls.begin() + qMin<size_t>(watch.calls.size(), 5));
        EXPECT_EQ(first, (std::vector<std::string>{
                             u"fsync temp (%1 bytes)"_s.arg(size).toStdString(), "close temp",
                             u"rename temp -> %1"_s.arg(s.file).toStdString(), "fsync folder",
                             "close folder"}));
        watch = {};
    }
}

// An fsync, a close or a rename that the disk answers with EIO fails the save with its message,
// leaves the old file byte for byte, and leaves no temporary file behind.
TEST_F(SaveCalls, AFailedSyncCloseOrRenameFailsTheSaveAndKeepsTheOldFile)
{
    for (const char* failing : {"fsync", "close", "rename"}) {
        for (const Save& s : saves()) {
            SCOPED_TRACE(std::string(s.name) + ", " + failing + " fails");
            QDir(dir.path()).removeRecursively();
            ASSERT_TRUE(QDir().mkpath(dir.path()));
            prepare();
            dialogs.clear();
            const auto before = folderContents();
            const QString reason = u"Filen %1 kunde inte sparas: läs- eller skrivfel på disken."_s.arg(s.file);
            const QString message = s.file.endsWith(u".ARV"_s)
                ? u"OBS! Arv-filen kunde inte skapas!\n"_s + reason
                    + u"\nNästa startnummer är oförändrat. Åtgärda felet och försök igen."_s
                : reason;
            if (s.file.endsWith(u".ARV"_s))
                dialogs.expectMessage(message);
            watchSave(s.file, QString::fromLatin1(failing));
            EXPECT_EQ(s.run(*this), message);
            watch = {};
            EXPECT_EQ(folderContents(), before) << "the old file changed, or a temporary file is left";
        }
    }
}

} // namespace
