#pragma once

#include "data/visitrecord.h"
#include "vocabulary/receiptnumber.h"

#include <QList>

// All visit records of the desk, indexed from 1: the index is the record number in the file
// and the receipt number. Receipt numbers are 16-bit signed, so 32767 is the last one.
class VisitTable {
public:
    static constexpr int MaxRecords = LastReceiptNumber;

    int upperBound() const { return int(m_records.size()); }
    bool contains(int receipt) const { return receipt >= 1 && receipt <= upperBound(); }

    // Entry `receipt` (1-based); the caller checks contains() first.
    VisitRecord& operator[](int receipt);
    const VisitRecord& operator[](int receipt) const;

    // Makes the table end at `upperBound`, keeping entries 1..upperBound; entries added at the
    // end are empty records. 0 empties the table.
    void resize(int upperBound);
    void clear() { m_records.clear(); }

    const QList<VisitRecord>& records() const { return m_records; }
    QList<VisitRecord>& records() { return m_records; }

private:
    QList<VisitRecord> m_records;
};
