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
    // A symbolic link stays a link: the file it names is read, locked and replaced (and
    // created, when the link dangles), as a document save does.
    std::string reason;
    const auto target = writeTarget(path, reason);
    if (!target)
        return WriteResult::failure("Cannot write " + std::string(path) + ": " + reason);
    const std::string file = *target;
    const CachedProfileDrop dropKeptCopy(path);
    const CachedProfileDrop dropTargetCopy(file);
    const auto failure = [&](const std::string& why) {
        return WriteResult::failure("Cannot write " + std::string(path) + ": " + why);
    };
    // Every writer replaces the file by renaming a new one over it, so after taking the lock
    // make sure it is still on the file that the path names; otherwise start again. A round
    // only repeats when another writer replaced or created the file meanwhile, so a busy
    // writer can take many rounds, while a file that nobody else writes takes one.
    for (int attempt = 0; attempt < 1000; ++attempt) {
        // O_NONBLOCK: a pipe in the file's place must be refused, not waited on.
        const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
        if (fd < 0) {
            if (errno != ENOENT)
                return failure(std::strerror(errno));
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
        struct stat locked {};
        if (::fstat(lock.fd(), &locked) != 0)
            return failure(std::strerror(errno));
        if (!S_ISREG(locked.st_mode))
            return failure(nonFileReason(file));
        if (std::string blocker = replaceBlocker(file); !blocker.empty())
            return failure(blocker);
        while (::flock(lock.fd(), LOCK_EX) != 0)
            if (errno != EINTR)
                return WriteResult::failure("Cannot lock " + file + ": " + std::strerror(errno));
        struct stat named {};
        if (::fstat(lock.fd(), &locked) != 0 || ::stat(file.c_str(), &named) != 0 ||
            !sameFile(locked, named))
            continue;
        ReadResult bytes = readDescriptor(lock.fd(), file);
        if (!bytes)
            return WriteResult::failure(bytes.error);
        ProfileText text(bytes.bytes);
        edit(text);
        if (text.refusal())
            return WriteResult::failure(*text.refusal());
        if (!text.modified())
            return {};
        return writeFileAtomically(file, text.bytes());
    }
    return failure("another program keeps replacing it.");
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
