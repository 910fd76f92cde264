// The windows place pictures by these names and logical sizes (resources/pictures/README.md);
// every picture also comes at twice the size for high-DPI screens, and the desktop icons at
// the sizes the icon theme asks for.

#include "shipped_files.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using Sizes = std::map<std::string, shipped::Size>;

void checkPictures(const std::string &folder, const Sizes &expected) {
    SCOPED_TRACE(folder);
    for (const auto &[name, size] : expected) {
        const auto one = shipped::read(folder + "/" + name + ".png");
        const auto two = shipped::read(folder + "/" + name + "@2x.png");
        ASSERT_TRUE(one && two) << name << ".png or its @2x partner is missing";
        EXPECT_EQ(shipped::pngSize(*one), size) << name << ".png";
        EXPECT_EQ(shipped::pngSize(*two), (shipped::Size{size.width * 2, size.height * 2})) << name << "@2x.png";
    }
    // Anything else in the folder would be a picture nobody documented.
    for (const auto &file : shipped::fileNames(folder)) {
        std::string name = file.substr(0, file.rfind('.'));
        if (name.size() > 3 && name.compare(name.size() - 3, 3, "@2x") == 0)
            name.resize(name.size() - 3);
        EXPECT_TRUE(expected.count(name)) << file << " is not in the list of pictures";
    }
}

} // namespace

TEST(Pictures, TessalyHasEveryPictureAtOneAndTwoTimesItsSize) {
    checkPictures(shipped::tessalyHome() + "/pictures",
                  {{"tessaly", {48, 48}},
                   {"splash", {420, 260}},
                   {"splash-frame-0", {80, 80}},
                   {"splash-frame-1", {80, 80}},
                   {"splash-frame-2", {80, 80}},
                   {"splash-sound", {48, 48}},
                   {"pelfin-rest", {64, 64}},
                   {"pelfin-wave-left", {64, 64}},
                   {"pelfin-wave-right", {64, 64}},
                   {"pelfin-cheer", {64, 64}},
                   {"folder", {16, 16}}});
}

TEST(Pictures, VmcntrlHasEveryPictureAtOneAndTwoTimesItsSize) {
    Sizes expected = {{"vmcntrl", {48, 48}},
                      {"about", {120, 120}},
                      {"wizard-welcome", {120, 160}},
                      {"wizard-ready", {120, 160}},
                      {"wizard-complete", {120, 160}},
                      {"preview-placeholder", {200, 150}}};
    for (const char *tool : {"new", "open", "save", "delete", "wizard", "report", "settings", "twindow", "help", "whats"})
        expected[std::string("tool-") + tool] = {24, 24};
    checkPictures(shipped::vmcntrlHome() + "/pictures", expected);
}

TEST(Pictures, DesktopIconsComeAtTheThemeSizes) {
    for (const char *program : {"tessaly", "vmcntrl"}) {
        for (std::uint32_t size : {16u, 24u, 32u, 48u, 64u, 128u, 256u}) {
            const std::string path = std::string(RENDERED_ICONS) + "/" + std::to_string(size) + "x" +
                                     std::to_string(size) + "/" + program + ".png";
            const auto bytes = shipped::read(path);
            ASSERT_TRUE(bytes) << path;
            EXPECT_EQ(shipped::pngSize(*bytes), (shipped::Size{size, size})) << path;
        }
    }
}
