#pragma once

#include <string>
#include <string_view>

namespace tessaly {

// The directory into which the generator copies files, derived from the default-directory
// text: a bare drive ("C:") stays a drive, an existing directory loses a trailing separator,
// a pattern ("C:\Web\*.htm") or a file path ("C:\Web\index.htm") gives its directory, and
// a bare drive gets its root ("C:" becomes "C:\"). A text with neither separator nor drive
// ("web") gives an empty text: files then go to the current directory.
std::string destinationDirectory(std::string_view defaultDirectory);

// Where a file of that name goes in a directory. An empty directory means the current
// directory, never the root of the file system.
std::string destinationFile(std::string_view directory, std::string_view name);

} // namespace tessaly
