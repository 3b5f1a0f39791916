#pragma once

#include "data/fileresult.h"
#include "data/filesave.h"
#include "data/settingsrecord.h"

#include <QDir>

// Inställn.txt: one 194-character line and CR LF. Anything after position 194 is ignored on
// reading; a save writes exactly the 194 characters and CR LF, atomically.
namespace settingsfile {

QString fileName(); // "Inställn.txt"

// What a reading found besides the record.
struct Inläsning {
    // The file was not there; the record was left as it was and nothing was written.
    bool saknas = false;
    // What is wrong with the file's form, when it is not one line of 194 Windows-1252
    // characters and CR LF ("raden har 50 tecken i stället för 194"); empty when it is.
    QString skada;
};

// The start's reading of the file into `record`; only a regular file is opened. A missing file
// is a first start: the first-run default is written and loaded. A damaged file is read as far as
// it goes, short fields blank, and `inläsning` says what is wrong. A failure (a link to a file
// that is not there included) leaves `record` as it was.
FileResult HämtaInställningsFil(const QDir& folder, SettingsRecord& record,
                                Inläsning* inläsning = nullptr);
// Every later reading: the same, except that a missing file (deleted while the program runs)
// leaves `record` as it was, writes nothing and sets `inläsning.saknas`.
FileResult LäsInställningsFilIgen(const QDir& folder, SettingsRecord& record, Inläsning& inläsning);
// `observer` watches the steps of the save (filesave.h); the windows pass none.
FileResult SparaInställningsFil(const QDir& folder, const SettingsRecord& record,
                                SaveObserver* observer = nullptr);

// What is wrong with the bytes of a settings file (as much of it as the first 197 bytes tell);
// empty for one line of 194 Windows-1252 characters and CR LF.
QString GranskaInställningsbytes(QByteArrayView bytes);

} // namespace settingsfile
