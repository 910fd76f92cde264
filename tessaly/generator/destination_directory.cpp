#include "destination_directory.h"

#include "platform/file_ops.h"
#include "platform/paths.h"

namespace tessaly {

namespace {
std::string_view derive(std::string_view p) {
    const std::size_t lastSeparator = p.find_last_of("\\/");
    if (lastSeparator == std::string_view::npos) {
        const std::size_t colon = p.find(':');
        return colon == std::string_view::npos ? std::string_view() : p.substr(0, colon + 1);
    }
    if (!platform::fileExists(p) && platform::directoryExists(p)) {
        // "/" alone is the root itself, not an empty text.
        if (p.size() > 1 && platform::isPathSeparator(p.back()))
            return p.substr(0, p.size() - 1);
        return p;
    }
    for (std::size_t i = 0; i + 1 < p.size(); ++i)
        if (platform::isPathSeparator(p[i]) && p[i + 1] == '*')
            return p.substr(0, i);
    // A file in the root keeps the root rather than becoming an empty text.
    return p.substr(0, lastSeparator == 0 ? 1 : lastSeparator);
}
} // namespace

std::string destinationDirectory(std::string_view defaultDirectory) {
    std::string result(derive(defaultDirectory));
    if (result.size() == 2 && result[1] == ':')
        result += '\\';
    return result;
}

std::string destinationFile(std::string_view directory, std::string_view name) {
    if (directory.empty())
        return std::string(name);
    return platform::joinPath(directory, name);
}

} // namespace tessaly
