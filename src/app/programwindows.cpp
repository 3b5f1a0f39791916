#include "app/programwindows.h"

ProgramWindows::ProgramWindows(ui::Application& app, Program& program)
    : m_app(app), m_program(program), m_desk(app, program)
{
    m_desk.visaSamlingsräkning = [this] { visaSamlingsräkning(); };
}

ProgramWindows::~ProgramWindows() = default;

void ProgramWindows::start()
{
    m_app.start(m_desk);
}

// Closing the window unloads it but keeps the instance, so the next opening shows the same one.
void ProgramWindows::visaSamlingsräkning()
{
    if (!m_samlingsräkning)
        m_samlingsräkning = std::make_unique<frmSamlingsräkning>(m_app, m_program);
    m_app.show(*m_samlingsräkning);
}
