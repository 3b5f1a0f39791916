#include "app/programwindows.h"

ProgramWindows::ProgramWindows(ui::Application& app, Program& program)
    : m_app(app), m_program(program), m_desk(app, program)
{
    m_desk.visaARV = [this] { visaARV(); };
}

ProgramWindows::~ProgramWindows() = default;

void ProgramWindows::start()
{
    m_app.start(m_desk);
}

// Closing the window unloads it but keeps the instance, so the next opening shows the same one.
void ProgramWindows::visaARV()
{
    if (!m_arv)
        m_arv = std::make_unique<frmARV>(m_app, m_program);
    m_app.show(*m_arv);
}
