#pragma once

#include "data/fileresult.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDir>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The tariff list Taxa.txt (5-character entries: code 2, patient fee 3) and the procedure list
// Åtgärd.txt (8-character entries: code 4, amount 4), runs of fixed-width entries with no
// separators. Row i of a table is entry i of the list that shows it; nothing is trimmed or
// checked: codes and amounts keep the exact characters of the file.

// One column of a code list: for every row, the characters at one place of its entry. A table
// keeps the file's bytes whole and cuts a row's value from them when it is asked for, so a list
// of thousands of rows costs one buffer, not two strings a row, and the desk can tell a changed
// file from an unchanged one by its bytes alone.
class CodeColumn {
public:
    CodeColumn() = default;
    // Rows of `entryWidth` bytes each; this column is the `width` bytes at `offset` of an entry.
    // A row that runs past the end of `file` is shorter, or empty.
    CodeColumn(QByteArray file, int entryWidth, int offset, int width, qsizetype rows);

    qsizetype size() const { return m_rows; }
    bool isEmpty() const { return m_rows == 0; }

    // The exact bytes of a row, and the same as text.
    QByteArrayView bytes(qsizetype row) const;
    QString at(qsizetype row) const;
    QStringList toList() const;

    // The last row whose bytes are exactly `value`, or -1.
    qsizetype lastIndexOf(QByteArrayView value) const;

    // The whole file the column was cut from.
    const QByteArray& file() const { return m_file; }

private:
    QByteArray m_file;
    int m_entryWidth = 1;
    int m_offset = 0;
    int m_width = 0;
    qsizetype m_rows = 0;
};

struct TariffTable {
    CodeColumn Taxekod;
    CodeColumn Patientavgift;
    int count() const { return int(Taxekod.size()); }
    const QByteArray& fileBytes() const { return Taxekod.file(); }
};

struct ProcedureTable {
    CodeColumn Åtgärd;
    CodeColumn Åtgärdsbelopp;
    int count() const { return int(Åtgärd.size()); }
    const QByteArray& fileBytes() const { return Åtgärd.file(); }
};

namespace codetables {

enum class CodeList { Tariff, Procedure };

QString tariffFileName();    // "Taxa.txt"
QString procedureFileName(); // "Åtgärd.txt"
QString fileName(CodeList list);

inline constexpr int MaxTariffRows = 6553;
inline constexpr int MaxProcedureRows = 4096;

// Number of entries in a file of `length` bytes with entries `width` wide: length / width
// rounded to the nearest integer, an exact half to the even neighbour. A file of k whole
// entries with a trailing CR LF still counts k; a rounded-up last row is partial.
int entryCount(qint64 length, int width);

// Reads a code file's bytes whole. A missing or unreadable file, anything that is not a
// regular file, or one with more rows than the desk can hold, is an error naming the file and
// the folder, and `bytes` is left as it was.
FileResult readCodeFile(const QDir& folder, CodeList list, QByteArray& bytes);

// The table the bytes of a file make: no copy of them, no string a row.
TariffTable tariffTable(const QByteArray& bytes);
ProcedureTable procedureTable(const QByteArray& bytes);

// Reads a whole file into a table, replacing what it held; on an error the table is left as
// it was.
FileResult HämtaTaxeFil(const QDir& folder, TariffTable& table);
FileResult HämtaÅtgärdsFil(const QDir& folder, ProcedureTable& table);

// The row a stored code selects: every row whose code equals `code` exactly makes itself the
// selection, so the last match wins; with no match the selection stays `current`.
int findCode(const CodeColumn& codes, const QString& code, int current);

// A fee or amount as every reader of the lists takes it: a whole number of kronor, digits 0 to 9
// only, blanks around them allowed. "9E4", "-99", "1,5" and blanks alone are no fee.
std::optional<int> kronor(QByteArrayView value);

// The rows (0-based) whose fee or amount is not a fee by that rule. Such a row is still used as
// it stands on the desk; the clinic is told at start-up (the window layer's filemessages says
// how), and the invoice counts it as 0.
QList<int> rowsWithoutAmount(const CodeColumn& amounts);

} // namespace codetables
