#include "tessaly/document/document_file.h"
#include "tessaly/document/options_file.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

using namespace tessaly;

TEST(OptionsFile, NoFileLeavesEverythingOffAndEmpty) {
    TempDir dir;
    const Options options = loadOptions(optionsFilePath(dir.path()));
    for (bool on : options.switches)
        EXPECT_FALSE(on);
    EXPECT_EQ(options.defaultDirectory, "");
    EXPECT_EQ(options.defaultBrowser, "");
    EXPECT_TRUE(options.browsers.empty());
}

TEST(OptionsFile, OnlyTheExactWordYesTurnsASwitchOn) {
    TempDir dir;
    const std::string ini = optionsFilePath(dir.path());
    TempDir::write(ini, "[General]\r\nShow Tooltips=yes\r\nSilence Pelfin=Yes\r\n"
                        "Freeze Splash Screen=YES\r\nChoose Browser Before Preview=No\r\n");
    const Options options = loadOptions(ini);
    EXPECT_FALSE(options.isOn(OptionSwitch::ShowTooltips));
    EXPECT_TRUE(options.isOn(OptionSwitch::SilencePelfin));
    EXPECT_FALSE(options.isOn(OptionSwitch::FreezeSplashScreen));
    EXPECT_FALSE(options.isOn(OptionSwitch::ChooseBrowserBeforePreview));
}

TEST(OptionsFile, BrowsersWithoutJavaIsTheFifthSwitch) {
    TempDir dir;
    const std::string ini = optionsFilePath(dir.path());
    EXPECT_FALSE(loadOptions(ini).isOn(OptionSwitch::ShowInBrowsersWithoutJava)); // no file
    TempDir::write(ini, "[General]\r\nShow Tooltips=Yes\r\n");
    EXPECT_FALSE(loadOptions(ini).isOn(OptionSwitch::ShowInBrowsersWithoutJava)); // no key
    TempDir::write(ini, "[General]\r\nBrowsers Without Java=yes\r\n");
    EXPECT_FALSE(loadOptions(ini).isOn(OptionSwitch::ShowInBrowsersWithoutJava));
    TempDir::write(ini, "[General]\r\nBrowsers Without Java=Yes\r\n");
    const Options options = loadOptions(ini);
    EXPECT_TRUE(options.isOn(OptionSwitch::ShowInBrowsersWithoutJava));
    EXPECT_FALSE(options.isOn(OptionSwitch::ShowTooltips));

    ASSERT_TRUE(writeSwitch(ini, OptionSwitch::ShowInBrowsersWithoutJava, false));
    EXPECT_EQ(TempDir::read(ini), "[General]\r\nBrowsers Without Java=No\r\n");
    EXPECT_FALSE(loadOptions(ini).isOn(OptionSwitch::ShowInBrowsersWithoutJava));
    ASSERT_TRUE(writeSwitch(ini, OptionSwitch::ShowInBrowsersWithoutJava, true));
    EXPECT_EQ(TempDir::read(ini), "[General]\r\nBrowsers Without Java=Yes\r\n");
}

TEST(OptionsFile, PathsAndTheBrowserListAreReadUntilTheFirstGap) {
    TempDir dir;
    const std::string ini = optionsFilePath(dir.path());
    TempDir::write(ini, "[File Location]\r\nDefault Directory=C:\\Web\r\n"
                        "Default Browser=C:\\b\\browse.exe\r\n"
                        "[Browsers]\r\n 1=one.exe\r\n 2=two.exe\r\n 3=\r\n 4=four.exe\r\n");
    const Options options = loadOptions(ini);
    EXPECT_EQ(options.defaultDirectory, "C:\\Web");
    EXPECT_EQ(options.defaultBrowser, "C:\\b\\browse.exe");
    EXPECT_EQ(options.browsers, (std::vector<std::string>{"one.exe", "two.exe"}));
}

TEST(OptionsFile, WritesGoToTessalyIniEvenAfterADocumentWasOpened) {
    TempDir dir;
    const std::string ini = optionsFilePath(dir.path());
    const std::string doc = dir.file("doc.tsy");
    ASSERT_TRUE(saveDocument(doc, Document()));
    const std::string docBytes = TempDir::read(doc);
    openDocument(doc);

    ASSERT_TRUE(writeDefaultBrowser(ini, "b.exe"));
    ASSERT_TRUE(writeSwitch(ini, OptionSwitch::ShowTooltips, true));
    ASSERT_TRUE(writeSwitch(ini, OptionSwitch::SilencePelfin, false));
    ASSERT_TRUE(writeDefaultDirectory(ini, "C:"));

    EXPECT_EQ(TempDir::read(doc), docBytes);
    EXPECT_EQ(TempDir::read(ini),
              "[File Location]\r\nDefault Browser=b.exe\r\nDefault Directory=C:\r\n"
              "[General]\r\nShow Tooltips=Yes\r\nSilence Pelfin=No\r\n");
}
