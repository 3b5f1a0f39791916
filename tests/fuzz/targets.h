#pragma once

#include <QByteArrayView>
#include <QString>

// The readers of the data files, each given one file's bytes as found in the program folder.
// Each answers an empty text when every promise of its reader held, else what went wrong. The
// fuzzing executables (fuzz_entry.cpp) and the corpus replay test call the same functions.
namespace fuzztargets {

QString visitFile(QByteArrayView bytes);     // PatBesök.Dat
QString settingsFile(QByteArrayView bytes);  // Inställn.txt
QString tariffFile(QByteArrayView bytes);    // Taxa.txt
QString procedureFile(QByteArrayView bytes); // Åtgärd.txt
// The collective invoice's totals over visit records, code lists and a range, in one input.
QString invoiceTotals(QByteArrayView bytes);
// The ARV builder's inputs (From, the To text, the kombikakod, the visit records) in one input.
QString arvBuilder(QByteArrayView bytes);

} // namespace fuzztargets
