// The saves of the ARV window and of the settings window with each step failing in turn, through
// the windows as the user clicks them: the k-th write, flush, sync or rename of the click's saves
// fails, for every k, once or from then on. Never is a success reported, a message comes every
// time, and the files the failed save would have replaced keep every byte.

#include "reports/arvtest.h"
#include "settings/settings_scenario.h"

#include <cerrno>
#include <iostream>

namespace {

enum class Mode { Once, FromThenOn };

// Fails the k-th step of a click's saves (counted across them, 1-based), once or from then on;
// with k = 0 it fails nothing and counts the steps, and those of the click's first save.
class FailStep : public SaveObserver {
public:
    FailStep(int k, Mode mode) : m_k(k), m_mode(mode) {}
    int steps = 0, failed = 0, firstSaveSteps = 0;
    int before(SaveStep, qint64*) override
    {
        ++steps;
        if (m_k == 0 || steps < m_k || (m_mode == Mode::Once && steps > m_k))
            return 0;
        ++failed;
        return EIO;
    }
    void after(SaveStep step) override
    {
        if (step == SaveStep::FolderSync && firstSaveSteps == 0)
            firstSaveSteps = steps;
    }

private:
    int m_k;
    Mode m_mode;
};

const QString Reason = u"läs- eller skrivfel på disken"_s;

class WindowSaveFaults : public SettingsScenario {
protected:
    int injected = 0;

    // Clicks `button` with no step failing: how many steps its saves have, and its first save.
    FailStep count(ui::CommandButton& button)
    {
        FailStep counter(0, Mode::Once);
        program.saveObserver = &counter;
        app.click(button);
        program.saveObserver = nullptr;
        return counter;
    }

    // Clicks `button` with step k failing, for each of the click's `steps`: `expect(k)` says
    // what the click must show, `check(k, before)` what it must leave.
    template <typename Expect, typename Check>
    void failEachStep(ui::CommandButton& button, Mode mode, int steps, Expect expect, Check check)
    {
        for (int k = 1; k <= steps; ++k) {
            SCOPED_TRACE(::testing::Message() << "step " << k << ", mode " << int(mode));
            FailStep fault(k, mode);
            const auto before = folderContents();
            expect(k);
            program.saveObserver = &fault;
            app.click(button);
            program.saveObserver = nullptr;
            ++injected;
            EXPECT_GE(fault.failed, 1);
            EXPECT_TRUE(dialogs.allAnswersUsed());
            check(k, before);
            if (HasFailure())
                return;
        }
    }
};

// A failure in the ARV file's save: no file, ArvFom as it was. A failure in the settings' save
// after it: the new file, the settings file as it was, ArvFom unchanged and the start to type
// said. Neither brings the confirmation, which comes when no step fails.
TEST_F(WindowSaveFaults, TheArvWindowNeverConfirmsAFailedSaveAndKeepsArvFom)
{
    writeNumberedVisits(3);
    startProgram();
    app.chooseMenu(kassa().mnuARV);
    frmARV* arv = windows->arv();
    ASSERT_NE(arv, nullptr);
    const QByteArray older = "an older file\r\n";
    const SettingsRecord settings = program.Inställningar;
    const QString confirmed = u"En fil med namnet:  00000003.ARV  har skapats."_s;
    auto setBack = [&] {
        writeFile(u"00000003.ARV"_s, older);
        writeSettings(settings);
        program.Inställningar = settings;
    };

    dialogs.expectMessage(confirmed);
    const FailStep counted = count(arv->cmdSkapa);
    ASSERT_TRUE(counted.firstSaveSteps >= 4 && counted.steps >= counted.firstSaveSteps + 4) << counted.steps;
    const QByteArray created = readFile(u"00000003.ARV"_s);
    EXPECT_EQ(readEnvelope(created), "VLM60200000003");
    setBack();

    for (const Mode mode : {Mode::Once, Mode::FromThenOn}) {
        const auto expect = [&](int k) {
            if (k <= counted.firstSaveSteps)
                dialogs.expectMessage(u"OBS! Arv-filen kunde inte skapas!\nFilen 00000003.ARV kunde inte sparas: "_s
                                      + Reason + u".\nNästa startnummer är oförändrat. Åtgärda felet och försök igen."_s);
            else
                dialogs.expectMessage(u"OBS! En fil med namnet:  00000003.ARV  har skapats, men nästa startnummer "
                                      u"kunde inte sparas.\nFilen Inställn.txt kunde inte sparas: "_s
                                      + Reason + u".\nSkriv 4 i Fr.o.m. nästa gång en Arv-fil skapas."_s);
        };
        failEachStep(arv->cmdSkapa, mode, counted.steps, expect, [&](int k, auto before) {
            if (k > counted.firstSaveSteps)
                before[u"00000003.ARV"_s] = created;
            EXPECT_EQ(folderContents(), before);
            EXPECT_TRUE(program.Inställningar == settings) << "ArvFom unchanged";
            setBack();
        });
    }
    dialogs.expectMessage(confirmed);
    app.click(arv->cmdSkapa);
    EXPECT_EQ(readFile(u"00000003.ARV"_s), created);
    EXPECT_EQ(program.Inställningar.text(SettingsField::ArvFom), u"4       "_s);
    std::cout << "[ figures  ] faults injected into the ARV window's saves: " << injected << std::endl;
}

// A failed "S&para": the message, the file and the record as they were, the typed values kept
// for another try; the click that goes through saves them.
TEST_F(WindowSaveFaults, TheSettingsWindowTellsEveryFailedSaveAndKeepsFileAndRecord)
{
    startProgram();
    const SettingsRecord record = program.Inställningar;
    const QByteArray file = inställningsfil();
    frmInställningar& f = öppna();
    skrivOchLämna(f.txtKlinik, u"Vårdcentralen Öster"_s);
    const FailStep counted = count(f.cmdSpara);
    ASSERT_GE(counted.steps, 4);
    const QByteArray saved = inställningsfil();
    ASSERT_NE(saved, file);
    writeFile(u"Inställn.txt"_s, file);
    program.Inställningar = record;

    for (const Mode mode : {Mode::Once, Mode::FromThenOn}) {
        const auto expect = [&](int) {
            dialogs.expectMessage(u"OBS! Inställningarna är inte sparade!\nFilen Inställn.txt kunde inte sparas: "_s
                                  + Reason + u".\nRätta felet och tryck på Spara igen."_s);
        };
        failEachStep(f.cmdSpara, mode, counted.steps, expect, [&](int, const auto& before) {
            EXPECT_EQ(folderContents(), before);
            EXPECT_TRUE(program.Inställningar == record);
            EXPECT_EQ(f.txtKlinik.text(), u"Vårdcentralen Öster"_s);
        });
    }
    app.click(f.cmdSpara);
    EXPECT_EQ(inställningsfil(), saved);
    std::cout << "[ figures  ] faults injected into the settings window's save: " << injected << std::endl;
}

} // namespace
