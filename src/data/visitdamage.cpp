#include "data/visitdamage.h"

#include "data/codec.h"
#include "data/fileerrors.h"
#include "data/filesave.h"
#include "data/regularfile.h"
#include "data/visitfile.h"
#include "data/visitrecord.h"

#include <algorithm>
#include <cstring>

namespace visitfile {

namespace {

// "3, 7-9, 12": runs of receipts as ranges; a long list ends with how many there are in all,
// so that a file of zeros does not give a message of thirty thousand numbers.
QString receiptList(const QList<int>& receipts)
{
    constexpr int MostRuns = 12;
    QStringList runs;
    qsizetype i = 0;
    while (i < receipts.size() && runs.size() < MostRuns) {
        qsizetype j = i;
        while (j + 1 < receipts.size() && receipts[j + 1] == receipts[j] + 1)
            ++j;
        runs += j == i ? QString::number(receipts[i])
                       : QStringLiteral("%1-%2").arg(receipts[i]).arg(receipts[j]);
        i = j + 1;
    }
    QString text = runs.join(QStringLiteral(", "));
    if (i < receipts.size())
        text += QStringLiteral(" med flera, %1 kvitton i allt").arg(receipts.size());
    return text;
}

QString warningText(const Skada& skada, const QString& kopia)
{
    QString text = QStringLiteral("OBS! Besöksfilen %1 är skadad!\n").arg(fileName());
    if (!skada.nollteckenKvitton.isEmpty())
        text += QStringLiteral("%1 %2 innehåller nolltecken.\n")
                    .arg(skada.nollteckenKvitton.size() == 1 ? QStringLiteral("Kvitto")
                                                             : QStringLiteral("Kvittona"),
                         receiptList(skada.nollteckenKvitton));
    if (!skada.odefinieradeKvitton.isEmpty())
        text += QStringLiteral("%1 %2 innehåller tecken som inte finns i Windows-1252.\n")
                    .arg(skada.odefinieradeKvitton.size() == 1 ? QStringLiteral("Kvitto")
                                                                : QStringLiteral("Kvittona"),
                         receiptList(skada.odefinieradeKvitton));
    if (skada.avklipptKvitto != 0)
        text += QStringLiteral("Kvitto %1 är avklippt: filen har bara %2 av dess %3 tecken, och "
                               "nästa registrering skriver över dem.\n")
                    .arg(skada.avklipptKvitto)
                    .arg(skada.avklipptaByte)
                    .arg(VisitRecord::Size);
    text += QStringLiteral("En kopia av hela filen har sparats som %1 i samma mapp. Kontrollera "
                           "kvittona och registrera dem på nytt vid behov.")
                .arg(kopia);
    return text;
}

QByteArray readAllBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// An earlier start may have kept this very file already; then that copy is the one named.
QString existingCopy(const QDir& folder, const QByteArray& bytes)
{
    const QStringList copies = folder.entryList({fileName() + QStringLiteral(".skadad-*")},
                                                QDir::Files, QDir::Name);
    for (const QString& name : copies) {
        const QFileInfo info(folder.filePath(name));
        if (info.size() == bytes.size() && readAllBytes(info.filePath()) == bytes)
            return name;
    }
    return {};
}

} // namespace

Skada GranskaBesöksbytes(const QByteArray& bytes)
{
    Skada skada;
    const qint64 whole = bytes.size() / VisitRecord::Size;
    const char* data = bytes.constData();
    // memchr finds the first NUL of the whole file; only the records from there on are looked at.
    for (qint64 at = 0; at < bytes.size();) {
        const void* nul = std::memchr(data + at, '\0', size_t(bytes.size() - at));
        if (!nul)
            break;
        const qint64 offset = static_cast<const char*>(nul) - data;
        const qint64 record = offset / VisitRecord::Size;
        if (record < whole)
            skada.nollteckenKvitton.append(int(record + 1));
        at = (record + 1) * VisitRecord::Size;
    }
    for (qint64 record = 0; record < whole; ++record) {
        const char* const first = data + record * VisitRecord::Size;
        if (std::any_of(first, first + VisitRecord::Size, cp1252::isUndefined))
            skada.odefinieradeKvitton.append(int(record + 1));
    }
    if (const int rest = int(bytes.size() % VisitRecord::Size); rest != 0) {
        skada.avklipptKvitto = int(whole + 1);
        skada.avklipptaByte = rest;
    }
    return skada;
}

FileResult GranskaBesöksFil(const QDir& folder, const QString& stämpel, QString& varning)
{
    varning.clear();
    const QString path = folder.filePath(fileName());
    QFile file;
    if (const int why = openRegularFile(file, path)) {
        // A missing file is no damage: the desk's first reading has created it, or will.
        if (why == ENOENT)
            return FileResult::success();
        return fileerrors::readFailure(fileName(), path, why);
    }
    errno = 0;
    const QByteArray bytes = file.readAll();
    if (bytes.size() != file.size())
        return fileerrors::readFailure(fileName(), path, errno);
    const Skada skada = GranskaBesöksbytes(bytes);
    if (!skada.finns())
        return FileResult::success();

    QString kopia = existingCopy(folder, bytes);
    if (kopia.isEmpty()) {
        const QString base = fileName() + QStringLiteral(".skadad-") + stämpel;
        kopia = base;
        for (int n = 2; folder.exists(kopia); ++n)
            kopia = base + QStringLiteral("-%1").arg(n);
        if (FileResult kept = saveFileAtomically(folder.filePath(kopia), bytes); !kept)
            return FileResult::failure(
                QStringLiteral("Besöksfilen %1 är skadad, och en kopia av den kunde inte sparas "
                               "innan kassan skriver i den. %2 Frigör utrymme eller kontrollera "
                               "mappens behörighet och starta programmet igen.")
                    .arg(fileName(), kept.error));
    }
    varning = warningText(skada, kopia);
    return FileResult::success();
}

} // namespace visitfile
