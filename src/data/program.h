#pragma once

#include "data/filesave.h"
#include "data/settingsrecord.h"

#include <QDir>

// What the whole program shares: its own folder (every file is opened there by its bare name)
// and the settings record.
struct Program {
    QDir folder;
    // Watches every save of the visit file the desk makes; none in the running program. A test
    // puts one here to make a step of the save fail, or to stop the process after it.
    SaveObserver* saveObserver = nullptr;
    SettingsRecord Inställningar;
};
