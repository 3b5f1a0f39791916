#include "data/fixedtext.h"

#include "data/codec.h"

#include <algorithm>

namespace fixedtext {

QByteArray fit(QByteArrayView bytes, int width)
{
    if (width <= 0)
        return {};
    QByteArray out(width, ' ');
    const qsizetype n = qMin<qsizetype>(bytes.size(), width);
    std::copy_n(bytes.data(), n, out.data());
    return out;
}

QString fit(const QString& text, int width)
{
    if (width <= 0)
        return {};
    return text.left(width).leftJustified(width, QLatin1Char(' '));
}

QByteArray rawAt(const char* record, FieldSpan span)
{
    return QByteArray(record + span.offset, span.width);
}

void setRawAt(char* record, FieldSpan span, QByteArrayView value)
{
    const QByteArray fitted = fit(value, span.width);
    std::copy_n(fitted.constData(), span.width, record + span.offset);
}

QString textAt(const char* record, FieldSpan span)
{
    return cp1252::decode(QByteArrayView(record + span.offset, span.width));
}

void setTextAt(char* record, FieldSpan span, const QString& value)
{
    if (const auto bytes = cp1252::encode(value)) {
        setRawAt(record, span, *bytes);
        return;
    }
    QByteArray bytes;
    bytes.reserve(value.size());
    for (QChar c : value) {
        const auto one = cp1252::encode(QStringView(&c, 1));
        bytes += one ? *one : QByteArray("?");
    }
    setRawAt(record, span, bytes);
}

} // namespace fixedtext
