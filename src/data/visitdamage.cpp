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
    // One pass over the bytes, skipping to the next record after a find. Nearly every byte of a
    // visit file is below 0x80, so eight bytes without a high bit are passed over at once and
    // the check costs about as little as reading the file.
    const qint64 end = whole * VisitRecord::Size;
    for (qint64 at = 0; at < end;) {
        if (end - at >= 8) {
            quint64 eight;
            std::memcpy(&eight, data + at, sizeof eight);
            if ((eight & 0x8080808080808080ull) == 0) {
                at += 8;
                continue;
            }
        }
        if (!cp1252::isUndefined(data[at])) {
            ++at;
            continue;
        }
        const qint64 record = at / VisitRecord::Size;
        skada.odefinieradeKvitton.append(int(record + 1));
        at = (record + 1) * VisitRecord::Size;
    }
    if (const int rest = int(bytes.size() % VisitRecord::Size); rest != 0) {
        skada.avklipptKvitto = int(whole + 1);
        skada.avklipptaByte = rest;
    }
    return skada;
}

FileResult GranskaBesöksFil(const QDir& folder, const QString& stämpel, Granskning& granskning)
{
    granskning = {};
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
    granskning.skada = GranskaBesöksbytes(bytes);
    if (!granskning.skada.finns())
        return FileResult::success();

    QString kopia = existingCopy(folder, bytes);
    if (kopia.isEmpty()) {
        const QString base = fileName() + QStringLiteral(".skadad-") + stämpel;
        kopia = base;
        for (int n = 2; folder.exists(kopia); ++n)
            kopia = base + QStringLiteral("-%1").arg(n);
        if (FileResult kept = saveFileAtomically(folder.filePath(kopia), bytes); !kept)
            return kept;
    }
    granskning.kopia = kopia;
    return FileResult::success();
}

} // namespace visitfile
