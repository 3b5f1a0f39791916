#include "reports/receiptrange.h"

namespace receiptrange {

namespace {
constexpr int LastReceipt = 32767;

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

QStringView trimmed(const QString& text)
{
    QStringView view(text);
    while (!view.isEmpty() && view.front() == u' ')
        view = view.sliced(1);
    while (!view.isEmpty() && view.back() == u' ')
        view.chop(1);
    return view;
}
} // namespace

bool isNumber(const QString& text)
{
    const QStringView digits = trimmed(text);
    if (digits.isEmpty())
        return false;
    for (QChar c : digits)
        if (!isDigit(c))
            return false;
    return true;
}

bool holdsBlank(const QString& text)
{
    return text.contains(u' ');
}

bool isBlankOrEmpty(const QString& text)
{
    return trimmed(text).isEmpty();
}

std::optional<int> value(const QString& text)
{
    if (!isNumber(text))
        return std::nullopt;
    int result = 0;
    for (QChar c : trimmed(text)) {
        result = result * 10 + (c.unicode() - u'0');
        if (result > LastReceipt)
            return std::nullopt;
    }
    return result;
}

bool Check::onFromBox() const
{
    return problem == Problem::FromEmpty || problem == Problem::FromNotNumber
        || problem == Problem::FromTooLarge || problem == Problem::FromBelowOne;
}

Check check(const QString& fromText, const QString& toText, int storedCount)
{
    Check c;
    if (isBlankOrEmpty(fromText))
        return {Problem::FromEmpty};
    if (isBlankOrEmpty(toText))
        return {Problem::ToEmpty};
    if (!isNumber(fromText))
        return {Problem::FromNotNumber};
    if (!isNumber(toText))
        return {Problem::ToNotNumber};
    const std::optional<int> from = value(fromText);
    if (!from)
        return {Problem::FromTooLarge};
    const std::optional<int> to = value(toText);
    if (!to)
        return {Problem::ToTooLarge};
    c.from = *from;
    c.to = *to;
    if (c.from > c.to)
        c.problem = Problem::Reversed;
    else if (c.from < 1)
        c.problem = Problem::FromBelowOne;
    else if (c.to > storedCount)
        c.problem = Problem::ToBeyondStored;
    return c;
}

QString sharedMessage(const Check& check, int storedCount)
{
    switch (check.problem) {
    case Problem::FromTooLarge:
        return QStringLiteral("OBS! Kvittonummer Fr.o.m. kan inte vara större än 32767!");
    case Problem::ToTooLarge:
        return QStringLiteral("OBS! Kvittonummer T.o.m. kan inte vara större än 32767!");
    case Problem::FromBelowOne:
        return QStringLiteral("OBS! Kvittonummer Fr.o.m. måste vara minst 1!");
    case Problem::ToBeyondStored:
        return storedCount == 0
            ? QStringLiteral("OBS! Det finns inga registrerade kvitton ännu!")
            : QStringLiteral("OBS! Kvittonummer T.o.m. kan inte vara större än %1, det sista "
                             "registrerade kvittot!")
                  .arg(storedCount);
    default:
        return {};
    }
}

} // namespace receiptrange
