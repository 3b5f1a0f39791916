// The desk at the limits, driven through the window layer without a display: starting it on a
// full visit file with the longest code lists it can hold, and showing a receipt. Each figure
// stands beside a baseline measured in the same run (see benchsupport.h): the start beside a
// bare window of 40 controls and a menu bar, and beside the same start with six-row code
// lists; the display beside the same display on six-row code lists.

#include "benchwindows.h"

#include "app/programwindows.h"
#include "data/program.h"
#include "data/settingsfile.h"
#include "data/settingsrecord.h"
#include "ui/application.h"
#include "ui/form.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace bench;

// The desk of a folder, started as the program starts it.
struct RunningDesk {
    explicit RunningDesk(const QDir& folder)
    {
        program.folder = folder;
        windows = std::make_unique<ProgramWindows>(app, program);
    }
    void start()
    {
        windows->start();
        if (windows->desk().startFailed())
            std::abort();
    }
    frmKassa& desk() { return windows->desk(); }

    Services services;
    ui::Application app{services.dialogs, services.printer, services.clock, services.screen};
    Program program;
    std::unique_ptr<ProgramWindows> windows;
};

// A window with a menu bar and 40 controls, and nothing behind them.
class BareWindow : public ui::Form {
public:
    explicit BareWindow(ui::Application& app) : Form(app, QStringLiteral("frmLeer"))
    {
        setClientSize(10095, 6480);
        setCaption(QStringLiteral("Fönster"));
        for (int m = 0; m < 4; ++m) {
            ui::MenuItem& menu = menuBar().add(QStringLiteral("mnu%1").arg(m), QStringLiteral("&Meny %1").arg(m));
            for (int i = 0; i < 4; ++i)
                menu.add(QStringLiteral("mnu%1_%2").arg(m).arg(i), QStringLiteral("Val %1").arg(i));
        }
        std::vector<ui::Control*> order;
        for (int i = 0; i < 10; ++i) {
            auto& label = add<ui::Label>(QStringLiteral("Label%1").arg(i));
            label.setCaption(QStringLiteral("Etikett %1:").arg(i));
            auto& box = add<ui::TextBox>(QStringLiteral("Text%1").arg(i));
            box.setText(QStringLiteral("text"));
            auto& check = add<ui::CheckBox>(QStringLiteral("Check%1").arg(i));
            check.setCaption(QStringLiteral("Val %1").arg(i));
            auto& button = add<ui::CommandButton>(QStringLiteral("Knapp%1").arg(i));
            button.setCaption(QStringLiteral("Knapp %1").arg(i));
            for (ui::Control* c : std::initializer_list<ui::Control*>{&label, &box, &check, &button}) {
                c->move(120 + 2400 * (i % 4), 300 * i, 1200, 285);
                order.push_back(c);
            }
        }
        setTabOrder(order);
    }
};

double startBareWindow()
{
    Services services;
    ui::Application app(services.dialogs, services.printer, services.clock, services.screen);
    return secondsOf([&] {
        BareWindow window(app);
        app.start(window);
        benchmark::DoNotOptimize(window.focused());
    });
}

// The desk built, loaded and activated; taking it down is not timed.
double startDesk(const QDir& folder)
{
    Clock::time_point begun;
    double seconds = 0;
    {
        begun = Clock::now();
        RunningDesk desk(folder);
        desk.start();
        seconds = std::chrono::duration<double>(Clock::now() - begun).count();
        benchmark::DoNotOptimize(desk.desk().lstTaxekod.listCount());
    }
    return seconds;
}

void BM_DeskStart32767VisitsFullCodeLists(benchmark::State& state)
{
    const ClinicFolder full(codetables::MaxTariffRows, codetables::MaxProcedureRows);
    const ClinicFolder small(6, 6);
    double smallTotal = 0;
    pairedTimed(
        state, [&] { return startDesk(full.folder()); },
        [&] {
            smallTotal += startDesk(small.folder());
            return startBareWindow();
        });
    // The same start with six-row lists: what the code lists themselves cost.
    const double n = double(state.iterations());
    state.counters["small_lists_us"] = smallTotal / n * 1e6;
    state.counters["ratio_to_small"] = state.counters["measured_us"] / state.counters["small_lists_us"];
}
BENCHMARK(BM_DeskStart32767VisitsFullCodeLists)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(3.0);

// One display: "<<  Föregåen&de" from the last receipt, "&Nästa  >>" back to it (a stored
// receipt, so only the display runs): both code files read again from disk and the receipt's
// codes looked up.
void showAReceipt(RunningDesk& desk)
{
    frmKassa& d = desk.desk();
    if (d.kvitto() == VisitTable::MaxRecords)
        desk.app.click(d.cmdFöregående);
    else
        desk.app.click(d.cmdNästa);
}

void BM_DisplayFullCodeLists(benchmark::State& state)
{
    const ClinicFolder full(codetables::MaxTariffRows, codetables::MaxProcedureRows);
    const ClinicFolder small(6, 6);
    RunningDesk fullDesk(full.folder()), smallDesk(small.folder());
    fullDesk.start();
    smallDesk.start();
    paired(
        state, [&] { showAReceipt(fullDesk); }, [&] { showAReceipt(smallDesk); });
    // Both showed a receipt whose tariff "01" the list holds.
    if (fullDesk.desk().lstTaxekod.text() != QStringLiteral("01")
        || smallDesk.desk().lstTaxekod.text() != QStringLiteral("01"))
        std::abort();
}
BENCHMARK(BM_DisplayFullCodeLists)->UseManualTime()->Unit(benchmark::kMicrosecond)->MinTime(2.0);

} // namespace
