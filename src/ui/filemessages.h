#pragma once

#include "data/settingsfile.h"

#include <QDir>
#include <QString>

namespace ui {
class Form;
}

// Messages about the data files that more than one window shows, so that the desk, the settings
// window and the report windows say the same thing in the same words.
namespace filemessages {

// Inställn.txt is not one line of 194 characters and CR LF: which file, what is wrong, and that
// nothing is written over it until the user saves.
QString skadadInställningsfil(const QDir& folder, const QString& skada);

// Inställn.txt was removed while the program runs: the values in memory stay, and nothing is
// written until the user saves.
QString inställningsfilenSaknas(const QDir& folder);

// The message for what a reading of Inställn.txt found, or empty when the file was whole.
QString efterInläsning(const QDir& folder, const settingsfile::Inläsning& inläsning);

// A report window's activation: the visit file is looked over for the damage the desk's start
// looks for (NUL bytes, undefined bytes, a cut last record), which may have come since; damage
// is told as the desk tells it and a copy of the file kept aside. False when damage was found.
bool granskaBesöksfil(ui::Form& form, const QDir& folder);

} // namespace filemessages
