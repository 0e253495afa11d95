// The local time of day that stamps each log line, cheap enough for every line of a night of polling.
#pragma once

#include <QString>
#include <QTime>
#include <functional>

class Clock;

// Asking the C library for the local time re-checks the time zone file on every call. The wall
// clock is read once a minute instead and carried forward in between by a monotonic timer, which
// costs no system call; a clock set or a daylight saving change shows within that minute.
class LogTimeOfDay
{
public:
    // The wall clock is read again once the timer has run this long since the last reading.
    static constexpr qint64 rereadMilliseconds = 60 * 1000;

    // `monotonicMilliseconds` only ever counts forward.
    LogTimeOfDay(Clock *wallClock, std::function<qint64()> monotonicMilliseconds);

    // "hh:mm:ss".
    QString text();

    // The wall clock and a steady timer; for the user-interface thread, as the log panel is.
    static LogTimeOfDay &system();

private:
    Clock *m_wallClock;
    std::function<qint64()> m_monotonicMilliseconds;
    bool m_read = false;
    QTime m_readTime;
    qint64 m_readAt = 0;
    // The text changes once a second; between changes it is handed out again.
    int m_textSecond = -1;
    QString m_text;
};
