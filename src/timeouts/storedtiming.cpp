// Sending the timing of the settings store to the interface.
#include "timeouts/storedtiming.h"

#include "rdm/rdm.h"
#include "settings/settings.h"

int sendStoredDmxTiming(RDM &engine)
{
    return engine.setDmxTiming(dmxBreakTime(), dmxMabTime(), dmxInterslotTime(), dmxWaitTime());
}

int sendStoredRdmTiming(RDM &engine)
{
    return engine.setRdmTiming(rdmDiscoveryResponseTimeout(), rdmDiscoveryAnyTimeout(), rdmGetResponseTimeout(),
                               rdmSetResponseTimeout(), rdmMissingAnyTimeout(), rdmResponseBroadcastAnyTimeout(),
                               rdmMaxLengthTimeout());
}
