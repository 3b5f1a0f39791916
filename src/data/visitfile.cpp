#include "data/visitfile.h"

#include "data/fileerrors.h"
#include "data/filesave.h"

#include <QFile>

#include <cerrno>
#include <cstring>

namespace visitfile {

namespace {

FileResult readFailure(const QFile& file, int errnoValue)
{
    return fileerrors::readFailure(fileName(), file.fileName(), errnoValue);
}

FileResult tooManyRecords(qint64 records)
{
    return FileResult::failure(
        QStringLiteral("Filen %1 har %2 poster. Kassan kan hålla högst %3 kvitton.")
            .arg(fileName())
            .arg(records)
            .arg(VisitTable::MaxRecords));
}

FileResult tooManyToSave(qint64 records)
{
    return FileResult::failure(
        QStringLiteral("Filen %1 kunde inte sparas: den skulle få %2 poster, och kassan kan hålla "
                       "högst %3 kvitton.")
            .arg(fileName())
            .arg(records)
            .arg(VisitTable::MaxRecords));
}

// Reads exactly `size` bytes from the current position into `into`.
bool readExactly(QFile& file, char* into, qint64 size)
{
    while (size > 0) {
        errno = 0;
        const qint64 got = file.read(into, size);
        if (got <= 0) {
            // A file that shrank under us stops with no errno; call it a read fault all the same.
            if (errno == 0)
                errno = EIO;
            return false;
        }
        into += got;
        size -= got;
    }
    return true;
}

} // namespace

QString fileName()
{
    return QStringLiteral("PatBesök.Dat");
}

FileResult HämtaBesöksFil(const QDir& folder, VisitTable& table)
{
    QFile file(folder.filePath(fileName()));
    if (!file.exists()) {
        // A first start: the first receipt registered will be number 1.
        table.clear();
        return FileResult::success();
    }
    errno = 0;
    if (!file.open(QIODevice::ReadOnly))
        return readFailure(file, errno);

    const qint64 count = file.size() / VisitRecord::Size;
    if (count > VisitTable::MaxRecords)
        return tooManyRecords(count);

    // The records go straight into the table's storage: a record is its 95 bytes.
    QList<VisitRecord> records(count);
    if (!readExactly(file, reinterpret_cast<char*>(records.data()), count * VisitRecord::Size))
        return readFailure(file, errno);
    table.records() = std::move(records);
    return FileResult::success();
}

FileResult SparaBesöksFil(const QDir& folder, const VisitTable& table)
{
    const qint64 count = table.upperBound();
    if (count > VisitTable::MaxRecords)
        return tooManyToSave(count);

    const QString path = folder.filePath(fileName());
    const qint64 tableBytes = count * VisitRecord::Size;

    // What lies beyond the table's end in the old file (later receipts, a partial record) is
    // written back unchanged, as if the table had been written over the old file in place.
    QByteArray tail;
    QFile old(path);
    if (old.exists()) {
        errno = 0;
        if (!old.open(QIODevice::ReadOnly))
            return readFailure(old, errno);
        const qint64 oldSize = old.size();
        if (oldSize > tableBytes) {
            if ((oldSize / VisitRecord::Size) > VisitTable::MaxRecords)
                return tooManyToSave(oldSize / VisitRecord::Size);
            tail.resize(oldSize - tableBytes);
            if (!old.seek(tableBytes) || !readExactly(old, tail.data(), tail.size()))
                return readFailure(old, errno);
        }
        old.close();
    }

    QByteArray bytes(tableBytes + tail.size(), Qt::Uninitialized);
    if (tableBytes > 0)
        std::memcpy(bytes.data(), table.records().constData(), size_t(tableBytes));
    if (!tail.isEmpty())
        std::memcpy(bytes.data() + tableBytes, tail.constData(), size_t(tail.size()));
    return saveFileAtomically(path, bytes);
}

} // namespace visitfile
