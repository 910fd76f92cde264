#pragma once

#include <iosfwd>
#include <string>

namespace vmcntrl {

struct CommandLine;

// The window's Report, Template Keys and Script Wizard without a window, on the same core.
int reportVerb(const std::string& home, const std::string& name, std::ostream& out,
               std::ostream& err);
int keysVerb(const std::string& home, const std::string& name, std::ostream& out,
             std::ostream& err);
int wizardVerb(const std::string& home, const CommandLine& line, std::ostream& out,
               std::ostream& err);

} // namespace vmcntrl
