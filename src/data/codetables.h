#pragma once

#include "data/fileresult.h"

#include <QDir>
#include <QList>
#include <QString>

// The tariff list Taxa.txt (5-character entries: code 2, patient fee 3) and the procedure list
// Åtgärd.txt (8-character entries: code 4, amount 4), runs of fixed-width entries with no
// separators. Row i of a table is entry i of the list that shows it; nothing is trimmed or
// checked: codes and amounts keep the exact characters of the file.
struct TariffTable {
    QList<QString> Taxekod;
    QList<QString> Patientavgift;
    int count() const { return int(Taxekod.size()); }
};

struct ProcedureTable {
    QList<QString> Åtgärd;
    QList<QString> Åtgärdsbelopp;
    int count() const { return int(Åtgärd.size()); }
};

namespace codetables {

QString tariffFileName();    // "Taxa.txt"
QString procedureFileName(); // "Åtgärd.txt"

inline constexpr int MaxTariffRows = 6553;
inline constexpr int MaxProcedureRows = 4096;

// Number of entries in a file of `length` bytes with entries `width` wide: length / width
// rounded to the nearest integer, an exact half to the even neighbour. A file of k whole
// entries with a trailing CR LF still counts k; a rounded-up last row is partial.
int entryCount(qint64 length, int width);

// Reads a whole file into a table, replacing what it held. A missing or unreadable file, or
// one with more rows than the table can hold, is an error naming the file and the folder, and
// the table is left as it was.
FileResult HämtaTaxeFil(const QDir& folder, TariffTable& table);
FileResult HämtaÅtgärdsFil(const QDir& folder, ProcedureTable& table);

// The row a stored code selects: every row whose code equals `code` exactly makes itself the
// selection, so the last match wins; with no match the selection stays `current`.
int findCode(const QList<QString>& codes, const QString& code, int current);

} // namespace codetables
