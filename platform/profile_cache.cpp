#include "profile_cache.h"

#include "file_ops.h"

#include <algorithm>
#include <atomic>
#include <ctime>
#include <mutex>
#include <tuple>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace platform {

namespace {

struct Identity {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{}, changed{};
};

bool operator==(const timespec& a, const timespec& b) {
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}
bool operator==(const Identity& a, const Identity& b) {
    return a.device == b.device && a.inode == b.inode && a.size == b.size &&
           a.modified == b.modified && a.changed == b.changed;
}

std::optional<Identity> identityOf(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    return Identity{st.st_dev, st.st_ino, st.st_size, st.st_mtim, st.st_ctim};
}

timespec now() {
    timespec t{};
    ::clock_gettime(CLOCK_REALTIME, &t);
    return t;
}

std::atomic<std::int64_t> trustDelayNs{kProfileTrustDelay.count()};

// Whether the file's last change was at least the trust delay old at the moment `seen`:
// a rewrite after that moment gives it a later change time, which the identity shows.
bool settledAt(const Identity& id, const timespec& seen) {
    const timespec& last =
        std::tie(id.changed.tv_sec, id.changed.tv_nsec) > std::tie(id.modified.tv_sec, id.modified.tv_nsec)
            ? id.changed
            : id.modified;
    const long long age = (static_cast<long long>(seen.tv_sec) - last.tv_sec) * 1'000'000'000LL +
                          (seen.tv_nsec - last.tv_nsec);
    return age >= trustDelayNs.load();
}

struct Entry {
    std::string path;
    Identity identity;
    bool trusted = false; // the change was settled when the bytes were last read
    ProfileText text;
    std::uint64_t lastUse = 0;
};

struct Cache {
    std::mutex mutex;
    std::vector<Entry> entries;
    std::uint64_t uses = 0;
    ProfileCacheCounts counts;
};

Cache& cache() {
    static Cache instance;
    return instance;
}

void keep(Cache& c, std::string path, const Identity& id, bool trusted, const ProfileText& text) {
    auto it = std::find_if(c.entries.begin(), c.entries.end(),
                           [&](const Entry& e) { return e.path == path; });
    if (it == c.entries.end()) {
        if (c.entries.size() >= kProfileCacheFiles)
            c.entries.erase(std::min_element(
                c.entries.begin(), c.entries.end(),
                [](const Entry& a, const Entry& b) { return a.lastUse < b.lastUse; }));
        c.entries.push_back({std::move(path), id, trusted, text, 0});
        it = c.entries.end() - 1;
    } else {
        it->identity = id;
        it->trusted = trusted;
        it->text = text;
    }
    it->lastUse = ++c.uses;
}

} // namespace

std::optional<ProfileText> cachedProfileText(std::string_view pathView) {
    std::string path(pathView);
    const timespec seen = now();
    const auto before = identityOf(path);
    Cache& c = cache();
    std::optional<ProfileText> kept;
    {
        std::lock_guard lock(c.mutex);
        const auto it = std::find_if(c.entries.begin(), c.entries.end(),
                                     [&](const Entry& e) { return e.path == path; });
        if (it != c.entries.end()) {
            if (before && it->identity == *before) {
                it->lastUse = ++c.uses;
                if (it->trusted)
                    return it->text;
                kept = it->text;
            } else {
                c.entries.erase(it);
            }
        }
    }
    auto bytes = readFile(path);
    if (!bytes)
        return std::nullopt;
    // The bytes belong to the identity only when nothing changed while they were read.
    const auto after = identityOf(path);
    const bool stable = before && after && *before == *after &&
                        bytes->size() == static_cast<std::size_t>(before->size) &&
                        bytes->size() <= kProfileCacheMaxBytes;
    if (kept && stable && kept->hasBytes(*bytes)) {
        std::lock_guard lock(c.mutex);
        ++c.counts.confirmations;
        keep(c, std::move(path), *before, settledAt(*before, seen), *kept);
        return kept;
    }
    ProfileText text(*bytes);
    std::lock_guard lock(c.mutex);
    ++c.counts.parses;
    if (stable) {
        // A kept copy is shared with every reader, so no lookup may change it afterwards.
        text.indexAll();
        keep(c, std::move(path), *before, settledAt(*before, seen), text);
    }
    return text;
}

void forgetCachedProfile(std::string_view path) {
    Cache& c = cache();
    std::lock_guard lock(c.mutex);
    std::erase_if(c.entries, [&](const Entry& e) { return e.path == path; });
}

ProfileCacheCounts profileCacheCounts() {
    Cache& c = cache();
    std::lock_guard lock(c.mutex);
    ProfileCacheCounts counts = c.counts;
    counts.files = c.entries.size();
    return counts;
}

void setProfileTrustDelay(std::chrono::nanoseconds delay) { trustDelayNs = delay.count(); }

} // namespace platform
