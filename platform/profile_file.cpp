#include "profile_file.h"

#include "profile_cache.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// Holds an open descriptor with an exclusive flock on it.
class LockedFile {
public:
    explicit LockedFile(int fd) : fd_(fd) {}
    LockedFile(const LockedFile&) = delete;
    LockedFile& operator=(const LockedFile&) = delete;
    ~LockedFile() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int fd() const { return fd_; }

private:
    int fd_;
};

std::optional<std::string> readDescriptor(int fd) {
    std::string bytes;
    char buffer[65536];
    off_t offset = 0;
    for (;;) {
        const ssize_t n = ::pread(fd, buffer, sizeof buffer, offset);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return std::nullopt;
        }
        if (n == 0)
            return bytes;
        bytes.append(buffer, static_cast<std::size_t>(n));
        offset += n;
    }
}

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace

std::optional<ProfileText> readProfile(std::string_view path) {
    return cachedProfileText(path);
}

ProfileText loadProfile(std::string_view path) {
    auto text = readProfile(path);
    return text ? std::move(*text) : ProfileText();
}

WriteResult editProfile(std::string_view path, const std::function<void(ProfileText&)>& edit) {
    if (path.empty())
        return WriteResult::failure("No file name was given.");
    const std::string file(path);
    const CachedProfileDrop dropKeptCopy(file);
    // Every writer replaces the file by renaming a new one over it, so after taking the lock
    // make sure it is still on the file that the path names; otherwise start again.
    for (int attempt = 0; attempt < 1000; ++attempt) {
        const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) {
            if (errno != ENOENT)
                return WriteResult::failure("Cannot read " + file + ": " + std::strerror(errno));
            ProfileText text;
            edit(text);
            if (text.refusal())
                return WriteResult::failure(*text.refusal());
            if (!text.modified())
                return {};
            const CreateResult created = createFileAtomically(file, text.bytes());
            if (created.outcome == CreateResult::Exists)
                continue;
            if (created.outcome == CreateResult::Failed)
                return WriteResult::failure(created.error);
            return {};
        }
        LockedFile lock(fd);
        while (::flock(lock.fd(), LOCK_EX) != 0)
            if (errno != EINTR)
                return WriteResult::failure("Cannot lock " + file + ": " + std::strerror(errno));
        struct stat locked {}, named {};
        if (::fstat(lock.fd(), &locked) != 0 || ::stat(file.c_str(), &named) != 0 ||
            !sameFile(locked, named))
            continue;
        auto bytes = readDescriptor(lock.fd());
        if (!bytes)
            return WriteResult::failure("Cannot read " + file + ": " + std::strerror(errno));
        ProfileText text(*bytes);
        edit(text);
        if (text.refusal())
            return WriteResult::failure(*text.refusal());
        if (!text.modified())
            return {};
        return writeFileAtomically(file, text.bytes());
    }
    return WriteResult::failure("Cannot write " + file + ": it keeps changing.");
}

WriteResult writeProfileValue(std::string_view path, std::string_view section,
                              std::string_view key, std::string_view value) {
    return editProfile(path, [&](ProfileText& t) { t.setValue(section, key, value); });
}

WriteResult removeProfileKey(std::string_view path, std::string_view section,
                             std::string_view key) {
    return editProfile(path, [&](ProfileText& t) { t.removeKey(section, key); });
}

WriteResult removeProfileSection(std::string_view path, std::string_view section) {
    return editProfile(path, [&](ProfileText& t) { t.removeSection(section); });
}

} // namespace platform
