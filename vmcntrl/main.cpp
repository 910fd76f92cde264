#include "vmcntrl/config/command_line.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char* argv[]) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const vmcntrl::CommandLine line = vmcntrl::parseCommandLine(args);
    return vmcntrl::runBatch(line, std::cout, std::cerr);
}
