#pragma once

#include "file_ops.h"

#include <functional>
#include <string>
#include <string_view>

namespace platform {

// Read-modify-write of any file under an exclusive advisory lock (flock) held from the read
// to the replace, so that writers in other processes wait their turn instead of losing each
// other's changes. The edit gets the current bytes (empty and existed=false for a missing
// file) and changes them in place; it returns false to leave the file as it is. The result
// replaces the file atomically (temporary file, then rename), so a crash leaves the old or
// the new file, never half of one. Only a regular file is edited (a pipe or a device in its
// place is refused without waiting on it), and a symbolic link stays a link to the file
// that is edited. Every rewrite of a shared file in the tree goes through here.
using FileEdit = std::function<bool(std::string& bytes, bool existed)>;
WriteResult editFileLocked(std::string_view path, const FileEdit& edit);

// Appends the bytes with a single write under the same exclusive lock, creating the file
// when it is missing. For logs, which grow line by line and are never rewritten.
WriteResult appendLocked(std::string_view path, std::string_view bytes);

} // namespace platform
