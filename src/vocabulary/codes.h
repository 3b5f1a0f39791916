#pragma once

#include <QByteArrayView>
#include <QLatin1StringView>

// The codes the records carry in their short fields. The desk writes a visit record's codes and
// reads them back when it shows a receipt; the collective invoice and the county council's report
// read the same codes. The settings record's either/or fields hold one of two choice codes.
namespace kod {

// Registreringstyp: a visit, or a voiding record whose Kvittonummer names the receipt it voids.
inline constexpr QLatin1StringView Besök{"1"};
inline constexpr QLatin1StringView Makulering{"2"};
// IdTyp: the patient named by personnummer or by reserve number; blank for neither.
inline constexpr QLatin1StringView Personnummer{"P"};
inline constexpr QLatin1StringView Reservnummer{"R"};
// Smittskydd: an infection-control visit, or not.
inline constexpr QLatin1StringView Smittskydd{"1"};
inline constexpr QLatin1StringView EjSmittskydd{"0"};
// Skatt: the practitioner's tax form.
inline constexpr QLatin1StringView FSkatt{"F"};
inline constexpr QLatin1StringView ASkatt{"A"};
// Besökstyp: a first visit, or a return visit.
inline constexpr QLatin1StringView Nybesök{"0"};
inline constexpr QLatin1StringView Återbesök{"1"};
// EjBetPatAvg: the patient fee not paid; four blanks when it was.
inline constexpr QLatin1StringView EjBetald{"0000"};
inline constexpr QLatin1StringView Betald{"    "};

// The settings record's either/or fields (Skatt, Besökstyp, Yrke): "-1" for the first choice
// (F-Skatt, Nybesök, Läkare), "0 " for the second.
inline constexpr QByteArrayView FörstaValet = "-1";
inline constexpr QByteArrayView AndraValet = "0 ";

} // namespace kod
