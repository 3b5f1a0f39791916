#pragma once

#include <QString>
#include <optional>

// The receipt range that both report windows ask for in a "Fr.o.m." and a "T.o.m." box. The
// boxes' own messages differ between the windows; what a number is, and which ranges can be
// reported at all, is the same for both.
namespace receiptrange {

// A text is a number when, leaving aside its leading and trailing blanks, it consists of one or
// more of the digits 0 to 9. An empty text is not a number. Its value, when it fits a receipt
// number, is receiptNumberInBox's. A blank anywhere (characters::hasBlank) is the boxes' own
// refusal: they refuse " 12" as well as "1 2".
bool isNumber(const QString& text);
// The text holds nothing but blanks.
bool isBlankOrEmpty(const QString& text);

// Why a range cannot be reported, checked in this order when the user asks for the report.
enum class Problem {
    None,
    FromEmpty,      // the From box holds nothing but blanks
    ToEmpty,        // the To box holds nothing but blanks
    FromNotNumber,  // not a number (letters, a blank inside)
    ToNotNumber,
    FromTooLarge,   // above the last receipt number there can be
    ToTooLarge,
    Reversed,       // From greater than To
    FromBelowOne,   // receipt numbers start at 1
    ToBeyondStored, // To above the last stored receipt
};

struct Check {
    Problem problem = Problem::None;
    int from = 0;
    int to = 0;
    bool ok() const { return problem == Problem::None; }
    // The box the focus goes back to: the From box for its own problems, else the To box.
    bool onFromBox() const;
};

// Checks the two texts against a visit file of `storedCount` records.
Check check(const QString& fromText, const QString& toText, int storedCount);

// The messages for the problems both windows word alike (the ones beyond a box's own checks);
// an empty text for the problems each window words itself (an empty box, not a number).
QString sharedMessage(const Check& check, int storedCount);

} // namespace receiptrange
