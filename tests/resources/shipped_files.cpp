#include "shipped_files.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace shipped {

std::string tessalyHome() { return TESSALY_HOME; }
std::string vmcntrlHome() { return VMCNTRL_HOME; }

std::optional<std::string> read(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

Lines splitLines(const std::string &text) {
    Lines result;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            result.lines.push_back(text.substr(start));
            result.crlf = false;
            break;
        }
        std::size_t contentEnd = end;
        if (end > start && text[end - 1] == '\r')
            --contentEnd;
        else
            result.crlf = false;
        result.lines.push_back(text.substr(start, contentEnd - start));
        start = end + 1;
    }
    return result;
}

std::optional<Size> pngSize(const std::string &bytes) {
    static const std::string signature("\x89PNG\r\n\x1a\n", 8);
    if (bytes.size() < 24 || bytes.compare(0, 8, signature) != 0 || bytes.compare(12, 4, "IHDR") != 0)
        return std::nullopt;
    auto bigEndian = [&](std::size_t at) {
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < 4; ++i)
            value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
        return value;
    };
    return Size{bigEndian(16), bigEndian(20)};
}

std::vector<std::string> fileNames(const std::string &directory) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto &entry : std::filesystem::directory_iterator(directory, ec))
        if (entry.is_regular_file())
            names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace shipped
