#pragma once

#include <iosfwd>
#include <map>
#include <string>
#include <vector>

namespace vmcntrl {

// The program's arguments: where its home is and which batch verb, if any, to run.
struct CommandLine {
    std::string home;                           // empty: the program's own folder
    std::string verb;                           // empty: open the window
    std::string operand;                        // the script name of --report, --keys, --wizard
    std::map<std::string, std::string> options; // --template, --save, --url, ...
    bool replace = false;
    std::string error; // set when the arguments make no sense
};

CommandLine parseCommandLine(const std::vector<std::string>& args);

// The program directory the arguments name.
std::string programDirectory(const CommandLine& line);

// Runs a batch verb without a window; returns the exit code. Output goes to out, errors to
// err. Only called when line.verb or line.error is set.
int runBatch(const CommandLine& line, std::ostream& out, std::ostream& err);

void printUsage(std::ostream& out);

} // namespace vmcntrl
