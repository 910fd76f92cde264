#pragma once
// Small readers for the files the programs ship, shared by the resource tests.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace shipped {

std::string tessalyHome();
std::string vmcntrlHome();

// The whole file, or nothing when it cannot be read.
std::optional<std::string> read(const std::string &path);

// The lines of a text file, without their line ends; `crlf` tells whether every line ended
// with CR LF.
struct Lines {
    std::vector<std::string> lines;
    bool crlf = true;
};
Lines splitLines(const std::string &text);

// Width and height from a PNG's header; nothing when the bytes are not a PNG.
struct Size {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    bool operator==(const Size &) const = default;
};
std::optional<Size> pngSize(const std::string &bytes);

std::vector<std::string> fileNames(const std::string &directory);

} // namespace shipped
