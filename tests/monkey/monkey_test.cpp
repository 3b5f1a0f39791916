// A monkey at the desk: random user events across every window of the program, each through
// the window layer exactly as the receptionist's keys, clicks and menu choices arrive, with
// random answers to every message and input box. After every event the program's promises are
// checked: the visit file never shrinks and no record but one changes in one event, every
// message shown is one of the system's own texts, and the desk's title is one of its two.
//
// The run is seeded and reproducible: KASSA_MONKEY_SEED picks the seed (printed on failure),
// KASSA_MONKEY_EVENTS the number of events (100000 by default).

#include "app/programwindows.h"
#include "data/program.h"
#include "data/settingsrecord.h"
#include "support/fakes.h"
#include "ui/application.h"
#include "ui/keys.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <memory>
#include <random>

using namespace Qt::StringLiterals;

namespace {

// What the user may type: good and bad personnummer, dates, receipt numbers, codes, blanks,
// text Windows-1252 cannot hold, control characters and long pastes.
const QStringList& typedTexts()
{
    static const QStringList texts = {
        u""_s, u" "_s, u"191212121212"_s, u"189001019802"_s, u"191212121213"_s, u"19121212121"_s,
        u"1234567898"_s, u"450312"_s, u"261201"_s, u"261299"_s, u"991231"_s, u"000000"_s,
        u"1"_s, u"2"_s, u"5"_s, u"05"_s, u"0"_s, u"32767"_s, u"32768"_s, u"99999999"_s,
        u"000000010"_s, u"12345ABCD67"_s, u"12345"_s, u"ABCDE"_s, u"A001"_s, u"J01"_s,
        u"1 2"_s, u" 3"_s, u"x"_s, u"Storgatan 1"_s, u"Åsa Öberg"_s, u"€ ‰ Œ"_s, u"Ω"_s,
        u"日本"_s, u"a\tb"_s, u"\r\n"_s, u"\x1a"_s, u"\x7f"_s, u"'+:?"_s,
        QString(60, u'K'), QString(5000, u'9'),
    };
    return texts;
}

// What belongs in a box, by the box's name, so that the monkey gets past the checks often
// enough to register visits.
const QStringList& goodTexts(const QString& box)
{
    static const std::map<QString, QStringList> texts = {
        {u"txtPersonnummer"_s, {u"191212121212"_s, u"189001019802"_s, u"189001029819"_s}},
        {u"txtReservnummer"_s, {u"1234567898"_s}},
        {u"txtFödelsedatum"_s, {u"450312"_s}},
        {u"txtBesöksDatum"_s, {u"261208"_s, u"261201"_s}},
        {u"txtRemissDatum"_s, {u"261101"_s, u""_s}},
        {u"txtKombikakod"_s, {u"12345ABCD67"_s}},
        {u"txtVikKomkod"_s, {u""_s}},
        {u"txtRemissFrån"_s, {u""_s}},
        {u"txtDiagnoskod"_s, {u"J01"_s, u""_s}},
        {u"txtMakulering"_s, {u"1"_s, u"2"_s}},
        {u"txtFom"_s, {u"1"_s, u"2"_s}},
        {u"txtFrom"_s, {u"1"_s, u"2"_s}},
        {u"txtTom"_s, {u"1"_s, u"2"_s, u"3"_s}},
    };
    static const QStringList none;
    const auto it = texts.find(box);
    return it == texts.end() ? none : it->second;
}

// The system's own texts: every string literal of the program's sources, cut at its
// placeholders, so that a message counts as known when it holds one of these pieces.
QStringList knownTextPieces()
{
    QStringList pieces;
    static const QRegularExpression literal(uR"re("((?:[^"\\]|\\.)*)")re"_s);
    static const QRegularExpression placeholder(uR"re(%\d)re"_s);
    QDirIterator files(QStringLiteral(KASSA_SOURCE_DIR), {u"*.cpp"_s, u"*.h"_s}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString source = QString::fromUtf8(file.readAll());
        for (auto m = literal.globalMatch(source); m.hasNext();) {
            QString text = m.next().captured(1);
            text.replace(u"\\n"_s, u"\n"_s).replace(u"\\\""_s, u"\""_s);
            for (const QString& piece : text.split(placeholder))
                if (piece.trimmed().size() >= 8)
                    pieces << piece.trimmed();
        }
    }
    pieces.removeDuplicates();
    return pieces;
}

// Message and input boxes answered at random; every text shown is kept for the checks.
class RandomDialogs : public ui::Dialogs {
public:
    explicit RandomDialogs(std::mt19937& rng) : m_rng(rng) {}
    QStringList shown;

    ui::Answer message(const QString& text, ui::Buttons buttons, ui::Icon, const QString&) override
    {
        shown << text;
        if (buttons == ui::Buttons::Ok)
            return ui::Answer::Ok;
        return m_rng() % 2 ? ui::Answer::Yes : ui::Answer::No;
    }
    QString input(const QString& prompt, const QString&, const QString& proposed) override
    {
        shown << prompt;
        switch (m_rng() % 4) {
        case 0: return {}; // cancelled
        case 1: return proposed;
        default: return typedTexts().at(int(m_rng() % typedTexts().size()));
        }
    }

private:
    std::mt19937& m_rng;
};

int environmentNumber(const char* name, int fallback)
{
    const char* value = std::getenv(name);
    return value && *value ? std::atoi(value) : fallback;
}

class Monkey {
public:
    Monkey(const QString& folder, unsigned seed) : m_folder(folder), m_rng(seed) { startProgram(); }

    // One random event of the user's on the active window.
    QString step()
    {
        ui::Form* form = m_app->activeForm();
        if (!form)
            return u"no active window"_s;
        std::vector<ui::Control*> usable;
        for (const auto& c : form->controls())
            if (c->canFocusNow())
                usable.push_back(c.get());
        ui::Control* target = usable.empty() ? nullptr : usable[m_rng() % usable.size()];

        switch (m_rng() % 16) {
        case 0: case 1: case 2: case 3:
            if (auto* box = dynamic_cast<ui::TextBox*>(target)) {
                // Mostly what a receptionist would type into that box, now and then anything.
                const QStringList& good = goodTexts(box->name());
                const QString& text = !good.isEmpty() && m_rng() % 3 != 0
                    ? good.at(int(m_rng() % good.size()))
                    : typedTexts().at(int(m_rng() % typedTexts().size()));
                m_app->type(*box, text);
                return u"type into %1"_s.arg(box->name());
            }
            [[fallthrough]];
        case 4: case 5:
            if (target && target->kind() != ui::ControlKind::TextBox
                && target->kind() != ui::ControlKind::ListBox) {
                m_app->click(*target);
                return u"click %1"_s.arg(target->name());
            }
            [[fallthrough]];
        case 6:
            if (auto* list = dynamic_cast<ui::ListBox*>(target)) {
                const int index = list->listCount() ? int(m_rng() % list->listCount()) : -1;
                m_app->select(*list, index);
                return u"select %1 of %2"_s.arg(index).arg(list->name());
            }
            [[fallthrough]];
        case 7: case 8:
            m_app->tab(m_rng() % 3 == 0);
            return u"tab"_s;
        case 9:
            m_app->pressEnter();
            return u"Enter"_s;
        case 10:
            m_app->pressEscape();
            return u"Esc"_s;
        case 11: {
            const int shift = int(m_rng() % 8);
            m_app->keyDown(m_rng() % 2 ? ui::keys::F3 : int(u'A' + m_rng() % 26), shift);
            return u"key with shift %1"_s.arg(shift);
        }
        case 12: {
            const QChar key(u'a' + int(m_rng() % 26));
            m_app->accessKey(key);
            return u"Alt+%1"_s.arg(key);
        }
        default:
            return chooseMenu(*form);
        }
    }

    // The promises, checked after every event.
    void check(const QString& event)
    {
        const QByteArray now = readVisits();
        ASSERT_GE(now.size(), m_visits.size()) << "the visit file shrank at " << event.toStdString();
        int changed = 0;
        for (qsizetype at = 0; at < m_visits.size(); at += 95)
            if (now.mid(at, 95) != m_visits.mid(at, 95))
                ++changed;
        ASSERT_LE(changed, 1) << "records other than the one registered changed at "
                              << event.toStdString();
        ASSERT_TRUE(changed == 0 || now.size() == m_visits.size())
            << "a record changed and another was added at " << event.toStdString();
        ASSERT_LE(now.size() - m_visits.size(), 95) << "more than one record added";
        m_visits = now;

        for (const QString& text : m_dialogs->shown) {
            ++m_messages;
            ASSERT_FALSE(text.trimmed().isEmpty()) << "an empty message at " << event.toStdString();
            ASSERT_FALSE(text.contains(QRegularExpression(uR"(%\d)"_s)))
                << "a placeholder left in \"" << text.toStdString() << '"';
            ASSERT_TRUE(isKnown(text)) << "a message that is not the system's own: \""
                                       << text.toStdString() << "\" at " << event.toStdString();
        }
        m_dialogs->shown.clear();

        const QString title = m_windows->desk().caption();
        ASSERT_TRUE(title == u"Kassaprogram för Läkare Ver 6.02"_s
                    || title == u"Kassaprogram för Sjukgymnaster Ver 6.02"_s)
            << "desk title \"" << title.toStdString() << '"';

        if (m_app->hasQuit()) {
            ++m_restarts;
            startProgram(); // "Avsluta": the receptionist starts the program again
        }
    }

    int messages() const { return m_messages; }
    int restarts() const { return m_restarts; }

private:
    QString chooseMenu(ui::Form& form)
    {
        std::vector<ui::MenuItem*> items;
        std::function<void(ui::MenuItem&)> collect = [&](ui::MenuItem& menu) {
            for (const auto& child : menu.children()) {
                if (!child->enabled() || !child->visible() || child->isSeparator())
                    continue;
                if (child->children().empty())
                    items.push_back(child.get());
                else
                    collect(*child);
            }
        };
        collect(form.menuBar());
        if (items.empty())
            return u"no menu"_s;
        ui::MenuItem* item = items[m_rng() % items.size()];
        // "Avsluta" ends the program; it is chosen now and then, not as often as the rest.
        if (item->name() == u"mnuAvsluta"_s && m_rng() % 20 != 0)
            return u"menu skipped"_s;
        m_app->chooseMenu(*item);
        return u"menu %1"_s.arg(item->name());
    }

    void startProgram()
    {
        m_windows.reset();
        m_app.reset();
        m_dialogs = std::make_unique<RandomDialogs>(m_rng);
        m_app = std::make_unique<ui::Application>(*m_dialogs, m_printer, m_clock, m_screen);
        m_program = std::make_unique<Program>();
        m_program->folder = QDir(m_folder);
        m_windows = std::make_unique<ProgramWindows>(*m_app, *m_program);
        m_windows->start();
        m_visits = readVisits();
    }

    QByteArray readVisits() const
    {
        QFile file(QDir(m_folder).filePath(u"PatBesök.Dat"_s));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    bool isKnown(const QString& text) const
    {
        for (const QString& piece : m_known)
            if (text.contains(piece))
                return true;
        return false;
    }

    QString m_folder;
    std::mt19937 m_rng;
    fakes::RecordingPrinter m_printer;
    fakes::FixedClock m_clock;
    fakes::RecordingScreen m_screen;
    std::unique_ptr<RandomDialogs> m_dialogs;
    std::unique_ptr<ui::Application> m_app;
    std::unique_ptr<Program> m_program;
    std::unique_ptr<ProgramWindows> m_windows;
    QByteArray m_visits;
    QStringList m_known = knownTextPieces();
    int m_messages = 0;
    int m_restarts = 0;
};

TEST(Monkey, RandomEventsAcrossTheWindowsKeepEveryPromise)
{
    const unsigned seed = unsigned(environmentNumber("KASSA_MONKEY_SEED", 20261209));
    const int events = environmentNumber("KASSA_MONKEY_EVENTS", 100000);
    SCOPED_TRACE("KASSA_MONKEY_SEED=" + std::to_string(seed));

    // In memory where the machine has it: a registration syncs the file, and the monkey
    // registers thousands of visits.
    const QString base = QDir(u"/dev/shm"_s).exists() ? u"/dev/shm"_s : QDir::tempPath();
    QTemporaryDir dir(base + u"/kassa-monkey-XXXXXX"_s);
    ASSERT_TRUE(dir.isValid());
    auto write = [&](const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    write(u"Taxa.txt"_s, QByteArrayLiteral("01100" "02200" "03 50" "06  0" "1 150"));
    write(u"Åtgärd.txt"_s, QByteArrayLiteral("A001 250" "B002 500" "C003 750"));
    SettingsRecord settings = SettingsRecord::firstRunDefault();
    settings.setText(SettingsField::Kombikakod, u"12345ABCD67"_s);
    settings.setText(SettingsField::Klinik, u"Monkeykliniken"_s);
    write(u"Inställn.txt"_s, settings.bytes().toByteArray() + "\r\n");

    Monkey monkey(dir.path(), seed);
    int done = 0;
    for (; done < events; ++done) {
        const QString event = monkey.step();
        monkey.check(u"event %1 (%2)"_s.arg(done).arg(event));
        if (testing::Test::HasFatalFailure())
            break;
    }
    QFile visits(dir.filePath(u"PatBesök.Dat"_s));
    const qint64 records = visits.exists() ? visits.size() / 95 : 0;
    std::printf("Monkey: %d events, %d messages answered, %d restarts, %lld receipts on file "
                "(seed %u)\n", done, monkey.messages(), monkey.restarts(),
                static_cast<long long>(records), seed);
    EXPECT_EQ(done, events);
    EXPECT_GT(records, 0) << "the monkey never registered a visit: the run proves little";
}

} // namespace
