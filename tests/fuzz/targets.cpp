#include "targets.h"

#include "data/codec.h"
#include "data/codetables.h"
#include "data/fixedtext.h"
#include "data/settingsfile.h"
#include "data/visitdamage.h"
#include "data/visitfile.h"
#include "reports/arvfile.h"
#include "vocabulary/receiptnumber.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
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
    // A list longer than the desk can show, or without a single entry, is refused.
    if (!r.ok)
        return rows > maxRows || rows == 0 ? QString() : QStringLiteral("refused: ") + r.error;
    if (rows == 0)
        return QStringLiteral("a list without entries read");
    if ((table.*codes).size() != rows || (table.*seconds).size() != rows)
        return QStringLiteral("%1 rows instead of %2").arg((table.*codes).size()).arg(rows);
    const QString all = cp1252::decode(bytes);
    for (int i = 0; i < rows; ++i) {
        if ((table.*codes).at(i) != all.mid(qsizetype(i) * width, codeWidth) ||
            (table.*seconds).at(i) != all.mid(qsizetype(i) * width + codeWidth, secondWidth))
            return QStringLiteral("row %1 is not the file's characters").arg(i);
        int last = i;
        for (int j = i + 1; j < rows; ++j)
            if ((table.*codes).at(j) == (table.*codes).at(i))
                last = j;
        if (codetables::findCode(table.*codes, (table.*codes).at(i), -1) != last)
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

QString arvBuilder(QByteArrayView bytes)
{
    // The input: From (its first byte less 2), the To text (its length in the second byte, at
    // most 11), the clinic's 11 kombikakod bytes, then the visit records, the last one
    // blank-filled.
    qsizetype at = 0;
    const auto take = [&](qsizetype n) {
        const QByteArrayView piece = bytes.sliced(at).first(qMin(n, bytes.size() - at));
        at += piece.size();
        return piece;
    };
    const QByteArrayView head = take(2);
    const int from = (head.size() > 0 ? int(quint8(head[0])) : 0) - 2;
    const QString toText = cp1252::decode(take(head.size() > 1 ? quint8(head[1]) % 12 : 0));
    QByteArray kombikakod = take(11).toByteArray();
    kombikakod.append(11 - kombikakod.size(), ' ');
    const QByteArrayView records = bytes.sliced(at);
    VisitTable visits;
    for (qsizetype r = 0; r < records.size(); r += VisitRecord::Size)
        visits.records().append(VisitRecord::fromBytes(records.sliced(r)));

    const arvfile::Interchange arv = arvfile::build(visits, from, toText, kombikakod, QStringLiteral("261208"),
                                                    QStringLiteral("0930"));
    for (QChar c : arv.fileName.chopped(qMin<qsizetype>(4, arv.fileName.size())))
        if (c < u'0' || c > u'9')
            return QStringLiteral("the file name %1 holds more than digits").arg(arv.fileName);
    if (!arv.fileName.endsWith(QStringLiteral(".ARV")))
        return QStringLiteral("the file name %1 does not end in .ARV").arg(arv.fileName);
    const std::optional<int> to = receiptNumberInBox(toText);
    const bool stored = to && from >= 1 && from <= *to && *to <= visits.upperBound();
    if (!arv.ok()) {
        if (!arv.bytes.isEmpty())
            return QStringLiteral("refused, yet bytes came back");
        // A range of stored receipts whose bytes hold no line break, NUL or undefined byte, with
        // a To of at most 8 digits, is never refused.
        const auto unfit = [](QByteArrayView bytes) {
            return std::any_of(bytes.begin(), bytes.end(), [](char b) {
                return b == '\r' || b == '\n' || b == '\0' || cp1252::isUndefined(b);
            });
        };
        bool damaged = unfit(kombikakod);
        for (int r = from; stored && r <= *to; ++r)
            damaged = damaged || unfit(visits[r].bytes());
        if (stored && !damaged && fixedtext::trimBlanks(toText).size() <= arvfile::ReferenceWidth)
            return QStringLiteral("a sound range refused: ") + arv.error;
        return {};
    }

    // Built: the range was one of stored receipts, and the file reads as lines ending in CR LF,
    // the UNB line, two lines per segment and the UNZ line, one BSK per receipt carrying its
    // record's bytes, and the count in UNT right.
    if (!stored)
        return QStringLiteral("built for a range outside the stored receipts");
    if (!arv.bytes.endsWith("\r\n"))
        return QStringLiteral("the last line does not end with CR LF");
    QList<QByteArray> lines = arv.bytes.split('\n');
    lines.removeLast();
    for (QByteArray& line : lines)
        if (!line.endsWith('\r') || (line.chop(1), line.contains('\r')))
            return QStringLiteral("a line break that is not CR LF");
    if (lines.size() != 2 + 2 * qsizetype(arv.segmentCount))
        return QStringLiteral("%1 lines for %2 segments").arg(lines.size()).arg(arv.segmentCount);
    const QByteArray count = QByteArray::number(arv.segmentCount);
    if (lines[lines.size() - 2].left(6) != count.leftJustified(6, ' '))
        return QStringLiteral("the count in UNT is not the %1 segments").arg(arv.segmentCount);
    int receipt = from;
    for (qsizetype i = 3; i + 1 < lines.size(); i += 2) {
        if (lines[i] != "BSK")
            continue;
        if (receipt > *to)
            return QStringLiteral("more BSK segments than the %1 receipts").arg(*to - from + 1);
        const QByteArray record = visits[receipt++].bytes().toByteArray();
        if (lines[i + 1] != record.left(56) + record.mid(60, 17))
            return QStringLiteral("the BSK line of receipt %1 is not its record's bytes").arg(receipt - 1);
    }
    if (receipt != *to + 1)
        return QStringLiteral("%1 BSK segments for %2 receipts").arg(receipt - from).arg(*to - from + 1);
    return {};
}

} // namespace fuzztargets
