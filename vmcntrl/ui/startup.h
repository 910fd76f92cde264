#pragma once

#include <string>

namespace platform {
class Prompts;
class SingleInstance;
} // namespace platform

namespace vmcntrl {

struct Services;
class Form1;

// True when another copy holds the program's lock; the user is told and this copy ends.
bool refuseSecondCopy(platform::SingleInstance& instance, platform::Prompts& prompts);

// The windowed start: About as the splash screen while the main window loads, then the main
// window in its stored place. Returns the main window, shown.
Form1* startMainWindow(const std::string& programDirectory, Services& services);

// The whole program with a window; returns the exit code.
int runWindowed(int argc, char** argv, const std::string& programDirectory);

} // namespace vmcntrl
