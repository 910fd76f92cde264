#include "paths.h"

#include <filesystem>
#include <system_error>

namespace platform {

namespace {
#ifdef _WIN32
constexpr char kNativeSeparator = '\\';
#else
constexpr char kNativeSeparator = '/';
#endif
} // namespace

bool isPathSeparator(char c) { return c == '\\' || c == '/'; }

std::string fileNameFromPath(std::string_view path) {
    const std::size_t last = path.find_last_of("\\/");
    return std::string(last == std::string_view::npos ? path : path.substr(last + 1));
}

std::string directoryOfPath(std::string_view path) {
    const std::size_t last = path.find_last_of("\\/");
    return last == std::string_view::npos ? std::string() : std::string(path.substr(0, last));
}

std::string joinPath(std::string_view directory, std::string_view name) {
    std::string out(directory);
    if (!out.empty() && !isPathSeparator(out.back()))
        out += kNativeSeparator;
    out += name;
    return out;
}

std::string executableDirectory() {
    std::error_code ec;
#ifdef __linux__
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec)
        return exe.parent_path().string();
#endif
    return std::filesystem::current_path(ec).string();
}

} // namespace platform
