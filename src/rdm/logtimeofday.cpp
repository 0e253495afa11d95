// Log line time stamps from one wall-clock reading a minute and a monotonic timer.
#include "rdm/logtimeofday.h"

#include "rdm/clock.h"

#include <QElapsedTimer>

LogTimeOfDay::LogTimeOfDay(Clock *wallClock, std::function<qint64()> monotonicMilliseconds)
    : m_wallClock(wallClock), m_monotonicMilliseconds(std::move(monotonicMilliseconds))
{
}

QString LogTimeOfDay::text()
{
    const qint64 monotonic = m_monotonicMilliseconds();
    if (!m_read || monotonic - m_readAt >= rereadMilliseconds) {
        m_readTime = m_wallClock->now().time();
        m_readAt = monotonic;
        m_read = true;
    }
    const QTime time = m_readTime.addMSecs(int(monotonic - m_readAt));
    const int second = time.msecsSinceStartOfDay() / 1000;
    if (second != m_textSecond) {
        m_text = time.toString(QStringLiteral("hh:mm:ss"));
        m_textSecond = second;
    }
    return m_text;
}

LogTimeOfDay &LogTimeOfDay::system()
{
    static const QElapsedTimer timer = [] {
        QElapsedTimer started;
        started.start();
        return started;
    }();
    static LogTimeOfDay timeOfDay(Clock::system(), [] { return timer.elapsed(); });
    return timeOfDay;
}
