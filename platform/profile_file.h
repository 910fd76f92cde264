#pragma once

#include "file_ops.h"
#include "profile_text.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The profile text of a file; nullopt when it is missing or cannot be read. Parsed files
// are kept between reads while they stay unchanged (profile_cache.h).
std::optional<ProfileText> readProfile(std::string_view path);
// The same, with a missing or unreadable file read as an empty one.
ProfileText loadProfile(std::string_view path);

// Read-modify-write of one profile file: the edit runs on the file's current text while an
// advisory lock keeps other writers of this file (this program, a second copy, the form
// processor's stand-in) out, and the result replaces the file atomically. The file is only
// written when the edit changed something; an edit that changes nothing never creates it.
WriteResult editProfile(std::string_view path, const std::function<void(ProfileText&)>& edit);

// Convenience forms of single edits through editProfile.
WriteResult writeProfileValue(std::string_view path, std::string_view section,
                              std::string_view key, std::string_view value);
WriteResult removeProfileKey(std::string_view path, std::string_view section,
                             std::string_view key);
WriteResult removeProfileSection(std::string_view path, std::string_view section);

} // namespace platform
