#pragma once

#include "data/settingsrecord.h"

#include <QDir>

// What the whole program shares: its own folder (every file is opened there by its bare name),
// the settings record, and the row counts of the two code lists as last read.
struct Program {
    QDir folder;
    SettingsRecord Inställningar;
    int AntalTaxekoder = 0;
    int AntalÅtgärder = 0;
};
