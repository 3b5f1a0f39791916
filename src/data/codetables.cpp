#include "data/codetables.h"

#include "data/codec.h"
#include "data/fileerrors.h"
#include "data/regularfile.h"
#include "vocabulary/characters.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <limits>
#include <type_traits>

using namespace Qt::StringLiterals;

namespace {

struct Layout {
    int width;      // characters per entry
    int codeWidth;  // the code, from the start of the entry
    int secondWidth; // the fee or amount right after it
    int maxRows;
};

constexpr Layout TariffLayout{5, 2, 3, codetables::MaxTariffRows};
constexpr Layout ProcedureLayout{8, 4, 4, codetables::MaxProcedureRows};

const Layout& layoutOf(codetables::CodeList list)
{
    return list == codetables::CodeList::Tariff ? TariffLayout : ProcedureLayout;
}

QString folderName(const QDir& folder)
{
    return QDir::toNativeSeparators(folder.absolutePath());
}

FileResult readFailure(const QString& name, const QDir& folder, const QString& path, int errnoValue)
{
    return FileResult::failure(u"Filen %1 i mappen %2 kunde inte läsas: %3."_s.arg(
        name, folderName(folder), reasonFromErrno(fileerrors::afterFailedRead(path, errnoValue))));
}

// The two columns of a file's entries, sharing its bytes.
std::pair<CodeColumn, CodeColumn> columns(const QByteArray& bytes, const Layout& layout)
{
    const int rows = codetables::entryCount(bytes.size(), layout.width);
    return {CodeColumn(bytes, layout.width, 0, layout.codeWidth, rows),
            CodeColumn(bytes, layout.width, layout.codeWidth, layout.secondWidth, rows)};
}

// The last of rows 0 .. `last` (each `stride` bytes from the one before, starting at `first`)
// whose N bytes equal `wanted`. Each row is read as one N-byte word and compared whole: the
// code lists' codes share their first characters, and a comparison byte by byte would branch
// differently on every row.
template <int N>
qsizetype lastWholeMatch(const char* first, int stride, qsizetype last, const char* wanted)
{
    using Word = std::conditional_t<N == 2, quint16, quint32>;
    Word key;
    std::memcpy(&key, wanted, N);
    for (qsizetype row = last; row >= 0; --row) {
        Word word;
        std::memcpy(&word, first + row * stride, N);
        if (word == key)
            return row;
    }
    return -1;
}

} // namespace

CodeColumn::CodeColumn(QByteArray file, int entryWidth, int offset, int width, qsizetype rows)
    : m_file(std::move(file)), m_entryWidth(entryWidth), m_offset(offset), m_width(width),
      m_rows(rows)
{
}

QByteArrayView CodeColumn::bytes(qsizetype row) const
{
    const qsizetype start = row * m_entryWidth + m_offset;
    if (row < 0 || row >= m_rows || start >= m_file.size())
        return {};
    return QByteArrayView(m_file).sliced(start, qMin<qsizetype>(m_width, m_file.size() - start));
}

QString CodeColumn::at(qsizetype row) const
{
    return cp1252::decode(bytes(row));
}

qsizetype CodeColumn::lastIndexOf(QByteArrayView value) const
{
    // Rows that the file ends in or before (only the last one, for a table read from a file)
    // are shorter and compared as views; the whole ones are compared in place.
    const qsizetype room = m_file.size() - m_offset - m_width;
    const qsizetype lastWhole = room < 0 ? -1 : qMin(m_rows - 1, room / m_entryWidth);
    for (qsizetype row = m_rows - 1; row > lastWhole; --row)
        if (bytes(row) == value)
            return row;
    if (value.size() != m_width)
        return -1;
    const char* const first = m_file.constData() + m_offset;
    switch (m_width) {
    case 2:
        return lastWholeMatch<2>(first, m_entryWidth, lastWhole, value.data());
    case 4:
        return lastWholeMatch<4>(first, m_entryWidth, lastWhole, value.data());
    default:
        for (qsizetype row = lastWhole; row >= 0; --row)
            if (QByteArrayView(first + row * m_entryWidth, m_width) == value)
                return row;
        return -1;
    }
}

QStringList CodeColumn::toList() const
{
    QStringList list;
    list.reserve(m_rows);
    for (qsizetype i = 0; i < m_rows; ++i)
        list.append(at(i));
    return list;
}

namespace codetables {

QString tariffFileName()
{
    return u"Taxa.txt"_s;
}

QString procedureFileName()
{
    return u"Åtgärd.txt"_s;
}

QString fileName(CodeList list)
{
    return list == CodeList::Tariff ? tariffFileName() : procedureFileName();
}

int entryCount(qint64 length, int width)
{
    if (length <= 0 || width <= 0)
        return 0;
    // Rounded to the nearest whole entry, an exact half to the even neighbour: a trailing
    // CR LF after whole entries rounds away, three or more extra characters make a partial row.
    const qint64 whole = length / width;
    const qint64 rest = length % width;
    qint64 n = whole;
    if (2 * rest > width || (2 * rest == width && whole % 2 == 1))
        ++n;
    return int(qMin<qint64>(n, std::numeric_limits<int>::max()));
}

FileResult readCodeFile(const QDir& folder, CodeList list, QByteArray& bytes)
{
    const Layout& layout = layoutOf(list);
    const QString name = fileName(list);
    const QString path = folder.filePath(name);
    QFile file;
    if (const int why = openRegularFile(file, path)) {
        if (const QString target = missingLinkTarget(path); why == ENOENT && !target.isEmpty())
            return fileerrors::missingLinkTarget(path, target);
        if (why == ENOENT)
            return FileResult::failure(u"Filen %1 saknas i mappen %2."_s.arg(name, folderName(folder)));
        return FileResult::failure(u"Filen %1 i mappen %2 kunde inte läsas: %3."_s.arg(
            name, folderName(folder), reasonFromErrno(why)));
    }
    const qint64 length = file.size();
    // A list without a single entry is no list the clinic meant: it is refused as an unreadable
    // file is, so that nothing (a saved default row among them) is taken from it.
    if (entryCount(length, layout.width) == 0)
        return FileResult::failure(u"Filen %1 i mappen %2 är tom."_s.arg(name, folderName(folder)));
    // Rows and character positions are 16-bit on the desk; a longer list cannot be shown.
    if (const int rows = entryCount(length, layout.width); rows > layout.maxRows)
        return FileResult::failure(u"Filen %1 i mappen %2 har %3 rader. Högst %4 rader kan användas."_s
                                       .arg(name, folderName(folder))
                                       .arg(rows)
                                       .arg(layout.maxRows));
    errno = 0;
    QByteArray read = file.readAll();
    if (read.size() != length)
        return readFailure(name, folder, path, errno);
    bytes = std::move(read);
    return FileResult::success();
}

TariffTable tariffTable(const QByteArray& bytes)
{
    auto [codes, fees] = columns(bytes, TariffLayout);
    return {std::move(codes), std::move(fees)};
}

ProcedureTable procedureTable(const QByteArray& bytes)
{
    auto [codes, amounts] = columns(bytes, ProcedureLayout);
    return {std::move(codes), std::move(amounts)};
}

FileResult HämtaTaxeFil(const QDir& folder, TariffTable& table)
{
    QByteArray bytes;
    const FileResult read = readCodeFile(folder, CodeList::Tariff, bytes);
    if (read)
        table = tariffTable(bytes);
    return read;
}

FileResult HämtaÅtgärdsFil(const QDir& folder, ProcedureTable& table)
{
    QByteArray bytes;
    const FileResult read = readCodeFile(folder, CodeList::Procedure, bytes);
    if (read)
        table = procedureTable(bytes);
    return read;
}

int findCode(const CodeColumn& codes, const QString& code, int current)
{
    // A code that has no Windows-1252 bytes is in no file.
    const std::optional<QByteArray> wanted = cp1252::encode(code);
    if (!wanted)
        return current;
    // The last match wins.
    const qsizetype row = codes.lastIndexOf(*wanted);
    return row >= 0 ? int(row) : current;
}

std::optional<int> kronor(QByteArrayView value)
{
    const QByteArrayView digits = characters::withoutBlanks(value);
    if (digits.isEmpty() || !characters::allDigits(digits))
        return std::nullopt;
    int sum = 0;
    for (const char c : digits) {
        // A fee is at most 4 characters; a longer text is not read from a code list.
        if (sum > (std::numeric_limits<int>::max() - 9) / 10)
            return std::nullopt;
        sum = sum * 10 + (c - '0');
    }
    return sum;
}

QList<int> rowsWithoutAmount(const CodeColumn& amounts)
{
    QList<int> rows;
    for (qsizetype i = 0; i < amounts.size(); ++i)
        if (!kronor(amounts.bytes(i)))
            rows.append(int(i));
    return rows;
}

} // namespace codetables
