#include "data/visitfile.h"

#include "data/fileerrors.h"
#include "data/recordfile.h"
#include "data/regularfile.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace visitfile {

namespace {

FileResult readFailure(const QString& path, int errnoValue)
{
    return fileerrors::readFailure(fileName(), path, errnoValue);
}

// The opening creates a missing file, empty, so the folder shows the desk's file from its first
// start; a folder that cannot hold it is told at once rather than at the first registration.
FileResult createEmpty(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0)
        return FileResult::failure(QStringLiteral("Filen %1 kunde inte skapas: %2.")
                                       .arg(fileName(), reasonFromErrno(errno)));
    ::close(fd);
    return FileResult::success();
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

} // namespace

QString fileName()
{
    return QStringLiteral("PatBesök.Dat");
}

FileResult HämtaBesöksFil(const QDir& folder, VisitTable& table)
{
    QFile file;
    bool missing = false;
    if (FileResult opened = recordfile::open(folder, fileName(), file, missing); !opened)
        return opened;
    if (missing) {
        // A first start: the first receipt registered will be number 1.
        if (FileResult created = createEmpty(folder.filePath(fileName())); !created)
            return created;
        table.clear();
        return FileResult::success();
    }

    const qint64 count = file.size() / VisitRecord::Size;
    if (count > VisitTable::MaxRecords)
        return tooManyRecords(count);

    // The records go straight into the table's storage: a record is its 95 bytes.
    QList<VisitRecord> records(count);
    if (!recordfile::readExactly(file, reinterpret_cast<char*>(records.data()),
                                 count * VisitRecord::Size))
        return readFailure(folder.filePath(fileName()), errno);
    table.records() = std::move(records);
    return FileResult::success();
}

FileResult SparaBesöksFil(const QDir& folder, const VisitTable& table, SaveObserver* observer)
{
    const qint64 count = table.upperBound();
    if (count > VisitTable::MaxRecords)
        return tooManyToSave(count);

    const QString path = folder.filePath(fileName());
    const qint64 tableBytes = count * VisitRecord::Size;

    // What lies beyond the table's end in the old file (later receipts, a partial record) is
    // written back unchanged, as if the table had been written over the old file in place.
    QByteArray tail;
    QFile old;
    if (const int why = openRegularFile(old, path); why != ENOENT) {
        if (why != 0)
            return readFailure(path, why);
        const qint64 oldSize = old.size();
        if (oldSize > tableBytes) {
            if ((oldSize / VisitRecord::Size) > VisitTable::MaxRecords)
                return tooManyToSave(oldSize / VisitRecord::Size);
            tail.resize(oldSize - tableBytes);
            if (!old.seek(tableBytes) || !recordfile::readExactly(old, tail.data(), tail.size()))
                return readFailure(path, errno);
        }
        old.close();
    }

    QByteArray bytes(tableBytes + tail.size(), Qt::Uninitialized);
    if (tableBytes > 0)
        std::memcpy(bytes.data(), table.records().constData(), size_t(tableBytes));
    if (!tail.isEmpty())
        std::memcpy(bytes.data() + tableBytes, tail.constData(), size_t(tail.size()));
    return recordfile::save(folder, fileName(), bytes, observer);
}

} // namespace visitfile
