#pragma once

#include "data/codetables.h"
#include "data/fileresult.h"
#include "data/settingsfile.h"
#include "data/visitdamage.h"

#include <QDir>
#include <QList>
#include <QString>

namespace ui {
class Form;
}

// Messages about the data files: the data layer says what it found (which file, which rows, which
// receipts), and the windows tell it in these words, so that the desk, the settings window and
// the report windows say the same thing in the same words.
namespace filemessages {

// Inställn.txt is not one line of 194 characters and CR LF: which file, what is wrong, and that
// nothing is written over it until the user saves.
QString skadadInställningsfil(const QDir& folder, const QString& skada);

// Inställn.txt was removed while the program runs: the values in memory stay, and nothing is
// written until the user saves.
QString inställningsfilenSaknas(const QDir& folder);

// The message for what a reading of Inställn.txt found, or empty when the file was whole.
QString efterInläsning(const QDir& folder, const settingsfile::Inläsning& inläsning);

// The desk's start-up warning about the `rows` (0-based, codetables::rowsWithoutAmount) of a code
// list whose fee or amount is no whole number of kronor: the file, its folder and the rows (the
// first 20 with their codes, then how many more); empty when there are none.
QString beloppsvarning(const QDir& folder, codetables::CodeList list, const CodeColumn& codes,
                       const QList<int>& rows);

// The warning for damage found in the visit file: the damaged receipts, and the copy `kopia`
// kept of the whole file.
QString skadadBesöksfil(const visitfile::Skada& skada, const QString& kopia);

// visitfile::GranskaBesöksFil told in words: an error the user is shown when the file cannot be
// read or the copy of a damaged file cannot be written, and the damage in `varning` (empty for a
// whole file).
FileResult granskaBesöksfil(const QDir& folder, const QString& stämpel, QString& varning);

// A report window's activation: the visit file is looked over for the damage the desk's start
// looks for (NUL bytes, undefined bytes, a cut last record), which may have come since; damage
// is told as the desk tells it and a copy of the file kept aside. False when damage was found.
bool granskaBesöksfil(ui::Form& form, const QDir& folder);

} // namespace filemessages
