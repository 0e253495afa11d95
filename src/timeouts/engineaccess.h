// How a long-lived dialog reaches the engine of the current connection, which reconnections replace.
#pragma once

#include <functional>

class RDM;

// The engine of the current connection, or null while there is none.
using EngineAccess = std::function<RDM *()>;
