#pragma once

#include <string>

namespace platform {

// Where a program keeps the files it reads and writes (its initialisation file, documents it
// creates, logs): the folder given with --home; otherwise the folder of the executable when
// it can be written; otherwise, for a system-wide install, a per-user folder that is filled
// from the installed program folder on first use (files already there are kept).
struct ProgramHome {
    std::string path;
    std::string error; // why the per-user folder could not be prepared, if it could not
};

ProgramHome resolveProgramHome(const std::string& programName, const std::string& explicitHome,
                               const std::string& installedDirectory);

// The per-user folder used for a read-only install: $XDG_DATA_HOME/<name>, or
// ~/.local/share/<name>.
std::string perUserHome(const std::string& programName);

// Copies every file below source into target that target does not have yet, leaving out
// the executables named.
bool seedFolder(const std::string& source, const std::string& target, const std::string& skipName);

// Looks for "--home DIR" (or "--home=DIR") among the arguments.
std::string homeArgument(int argc, char** argv);

} // namespace platform
