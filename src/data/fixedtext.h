#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Every stored value is text of a fixed width: left-aligned and blank-filled on the right,
// or cut to the width.
namespace fixedtext {

QByteArray fit(QByteArrayView bytes, int width);
QString fit(const QString& text, int width);

} // namespace fixedtext
