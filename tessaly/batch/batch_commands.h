#pragma once

#include "command_line.h"

#include <ostream>

namespace tessaly {

// Exit codes of the batch verbs.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

// The program directory the command line names, or the executable's own.
std::string programDirectoryFor(const CommandLine& line);

// Runs a verb that needs no window (help, compile) and returns its exit code.
int runBatchCommand(const CommandLine& line, std::ostream& out, std::ostream& err);

} // namespace tessaly
