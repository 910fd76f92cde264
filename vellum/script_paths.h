#pragma once

#include <string>
#include <string_view>

namespace vellum {

// A path from vellum.ini as a file to open: the panel writes full paths, and one that is
// not is taken as relative to the program directory rather than to wherever the web
// server started the processor. Empty stays empty.
std::string resolveScriptPath(std::string_view home, std::string_view path);

} // namespace vellum
