#pragma once

#include "ui/keys.h"

#include <QString>

// The codes the desk writes into a visit record's short fields and reads back from them when it
// shows a receipt; the collective invoice and the county council's report read the same codes.
namespace kod {

// Registreringstyp: a visit, or a voiding record whose Kvittonummer names the receipt it voids.
inline const QString Besök = QStringLiteral("1");
inline const QString Makulering = QStringLiteral("2");
// IdTyp: the patient named by personnummer or by reserve number; blank for neither.
inline const QString Personnummer = QStringLiteral("P");
inline const QString Reservnummer = QStringLiteral("R");
// Smittskydd: an infection-control visit, or not.
inline const QString Smittskydd = QStringLiteral("1");
inline const QString EjSmittskydd = QStringLiteral("0");
// Skatt: the practitioner's tax form.
inline const QString FSkatt = QStringLiteral("F");
inline const QString ASkatt = QStringLiteral("A");
// Besökstyp: a first visit, or a return visit.
inline const QString Nybesök = QStringLiteral("0");
inline const QString Återbesök = QStringLiteral("1");
// EjBetPatAvg: the patient fee not paid; four blanks when it was.
inline const QString EjBetald = QStringLiteral("0000");
inline const QString Betald = QStringLiteral("    ");

} // namespace kod

// The key codes the desk's window speaks of (a KeyDown handler's key code).
namespace tangent {

inline constexpr int Tab = ui::keys::Tab;
inline constexpr int Enter = ui::keys::Enter;
inline constexpr int Escape = ui::keys::Escape;
inline constexpr int F3 = ui::keys::F3;

} // namespace tangent
