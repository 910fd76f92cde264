#include "tessaly/batch/batch_commands.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char* argv[]) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const tessaly::CommandLine line = tessaly::parseCommandLine(arguments);
    if (line.verb == tessaly::CommandLine::Verb::Window && line.error.empty()) {
        std::cerr << "tessaly: the window is not available in this build\n";
        return tessaly::kExitUsage;
    }
    return tessaly::runBatchCommand(line, std::cout, std::cerr);
}
