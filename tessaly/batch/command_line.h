#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tessaly {

// What the command line asks for. With no verb the program opens its window.
struct CommandLine {
    enum class Verb { Window, Help, Compile, Import };
    Verb verb = Verb::Window;
    std::string home;             // --home DIR: the program directory to use
    std::string document;         // --compile DOC, --save DOC
    std::string bookmarks;        // --import FILE
    std::string target = "_self"; // --target NAME
    std::string save;             // --save DOC as given
    std::string error;            // set when the arguments make no sense
};

// Arguments without the program name.
CommandLine parseCommandLine(const std::vector<std::string>& arguments);

extern const char* const kUsageText;

} // namespace tessaly
