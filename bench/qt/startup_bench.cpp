// The program's start as the receptionist meets it: the desk's Qt window built, loaded on a full
// visit file with the longest code lists the desk can hold, activated and shown, offscreen.
// Beside it in the same run: a bare Qt window with a menu bar and 40 widgets, built and shown
// (the least any start can cost), and the same start on the demo clinic's short code lists.

#include "../benchwindows.h"

#include "app/programwindows.h"
#include "data/program.h"
#include "data/settingsfile.h"
#include "data/settingsrecord.h"
#include "ui/application.h"
#include "ui/qt/qtbackend.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace bench;

// main()'s start: the windows assembled, the desk started through the Qt backend, every pending
// event handled so the window is on the (offscreen) screen. Taking it down is not timed.
double startProgram(const QDir& folder)
{
    Services services;
    ui::Application app(services.dialogs, services.printer, services.clock, services.screen);
    Program program;
    program.folder = folder;
    double seconds = 0;
    {
        const auto begun = Clock::now();
        ProgramWindows windows(app, program);
        ui::qt::QtBackend backend(app);
        windows.start([&backend](frmKassa& desk) { backend.start(desk); });
        backend.sync();
        QApplication::processEvents();
        seconds = std::chrono::duration<double>(Clock::now() - begun).count();
        if (windows.desk().startFailed() || QApplication::topLevelWidgets().isEmpty())
            std::abort();
    }
    QApplication::processEvents();
    return seconds;
}

// A window with a menu bar of four menus and 40 widgets (labels, line edits, check boxes and
// buttons), shown.
double startBareWindow()
{
    double seconds = 0;
    {
        const auto begun = Clock::now();
        QMainWindow window;
        for (int m = 0; m < 4; ++m) {
            QMenu* menu = window.menuBar()->addMenu(QStringLiteral("&Meny %1").arg(m));
            for (int i = 0; i < 4; ++i)
                menu->addAction(QStringLiteral("Val %1").arg(i));
        }
        auto* central = new QWidget;
        auto* grid = new QGridLayout(central);
        for (int i = 0; i < 10; ++i) {
            grid->addWidget(new QLabel(QStringLiteral("Etikett %1:").arg(i)), i, 0);
            grid->addWidget(new QLineEdit(QStringLiteral("text")), i, 1);
            grid->addWidget(new QCheckBox(QStringLiteral("Val %1").arg(i)), i, 2);
            grid->addWidget(new QPushButton(QStringLiteral("Knapp %1").arg(i)), i, 3);
        }
        window.setCentralWidget(central);
        window.show();
        window.activateWindow();
        QApplication::processEvents();
        seconds = std::chrono::duration<double>(Clock::now() - begun).count();
    }
    QApplication::processEvents();
    return seconds;
}

void BM_ProgramStart32767VisitsFullCodeLists(benchmark::State& state)
{
    const ClinicFolder full(codetables::MaxTariffRows, codetables::MaxProcedureRows);
    const ClinicFolder demo(6, 6);
    double demoTotal = 0;
    pairedTimed(
        state, [&] { return startProgram(full.folder()); },
        [&] {
            demoTotal += startProgram(demo.folder());
            return startBareWindow();
        });
    const double n = double(state.iterations());
    state.counters["short_lists_us"] = demoTotal / n * 1e6;
    state.counters["short_lists_ratio"] = state.counters["short_lists_us"] / state.counters["baseline_us"];
}
BENCHMARK(BM_ProgramStart32767VisitsFullCodeLists)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(3.0);

} // namespace

int main(int argc, char** argv)
{
    // Offscreen unless a display is asked for: the figure is the program's own work.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qtApp(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
