// Time as the engine sees it, so that tests need not wait for real seconds.
#pragma once

#include <QDateTime>

class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    // Blocks the calling thread for about `milliseconds` without spinning.
    virtual void sleep(int milliseconds) = 0;

    // The wall clock.
    static Clock *system();
};
