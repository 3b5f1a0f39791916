#include "app/programwindows.h"

#include "data/settingsfile.h"

#include <QFileInfo>

ProgramWindows::ProgramWindows(ui::Application& app, Program& program)
    : m_app(app), m_program(program), m_desk(app, program)
{
    m_desk.visaInställningar = [this] { visaInställningar(); };
    m_desk.visaARV = [this] { visaARV(); };
    m_desk.visaSamlingsräkning = [this] { visaSamlingsräkning(); };
}

ProgramWindows::~ProgramWindows() = default;

void ProgramWindows::start()
{
    start([this](frmKassa& desk) { m_app.start(desk); });
}

void ProgramWindows::start(const std::function<void(frmKassa&)>& startDesk)
{
    // The desk's start writes the first-run default when the file is missing, so whether this
    // is a first start is known only before it.
    const bool förstaStart =
        !QFileInfo::exists(m_program.folder.filePath(settingsfile::fileName()));
    startDesk(m_desk);
    if (förstaStart && !m_desk.startFailed() && !m_app.hasQuit())
        visaInställningar();
}

void ProgramWindows::visaInställningar()
{
    if (!m_inställningar)
        m_inställningar = std::make_unique<frmInställningar>(m_app, m_program);
    m_app.show(*m_inställningar);
}

// Closing the window unloads it but keeps the instance, so the next opening shows the same one.
void ProgramWindows::visaARV()
{
    if (!m_arv)
        m_arv = std::make_unique<frmARV>(m_app, m_program);
    m_app.show(*m_arv);
}

// Closing the window unloads it but keeps the instance, so the next opening shows the same one.
void ProgramWindows::visaSamlingsräkning()
{
    if (!m_samlingsräkning)
        m_samlingsräkning = std::make_unique<frmSamlingsräkning>(m_app, m_program);
    m_app.show(*m_samlingsräkning);
}
