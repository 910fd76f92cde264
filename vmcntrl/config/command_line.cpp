#include "command_line.h"

#include "vellum_ini.h"

#include "platform/file_ops.h"
#include "platform/paths.h"
#include "platform/program_home.h"

#include <ostream>

namespace vmcntrl {

CommandLine parseCommandLine(const std::vector<std::string>& args) {
    CommandLine line;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--home") {
            if (i + 1 >= args.size()) {
                line.error = "--home needs a directory.";
                return line;
            }
            line.home = args[++i];
        } else if (arg == "--help" || arg == "--list") {
            if (!line.verb.empty()) {
                line.error = "Only one of " + line.verb + " and " + arg + " can be given.";
                return line;
            }
            line.verb = arg;
        } else {
            line.error = "Unknown argument: " + arg;
            return line;
        }
    }
    return line;
}

std::string programDirectory(const CommandLine& line) {
    return platform::resolveProgramHome("vmcntrl", line.home, platform::executableDirectory()).path;
}

void printUsage(std::ostream& out) {
    out << "Usage: vmcntrl [--home DIR] [VERB]\n"
           "Without a verb the Vellum Control Panel opens its window.\n"
           "\n"
           "  --home DIR   use DIR as the program directory (where vellum.ini lives)\n"
           "  --help       show this list\n"
           "  --list       print the names of the scripts, one per line, in file order\n";
}

int runBatch(const CommandLine& line, std::ostream& out, std::ostream& err) {
    if (!line.error.empty()) {
        err << "vmcntrl: " << line.error << "\n";
        printUsage(err);
        return 2;
    }
    if (line.verb == "--help") {
        printUsage(out);
        return 0;
    }
    const std::string home = programDirectory(line);
    if (!platform::directoryExists(home)) {
        err << "vmcntrl: the program directory " << home << " does not exist.\n";
        return 1;
    }
    VellumIni ini(vellumIniPath(home));
    if (line.verb == "--list") {
        for (const std::string& name : ini.loadScriptList().values())
            out << name << "\n";
        return 0;
    }
    err << "vmcntrl: nothing to do.\n";
    return 2;
}

} // namespace vmcntrl
