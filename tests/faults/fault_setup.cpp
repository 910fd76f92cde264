#include "fault_setup.h"

#include <fstream>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace faults {

const char* faultName(Fault fault) {
    static const char* const names[kFaultCount] = {
        "missing",      "read-only",     "in a read-only folder", "in a missing folder",
        "a FIFO",       "/dev/zero",     "a directory",           "a dangling link",
        "a looping link", "binary",      "over the size limit"};
    return names[static_cast<int>(fault)];
}

namespace {
bool writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    return static_cast<bool>(out);
}
} // namespace

bool placeFault(const std::string& path, const std::string& content, Fault fault) {
    std::error_code ec;
    const fs::path file(path);
    fs::remove_all(file, ec);
    fs::create_directories(file.parent_path(), ec);
    switch (fault) {
    case Fault::Missing:
        return true;
    case Fault::ReadOnly:
        return writeBytes(path, content) && ::chmod(path.c_str(), 0444) == 0;
    case Fault::ReadOnlyFolder:
        return writeBytes(path, content) && ::chmod(file.parent_path().c_str(), 0555) == 0;
    case Fault::MissingFolder:
        fs::remove_all(file.parent_path(), ec);
        return !ec;
    case Fault::Pipe:
        return ::mkfifo(path.c_str(), 0644) == 0;
    case Fault::DevZero:
        fs::create_symlink("/dev/zero", file, ec);
        return !ec;
    case Fault::Folder:
        return fs::create_directory(file, ec);
    case Fault::DanglingLink:
        fs::create_symlink(file.filename().string() + ".target", file, ec);
        return !ec;
    case Fault::LoopingLink:
        fs::create_symlink(file.filename(), file, ec);
        return !ec;
    case Fault::Binary: {
        std::mt19937 random(14);
        std::string bytes(4096, '\0');
        for (char& c : bytes)
            c = static_cast<char>(random());
        return writeBytes(path, bytes);
    }
    case Fault::OverLimit:
        return writeBytes(path, content) && ::truncate(path.c_str(), off_t{2} << 30) == 0;
    }
    return false;
}

void restorePermissions(const std::string& root) {
    std::error_code ec;
    ::chmod(root.c_str(), 0755);
    for (fs::recursive_directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec))
        if (it->is_directory(ec) && !it->is_symlink(ec))
            ::chmod(it->path().c_str(), 0755);
}

TreePicture pictureOf(const std::string& root) {
    TreePicture picture;
    std::error_code ec;
    for (fs::recursive_directory_iterator it(root, fs::directory_options::none, ec), end;
         !ec && it != end; it.increment(ec)) {
        const std::string name = fs::relative(it->path(), root, ec).string();
        struct stat st {};
        if (::lstat(it->path().c_str(), &st) != 0)
            continue;
        std::string& entry = picture[name];
        entry = std::to_string(st.st_mode) + ":";
        if (S_ISLNK(st.st_mode)) {
            entry += "link to " + fs::read_symlink(it->path(), ec).string();
        } else if (S_ISREG(st.st_mode) && st.st_size <= (1 << 20)) {
            std::ifstream in(it->path(), std::ios::binary);
            entry.append(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        } else {
            entry += std::to_string(st.st_size);
        }
    }
    return picture;
}

} // namespace faults
