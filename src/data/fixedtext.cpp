#include "data/fixedtext.h"

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

QString trimBlanks(QStringView text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == QLatin1Char(' '))
        ++first;
    while (last > first && text[last - 1] == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first).toString();
}

} // namespace fixedtext
