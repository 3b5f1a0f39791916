#pragma once

#include <QString>
#include <QStringList>

// Messages that more than one window shows, and the way they list things, character for
// character as the receptionists know them.
namespace meddelande {

// The desk's "Gå till..." and both report windows, on a visit file without receipts.
inline const QString IngaRegistreradeKvitton =
    QStringLiteral("OBS! Det finns inga registrerade kvitton ännu!");

// The desk and the ARV export, when the visit file cannot be read: the reason follows on the
// next line.
QString besöksfilenKundeInteLäsas(const QString& orsak);

// "a", "a och b", "a, b och c": the items as a Swedish sentence lists them. With `resten` (how
// many more there are, in words: "3 till") the list ends in it instead: "a, b och 3 till".
QString uppräkning(const QStringList& poster, const QString& resten = {});

} // namespace meddelande
