#include "vocabulary/receiptnumber.h"

#include "vocabulary/characters.h"
#include "vocabulary/numbers.h"

namespace {

// The value of a run of digits, when there is at least one and it fits a receipt number. Leading
// zeros are fine ("00000042" is how records store it); the reading stops before it can overflow.
std::optional<int> valueOf(QStringView digits)
{
    if (digits.isEmpty())
        return std::nullopt;
    int value = 0;
    for (QChar c : digits) {
        if (!characters::isDigit(c))
            return std::nullopt;
        value = value * 10 + characters::digitValue(c);
        if (value > LastReceiptNumber)
            return std::nullopt;
    }
    return value;
}

} // namespace

std::optional<int> receiptNumber(QStringView text)
{
    return valueOf(withoutSpaceAroundNumber(text));
}

std::optional<int> receiptNumberInBox(QStringView text)
{
    return valueOf(characters::withoutBlanks(text));
}

QString storedReceiptNumber(int number)
{
    return QStringLiteral("%1").arg(number, StoredReceiptNumberWidth, 10, QLatin1Char('0'));
}
