#include "vocabulary/receiptrange.h"

#include "vocabulary/characters.h"
#include "vocabulary/messages.h"
#include "vocabulary/receiptnumber.h"

using namespace Qt::StringLiterals;

namespace receiptrange {

bool isNumber(const QString& text)
{
    const QStringView digits = characters::withoutBlanks(QStringView(text));
    return !digits.isEmpty() && characters::allDigits(digits);
}

bool isBlankOrEmpty(const QString& text)
{
    return characters::withoutBlanks(QStringView(text)).isEmpty();
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
    const std::optional<int> from = receiptNumberInBox(fromText);
    if (!from)
        return {Problem::FromTooLarge};
    const std::optional<int> to = receiptNumberInBox(toText);
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
        return u"OBS! Kvittonummer Fr.o.m. kan inte vara större än %1!"_s.arg(LastReceiptNumber);
    case Problem::ToTooLarge:
        return u"OBS! Kvittonummer T.o.m. kan inte vara större än %1!"_s.arg(LastReceiptNumber);
    case Problem::Reversed:
        return u"OBS! Fr.o.m. kan inte vara större än T.o.m.!"_s;
    case Problem::FromBelowOne:
        return u"OBS! Kvittonummer Fr.o.m. måste vara minst 1!"_s;
    case Problem::ToBeyondStored:
        return storedCount == 0
            ? meddelande::IngaRegistreradeKvitton
            : u"OBS! Kvittonummer T.o.m. kan inte vara större än %1, det sista registrerade kvittot!"_s
                  .arg(storedCount);
    default:
        return {};
    }
}

} // namespace receiptrange
