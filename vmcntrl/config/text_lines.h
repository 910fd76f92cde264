#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vmcntrl {

// The lines of a text file without their line ends. CR LF, a lone LF and a lone CR all end a
// line, so forms and templates saved on any system read the same; a last line without a line
// end still counts, and a file that ends with a line end has no extra empty line.
std::vector<std::string_view> splitLines(std::string_view text);

// Files the panel writes end every line with CR LF on every system.
inline constexpr std::string_view kLineEnd = "\r\n";
void appendLine(std::string& out, std::string_view line);

// Capitals of the ASCII letters only, byte for byte, so that a position found in the copy is
// the same position in the original line whatever the 8-bit encoding.
std::string upperAscii(std::string_view text);

} // namespace vmcntrl
