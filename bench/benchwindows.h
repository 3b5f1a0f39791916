#pragma once

// The services and the clinic folder the window benchmarks start the program with: services
// that answer at once (no message is expected at all) and a folder of 32767 visits with code
// lists of a chosen length.

#include "benchsupport.h"

#include "data/settingsfile.h"
#include "data/settingsrecord.h"
#include "ui/services.h"

#include <QDir>
#include <QTemporaryDir>

namespace bench {

class NoDialogs : public ui::Dialogs {
public:
    ui::Answer message(const QString&, ui::Buttons, ui::Icon, const QString&) override
    {
        std::abort();
    }
    QString input(const QString&, const QString&, const QString&) override { std::abort(); }
};

class NoPrinter : public ui::Printer {
public:
    void beginDocument(const QString&) override {}
    int scaleWidth() const override { return 11520; }
    int textWidth(const QString& text) const override { return int(text.size()) * 120; }
    void setCurrentX(int) override {}
    void setCurrentY(int) override {}
    void setFontSize(double) override {}
    void setFontBold(bool) override {}
    void setFontUnderline(bool) override {}
    void printLine(const QString&) override {}
    ui::PrintOutcome endDocument() override { return {}; }
};

class FixedClock : public ui::Clock {
public:
    QString yymmdd() const override { return QStringLiteral("261209"); }
    QString hhmm() const override { return QStringLiteral("1200"); }
    QString shortDate() const override { return QStringLiteral("2026-12-09"); }
};

class NoScreen : public ui::Screen {
public:
    void setMousePointer(ui::Pointer) override {}
};

struct Services {
    NoDialogs dialogs;
    NoPrinter printer;
    FixedClock clock;
    NoScreen screen;
};

// A program folder with 32767 visits, the settings and code lists of `tariffRows` and
// `procedureRows` rows.
class ClinicFolder {
public:
    ClinicFolder(int tariffRows, int procedureRows)
    {
        writePlain(m_dir.filePath(visitfile::fileName()), fullVisitFile());
        writePlain(m_dir.filePath(codetables::tariffFileName()), codeList(5, 2, tariffRows));
        writePlain(m_dir.filePath(codetables::procedureFileName()), codeList(8, 4, procedureRows));
        SettingsRecord settings = SettingsRecord::firstRunDefault();
        if (!settingsfile::SparaInställningsFil(folder(), settings))
            std::abort();
    }
    QDir folder() const { return QDir(m_dir.path()); }

private:
    QTemporaryDir m_dir;
};

} // namespace bench
