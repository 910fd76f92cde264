#include "vmcntrl/config/command_line.h"
#include "vmcntrl/ui/startup.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char* argv[]) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const vmcntrl::CommandLine line = vmcntrl::parseCommandLine(args);
    if (!line.verb.empty() || !line.error.empty())
        return vmcntrl::runBatch(line, std::cout, std::cerr);
    return vmcntrl::runWindowed(argc, argv, vmcntrl::programDirectory(line));
}
