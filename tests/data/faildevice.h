#pragma once

#include "data/filesave.h"

#include <QIODevice>

#include <cerrno>

// A device that takes `capacity` bytes and then fails the way a full disk does: a write that
// reaches the limit keeps what fits, the next one fails with ENOSPC. With a target it passes
// what it keeps on to that device (a save's temporary file); without one it keeps it itself.
class FailDevice : public QIODevice {
public:
    explicit FailDevice(qint64 capacity, QIODevice* target = nullptr, qint64 chunk = 0)
        : m_capacity(capacity), m_target(target), m_chunk(chunk)
    {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }

    QByteArray kept;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 len) override
    {
        const qint64 room = m_capacity - m_written;
        if (room <= 0) {
            errno = ENOSPC;
            setErrorString(QStringLiteral("Unknown error"));
            return -1;
        }
        qint64 n = qMin(len, room);
        if (m_chunk > 0)
            n = qMin(n, m_chunk);
        if (m_target) {
            n = m_target->write(data, n);
            if (n < 0)
                return -1;
        } else {
            kept.append(data, n);
        }
        m_written += n;
        return n;
    }

private:
    qint64 m_capacity;
    qint64 m_written = 0;
    QIODevice* m_target;
    qint64 m_chunk;
};

// The same full disk met by a save, through its observer: the save's first write falls
// `shortBy` bytes short (a negative value fails it at once), every later one fails with ENOSPC.
class DiskFull : public SaveObserver {
public:
    explicit DiskFull(qint64 shortBy) : m_shortBy(shortBy) {}
    int before(SaveStep step, qint64* shortBy) override
    {
        if (step != SaveStep::Write)
            return 0;
        if (m_writes++ > 0 || m_shortBy < 0)
            return ENOSPC;
        *shortBy = m_shortBy;
        return 0;
    }

private:
    qint64 m_shortBy;
    int m_writes = 0;
};
