#pragma once

#include "data/program.h"
#include "desk/frmKassa.h"
#include "settings/frmInstallningar.h"
#include "reports/frmARV.h"
#include "reports/frmSamlingsrakning.h"
#include "ui/application.h"

#include <functional>
#include <memory>

// The program's windows: the desk, created first and living until the program ends, and the
// secondary windows it opens from its menus. Each secondary window is one program-wide
// instance, created at its first opening and shown without blocking the desk; opened again
// while it is shown, it becomes the active window. The real program (main) and the tests build
// the same set, so a test drives exactly the windows the receptionist meets.
class ProgramWindows {
public:
    ProgramWindows(ui::Application& app, Program& program);
    ~ProgramWindows();
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

    frmKassa& desk() { return m_desk; }
    // The settings window, once it has been opened.
    frmInställningar* inställningar() { return m_inställningar.get(); }
    // The ARV window, once it has been opened (null before).
    frmARV* arv() { return m_arv.get(); }
    // The collective-invoice window, once it has been opened (null before).
    frmSamlingsräkning* samlingsräkning() { return m_samlingsräkning.get(); }

    // Removes what saves killed half-way left behind, then loads, shows and activates the desk. On a first start (no settings file in the folder
    // yet) the settings window then opens over it, so that the clinic enters its own data
    // before the first visit.
    void start();
    // The same with the desk started by `startDesk` (the Qt backend's start, which also builds
    // the desk's widgets).
    void start(const std::function<void(frmKassa&)>& startDesk);

    // "&Inställningar" on the desk.
    void visaInställningar();

private:
    void rensaAvbrutnaSparningar();
    void visaARV();
    void visaSamlingsräkning();

    ui::Application& m_app;
    Program& m_program;
    frmKassa m_desk;
    std::unique_ptr<frmInställningar> m_inställningar;
    std::unique_ptr<frmARV> m_arv;
    std::unique_ptr<frmSamlingsräkning> m_samlingsräkning;
};
