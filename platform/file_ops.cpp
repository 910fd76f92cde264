#include "file_ops.h"

#include "paths.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/random.h>
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

// What a path that exists but is no regular file is, for a message.
std::string kindOf(const struct stat& st) {
    if (S_ISDIR(st.st_mode))
        return "a folder";
    if (S_ISFIFO(st.st_mode))
        return "a pipe";
    if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode))
        return "a device";
    if (S_ISSOCK(st.st_mode))
        return "a socket";
    return "a special file";
}

std::string limitText(std::uint64_t limit) {
    if (limit >= (1u << 20) && limit % (1u << 20) == 0)
        return std::to_string(limit >> 20) + " MiB";
    return std::to_string(limit) + " bytes";
}

ReadResult readFailure(ReadResult::Outcome outcome, std::string_view path, std::string reason) {
    ReadResult result;
    result.outcome = outcome;
    result.error = outcome == ReadResult::Outcome::Missing
                       ? "The file " + std::string(path) + " does not exist."
                       : "The file " + std::string(path) + " cannot be read: " + reason + ".";
    result.reason = std::move(reason);
    return result;
}

ReadResult tooLarge(std::string_view path, std::uint64_t limit) {
    return readFailure(ReadResult::Outcome::TooLarge, path,
                       "it is larger than " + limitText(limit) +
                           ", more than such a file ever holds");
}

// Sixteen hex digits from the system's random source, so that no two writers, and no writer
// and a leftover, ever pick the same temporary name.
std::string randomSuffix() {
    std::uint64_t value = 0;
    if (::getrandom(&value, sizeof value, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof value)) {
        static thread_local std::mt19937_64 fallback{std::random_device{}() ^
                                                     static_cast<std::uint64_t>(::getpid())};
        value = fallback();
    }
    static const char digits[] = "0123456789abcdef";
    std::string out(16, '0');
    for (char& c : out) {
        c = digits[value & 0xf];
        value >>= 4;
    }
    return out;
}

std::string temporaryPrefix(const std::string& target) { return "." + fileNameFromPath(target) + "."; }

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

ReadResult readDescriptor(int fd, std::string_view path, std::uint64_t limit) {
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return readFailure(ReadResult::Outcome::Unreadable, path, describeErrno(errno));
    if (!S_ISREG(st.st_mode))
        return readFailure(ReadResult::Outcome::NotAFile, path,
                           "it is " + kindOf(st) + ", not a file");
    if (st.st_size > 0 && static_cast<std::uint64_t>(st.st_size) > limit)
        return tooLarge(path, limit);
    ReadResult result;
    std::string& bytes = result.bytes;
    if (st.st_size > 0)
        bytes.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[65536];
    off_t offset = 0;
    for (;;) {
        const ssize_t n = ::pread(fd, buffer, sizeof buffer, offset);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return readFailure(ReadResult::Outcome::Unreadable, path, describeErrno(errno));
        }
        if (n == 0)
            break;
        // A file that grows while it is read is held to the same limit.
        if (bytes.size() + static_cast<std::size_t>(n) > limit)
            return tooLarge(path, limit);
        bytes.append(buffer, static_cast<std::size_t>(n));
        offset += n;
    }
    result.outcome = ReadResult::Outcome::Read;
    return result;
}

ReadResult readFileLimited(std::string_view path, std::uint64_t limit) {
    if (path.empty())
        return readFailure(ReadResult::Outcome::Missing, path, "no file name was given");
    // O_NONBLOCK: opening a pipe without a writer must not wait for one.
    const int fd = ::open(std::string(path).c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR)
            return readFailure(ReadResult::Outcome::Missing, path, "it does not exist");
        if (error == ELOOP)
            return readFailure(ReadResult::Outcome::Unreadable, path,
                               "it is a symbolic link that loops");
        if (error == ENXIO) // a socket, or a device without a driver
            return readFailure(ReadResult::Outcome::NotAFile, path, "it is not a file");
        return readFailure(ReadResult::Outcome::Unreadable, path, describeErrno(error));
    }
    ReadResult result = readDescriptor(fd, path, limit);
    ::close(fd);
    return result;
}

std::optional<std::string> readFile(std::string_view path, std::uint64_t limit) {
    ReadResult result = readFileLimited(path, limit);
    if (!result)
        return std::nullopt;
    return std::move(result.bytes);
}

std::optional<std::string> writeTarget(std::string_view path, std::string& reason) {
    std::string current(path);
    // As many hops as the system itself follows before it calls a chain a loop.
    for (int hop = 0; hop < 40; ++hop) {
        struct stat st {};
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return current;
        std::error_code ec;
        const std::filesystem::path link = std::filesystem::read_symlink(current, ec);
        if (ec) {
            reason = "it is a symbolic link that cannot be read.";
            return std::nullopt;
        }
        current = link.is_absolute()
                      ? link.string()
                      : (std::filesystem::path(folderOf(current)) / link).lexically_normal().string();
    }
    reason = "it is a symbolic link that loops.";
    return std::nullopt;
}

std::string nonFileReason(std::string_view path) {
    std::string reason;
    const auto target = writeTarget(path, reason);
    if (!target)
        return reason;
    struct stat st {};
    if (::lstat(target->c_str(), &st) != 0 || S_ISREG(st.st_mode))
        return {};
    return "it is " + kindOf(st) + ", not a file.";
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

int removeStaleTemporaries(std::string_view target) {
    const std::string file(target);
    const std::string folder = folderOf(file);
    const std::string prefix = temporaryPrefix(file);
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return 0;
    const std::time_t dayAgo = std::time(nullptr) - 24 * 60 * 60;
    int removed = 0;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (name.size() <= prefix.size() + 4 || name.substr(0, prefix.size()) != prefix ||
            name.substr(name.size() - 4) != ".tmp")
            continue;
        // ".<file>.<pid>.<random>.tmp": the pid is the part after the prefix.
        const std::string_view rest = name.substr(prefix.size(), name.size() - prefix.size() - 4);
        const std::size_t dot = rest.find('.');
        if (dot == 0 || dot == std::string_view::npos || dot > 10 ||
            rest.find_first_not_of("0123456789") != dot)
            continue;
        const pid_t pid = static_cast<pid_t>(std::stol(std::string(rest.substr(0, dot))));
        const std::string path = joinPath(folder, name);
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
            continue;
        const bool writerGone = pid != ::getpid() && ::kill(pid, 0) != 0 && errno == ESRCH;
        if ((writerGone || st.st_mtime < dayAgo) && ::unlink(path.c_str()) == 0)
            ++removed;
    }
    ::closedir(dir);
    return removed;
}

namespace {

// Writes the bytes, flushed, into a new temporary file beside the target; it takes the
// target's permissions when the target exists.
std::optional<std::string> writeTemporaryBeside(const std::string& target, std::string_view bytes,
                                                std::string& error) {
    removeStaleTemporaries(target);
    const std::string stem =
        joinPath(folderOf(target), temporaryPrefix(target) + std::to_string(::getpid()) + ".");
    std::string temp;
    int fd = -1;
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        temp = stem + randomSuffix() + ".tmp";
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
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

// The regular file a write of path goes to, or the reason it cannot be written.
std::optional<std::string> checkedTarget(std::string_view path, std::string& error) {
    if (path.empty()) {
        error = "No file name was given.";
        return std::nullopt;
    }
    std::string reason;
    auto target = writeTarget(path, reason);
    if (target) {
        if (std::string notFile = nonFileReason(*target); !notFile.empty())
            reason = notFile;
        else
            reason = replaceBlocker(*target);
    }
    if (!reason.empty()) {
        error = "Cannot write " + std::string(path) + ": " + reason;
        return std::nullopt;
    }
    return target;
}

} // namespace

WriteResult writeFileAtomically(std::string_view path, std::string_view bytes) {
    std::string error;
    const auto target = checkedTarget(path, error);
    if (!target)
        return WriteResult::failure(error);
    const auto temp = writeTemporaryBeside(*target, bytes, error);
    if (!temp)
        return WriteResult::failure("Cannot write " + std::string(path) + ": " + error);
    if (::rename(temp->c_str(), target->c_str()) != 0) {
        const int renameError = errno;
        ::unlink(temp->c_str());
        return WriteResult::failure("Cannot write " + std::string(path) + ": " +
                                    describeErrno(renameError));
    }
    return {};
}

CreateResult createFileAtomically(std::string_view path, std::string_view bytes) {
    std::string error;
    const auto target = checkedTarget(path, error);
    if (!target)
        return {CreateResult::Failed, error};
    const auto temp = writeTemporaryBeside(*target, bytes, error);
    if (!temp)
        return {CreateResult::Failed, "Cannot write " + std::string(path) + ": " + error};
    // link() publishes the finished file under its name only if the name is still free.
    const int linked = ::link(temp->c_str(), target->c_str());
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
    if (::rename(temp->c_str(), target->c_str()) == 0)
        return {CreateResult::Created, {}};
    const int renameError = errno;
    ::unlink(temp->c_str());
    return {CreateResult::Failed,
            "Cannot write " + std::string(path) + ": " + describeErrno(renameError)};
}

bool copyFile(std::string_view source, std::string_view destination) {
    if (!fileExists(source) || destination.empty())
        return false;
    std::error_code ec;
    if (std::filesystem::equivalent(std::string(source), std::string(destination), ec))
        return true;
    // Through the limited reader, so a pipe or a device named as the source cannot hang the copy.
    const auto bytes = readFile(source);
    return bytes && writeFileAtomically(destination, *bytes).ok;
}

} // namespace platform
