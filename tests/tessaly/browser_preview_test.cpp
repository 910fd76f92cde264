#include "tessaly/generator/browser_preview.h"
#include "tessaly/generator/colour_text.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace tessaly;

TEST(BrowserPreview, AMissingBrowserOutweighsMissingLinks) {
    TempDir dir;
    const std::string browser = dir.file("browse.exe");
    TempDir::write(browser, "");
    EXPECT_EQ(previewCondition(0, ""), PreviewCondition::NoBrowser);
    EXPECT_EQ(previewCondition(5, dir.file("gone.exe")), PreviewCondition::NoBrowser);
    EXPECT_EQ(previewCondition(5, dir.path()), PreviewCondition::NoBrowser); // a folder
    EXPECT_EQ(previewCondition(1, browser), PreviewCondition::NoLinks);
    EXPECT_EQ(previewCondition(2, browser), PreviewCondition::Ready);
}

TEST(BrowserPreview, DdeNamesAndItems) {
    EXPECT_EQ(ddeApplicationName("C:\\Program\\netscape.exe"), "netscape");
    EXPECT_EQ(ddeApplicationName("C:\\Web\\browse.v2.exe"), "browse");
    EXPECT_EQ(ddeApplicationName("/usr/bin/firefox"), "firefox");
    EXPECT_EQ(showFileItem("C:\\Web\\~tsly.htm"), "C:\\Web\\~tsly.htm,text/html,-1,");
    EXPECT_EQ(activateItem("\x07rest"), "7,0");
    EXPECT_EQ(activateItem("A"), "65,0");
    EXPECT_EQ(activateItem("\xff"), "255,0");
    EXPECT_EQ(activateItem(""), ",0");
}

TEST(BrowserPreview, PreviewFileGoesToAnExistingDefaultDirectoryElseTheCurrentOne) {
    TempDir dir;
    TempDir::write(dir.file("index.htm"), "page");
    EXPECT_EQ(previewFilePath(dir.path()), dir.path() + "/~tsly.htm");
    EXPECT_EQ(previewFilePath(dir.file("index.htm")), dir.path() + "/~tsly.htm");
    EXPECT_EQ(previewFilePath(dir.file("missing")), "~tsly.htm");
    EXPECT_EQ(previewFilePath(""), "~tsly.htm");
}

TEST(BrowserPreview, ThePreviewPageIsAStandardsModePageAroundTheFragment) {
    EXPECT_EQ(previewFileBytes("<APPLET>\r\n</APPLET>\r\n"),
              "<!DOCTYPE html>\r\n<html>\r\n<head>\r\n<meta charset=\"utf-8\">\r\n"
              "<title>Tessaly Preview</title>\r\n</head>\r\n<body>\r\n"
              "<APPLET>\r\n</APPLET>\r\n\r\n</body>\r\n</html>\r\n");
    // UTF-8 is declared only for text that is UTF-8; other bytes are left to the browser.
    EXPECT_NE(previewFileBytes("Caf\xc3\xa9").find("charset"), std::string::npos);
    for (const char* bytes : {"Caf\xe9", "\xc3", "\xc0\xaf", "\xe2\x82", "\xf8\x88\x80\x80\x80"}) {
        const std::string page = previewFileBytes(bytes);
        EXPECT_EQ(page.find("charset"), std::string::npos) << bytes;
        EXPECT_NE(page.find(std::string("<body>\r\n") + bytes + "\r\n</body>"), std::string::npos);
    }
}

TEST(ColourText, ChannelsAreTwoUpperCaseDigitsRedFirst) {
    EXPECT_EQ(colourText(0, 255, 0), "H00FF00");
    EXPECT_EQ(colourText(10, 0, 171), "H0A00AB");
    EXPECT_EQ(colourNumber(colourText(255, 0, 0)), 16711680);
}
