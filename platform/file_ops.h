#pragma once

#include <cstdint>
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

// The largest file any reader of either program takes. Documents, initialisation files,
// bookmark files, forms, templates, help and sounds are all far smaller; anything larger is
// refused before a byte is read, so a huge or endless file can never exhaust memory.
inline constexpr std::uint64_t kReadLimit = std::uint64_t{64} << 20; // 64 MiB

// A whole file read with a size limit. Only regular files are read: a pipe, a device or a
// folder is refused without waiting for it (the open never blocks).
struct ReadResult {
    enum class Outcome { Read, Missing, NotAFile, TooLarge, Unreadable };
    Outcome outcome = Outcome::Missing;
    std::string bytes;
    std::string reason; // why, as a clause: "it is a pipe, not a file"
    std::string error;  // a sentence naming the file and the reason, empty when read
    explicit operator bool() const { return outcome == Outcome::Read; }
};
ReadResult readFileLimited(std::string_view path, std::uint64_t limit = kReadLimit);

// Reads an open regular file from its start, refusing more than limit bytes, however the
// file grows while it is read. path only names the file in the message.
ReadResult readDescriptor(int fd, std::string_view path, std::uint64_t limit = kReadLimit);

// The whole file, or nullopt when it is missing, cannot be read, is not a regular file or is
// over the limit.
std::optional<std::string> readFile(std::string_view path, std::uint64_t limit = kReadLimit);

// Why the path cannot be written as a regular file ("it is a pipe, not a file.", "it is a
// symbolic link that loops."), or empty when it can. Symbolic links are followed, a dangling one to the file
// it names, which a write then creates.
std::string nonFileReason(std::string_view path);

// The file a write to path replaces: path itself, or the end of its chain of symbolic links
// (which need not exist yet). Nullopt, with the reason, for a chain that loops.
std::optional<std::string> writeTarget(std::string_view path, std::string& reason);

// Replaces the file's content so that a crash leaves either the old or the new file: the new
// bytes go to a temporary file beside it, are flushed, and are renamed over the old one.
// A symbolic link stays and the file it names is written (created, when the link dangles).
// An existing file keeps its permissions. A read-only file or folder, and a path that is not
// a regular file, are refused at once.
WriteResult writeFileAtomically(std::string_view path, std::string_view bytes);

// Creates a file that does not exist yet with its complete content, atomically: it either
// appears whole or, when another process created the name first, not at all (Exists).
struct CreateResult {
    enum Outcome { Created, Exists, Failed } outcome = Failed;
    std::string error;
};
CreateResult createFileAtomically(std::string_view path, std::string_view bytes);

// Temporary files are named ".<file>.<pid>.<random>.tmp" beside the file they replace. One
// left by a writer that was killed is removed by the next write of that file: a leftover is
// removed when no process with its pid is alive, or when it is older than a day (its pid has
// been reused). Returns how many were removed.
int removeStaleTemporaries(std::string_view target);

// Copies source over destination (overwriting it); false when either side fails.
bool copyFile(std::string_view source, std::string_view destination);

// Why a file could not be replaced in place, or empty when it can be: a missing folder, or
// a file or folder without write permission (checked on the mode bits too, so that it also
// holds for a privileged user).
std::string replaceBlocker(std::string_view path);

} // namespace platform
