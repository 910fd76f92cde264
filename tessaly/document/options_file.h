#pragma once

#include "platform/file_ops.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tessaly {

// Name of the options file in the program directory.
inline constexpr std::string_view kOptionsFileName = "Tessaly.ini";
std::string optionsFilePath(std::string_view programDirectory);

// The five switches of the Options tab, in the order they are loaded.
enum class OptionSwitch {
    ChooseBrowserBeforePreview,
    ShowTooltips,
    SilencePelfin,
    FreezeSplashScreen,
    ShowInBrowsersWithoutJava
};
struct SwitchInfo {
    OptionSwitch option;
    const char* key;     // in section "General"
    const char* control; // Check1 ... Check5
};
inline constexpr std::array<SwitchInfo, 5> kSwitches{{
    {OptionSwitch::ChooseBrowserBeforePreview, "Choose Browser Before Preview", "Check1"},
    {OptionSwitch::ShowTooltips, "Show Tooltips", "Check2"},
    {OptionSwitch::SilencePelfin, "Silence Pelfin", "Check3"},
    {OptionSwitch::FreezeSplashScreen, "Freeze Splash Screen", "Check4"},
    {OptionSwitch::ShowInBrowsersWithoutJava, "Browsers Without Java", "Check5"},
}};

// What Tessaly.ini holds. A switch is on only for the exact value "Yes".
struct Options {
    std::array<bool, kSwitches.size()> switches{};
    std::string defaultDirectory;
    std::string defaultBrowser;
    std::vector<std::string> browsers; // the "Browsers" list, " 1", " 2", ... in order

    bool isOn(OptionSwitch s) const { return switches[static_cast<std::size_t>(s)]; }
};

// Each of these points the current profile file at the options file first, so a document
// opened or saved before never receives a setting. Writes report their outcome; the window
// ignores it, as an option that cannot be stored simply stays changed on screen.
Options loadOptions(std::string_view optionsFile);
platform::WriteResult writeSwitch(std::string_view optionsFile, OptionSwitch option, bool on);
platform::WriteResult writeDefaultDirectory(std::string_view optionsFile,
                                            std::string_view directory);
platform::WriteResult writeDefaultBrowser(std::string_view optionsFile, std::string_view browser);

} // namespace tessaly
