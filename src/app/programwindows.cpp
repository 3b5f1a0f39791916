#include "app/programwindows.h"

#include "data/filesave.h"
#include "data/settingsfile.h"
#include "data/visitfile.h"
#include "reports/arvfile.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

ProgramWindows::ProgramWindows(ui::Application& app, Program& program)
    : m_app(app), m_program(program), m_desk(app, program)
{
    m_desk.visaInställningar = [this] { visaInställningar(); };
    m_desk.visaARV = [this] { visaARV(); };
    m_desk.visaSamlingsräkning = [this] { visaSamlingsräkning(); };
}

// The application outlives the program's windows (a test builds them more than once on one
// application): it must keep no pointer to them once they are gone.
ProgramWindows::~ProgramWindows()
{
    for (ui::Form* form : std::initializer_list<ui::Form*>{
             m_inställningar.get(), m_arv.get(), m_samlingsräkning.get(), &m_desk})
        if (form)
            m_app.forget(*form);
}

void ProgramWindows::start()
{
    start([this](frmKassa& desk) { m_app.start(desk); });
}

// Before the desk reads anything: what saves killed half-way (a power cut, a kill) left beside
// the visit file, the settings file and the ARV files goes, without a word unless it cannot.
void ProgramWindows::rensaAvbrutnaSparningar()
{
    const FileResult rensat = removeStraySaveFiles(
        m_program.folder.path(), {visitfile::fileName(), settingsfile::fileName()},
        arvfile::fileNamePattern());
    if (!rensat)
        m_app.dialogs().message(u"OBS! En ofullständig fil från en sparning som avbröts finns kvar "
                                u"i programmets mapp %1.\n%2\nTa bort den för hand."_s
                                    .arg(QDir::toNativeSeparators(m_program.folder.absolutePath()),
                                         rensat.error));
}

void ProgramWindows::start(const std::function<void(frmKassa&)>& startDesk)
{
    rensaAvbrutnaSparningar();
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
