#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vellum {

// A name or value of a form body: "+" is a blank and %XX a byte; a broken %-escape makes the
// whole text unreadable (nullopt).
std::optional<std::string> decodeFormComponent(std::string_view text);

// A URL path as a browser sends it: %XX is a byte, and anything that is not a valid escape
// stays as written.
std::string decodeUrlPath(std::string_view text);

} // namespace vellum
