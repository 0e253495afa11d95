// A clock that moves only when someone sleeps on it, so waits cost no real time.
#pragma once

#include "rdm/clock.h"

class ManualClock : public Clock
{
public:
    explicit ManualClock(const QDateTime &start = QDateTime(QDate(2026, 1, 1), QTime(12, 0)))
        : m_now(start)
    {
    }
    QDateTime now() const override { return m_now; }
    void sleep(int milliseconds) override
    {
        m_now = m_now.addMSecs(milliseconds);
        m_slept += milliseconds;
    }
    qint64 slept() const { return m_slept; }

private:
    QDateTime m_now;
    qint64 m_slept = 0;
};
