#pragma once

#include "data/fileresult.h"

#include <QByteArray>
#include <QDir>
#include <QList>
#include <QString>

// Damage that a power cut or a full disk leaves in PatBesök.Dat: a last record cut short (the
// file's length is no whole number of records) and records holding NUL bytes (some file systems
// fill the blocks they had no time to write with zeros), or bytes that no registration writes.
// The desk keeps working on such a file,
// but the next registration may write over the damaged bytes, so a copy of the whole file is
// kept aside first and the receptionist is told which receipts to look at.
namespace visitfile {

struct Skada {
    QList<int> nollteckenKvitton; // receipts whose record holds a NUL byte, in file order
    // Receipts whose record holds one of the five bytes Windows-1252 leaves undefined, which no
    // registration writes: bytes written over by something else.
    QList<int> odefinieradeKvitton;
    int avklipptKvitto = 0;       // the receipt of a cut last record, 0 when there is none
    int avklipptaByte = 0;        // how many bytes of it the file holds
    bool finns() const
    {
        return avklipptKvitto != 0 || !nollteckenKvitton.isEmpty() || !odefinieradeKvitton.isEmpty();
    }
};

// The damage in the bytes of a visit file.
Skada GranskaBesöksbytes(const QByteArray& bytes);

// What a look at the file found: the damage, and the name of the copy kept of the whole file.
struct Granskning {
    Skada skada;
    QString kopia; // empty while no copy is kept
};

// Looks the file over; when it is damaged, keeps a copy of the whole file beside it named
// "PatBesök.Dat.skadad-<stämpel>" (the desk stamps it with the date and time, "yymmdd-hhmm"),
// unless an identical copy is there already, and says so in `granskning`. A missing file is no
// damage. An error means the damaged bytes are not safe yet: either the file cannot be read
// (`granskning.skada` then finds nothing) or the copy cannot be written (the damage is filled in,
// `kopia` is empty, and the error is the save's). The windows tell the receptionist
// (filemessages.h).
FileResult GranskaBesöksFil(const QDir& folder, const QString& stämpel, Granskning& granskning);

} // namespace visitfile
