#include "data/settingsfile.h"

#include "data/codec.h"
#include "data/fileerrors.h"
#include "data/recordfile.h"

#include <QFile>
#include <QStringList>

#include <cerrno>

namespace settingsfile {

namespace {

// The line, its CR LF, and one byte more to tell a longer file from a whole one.
constexpr qsizetype LästaByte = SettingsRecord::Size + 3;

FileResult läs(const QDir& folder, SettingsRecord& record, Inläsning& inläsning, bool förstaStart)
{
    inläsning = {};
    QFile file;
    bool missing = false;
    if (FileResult opened = recordfile::open(folder, fileName(), file, missing); !opened)
        return opened;
    if (missing) {
        if (!förstaStart) {
            inläsning.saknas = true;
            return FileResult::success();
        }
        // A first start: the clinic fills in its own data in the settings window; until then the
        // desk runs with blank texts, the first row of each list and the first of each choice.
        const SettingsRecord first = SettingsRecord::firstRunDefault();
        if (FileResult saved = SparaInställningsFil(folder, first); !saved)
            return saved;
        record = first;
        return FileResult::success();
    }

    // Only the first 194 characters count; what follows is read only as far as it tells whether
    // the line ends as it should, so there is no point reading more of a long file.
    errno = 0;
    const QByteArray bytes = file.read(LästaByte);
    if (bytes.size() < LästaByte && file.error() != QFileDevice::NoError)
        return fileerrors::readFailure(fileName(), folder.filePath(fileName()), errno);
    record = SettingsRecord::fromBytes(bytes.first(qMin(bytes.size(), qsizetype(SettingsRecord::Size))));
    inläsning.skada = GranskaInställningsbytes(bytes);
    return FileResult::success();
}

} // namespace

QString fileName()
{
    return QStringLiteral("Inställn.txt");
}

FileResult HämtaInställningsFil(const QDir& folder, SettingsRecord& record, Inläsning* inläsning)
{
    Inläsning ignored;
    return läs(folder, record, inläsning ? *inläsning : ignored, true);
}

FileResult LäsInställningsFilIgen(const QDir& folder, SettingsRecord& record, Inläsning& inläsning)
{
    return läs(folder, record, inläsning, false);
}

FileResult SparaInställningsFil(const QDir& folder, const SettingsRecord& record,
                                SaveObserver* observer)
{
    QByteArray bytes = record.bytes().toByteArray();
    bytes += "\r\n";
    return recordfile::save(folder, fileName(), bytes, observer);
}

QString GranskaInställningsbytes(QByteArrayView bytes)
{
    constexpr qsizetype Size = SettingsRecord::Size;
    QStringList fel;
    if (bytes.isEmpty())
        return QStringLiteral("filen är tom");

    // The line is what comes before the first CR or LF.
    qsizetype radslut = 0;
    while (radslut < bytes.size() && bytes[radslut] != '\r' && bytes[radslut] != '\n')
        ++radslut;
    const bool helRad = radslut < bytes.size() - 1 && bytes[radslut] == '\r' && bytes[radslut + 1] == '\n';
    if (radslut < Size && radslut + 2 < bytes.size())
        fel += QStringLiteral("raden bryts av efter %1 tecken av %2").arg(radslut).arg(Size);
    else if (radslut < Size)
        fel += QStringLiteral("raden har %1 tecken i stället för %2").arg(radslut).arg(Size);
    else if (radslut > Size)
        fel += QStringLiteral("raden har fler än %1 tecken").arg(Size);
    else if (!helRad)
        fel += QStringLiteral("raden slutar inte med CR LF");
    else if (bytes.size() > Size + 2)
        fel += QStringLiteral("filen har mer än en rad");

    for (qsizetype i = 0; i < qMin(bytes.size(), Size); ++i)
        if (bytes[i] == '\0') {
            fel += QStringLiteral("tecken %1 är ett nolltecken").arg(i + 1);
            break;
        }
    for (qsizetype i = 0; i < qMin(bytes.size(), Size); ++i)
        if (cp1252::isUndefined(bytes[i])) {
            fel += QStringLiteral("tecken %1 finns inte i Windows-1252").arg(i + 1);
            break;
        }
    return fel.join(QStringLiteral(", "));
}

} // namespace settingsfile
