// The desk program: one window-based process whose files all lie in its own folder.

#include "app/processsignals.h"
#include "app/programwindows.h"
#include "data/program.h"
#include "data/programlock.h"
#include "ui/application.h"
#include "ui/qt/qtbackend.h"
#include "ui/qt/qtprinter.h"
#include "ui/qt/qtservices.h"
#include "ui/qt/swedishqt.h"

#include <QApplication>
#include <QDir>

int main(int argc, char** argv)
{
    // Before any file is opened: a save under a file-size limit must fail with its error.
    ignoreFileSizeSignal();
    QApplication qtApp(argc, argv);
    // Qt's own texts (a text box's context menu, standard buttons) in Swedish like the rest.
    const ui::qt::SwedishQt swedish;
    ui::qt::QtDialogs qtDialogs;
    ui::Dialogs& dialogs = qtDialogs;

    // The program's folder is the folder of its own file; it is made current and every file is
    // opened there by its bare name. Nothing else (command line, environment) chooses it.
    const QString folder = QCoreApplication::applicationDirPath();
    if (!QDir::setCurrent(folder)) {
        dialogs.message(QStringLiteral("Programmets mapp %1 kunde inte öppnas.")
                            .arg(QDir::toNativeSeparators(folder)));
        return 1;
    }

    // One running copy per folder: two copies would overwrite each other's registrations.
    ProgramLock lock(folder);
    if (const FileResult locked = lock.acquire(); !locked) {
        dialogs.message(locked.error);
        return 1;
    }

    ui::qt::QtPrinter printer(folder);
    ui::qt::QtClock clock;
    ui::qt::QtScreen screen;
    ui::Application app(dialogs, printer, clock, screen);
    Program program;
    program.folder = QDir(folder);
    ProgramWindows windows(app, program);
    frmKassa& desk = windows.desk();

    ui::qt::QtBackend backend(app);
    // "Avsluta" ends the program at once: every registration is on disk before its event ends.
    app.onQuit = [] { QCoreApplication::quit(); };
    // On a first start the settings window opens over the desk.
    windows.start([&backend](frmKassa& desk) { backend.start(desk); });
    backend.sync();
    if (desk.startFailed())
        return 1; // the desk has said why
    if (app.hasQuit())
        return 0;
    return qtApp.exec();
}
