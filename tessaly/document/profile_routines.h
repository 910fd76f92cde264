#pragma once

#include "platform/file_ops.h"

#include <string>
#include <string_view>

namespace tessaly {

// The one profile file that WriteProfileValue and ReadProfileValue work on. Open and Save
// point it at the document; the options code points it at Tessaly.ini before each use.
void setCurrentProfileFile(std::string path);
const std::string& currentProfileFile();

// Writes one key of the current profile file. An empty value is written as an empty value
// (the key stays). The value is stored so that it reads back exactly: see storedProfileValue.
platform::WriteResult WriteProfileValue(std::string_view section, std::string_view key,
                                        std::string_view value);
// Reads one key of the current profile file, whole (no length cut); a missing key, section
// or file gives an empty text.
std::string ReadProfileValue(std::string_view section, std::string_view key);

// The text written for a value. A line break would end the line and start a stray key, so
// CR and LF become blanks; a value the reading rules would change (blank at an edge, a
// surrounding quote pair) is wrapped in double quotes, which reading removes again.
std::string storedProfileValue(std::string_view value);

} // namespace tessaly
