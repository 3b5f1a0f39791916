#pragma once

#include "data/filesave.h"
#include "data/settingsrecord.h"

#include <QDir>

// What the whole program shares: its own folder (every file is opened there by its bare name)
// and the settings record.
struct Program {
    QDir folder;
    // Watches every save the windows make (the visit file, the settings, the ARV file); none in
    // the running program. A test puts one here to make a step of a save fail, cut a write short
    // as a full disk does, or stop the process after a step.
    SaveObserver* saveObserver = nullptr;
    SettingsRecord Inställningar;
};
