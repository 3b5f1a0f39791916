#include "targets.h"

#include "data/codec.h"
#include "data/codetables.h"
#include "data/settingsfile.h"
#include "data/visitdamage.h"
#include "data/visitfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstring>

namespace fuzztargets {

namespace {

// One program folder for the whole run of a fuzzing process; each input replaces its file. In
// memory where the system has a memory file system: every save syncs, and on a disk the syncs
// would take most of the time.
QString memoryFolderTemplate()
{
    const QFileInfo shm(QStringLiteral("/dev/shm"));
    return shm.isDir() && shm.isWritable() ? QStringLiteral("/dev/shm/kassa-fuzz-XXXXXX")
                                           : QDir::tempPath() + QStringLiteral("/kassa-fuzz-XXXXXX");
}

const QDir& folder()
{
    static QTemporaryDir dir(memoryFolderTemplate());
    static const QDir d(dir.path());
    return d;
}

bool writeFile(const QString& name, QByteArrayView bytes)
{
    QFile file(folder().filePath(name));
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes.data(), bytes.size()) == bytes.size();
}

QByteArray readFile(const QString& name)
{
    QFile file(folder().filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The code lists: row i is cut from the file at w·i, nothing trimmed or checked, as many rows
// as the length rounds to; each code finds its last row.
template <typename Table>
QString codeList(QByteArrayView bytes, const QString& name, int width, int codeWidth, int secondWidth, int maxRows,
                 FileResult (*read)(const QDir&, Table&), CodeColumn Table::*codes,
                 CodeColumn Table::*seconds)
{
    if (!writeFile(name, bytes))
        return QStringLiteral("the input could not be written");
    Table table;
    const FileResult r = read(folder(), table);
    const int rows = codetables::entryCount(bytes.size(), width);
    if (!r.ok)
        return rows > maxRows ? QString() : QStringLiteral("refused: ") + r.error;
    if ((table.*codes).size() != rows || (table.*seconds).size() != rows)
        return QStringLiteral("%1 rows instead of %2").arg((table.*codes).size()).arg(rows);
    const QString all = cp1252::decode(bytes);
    for (int i = 0; i < rows; ++i) {
        if ((table.*codes)[i] != all.mid(qsizetype(i) * width, codeWidth) ||
            (table.*seconds)[i] != all.mid(qsizetype(i) * width + codeWidth, secondWidth))
            return QStringLiteral("row %1 is not the file's characters").arg(i);
        int last = i;
        for (int j = i + 1; j < rows; ++j)
            if ((table.*codes)[j] == (table.*codes)[i])
                last = j;
        if (codetables::findCode(table.*codes, (table.*codes)[i], -1) != last)
            return QStringLiteral("the code of row %1 does not find its last row").arg(i);
    }
    return {};
}

} // namespace

QString visitFile(QByteArrayView bytes)
{
    if (!writeFile(visitfile::fileName(), bytes))
        return QStringLiteral("the input could not be written");
    VisitTable table;
    if (const FileResult r = visitfile::HämtaBesöksFil(folder(), table); !r)
        return QStringLiteral("refused: ") + r.error;
    const qsizetype whole = bytes.size() / VisitRecord::Size;
    if (table.upperBound() != whole)
        return QStringLiteral("%1 records instead of %2").arg(table.upperBound()).arg(whole);
    if (whole > 0 && std::memcmp(table.records().constData(), bytes.data(), size_t(whole * VisitRecord::Size)) != 0)
        return QStringLiteral("the records are not the file's bytes");

    // The damage found is the damage there is.
    const visitfile::Skada skada = visitfile::GranskaBesöksbytes(QByteArray(bytes.data(), bytes.size()));
    for (qsizetype k = 1; k <= whole; ++k) {
        const bool nul = std::memchr(bytes.data() + (k - 1) * VisitRecord::Size, 0, VisitRecord::Size);
        if (nul != skada.nollteckenKvitton.contains(int(k)))
            return QStringLiteral("the NUL bytes of receipt %1 are misjudged").arg(k);
    }
    if ((skada.avklipptKvitto != 0) != (bytes.size() % VisitRecord::Size != 0))
        return QStringLiteral("the cut last record is misjudged");

    // Written back whole: byte-identical, the partial last record kept.
    if (!visitfile::SparaBesöksFil(folder(), table))
        return QStringLiteral("the table could not be written back");
    if (readFile(visitfile::fileName()) != QByteArrayView(bytes))
        return QStringLiteral("writing the table back changed the file");
    return {};
}

QString settingsFile(QByteArrayView bytes)
{
    if (!writeFile(settingsfile::fileName(), bytes))
        return QStringLiteral("the input could not be written");
    SettingsRecord record;
    if (const FileResult r = settingsfile::HämtaInställningsFil(folder(), record); !r)
        return QStringLiteral("refused: ") + r.error;
    // The first 194 characters as they stand, blanks where the file is shorter.
    QByteArray expected(bytes.first(qMin<qsizetype>(bytes.size(), SettingsRecord::Size)).toByteArray());
    expected.append(SettingsRecord::Size - expected.size(), ' ');
    if (record.bytes() != expected)
        return QStringLiteral("the record is not the file's first 194 characters");
    // Whatever the fields hold, applying them gives an index and a choice.
    for (const SettingsField f : {SettingsField::ÅtgärdIndex, SettingsField::TaxekodIndex})
        if (const int i = record.index(f); i < -9 || i > 99)
            return QStringLiteral("index %1 from a 2-character field").arg(i);
    (void)record.isFirstChoice(SettingsField::Yrke);
    if (!settingsfile::SparaInställningsFil(folder(), record))
        return QStringLiteral("the record could not be written back");
    if (readFile(settingsfile::fileName()) != expected + "\r\n")
        return QStringLiteral("the record was not written back as 194 characters and CR LF");
    return {};
}

QString tariffFile(QByteArrayView bytes)
{
    return codeList(bytes, codetables::tariffFileName(), 5, 2, 3, codetables::MaxTariffRows, &codetables::HämtaTaxeFil,
                    &TariffTable::Taxekod, &TariffTable::Patientavgift);
}

QString procedureFile(QByteArrayView bytes)
{
    return codeList(bytes, codetables::procedureFileName(), 8, 4, 4, codetables::MaxProcedureRows, &codetables::HämtaÅtgärdsFil,
                    &ProcedureTable::Åtgärd, &ProcedureTable::Åtgärdsbelopp);
}

} // namespace fuzztargets
