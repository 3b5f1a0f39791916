#include "data/codetables.h"

#include "data/codec.h"
#include "data/fileerrors.h"
#include "data/regularfile.h"

#include <QFile>

#include <cerrno>
#include <limits>

namespace codetables {

namespace {

struct Layout {
    int width;        // characters per entry
    int codeWidth;    // the code, from the start of the entry
    int secondWidth;  // the fee or amount right after it
    int maxRows;
    QString fileName;
};

QString folderName(const QDir& folder)
{
    return QDir::toNativeSeparators(folder.absolutePath());
}

// Reads the rows of one code list into two columns. Nothing is trimmed or checked: a code
// written as one digit and a blank keeps its blank, and a partial last row keeps what is there.
FileResult readColumns(const QDir& folder, const Layout& layout, QList<QString>& codes,
                       QList<QString>& seconds)
{
    const QString path = folder.filePath(layout.fileName);
    QFile file;
    if (const int why = openRegularFile(file, path)) {
        if (why == ENOENT)
            return FileResult::failure(QStringLiteral("Filen %1 saknas i mappen %2.")
                                           .arg(layout.fileName, folderName(folder)));
        return FileResult::failure(QStringLiteral("Filen %1 i mappen %2 kunde inte läsas: %3.")
                                       .arg(layout.fileName, folderName(folder),
                                            reasonFromErrno(why)));
    }

    const qint64 length = file.size();
    const int rows = entryCount(length, layout.width);
    // Rows and character positions are 16-bit on the desk; a longer list cannot be shown.
    if (rows > layout.maxRows)
        return FileResult::failure(
            QStringLiteral("Filen %1 i mappen %2 har %3 rader. Högst %4 rader kan användas.")
                .arg(layout.fileName, folderName(folder))
                .arg(rows)
                .arg(layout.maxRows));

    errno = 0;
    const QByteArray bytes = file.readAll();
    if (bytes.size() != length)
        return FileResult::failure(QStringLiteral("Filen %1 i mappen %2 kunde inte läsas: %3.")
                                       .arg(layout.fileName, folderName(folder),
                                            reasonFromErrno(fileerrors::afterFailedRead(
                                                path, errno))));

    // Decoded once; each row's parts are cut from the text. A part that runs past the end of
    // the file is shorter, or empty (QString::mid gives exactly that).
    const QString all = cp1252::decode(bytes);
    QList<QString> newCodes, newSeconds;
    newCodes.reserve(rows);
    newSeconds.reserve(rows);
    for (qsizetype i = 0; i < rows; ++i) {
        const qsizetype start = i * layout.width;
        newCodes.append(all.mid(start, layout.codeWidth));
        newSeconds.append(all.mid(start + layout.codeWidth, layout.secondWidth));
    }
    codes = std::move(newCodes);
    seconds = std::move(newSeconds);
    return FileResult::success();
}

} // namespace

QString tariffFileName()
{
    return QStringLiteral("Taxa.txt");
}

QString procedureFileName()
{
    return QStringLiteral("Åtgärd.txt");
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

FileResult HämtaTaxeFil(const QDir& folder, TariffTable& table)
{
    static const Layout layout{5, 2, 3, MaxTariffRows, tariffFileName()};
    return readColumns(folder, layout, table.Taxekod, table.Patientavgift);
}

FileResult HämtaÅtgärdsFil(const QDir& folder, ProcedureTable& table)
{
    static const Layout layout{8, 4, 4, MaxProcedureRows, procedureFileName()};
    return readColumns(folder, layout, table.Åtgärd, table.Åtgärdsbelopp);
}

int findCode(const QList<QString>& codes, const QString& code, int current)
{
    int selected = current;
    for (qsizetype i = 0; i < codes.size(); ++i)
        if (codes[i] == code)
            selected = int(i);
    return selected;
}

} // namespace codetables
