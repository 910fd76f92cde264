#pragma once

#include "profile_text.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace platform {

// Parsed profile files kept between reads, so that reading one key after another (the way
// both programs and the Win32-signature functions read) parses a file once, not once a key.
//
// A kept copy is used while the file is the same: same device and inode, size, and change
// and modification times to the nanosecond (the change time also moves when someone sets
// the modification time back). A file that was changed shortly before it was read could be
// rewritten in place within the same tick of the file system's clock without any of these
// moving, so its copy is only trusted after the bytes were read again and found equal, until
// the change is older than the trust delay (kProfileTrustDelay). Any write through this engine drops
// the copy of its file. At most kProfileCacheFiles files are kept (the least recently read
// goes first), and none larger than kProfileCacheMaxBytes. Safe to use from several threads.
//
// Two seconds cover the coarsest clock a profile file may live under (a FAT or SMB folder);
// on Linux' own file systems the tick is a few milliseconds.
inline constexpr std::size_t kProfileCacheFiles = 4;
inline constexpr std::size_t kProfileCacheMaxBytes = 16u << 20;
inline constexpr std::chrono::nanoseconds kProfileTrustDelay = std::chrono::seconds(2);

// The parsed text of the file; nullopt when it is missing or cannot be read.
std::optional<ProfileText> cachedProfileText(std::string_view path);
// Forgets the kept copy of one file (after this process wrote it).
void forgetCachedProfile(std::string_view path);

// Drops the kept copy of a file when it goes out of scope: put it around a write.
class CachedProfileDrop {
public:
    explicit CachedProfileDrop(std::string_view path) : path_(path) {}
    CachedProfileDrop(const CachedProfileDrop&) = delete;
    CachedProfileDrop& operator=(const CachedProfileDrop&) = delete;
    ~CachedProfileDrop() { forgetCachedProfile(path_); }

private:
    std::string_view path_;
};

// What the cache did since the program started, for tests and measurements.
struct ProfileCacheCounts {
    std::uint64_t parses = 0;       // files read and parsed
    std::uint64_t confirmations = 0; // recently changed files read again and found equal
    std::size_t files = 0;           // files kept now
};
ProfileCacheCounts profileCacheCounts();
// Tests set a shorter trust delay to see the kept copies used without waiting; the programs
// keep kProfileTrustDelay.
void setProfileTrustDelay(std::chrono::nanoseconds delay);

} // namespace platform
