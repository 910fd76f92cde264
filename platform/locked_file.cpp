#include "locked_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <optional>
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

std::optional<std::string> readAll(int fd) {
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

std::string failureText(const std::string& what, const std::string& file) {
    return what + " " + file + ": " + std::strerror(errno);
}

} // namespace

WriteResult editFileLocked(std::string_view path, const FileEdit& edit) {
    if (path.empty())
        return WriteResult::failure("No file name was given.");
    const std::string file(path);
    // A writer replaces the file by renaming a new one over it, so the lock is only good when
    // it is still on the file the path names once it is held; otherwise start again.
    for (int attempt = 0; attempt < 1000; ++attempt) {
        const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) {
            if (errno != ENOENT)
                return WriteResult::failure(failureText("Cannot read", file));
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
        if (!lockExclusive(held.get()))
            return WriteResult::failure(failureText("Cannot lock", file));
        struct stat locked {
        }, named{};
        if (::fstat(held.get(), &locked) != 0 || ::stat(file.c_str(), &named) != 0 ||
            locked.st_dev != named.st_dev || locked.st_ino != named.st_ino)
            continue;
        auto bytes = readAll(held.get());
        if (!bytes)
            return WriteResult::failure(failureText("Cannot read", file));
        if (!edit(*bytes, true))
            return {};
        return writeFileAtomically(file, *bytes);
    }
    return WriteResult::failure("Cannot write " + file + ": it keeps changing.");
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
