#include "locked_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int get() const { return fd_; }

private:
    int fd_;
};

bool lockExclusive(int fd) {
    while (::flock(fd, LOCK_EX) != 0)
        if (errno != EINTR)
            return false;
    return true;
}

std::string failureText(const std::string& what, const std::string& file) {
    return what + " " + file + ": " + std::strerror(errno);
}

} // namespace

WriteResult editFileLocked(std::string_view path, const FileEdit& edit) {
    if (path.empty())
        return WriteResult::failure("No file name was given.");
    // A symbolic link stays a link: the file it names is read, locked and replaced (and
    // created, when the link dangles).
    std::string reason;
    const auto target = writeTarget(path, reason);
    if (!target)
        return WriteResult::failure("Cannot write " + std::string(path) + ": " + reason);
    const std::string file = *target;
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
            std::string bytes;
            if (!edit(bytes, false))
                return {};
            const CreateResult created = createFileAtomically(file, bytes);
            if (created.outcome == CreateResult::Exists)
                continue; // someone else created it meanwhile: edit theirs
            if (created.outcome == CreateResult::Failed)
                return WriteResult::failure(created.error);
            return {};
        }
        Descriptor held(fd);
        struct stat locked {};
        if (::fstat(held.get(), &locked) != 0)
            return failure(std::strerror(errno));
        if (!S_ISREG(locked.st_mode))
            return failure(nonFileReason(file));
        if (std::string blocker = replaceBlocker(file); !blocker.empty())
            return failure(blocker);
        if (!lockExclusive(held.get()))
            return WriteResult::failure(failureText("Cannot lock", file));
        struct stat named {};
        if (::fstat(held.get(), &locked) != 0 || ::stat(file.c_str(), &named) != 0 ||
            locked.st_dev != named.st_dev || locked.st_ino != named.st_ino)
            continue;
        ReadResult bytes = readDescriptor(held.get(), file);
        if (!bytes)
            return WriteResult::failure(bytes.error);
        if (!edit(bytes.bytes, true))
            return {};
        return writeFileAtomically(file, bytes.bytes);
    }
    return failure("another program keeps replacing it.");
}

WriteResult appendLocked(std::string_view path, std::string_view bytes) {
    if (path.empty())
        return WriteResult::failure("No file name was given.");
    const std::string file(path);
    Descriptor held(::open(file.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666));
    if (held.get() < 0)
        return WriteResult::failure(failureText("Cannot open", file));
    if (!lockExclusive(held.get()))
        return WriteResult::failure(failureText("Cannot lock", file));
    while (!bytes.empty()) {
        const ssize_t n = ::write(held.get(), bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return WriteResult::failure(failureText("Cannot write", file));
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return {};
}

} // namespace platform
