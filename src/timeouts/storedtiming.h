// Sending the timing of the settings store to the interface, at connection and from the timing dialogs.
#pragma once

class RDM;

// Request 13 with the stored DMX timing; the request's result.
int sendStoredDmxTiming(RDM &engine);
// Request 11 with the stored RDM timing; the request's result.
int sendStoredRdmTiming(RDM &engine);
