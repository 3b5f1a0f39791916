#pragma once

// The ARV window as the receptionist meets it: the program's windows on the test clinic's files,
// the window opened from the desk's menu.

#include "app/programwindows.h"
#include "reports/frmARV.h"
#include "support/deskfixture.h"

#include <memory>

using namespace Qt::StringLiterals;

class ArvScenario : public DeskFixture {
protected:
    std::unique_ptr<ProgramWindows> windows;
    frmARV* arv = nullptr;

    // The clinic's files with `visits` numbered visits (or `records`), the program started and
    // "&Skapa Arv-fil" chosen on the desk.
    void open(int visits, const SettingsRecord& settings = clinicSettings())
    {
        writeNumberedVisits(visits);
        openOn(settings);
    }
    void openOn(const SettingsRecord& settings = clinicSettings())
    {
        writeFile(u"Taxa.txt"_s, tariffBytes());
        writeFile(u"Åtgärd.txt"_s, procedureBytes());
        writeSettings(settings);
        program.folder = QDir(dir.path());
        windows = std::make_unique<ProgramWindows>(app, program);
        windows->start();
        app.chooseMenu(windows->desk().mnuARV);
        arv = windows->arv();
        ASSERT_NE(arv, nullptr);
    }
    // Over to the desk and back to the ARV window: two activations.
    void backFromDesk()
    {
        app.activate(windows->desk());
        app.activate(*arv);
    }
    QString focusName() const { return arv->focused() ? arv->focused()->name() : u"-"_s; }
    // ArvFom as it stands in Inställn.txt (positions 27-34).
    QByteArray storedArvFom() const { return readFile(u"Inställn.txt"_s).mid(26, 8); }
};
