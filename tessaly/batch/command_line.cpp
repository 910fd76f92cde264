#include "command_line.h"

namespace tessaly {

const char* const kUsageText =
    "Usage: tessaly [--home DIR] [VERB]\n"
    "\n"
    "Without a verb, Tessaly opens its window.\n"
    "\n"
    "  --home DIR          use DIR as the program directory (Tessaly.ini, class files)\n"
    "  --compile DOC.tsy   write the applet code for the document to standard output and\n"
    "                      copy the class and sound files into the default directory\n"
    "  --help              show this text\n";

CommandLine parseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    const auto setVerb = [&](CommandLine::Verb verb) {
        if (line.verb != CommandLine::Verb::Window && line.verb != verb)
            line.error = "only one of --compile and --help can be given";
        line.verb = verb;
    };
    for (std::size_t i = 0; i < arguments.size() && line.error.empty(); ++i) {
        const std::string& arg = arguments[i];
        const auto value = [&](std::string& into) {
            if (i + 1 >= arguments.size()) {
                line.error = arg + " needs a value";
                return;
            }
            into = arguments[++i];
        };
        if (arg == "--help" || arg == "-h") {
            setVerb(CommandLine::Verb::Help);
        } else if (arg == "--home") {
            value(line.home);
        } else if (arg == "--compile") {
            setVerb(CommandLine::Verb::Compile);
            value(line.document);
        } else {
            line.error = "unknown argument: " + arg;
        }
    }
    return line;
}

} // namespace tessaly
