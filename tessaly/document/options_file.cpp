#include "options_file.h"

#include "profile_routines.h"

#include "platform/paths.h"

namespace tessaly {

namespace {
constexpr std::string_view kGeneral = "General";
constexpr std::string_view kFileLocation = "File Location";
constexpr std::string_view kBrowsers = "Browsers";
constexpr std::string_view kDefaultDirectory = "Default Directory";
constexpr std::string_view kDefaultBrowser = "Default Browser";

const SwitchInfo& infoOf(OptionSwitch option) {
    return kSwitches[static_cast<std::size_t>(option)];
}
} // namespace

std::string optionsFilePath(std::string_view programDirectory) {
    return platform::joinPath(programDirectory, kOptionsFileName);
}

Options loadOptions(std::string_view optionsFile) {
    setCurrentProfileFile(std::string(optionsFile));
    Options options;
    for (const SwitchInfo& info : kSwitches)
        options.switches[static_cast<std::size_t>(info.option)] =
            ReadProfileValue(kGeneral, info.key) == "Yes";
    options.defaultDirectory = ReadProfileValue(kFileLocation, kDefaultDirectory);
    options.defaultBrowser = ReadProfileValue(kFileLocation, kDefaultBrowser);
    for (int i = 1;; ++i) {
        std::string browser = ReadProfileValue(kBrowsers, " " + std::to_string(i));
        if (browser.empty())
            break;
        options.browsers.push_back(std::move(browser));
    }
    return options;
}

platform::WriteResult writeSwitch(std::string_view optionsFile, OptionSwitch option, bool on) {
    setCurrentProfileFile(std::string(optionsFile));
    return WriteProfileValue(kGeneral, infoOf(option).key, on ? "Yes" : "No");
}

platform::WriteResult writeDefaultDirectory(std::string_view optionsFile,
                                            std::string_view directory) {
    setCurrentProfileFile(std::string(optionsFile));
    return WriteProfileValue(kFileLocation, kDefaultDirectory, directory);
}

platform::WriteResult writeDefaultBrowser(std::string_view optionsFile, std::string_view browser) {
    setCurrentProfileFile(std::string(optionsFile));
    return WriteProfileValue(kFileLocation, kDefaultBrowser, browser);
}

} // namespace tessaly
