#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The outcome of a write: ok, or a sentence for the user that says what failed.
struct WriteResult {
    bool ok = true;
    std::string error;
    explicit operator bool() const { return ok; }
    static WriteResult failure(std::string message) { return {false, std::move(message)}; }
};

// File-existence probe: an empty path is missing; otherwise true when the path names a
// file (not a directory), without reading it.
bool fileExists(std::string_view path);
bool directoryExists(std::string_view path);

// The whole file, or nullopt when it is missing, cannot be read or is not a regular file.
std::optional<std::string> readFile(std::string_view path);

// Replaces the file's content so that a crash leaves either the old or the new file: the new
// bytes go to a temporary file beside it, are flushed, and are renamed over the old one.
// An existing file keeps its permissions. A read-only file or folder is refused.
WriteResult writeFileAtomically(std::string_view path, std::string_view bytes);

// Creates a file that does not exist yet with its complete content, atomically: it either
// appears whole or, when another process created the name first, not at all (Exists).
struct CreateResult {
    enum Outcome { Created, Exists, Failed } outcome = Failed;
    std::string error;
};
CreateResult createFileAtomically(std::string_view path, std::string_view bytes);

// Copies source over destination (overwriting it); false when either side fails.
bool copyFile(std::string_view source, std::string_view destination);

// Why a file could not be replaced in place, or empty when it can be: a missing folder, or
// a file or folder without write permission (checked on the mode bits too, so that it also
// holds for a privileged user).
std::string replaceBlocker(std::string_view path);

} // namespace platform
