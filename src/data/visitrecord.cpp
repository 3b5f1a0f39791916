#include "data/visitrecord.h"

#include "vocabulary/numbers.h"

#include <type_traits>

// The visit file is read straight into the table's storage and written straight out of it, so a
// record must be exactly its 95 bytes with nothing around them.
static_assert(sizeof(VisitRecord) == VisitRecord::Size);
static_assert(alignof(VisitRecord) == 1);
static_assert(std::is_trivially_copyable_v<VisitRecord>);

bool VisitRecord::isStoredReceipt() const
{
    return isNumeric(text(VisitField::Kvittonummer));
}
