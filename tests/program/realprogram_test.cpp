// The built program as a receptionist meets it: `kassa` started from a copy of the demo clinic's
// folder on a virtual display, a visit registered with real key events (the access keys, the
// digits, Enter), the program ended with "&Avsluta " from its menu by the keyboard, and the visit
// file's bytes read back. Needs Xvfb and xdotool; without them the test is skipped (exit 77).

#include "data/settingsrecord.h"
#include "data/visitrecord.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <iostream>

using namespace Qt::StringLiterals;

namespace {

QString g_kassa; // the built program, given on the command line

constexpr int SkipTest = 77;

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A visit registered earlier, on the demo clinic's codes.
QByteArray earlierVisit(int receipt)
{
    const std::pair<VisitField, QString> fields[] = {
        {VisitField::Registreringstyp, u"1"_s},     {VisitField::Kombikakod, u"1234MOTT56"_s},
        {VisitField::Kvittonummer, u"0000000%1"_s.arg(receipt)}, {VisitField::Skatt, u"F"_s},
        {VisitField::IdNummer, u"191212121212"_s}, {VisitField::IdTyp, u"P"_s},
        {VisitField::Besöksdatum, u"261208"_s},    {VisitField::Besökstyp, u"0"_s},
        {VisitField::Akutbesök, u"0"_s},           {VisitField::Taxekod, u"01"_s},
        {VisitField::Smittskydd, u"0"_s},          {VisitField::Åtgärd, u"K101"_s},
        {VisitField::RemissTill, u"00"_s},         {VisitField::Patientavgift, u"200"_s},
        {VisitField::Åtgärdsbelopp, u" 350"_s},
    };
    VisitRecord r;
    for (const auto& [f, text] : fields)
        r.setText(f, text);
    return r.bytes().toByteArray();
}

QByteArray field(const QByteArray& record, VisitField f)
{
    const FieldSpan span = spanOf(f);
    return record.mid(span.offset, span.width);
}

class RealProgram : public ::testing::Test {
protected:
    QProcess xvfb;
    QProcess kassa;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    QTemporaryDir runtime; // the display's session folder, private to the user
    int keyEvents = 0;

    void TearDown() override
    {
        for (QProcess* p : {&kassa, &xvfb}) {
            if (p->state() != QProcess::NotRunning) {
                p->kill();
                p->waitForFinished(5000);
            }
        }
    }

    // A display of its own: Xvfb picks a free number and writes it to its standard output.
    void startDisplay()
    {
        xvfb.start(u"Xvfb"_s, {u"-displayfd"_s, u"1"_s, u"-screen"_s, u"0"_s, u"1280x1024x24"_s,
                                u"-nolisten"_s, u"tcp"_s});
        ASSERT_TRUE(xvfb.waitForStarted(5000)) << "Xvfb did not start";
        QByteArray number;
        for (QDeadlineTimer t(10000); !number.endsWith('\n') && !t.hasExpired();)
            if (xvfb.waitForReadyRead(int(t.remainingTime())))
                number += xvfb.readAllStandardOutput();
        ASSERT_TRUE(number.endsWith('\n')) << "Xvfb gave no display number";
        env.insert(u"DISPLAY"_s, u":"_s + QString::fromLatin1(number.trimmed()));
        env.insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
        env.insert(u"XDG_RUNTIME_DIR"_s, runtime.path());
        // Under the sanitizers the program's own faults still stop it. The leak check is left to
        // the offscreen tests, as the desktop platform's D-Bus library keeps an allocation to the
        // end, and so is the strict string check: the X keyboard library copies counted strings
        // that end in no NUL with strndup, which that check takes for a read past their end.
        if (env.contains(u"ASAN_OPTIONS"_s))
            env.insert(u"ASAN_OPTIONS"_s,
                       env.value(u"ASAN_OPTIONS"_s) + u":detect_leaks=0:strict_string_checks=0"_s);
    }

    QString xdotool(const QStringList& args)
    {
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(u"xdotool"_s, args);
        if (!p.waitForFinished(10000))
            return {};
        return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
    }

    // The visible window whose title holds `name`, waited for up to `ms` milliseconds.
    QString waitForWindow(const QString& name, int ms = 15000)
    {
        for (QDeadlineTimer t(ms); !t.hasExpired(); QThread::msleep(50)) {
            if (kassa.state() == QProcess::NotRunning)
                return {};
            const QString ids = xdotool({u"search"_s, u"--onlyvisible"_s, u"--name"_s, name});
            if (!ids.isEmpty())
                return ids.split(u'\n').first();
        }
        return {};
    }

    // Every visible window's title: what stood in the way when a step did not happen.
    QString windowsShown()
    {
        QStringList titles;
        for (const QString& id : xdotool({u"search"_s, u"--onlyvisible"_s, u"--name"_s, u"."_s}).split(u'\n'))
            if (!id.isEmpty())
                titles += xdotool({u"getwindowname"_s, id});
        return titles.join(u" | "_s);
    }

    void keys(const QStringList& keys)
    {
        xdotool(QStringList{u"key"_s, u"--delay"_s, u"30"_s} + keys);
        keyEvents += int(keys.size());
    }
    void type(const QString& text)
    {
        xdotool({u"type"_s, u"--delay"_s, u"30"_s, text});
        keyEvents += int(text.size());
    }
};

TEST_F(RealProgram, RegistersAVisitTypedAtTheKeyboardAndEndsWithAvsluta)
{
    QElapsedTimer took;
    took.start();
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QDir demo(QStringLiteral(KASSA_DEMO_DIR));
    for (const QString& name : demo.entryList(QDir::Files))
        ASSERT_TRUE(QFile::copy(demo.filePath(name), folder.filePath(name))) << name.toStdString();
    // The program finds its files in its own folder.
    const QString program = folder.filePath(u"kassa"_s);
    ASSERT_TRUE(QFile::copy(g_kassa, program)) << g_kassa.toStdString();
    const QByteArray before = earlierVisit(1) + earlierVisit(2);
    {
        QFile f(folder.filePath(u"PatBesök.Dat"_s));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(before) == before.size());
    }
    const QByteArray settingsBefore = readAll(folder.filePath(u"Inställn.txt"_s));

    startDisplay();
    if (HasFatalFailure())
        return;
    kassa.setProcessEnvironment(env);
    kassa.setProcessChannelMode(QProcess::ForwardedChannels);
    kassa.setWorkingDirectory(QDir::tempPath()); // not its folder: the program finds that itself
    kassa.start(program, {});
    ASSERT_TRUE(kassa.waitForStarted(5000));

    const QString desk = waitForWindow(u"Kassaprogram för"_s);
    ASSERT_FALSE(desk.isEmpty()) << "the desk did not appear; shown: " << windowsShown().toStdString();
    // No window manager gives the focus on this display: the desk is given it directly.
    xdotool({u"windowfocus"_s, u"--sync"_s, desk});

    // The desk opens on receipt 2; "&Nästa  >>" opens receipt 3.
    keys({u"alt+n"_s});
    keys({u"alt+p"_s});
    type(u"190001010008"_s);
    keys({u"alt+b"_s, u"ctrl+a"_s});
    type(u"261207"_s);
    keys({u"Tab"_s});
    keys({u"Return"_s}); // "Registrera", the default button
    keys({u"alt+a"_s});
    keys({u"a"_s}); // "&Avsluta "

    const bool ended = kassa.waitForFinished(15000);
    ASSERT_TRUE(ended) << "the program did not end; shown: " << windowsShown().toStdString();
    EXPECT_EQ(kassa.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(kassa.exitCode(), 0);

    const QByteArray after = readAll(folder.filePath(u"PatBesök.Dat"_s));
    ASSERT_EQ(after.size(), 3 * 95) << "one new record";
    EXPECT_EQ(after.left(2 * 95), before) << "the records before it byte-identical";
    const QByteArray added = after.mid(2 * 95);
    EXPECT_EQ(field(added, VisitField::Registreringstyp), "1");
    EXPECT_EQ(field(added, VisitField::Kvittonummer), "00000003");
    EXPECT_EQ(field(added, VisitField::IdNummer), "190001010008");
    EXPECT_EQ(field(added, VisitField::IdTyp), "P");
    EXPECT_EQ(field(added, VisitField::Besöksdatum), "261207");
    // The rest from the clinic's files in the program's folder: its kombikakod, and a tariff
    // code and a procedure with their amounts as the code lists pair them.
    EXPECT_EQ(field(added, VisitField::Kombikakod),
              SettingsRecord::fromBytes(settingsBefore).raw(SettingsField::Kombikakod));
    const QByteArray tariff = field(added, VisitField::Taxekod) + field(added, VisitField::Patientavgift);
    const QByteArray procedure = field(added, VisitField::Åtgärd) + field(added, VisitField::Åtgärdsbelopp);
    EXPECT_EQ(readAll(demo.filePath(u"Taxa.txt"_s)).indexOf(tariff) % 5, 0) << tariff.toStdString();
    EXPECT_EQ(readAll(demo.filePath(u"Åtgärd.txt"_s)).indexOf(procedure) % 8, 0) << procedure.toStdString();
    EXPECT_EQ(readAll(folder.filePath(u"Inställn.txt"_s)), settingsBefore);
    EXPECT_FALSE(QFile::exists(folder.filePath(u"Kassa.lck"_s))) << "the lock released at the end";
    std::cout << "[ figures  ] key events sent to the real program: " << keyEvents << ", in "
              << took.elapsed() << " ms" << std::endl;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    if (argc < 2) {
        std::cerr << "usage: " << argv[0] << " <the built kassa program>" << std::endl;
        return 2;
    }
    g_kassa = QString::fromLocal8Bit(argv[1]);
    for (const char* tool : {"Xvfb", "xdotool"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) {
            std::cout << "SKIPPED: " << tool << " is not installed (Debian packages xvfb and xdotool; "
                      << "scripts/run-tests.sh installs them)" << std::endl;
            return SkipTest;
        }
    }
    return RUN_ALL_TESTS();
}
