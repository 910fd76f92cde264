#include "profile_routines.h"

#include "platform/profile_file.h"
#include "platform/profile_text.h"

#include <utility>

namespace tessaly {

namespace {
std::string& currentFile() {
    static std::string path;
    return path;
}
} // namespace

void setCurrentProfileFile(std::string path) {
    currentFile() = std::move(path);
}

const std::string& currentProfileFile() {
    return currentFile();
}

std::string storedProfileValue(std::string_view value) {
    std::string flat(value);
    for (char& c : flat)
        if (c == '\r' || c == '\n')
            c = ' ';
    return platform::quoteForProfile(flat);
}

platform::WriteResult WriteProfileValue(std::string_view section, std::string_view key,
                                        std::string_view value) {
    return platform::writeProfileValue(currentFile(), section, key, storedProfileValue(value));
}

std::string ReadProfileValue(std::string_view section, std::string_view key) {
    const auto profile = platform::readProfile(currentFile());
    if (!profile)
        return {};
    return profile->value(section, key).value_or(std::string());
}

} // namespace tessaly
