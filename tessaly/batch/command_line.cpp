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
    "  --import FILE [--target NAME] --save DOC.tsy\n"
    "                      add the links of a bookmark file to the document (a new one\n"
    "                      when it does not exist) with the frame target NAME (default\n"
    "                      _self), and save it\n"
    "  --help              show this text\n";

CommandLine parseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    bool targetGiven = false;
    const auto setVerb = [&](CommandLine::Verb verb) {
        if (line.verb != CommandLine::Verb::Window && line.verb != verb)
            line.error = "only one of --compile, --import and --help can be given";
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
        } else if (arg == "--import") {
            setVerb(CommandLine::Verb::Import);
            value(line.bookmarks);
        } else if (arg == "--target") {
            value(line.target);
            targetGiven = true;
        } else if (arg == "--save") {
            value(line.save);
        } else {
            line.error = "unknown argument: " + arg;
        }
    }
    if (!line.error.empty())
        return line;
    if (line.verb == CommandLine::Verb::Import) {
        if (line.save.empty())
            line.error = "--import needs --save DOC.tsy";
        else
            line.document = line.save;
    } else if (!line.save.empty() || targetGiven) {
        line.error = "--save and --target go with --import";
    }
    return line;
}

} // namespace tessaly
