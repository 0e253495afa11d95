// The commands of the command-line tool and the exit statuses they end with.
#pragma once

#include "cli/commandline.h"

class QTextStream;

namespace CliExit {
constexpr int Success = 0;
// diff found differences, check found problems.
constexpr int Findings = 1;
constexpr int NoInterface = 2;
constexpr int InterfaceLost = 3;
constexpr int RdmFailure = 4;
constexpr int Usage = 64;
constexpr int CannotWrite = 73;
} // namespace CliExit

// Runs one command on the interface the command line names. Results go to `out`; messages, the
// engine's log (on `out` for get and set) and the full discovery's progress go to `err`.
int runCommand(const CommandLine &commandLine, QTextStream &out, QTextStream &err);
