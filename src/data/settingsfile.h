#pragma once

#include "data/fileresult.h"
#include "data/filesave.h"
#include "data/settingsrecord.h"

#include <QDir>

// Inställn.txt: one 194-character line and CR LF. Anything after position 194 is ignored on
// reading; a save writes exactly the 194 characters and CR LF, atomically.
namespace settingsfile {

QString fileName(); // "Inställn.txt"

// Reads the file into `record`; only a regular file is opened. A missing file is a first start: the first-run default is
// written and loaded. A failure leaves `record` as it was.
FileResult HämtaInställningsFil(const QDir& folder, SettingsRecord& record);
// `observer` watches the steps of the save (filesave.h); the windows pass none.
FileResult SparaInställningsFil(const QDir& folder, const SettingsRecord& record,
                                SaveObserver* observer = nullptr);

} // namespace settingsfile
