#pragma once

#include <string>
#include <string_view>

namespace vellum {

// Files the processor writes and the mail it sends end every line with CR LF, whatever line
// ends a visitor's value came with (a lone LF, a lone CR or CR LF).
std::string withCrLfLineEnds(std::string_view text);

// Gives text that does not end with a line break one, so that what is appended starts on a
// line of its own.
void endWithLineBreak(std::string& text);

} // namespace vellum
