#include "script_paths.h"

#include "platform/paths.h"

namespace vellum {

std::string resolveScriptPath(std::string_view home, std::string_view path) {
    if (path.empty())
        return {};
    const bool absolute = platform::isPathSeparator(path.front()) ||
                          (path.size() > 2 && path[1] == ':' && platform::isPathSeparator(path[2]));
    return absolute ? std::string(path) : platform::joinPath(home, path);
}

} // namespace vellum
