#include "command_line.h"

#include "batch_verbs.h"
#include "vellum_ini.h"

#include "platform/file_ops.h"
#include "platform/paths.h"
#include "platform/program_home.h"

#include <ostream>
#include <set>

namespace vmcntrl {

namespace {
const std::set<std::string> kPlainVerbs{"--help", "--list"};
const std::set<std::string> kNamedVerbs{"--report", "--keys", "--wizard"};
const std::set<std::string> kWizardOptions{"--template", "--save", "--url",
                                           "--copy-to",  "--from", "--subject"};
} // namespace

CommandLine parseCommandLine(const std::vector<std::string>& args) {
    CommandLine line;
    auto fail = [&line](std::string message) {
        line.error = std::move(message);
        return line;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool takesValue =
            arg == "--home" || kNamedVerbs.count(arg) || kWizardOptions.count(arg);
        if (takesValue && i + 1 >= args.size())
            return fail(arg + " needs a value.");
        if (arg == "--home") {
            line.home = args[++i];
        } else if (kPlainVerbs.count(arg) || kNamedVerbs.count(arg)) {
            if (!line.verb.empty())
                return fail("Only one of " + line.verb + " and " + arg + " can be given.");
            line.verb = arg;
            if (kNamedVerbs.count(arg))
                line.operand = args[++i];
        } else if (kWizardOptions.count(arg)) {
            line.options[arg] = args[++i];
        } else if (arg == "--replace") {
            line.replace = true;
        } else {
            return fail("Unknown argument: " + arg);
        }
    }
    if ((!line.options.empty() || line.replace) && line.verb != "--wizard")
        return fail("--template, --save, --url, --copy-to, --from, --subject and --replace "
                    "belong to --wizard.");
    return line;
}

std::string programDirectory(const CommandLine& line) {
    return platform::resolveProgramHome("vmcntrl", line.home, platform::executableDirectory()).path;
}

void printUsage(std::ostream& out) {
    out << "Usage: vmcntrl [--home DIR] [VERB]\n"
           "Without a verb the Vellum Control Panel opens its window.\n"
           "\n"
           "  --home DIR     use DIR as the program directory (where vellum.ini lives)\n"
           "  --help         show this list\n"
           "  --list         print the names of the scripts, one per line, in file order\n"
           "  --report NAME  write NAME.rpt, the report of a script, and print it\n"
           "  --keys NAME    print the template keys of a script's form, one per line\n"
           "  --wizard NAME --template N --save none|text|data [--url URL]\n"
           "               [--copy-to ADDRESS --from TEXT --subject TEXT] [--replace]\n"
           "                 create a script with its form and data file, as the Script\n"
           "                 Wizard does; an existing name is replaced only with --replace\n";
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
    // vellum.ini that is there but cannot be read (a pipe, a device, too large) is named at
    // once; a missing one is an empty list of scripts.
    if (const platform::ReadResult ini = platform::readFileLimited(vellumIniPath(home));
        !ini && ini.outcome != platform::ReadResult::Outcome::Missing) {
        err << "vmcntrl: " << ini.error << "\n";
        return 1;
    }
    if (line.verb == "--list") {
        VellumIni ini(vellumIniPath(home));
        for (const std::string& name : ini.loadScriptList().values())
            out << name << "\n";
        return 0;
    }
    if (line.verb == "--report")
        return reportVerb(home, line.operand, out, err);
    if (line.verb == "--keys")
        return keysVerb(home, line.operand, out, err);
    if (line.verb == "--wizard")
        return wizardVerb(home, line, out, err);
    err << "vmcntrl: nothing to do.\n";
    return 2;
}

} // namespace vmcntrl
