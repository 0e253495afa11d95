// The wall clock the product waits on.
#include "rdm/clock.h"

#include <QThread>

namespace {

class SystemClock : public Clock
{
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
    void sleep(int milliseconds) override { QThread::msleep(ulong(qMax(0, milliseconds))); }
};

} // namespace

Clock *Clock::system()
{
    static SystemClock clock;
    return &clock;
}
