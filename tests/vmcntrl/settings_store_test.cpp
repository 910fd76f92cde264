#include "vmcntrl/config/settings_store.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

using namespace vmcntrl;

namespace {
struct SettingsTest : ::testing::Test {
    TempDir dir;
    VellumIni ini{dir.file("vellum.ini")};
    Settings settings;
};
} // namespace

TEST_F(SettingsTest, FirstStartWithoutFileHasNothingAndWritesNothing) {
    loadSettings(ini, settings);
    const StartupConfig start = readStartupConfig(ini, settings);
    EXPECT_EQ(settings, Settings{});
    EXPECT_FALSE(start.warnAboutMail);
    EXPECT_EQ(start.left, 0);
    EXPECT_EQ(start.top, 0);
    EXPECT_FALSE(platform::fileExists(ini.path()));
}

TEST_F(SettingsTest, LoadReadsTheCopiesAndMakesConfigCurrent) {
    TempDir::write(ini.path(), "[Config]\r\nBrowser=/usr/bin/browser\r\nTextEditor=ed\r\n"
                               "HTMLEditor=htmled\r\nWinScriptAlias=http://h/cgi/\r\n"
                               "ServerDomain=h\r\nMailServer=smtp.h\r\nFrom=me@h\r\nISAPI=Yes\r\n");
    ini.setCurrentSection("Some script");
    loadSettings(ini, settings);
    EXPECT_EQ(ini.currentSection(), "Config");
    EXPECT_EQ(settings.Browser, "/usr/bin/browser");
    EXPECT_EQ(settings.WinScriptAlias, "http://h/cgi/");
    EXPECT_EQ(settings.From, "me@h");
    EXPECT_FALSE(settings.serverExtension) << "only start-up reads ISAPI";
    readStartupConfig(ini, settings);
    EXPECT_TRUE(settings.serverExtension);
}

TEST_F(SettingsTest, SaveAppendsTheSlashOnlyWhenMissing) {
    for (const auto& [typed, stored] :
         std::vector<std::pair<std::string, std::string>>{{"http://h/cgi-win", "http://h/cgi-win/"},
                                                          {"http://h/cgi/", "http://h/cgi/"},
                                                          {"", "/"}}) {
        settings.WinScriptAlias = typed;
        ASSERT_TRUE(saveSettings(ini, settings));
        EXPECT_EQ(settings.WinScriptAlias, stored);
        EXPECT_EQ(ini.read("Config", "WinScriptAlias"), stored);
    }
}

TEST_F(SettingsTest, SaveWritesTheSevenKeysInOrder) {
    settings = {"b", "t", "h", "a/", "d", "m", "f", false};
    ASSERT_TRUE(saveSettings(ini, settings));
    EXPECT_EQ(TempDir::read(ini.path()),
              "[Config]\r\nBrowser=b\r\nWinScriptAlias=a/\r\nTextEditor=t\r\nMailServer=m\r\n"
              "ServerDomain=d\r\nFrom=f\r\nHTMLEditor=h\r\n");
}

TEST_F(SettingsTest, MailErrorsWarnOnceAndAreReset) {
    TempDir::write(ini.path(), "[Config]\r\nMailErr=1\r\n");
    loadSettings(ini, settings);
    const StartupConfig first = readStartupConfig(ini, settings);
    EXPECT_TRUE(first.warnAboutMail);
    EXPECT_TRUE(first.mailErrReset.ok);
    EXPECT_EQ(ini.read("Config", "MailErr"), "0");
    EXPECT_FALSE(readStartupConfig(ini, settings).warnAboutMail);
}

TEST_F(SettingsTest, OnlyExactlyOneMeansMailErrors) {
    TempDir::write(ini.path(), "[Config]\r\nMailErr=yes\r\n");
    EXPECT_FALSE(readStartupConfig(ini, settings).warnAboutMail);
    EXPECT_EQ(ini.read("Config", "MailErr"), "yes");
}

TEST_F(SettingsTest, MailLogAcknowledgesErrors) {
    TempDir::write(ini.path(), "[Config]\r\nMailErr=1\r\n");
    ASSERT_TRUE(acknowledgeMailErrors(ini));
    EXPECT_EQ(ini.read("Config", "MailErr"), "0");
}

TEST_F(SettingsTest, WindowPositionRoundTripsAndBadValuesReadAsZero) {
    ASSERT_TRUE(saveWindowPosition(ini, 1440, -300));
    EXPECT_EQ(ini.read("Config", "Left"), "1440");
    const StartupConfig start = readStartupConfig(ini, settings);
    EXPECT_EQ(start.left, 1440);
    EXPECT_EQ(start.top, -300);

    EXPECT_EQ(parsePosition(""), 0);
    EXPECT_EQ(parsePosition("abc"), 0);
    EXPECT_EQ(parsePosition("12abc"), 0);
    EXPECT_EQ(parsePosition("99999999999999"), 0);
    EXPECT_EQ(parsePosition("+15"), 15);
}
