// The seven bytes of a REAL_TIME_CLOCK answer or SET.
#pragma once

#include "usb/bytereader.h"

#include <QDate>
#include <QTime>

struct RealTimeClock
{
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;

    // Braced initialisation reads the fields in order; a short record clears reader.ok().
    static RealTimeClock read(ByteReader &reader)
    {
        return {reader.u16(), reader.u8(), reader.u8(), reader.u8(), reader.u8(), reader.u8()};
    }
    QDate date() const { return QDate(year, month, day); }
    QTime time() const { return QTime(hour, minute, second); }
};
