#include "data/settingsrecord.h"

#include "vocabulary/codes.h"

SettingsRecord SettingsRecord::firstRunDefault()
{
    SettingsRecord r;
    r.setIndex(SettingsField::ÅtgärdIndex, 0);
    r.setIndex(SettingsField::TaxekodIndex, 0);
    r.setChoice(SettingsField::Skatt, true);
    r.setChoice(SettingsField::Besökstyp, true);
    r.setChoice(SettingsField::Yrke, true);
    r.setRaw(SettingsField::ArvFom, "1");
    return r;
}

bool SettingsRecord::isFirstChoice(SettingsField field) const
{
    return raw(field) == kod::FörstaValet;
}

void SettingsRecord::setChoice(SettingsField field, bool first)
{
    setRaw(field, first ? kod::FörstaValet : kod::AndraValet);
}

int SettingsRecord::index(SettingsField field) const
{
    const QByteArray value = raw(field).trimmed();
    bool ok = false;
    const int n = value.toInt(&ok, 10);
    // Blanks of a short file or letters are no selection rather than a failure.
    return ok ? n : -1;
}

void SettingsRecord::setIndex(SettingsField field, int index)
{
    // "7 " for 7. The field is two characters wide, so an index above 99 keeps only its first two
    // digits; -1..99 are stored whole.
    setRaw(field, QByteArray::number(index));
}
