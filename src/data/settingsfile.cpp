#include "data/settingsfile.h"

#include "data/fileerrors.h"
#include "data/filesave.h"
#include "data/regularfile.h"

#include <QFile>

#include <cerrno>

namespace settingsfile {

QString fileName()
{
    return QStringLiteral("Inställn.txt");
}

FileResult HämtaInställningsFil(const QDir& folder, SettingsRecord& record)
{
    const QString path = folder.filePath(fileName());
    QFile file;
    const int why = openRegularFile(file, path);
    if (why == ENOENT) {
        // A first start: the clinic fills in its own data in the settings window; until then the
        // desk runs with blank texts, the first row of each list and the first of each choice.
        const SettingsRecord first = SettingsRecord::firstRunDefault();
        if (FileResult saved = SparaInställningsFil(folder, first); !saved)
            return saved;
        record = first;
        return FileResult::success();
    }

    // Only a regular file is opened: a named pipe in its place would hold up the desk for good.
    if (why != 0)
        return fileerrors::readFailure(fileName(), path, why);
    // Only the first 194 characters count; whatever follows (the line break, further lines) is
    // ignored, so there is no point reading more of a long file.
    errno = 0;
    const QByteArray line = file.read(SettingsRecord::Size);
    if (line.size() < SettingsRecord::Size && file.error() != QFileDevice::NoError)
        return fileerrors::readFailure(fileName(), path, errno);
    record = SettingsRecord::fromBytes(line);
    return FileResult::success();
}

FileResult SparaInställningsFil(const QDir& folder, const SettingsRecord& record,
                                SaveObserver* observer)
{
    QByteArray bytes = record.bytes().toByteArray();
    bytes += "\r\n";
    return saveFileAtomically(folder.filePath(fileName()), bytes, observer);
}

} // namespace settingsfile
