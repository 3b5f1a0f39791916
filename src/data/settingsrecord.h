#pragma once

#include "data/fixedrecord.h"

// The clinic's own data and the desk's defaults: one line of 194 Windows-1252 characters in
// Inställn.txt. Like a visit record, the record is its bytes.
enum class SettingsField {
    Kombikakod,   // 11
    VikKomkod,    // 5
    ÅtgärdIndex,  // 2: default row of the procedure list ("0 ", "7 ", "12", "-1")
    TaxekodIndex, // 2: default row of the tariff list
    Skatt,        // 2: "-1" F-Skatt, "0 " A-Skatt
    Besökstyp,    // 2: "-1" Nybesök, "0 " Återbesök
    Yrke,         // 2: "-1" Läkare, "0 " Sjukgymnast
    ArvFom,       // 8: first receipt of the next ARV export
    Klinik,       // 50
    Namn,         // 40
    Adress,       // 30
    Postadress,   // 25
    Telefon,      // 15
};

inline constexpr int SettingsFieldCount = 13;

// Positions 1-194 of Inställn.txt, in SettingsField order. The procedure-list index comes before
// the tariff-list index.
inline constexpr FieldSpan SettingsSpans[SettingsFieldCount] = {
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

constexpr FieldSpan spanOf(SettingsField field)
{
    return SettingsSpans[static_cast<int>(field)];
}

// All blanks before the first load. The settings window refuses characters outside
// Windows-1252 as they are typed.
class SettingsRecord : public FixedRecord<SettingsRecord, SettingsField, 194, SettingsSpans> {
public:
    // What a first start writes when there is no settings file: blank texts, both list
    // indexes "0 ", Skatt, Besökstyp and Yrke "-1", ArvFom "1".
    static SettingsRecord firstRunDefault();

    // Either/or fields: true for exactly "-1" (the first choice).
    bool isFirstChoice(SettingsField field) const;
    void setChoice(SettingsField field, bool first); // "-1" or "0 "

    // Index fields as an integer: surrounding blanks ignored; -1 when the field holds no
    // integer (blanks of a short file, letters), which the windows apply as no selection.
    int index(SettingsField field) const;
    // Stores a list index: decimal, no leading zeros, blank-filled to 2, cut to 2 ("-1" none).
    void setIndex(SettingsField field, int index);
};
