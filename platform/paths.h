#pragma once

#include <string>
#include <string_view>

namespace platform {

// Both "\" and "/" separate path parts on every system, so rules written for Windows paths
// ("C:\Web\index.htm") hold as string rules everywhere.
bool isPathSeparator(char c);
// The text after the last separator; the whole text when there is none; empty when the
// path ends with a separator.
std::string fileNameFromPath(std::string_view path);
// The text before the last separator; empty when there is none.
std::string directoryOfPath(std::string_view path);
// Joins with the native separator, without doubling one that is already there.
std::string joinPath(std::string_view directory, std::string_view name);
// The directory that holds the running executable.
std::string executableDirectory();

} // namespace platform
