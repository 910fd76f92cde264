#pragma once

// What can stand where a program expects one of its files, and how to put it there; with a
// picture of a folder tree that tells whether anything in it changed.
#include <filesystem>
#include <map>
#include <string>

namespace faults {

enum class Fault {
    Missing,        // nothing there
    ReadOnly,       // the file, without write permission
    ReadOnlyFolder, // the file, in a folder without write permission
    MissingFolder,  // the file's folder is not there
    Pipe,           // a FIFO without a writer
    DevZero,        // a symbolic link to /dev/zero
    Folder,         // a folder of that name
    DanglingLink,   // a symbolic link to a file that does not exist
    LoopingLink,    // a symbolic link to itself
    Binary,         // bytes of every value, not text
    OverLimit,      // a sparse 2 GB file
};
inline constexpr int kFaultCount = 11;
const char* faultName(Fault fault);

// Puts the fault at path; content is what a good file there holds (used by the faults that
// keep a file). Returns false when the fault cannot be made here.
bool placeFault(const std::string& path, const std::string& content, Fault fault);

// Gives every folder below root its owner's permissions back, so it can be cleaned up.
void restorePermissions(const std::string& root);

// Every entry below root: its kind and, for small regular files, its bytes.
using TreePicture = std::map<std::string, std::string>;
TreePicture pictureOf(const std::string& root);

} // namespace faults
