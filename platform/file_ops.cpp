#include "file_ops.h"

#include "paths.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

std::string describeErrno(int error) { return std::strerror(error); }

std::string folderOf(std::string_view path) {
    const std::string dir = directoryOfPath(path);
    if (!dir.empty())
        return dir;
    return (!path.empty() && isPathSeparator(path.front())) ? std::string("/") : std::string(".");
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

bool hasWriteBits(const struct stat& st) { return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0; }

} // namespace

bool fileExists(std::string_view path) {
    if (path.empty())
        return false;
    struct stat st {};
    return ::stat(std::string(path).c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool directoryExists(std::string_view path) {
    if (path.empty())
        return false;
    struct stat st {};
    return ::stat(std::string(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::optional<std::string> readFile(std::string_view path) {
    if (path.empty())
        return std::nullopt;
    // Only regular files: a pipe or device would block or never end.
    const int fd = ::open(std::string(path).c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return std::nullopt;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    std::string bytes;
    if (st.st_size > 0)
        bytes.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return bytes;
}

std::string replaceBlocker(std::string_view path) {
    const std::string file(path);
    const std::string folder = folderOf(path);
    struct stat st {};
    if (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
        return "The folder " + folder + " does not exist.";
    if (::access(folder.c_str(), W_OK) != 0 || !hasWriteBits(st))
        return "The folder " + folder + " is read-only.";
    if (::stat(file.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode))
            return file + " is a folder.";
        if (::access(file.c_str(), W_OK) != 0 || !hasWriteBits(st))
            return "The file " + file + " is read-only.";
    }
    return {};
}

namespace {

// Resolves a symbolic link so that the link stays and its target is replaced.
std::string replacementTarget(std::string_view path) {
    std::error_code ec;
    std::string target(path);
    if (std::filesystem::is_symlink(target, ec)) {
        const auto resolved = std::filesystem::canonical(target, ec);
        if (!ec)
            target = resolved.string();
    }
    return target;
}

// Writes the bytes, flushed, into a new temporary file beside the target; it takes the
// target's permissions when the target exists.
std::optional<std::string> writeTemporaryBeside(const std::string& target, std::string_view bytes,
                                                std::string& error) {
    static std::atomic<unsigned> counter{0};
    const std::string temp = joinPath(folderOf(target), "." + fileNameFromPath(target) + "." +
                                                            std::to_string(::getpid()) + "." +
                                                            std::to_string(counter++) + ".tmp");
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        error = describeErrno(errno);
        return std::nullopt;
    }
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0)
        (void)::fchmod(fd, old.st_mode & 07777);
    const bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
    const int writeError = errno;
    ::close(fd);
    if (!written) {
        ::unlink(temp.c_str());
        error = describeErrno(writeError);
        return std::nullopt;
    }
    return temp;
}

} // namespace

WriteResult writeFileAtomically(std::string_view path, std::string_view bytes) {
    if (path.empty())
        return WriteResult::failure("No file name was given.");
    if (std::string blocker = replaceBlocker(path); !blocker.empty())
        return WriteResult::failure("Cannot write " + std::string(path) + ": " + blocker);
    const std::string target = replacementTarget(path);
    std::string error;
    const auto temp = writeTemporaryBeside(target, bytes, error);
    if (!temp)
        return WriteResult::failure("Cannot write " + std::string(path) + ": " + error);
    if (::rename(temp->c_str(), target.c_str()) != 0) {
        const int renameError = errno;
        ::unlink(temp->c_str());
        return WriteResult::failure("Cannot write " + std::string(path) + ": " +
                                    describeErrno(renameError));
    }
    return {};
}

CreateResult createFileAtomically(std::string_view path, std::string_view bytes) {
    if (path.empty())
        return {CreateResult::Failed, "No file name was given."};
    if (std::string blocker = replaceBlocker(path); !blocker.empty())
        return {CreateResult::Failed, "Cannot write " + std::string(path) + ": " + blocker};
    const std::string target(path);
    std::string error;
    const auto temp = writeTemporaryBeside(target, bytes, error);
    if (!temp)
        return {CreateResult::Failed, "Cannot write " + target + ": " + error};
    // link() publishes the finished file under its name only if the name is still free.
    const int linked = ::link(temp->c_str(), target.c_str());
    const int linkError = errno;
    if (linked == 0) {
        ::unlink(temp->c_str());
        return {CreateResult::Created, {}};
    }
    if (linkError == EEXIST) {
        ::unlink(temp->c_str());
        return {CreateResult::Exists, {}};
    }
    // File systems without hard links: fall back to a plain rename.
    if (::rename(temp->c_str(), target.c_str()) == 0)
        return {CreateResult::Created, {}};
    const int renameError = errno;
    ::unlink(temp->c_str());
    return {CreateResult::Failed, "Cannot write " + target + ": " + describeErrno(renameError)};
}

bool copyFile(std::string_view source, std::string_view destination) {
    if (!fileExists(source) || destination.empty())
        return false;
    std::error_code ec;
    const std::filesystem::path from{std::string(source)};
    const std::filesystem::path to{std::string(destination)};
    if (std::filesystem::equivalent(from, to, ec))
        return true;
    ec.clear();
    std::filesystem::copy_file(from, to, std::filesystem::copy_options::overwrite_existing, ec);
    return !ec;
}

} // namespace platform
