#include "app/programwindows.h"

ProgramWindows::ProgramWindows(ui::Application& app, Program& program)
    : m_app(app), m_program(program), m_desk(app, program)
{
}

ProgramWindows::~ProgramWindows() = default;

void ProgramWindows::start()
{
    m_app.start(m_desk);
}
