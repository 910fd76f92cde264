#include "program_home.h"

#include "file_ops.h"

#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace fs = std::filesystem;

namespace platform {

std::string perUserHome(const std::string& programName) {
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg)
        return (fs::path(xdg) / programName).string();
    if (const char* home = std::getenv("HOME"); home && *home)
        return (fs::path(home) / ".local" / "share" / programName).string();
    return (fs::temp_directory_path() / programName).string();
}

bool seedFolder(const std::string& source, const std::string& target, const std::string& skipName) {
    std::error_code ec;
    fs::create_directories(target, ec);
    if (ec)
        return false;
    bool ok = true;
    for (fs::recursive_directory_iterator it(source, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path relative = fs::relative(it->path(), source, ec);
        if (ec)
            break;
        const fs::path destination = fs::path(target) / relative;
        if (it->is_directory(ec)) {
            fs::create_directories(destination, ec);
            ok = ok && !ec;
            ec.clear();
        } else if (relative.string() != skipName && !fs::exists(destination, ec)) {
            fs::copy_file(it->path(), destination, ec);
            ok = ok && !ec;
            ec.clear();
        }
    }
    return ok && !ec;
}

ProgramHome resolveProgramHome(const std::string& programName, const std::string& explicitHome,
                               const std::string& installedDirectory) {
    if (!explicitHome.empty()) {
        // Paths below the home are stored in files that other programs, and later starts
        // from other folders, read: they must not depend on this start's working folder.
        std::error_code ec;
        fs::path absolute = fs::absolute(explicitHome, ec).lexically_normal();
        if (ec)
            return {explicitHome, {}};
        if (absolute.filename().empty() && absolute.has_parent_path() && absolute != absolute.root_path())
            absolute = absolute.parent_path();
        return {absolute.string(), {}};
    }
    const std::string probe = installedDirectory + "/.write-probe";
    if (replaceBlocker(probe).empty())
        return {installedDirectory, {}};
    ProgramHome home{perUserHome(programName), {}};
    if (!seedFolder(installedDirectory, home.path, programName))
        home.error = "Some files could not be copied into " + home.path + ".";
    return home;
}

std::string homeArgument(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--home" && i + 1 < argc)
            return argv[i + 1];
        if (arg.substr(0, 7) == "--home=")
            return std::string(arg.substr(7));
    }
    return {};
}

} // namespace platform
