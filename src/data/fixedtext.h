#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Every stored value is text of a fixed width: left-aligned and blank-filled on the right,
// or cut to the width.
namespace fixedtext {

QByteArray fit(QByteArrayView bytes, int width);
QString fit(const QString& text, int width);

// The text without the blanks before and after it: a stored field without its blank fill.
// Only the blank counts; any other character is part of the value.
QString trimBlanks(QStringView text);

} // namespace fixedtext
