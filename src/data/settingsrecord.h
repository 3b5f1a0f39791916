#pragma once

#include "data/fixedtext.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <array>

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

FieldSpan spanOf(SettingsField field);

class SettingsRecord {
public:
    static constexpr int Size = 194;

    // All blanks, as before the first load.
    SettingsRecord();
    // The first 194 bytes of `line`; a shorter line leaves the missing positions blank.
    static SettingsRecord fromBytes(QByteArrayView line);
    // What a first start writes when there is no settings file: blank texts, both list
    // indexes "0 ", Skatt, Besökstyp and Yrke "-1", ArvFom "1".
    static SettingsRecord firstRunDefault();

    QByteArrayView bytes() const { return {m_bytes.data(), Size}; }

    QString text(SettingsField field) const;        // full width, blanks included
    void setText(SettingsField field, const QString& value);
    QByteArray raw(SettingsField field) const;
    void setRaw(SettingsField field, QByteArrayView value);

    // Either/or fields: true for exactly "-1" (the first choice).
    bool isFirstChoice(SettingsField field) const;
    void setChoice(SettingsField field, bool first); // "-1" or "0 "

    // Index fields as an integer: surrounding blanks ignored; -1 when the field holds no
    // integer (blanks of a short file, letters), which the windows apply as no selection.
    int index(SettingsField field) const;
    // Stores a list index: decimal, no leading zeros, blank-filled to 2, cut to 2 ("-1" none).
    void setIndex(SettingsField field, int index);

    friend bool operator==(const SettingsRecord&, const SettingsRecord&) = default;

private:
    std::array<char, Size> m_bytes;
};
