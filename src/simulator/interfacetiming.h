// The line timing an interface keeps, in microseconds, as requests 13 and 11 carry it.
#pragma once

#include <QtGlobal>

struct DmxTiming
{
    quint32 breakTime = 88;
    quint32 markAfterBreak = 8;
    quint32 interslotTime = 0;
    quint32 waitTime = 100;
};

struct RdmTiming
{
    quint32 discoveryResponse = 2800;
    quint32 discoveryAny = 5800;
    quint32 getResponse = 1000000;
    quint32 setResponse = 1000000;
    quint32 missingAny = 3000;
    quint32 responseBroadcastAny = 176;
    quint32 maxLength = 1000000;
};
