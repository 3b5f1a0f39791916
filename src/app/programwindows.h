#pragma once

#include "data/program.h"
#include "desk/frmKassa.h"
#include "reports/frmSamlingsräkning.h"
#include "ui/application.h"

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
    // The collective-invoice window, once it has been opened (null before).
    frmSamlingsräkning* samlingsräkning() { return m_samlingsräkning.get(); }

    // Loads, shows and activates the desk.
    void start();

private:
    void visaSamlingsräkning();

    ui::Application& m_app;
    Program& m_program;
    frmKassa m_desk;
    std::unique_ptr<frmSamlingsräkning> m_samlingsräkning;
};
