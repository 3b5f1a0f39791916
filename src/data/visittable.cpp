#include "data/visittable.h"

VisitRecord& VisitTable::operator[](int receipt)
{
    Q_ASSERT(contains(receipt));
    return m_records[receipt - 1];
}

const VisitRecord& VisitTable::operator[](int receipt) const
{
    Q_ASSERT(contains(receipt));
    return m_records[receipt - 1];
}

void VisitTable::resize(int upperBound)
{
    // New entries are blank records: their Kvittonummer is no number, so they count as empty
    // until the desk fills one.
    m_records.resize(qMax(upperBound, 0));
}
