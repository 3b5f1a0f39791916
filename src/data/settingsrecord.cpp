#include "data/settingsrecord.h"

#include "data/fixedtext.h"
#include "vocabulary/codes.h"

#include <algorithm>

namespace {

// Positions 1-194 of Inställn.txt. The procedure-list index comes before the tariff-list index.
constexpr FieldSpan Spans[SettingsFieldCount] = {
    {0, 11},   // Kombikakod
    {11, 5},   // VikKomkod
    {16, 2},   // ÅtgärdIndex
    {18, 2},   // TaxekodIndex
    {20, 2},   // Skatt
    {22, 2},   // Besökstyp
    {24, 2},   // Yrke
    {26, 8},   // ArvFom
    {34, 50},  // Klinik
    {84, 40},  // Namn
    {124, 30}, // Adress
    {154, 25}, // Postadress
    {179, 15}, // Telefon
};

static_assert(fixedtext::tiles(Spans, SettingsRecord::Size), "the 13 fields must lie back to back and fill 194 characters");

} // namespace

FieldSpan spanOf(SettingsField field)
{
    return Spans[static_cast<int>(field)];
}

SettingsRecord::SettingsRecord()
{
    m_bytes.fill(' ');
}

SettingsRecord SettingsRecord::fromBytes(QByteArrayView line)
{
    SettingsRecord r;
    std::copy_n(line.data(), std::min<qsizetype>(line.size(), Size), r.m_bytes.data());
    return r;
}

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

QByteArray SettingsRecord::raw(SettingsField field) const
{
    return fixedtext::rawAt(m_bytes.data(), spanOf(field));
}

void SettingsRecord::setRaw(SettingsField field, QByteArrayView value)
{
    fixedtext::setRawAt(m_bytes.data(), spanOf(field), value);
}

QString SettingsRecord::text(SettingsField field) const
{
    return fixedtext::textAt(m_bytes.data(), spanOf(field));
}

// The settings window refuses characters outside Windows-1252 as they are typed.
void SettingsRecord::setText(SettingsField field, const QString& value)
{
    fixedtext::setTextAt(m_bytes.data(), spanOf(field), value);
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
