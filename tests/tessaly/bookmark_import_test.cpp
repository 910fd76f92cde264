#include "tessaly/batch/batch_commands.h"
#include "tessaly/document/bookmark_import.h"
#include "tessaly/document/document_file.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace tessaly;

namespace {
BookmarkLink scanned(std::string_view line) {
    const auto link = scanBookmarkLine(line);
    return link ? *link : BookmarkLink{"<none>", "<none>"};
}
bool same(const BookmarkLink& a, const BookmarkLink& b) {
    return a.description == b.description && a.url == b.url;
}
#define EXPECT_LINK(line, desc, address) \
    EXPECT_TRUE(same(scanned(line), BookmarkLink{desc, address})) \
        << "description [" << scanned(line).description << "] url [" << scanned(line).url << "]"
} // namespace

TEST(BookmarkLine, BrowserExportLinesGiveTheAddressAndTheTextOutsideTags) {
    EXPECT_LINK("    <DT><A HREF=\"docs/page1.htm\" ADD_DATE=\"912345678\">First page</A>", "First page",
                "docs/page1.htm");
    EXPECT_LINK("<dt><a href=\"http://x.org/\" ICON=\"data:image/png;base64,AAA\">X &amp; Y</a>",
                "X &amp; Y", "http://x.org/");
    EXPECT_LINK("<Dt><A hReF=\"m.htm\">\tMixed </a>", "\tMixed ", "m.htm");
    EXPECT_LINK("  <a href=\"a.htm\">One</a> and <a href=\"b.htm\">Two</a>", "One and Two", "a.htm");
    EXPECT_LINK("<a href=\"a.htm\">   </a>", "   ", "a.htm"); // blanks only stay
}

TEST(BookmarkLine, LinesWithoutACompleteFirstAnchorGiveNothing) {
    EXPECT_FALSE(scanBookmarkLine("<DT><H3 ADD_DATE=\"1\">Links</H3>"));
    EXPECT_FALSE(scanBookmarkLine("<TITLE>Bookmarks</TITLE>"));
    EXPECT_FALSE(scanBookmarkLine("<!DOCTYPE NETSCAPE-Bookmark-file-1>"));
    EXPECT_FALSE(scanBookmarkLine("<a  href=\"a.htm\">two blanks</a>"));
    EXPECT_FALSE(scanBookmarkLine("<a href =\"a.htm\">blank before =</a>"));
    EXPECT_FALSE(scanBookmarkLine("<a name=\"x\" href=\"a.htm\">other attribute first</a>"));
    EXPECT_FALSE(scanBookmarkLine("<a href=\"a.htm>no closing quote</a>"));
    EXPECT_FALSE(scanBookmarkLine("<a href=\"\">empty address</a>"));
    EXPECT_FALSE(scanBookmarkLine("<a href=\"a.htm\"></a>")); // no text
    EXPECT_FALSE(scanBookmarkLine("<a href="));
    EXPECT_FALSE(scanBookmarkLine(""));
}

TEST(BookmarkLine, AnUnquotedAddressLosesItsFirstCharacter) {
    EXPECT_LINK("<a href=http://x.org/>X</a> <a href=\"b\">", "X ", "ttp://x.org/>X</a> <a href=");
    EXPECT_FALSE(scanBookmarkLine("<a href=http://x.org/>X</a>"));
}

TEST(BookmarkImport, EveryLineEndCountsAndLinksAreAppendedWithTheTarget) {
    LinkList links;
    links.append("Existing", "e.htm", "_top");
    const std::string file = "<DL><p>\r\n<DT><A HREF=\"a.htm\">A</A>\r\n<DT><H3>Folder</H3>\n"
                             "<DT><A HREF=\"b.htm\">B</A>\r<DT><A HREF=\"c.htm\">C</A>";
    EXPECT_EQ(importBookmarks(file, "_blank", links), 3u);
    EXPECT_EQ(links.descriptions(), (std::vector<std::string>{"Existing", "A", "B", "C"}));
    EXPECT_EQ(links.urls(), (std::vector<std::string>{"e.htm", "a.htm", "b.htm", "c.htm"}));
    EXPECT_EQ(links.frames(), (std::vector<std::string>{"_top", "_blank", "_blank", "_blank"}));
}

TEST(BookmarkImport, BinaryBytesDoNotUpsetTheScanner) {
    std::string junk;
    for (int i = 0; i < 4096; ++i)
        junk += static_cast<char>((i * 131) & 0xFF);
    LinkList links;
    importBookmarks(junk + "<a href=\"z\">Z</a>\n" + junk, "", links);
    EXPECT_GE(links.size(), 1u);
}

TEST(BookmarkImport, MissingFilesAskForAnotherOne) {
    EXPECT_EQ(readBookmarkFile("").error, kReselectBookmarkFileMessage);
    TempDir dir;
    EXPECT_EQ(readBookmarkFile(dir.file("none.htm")).error, kReselectBookmarkFileMessage);
    EXPECT_EQ(readBookmarkFile(dir.path()).error, kReselectBookmarkFileMessage);
}

TEST(BookmarkImport, BatchVerbAppendsToTheDocumentAndSavesIt) {
    TempDir dir;
    TempDir::write(dir.file("bookmarks.htm"), "<DT><A HREF=\"n.htm\">New</A>\n");
    Document d;
    d.properties = AppletProperties::initial();
    d.properties[Property::Title] = "kept";
    d.links.append("Old", "o.htm", "");
    ASSERT_TRUE(saveDocument(dir.file("doc.tsy"), d));

    std::ostringstream out, err;
    EXPECT_EQ(runBatchCommand(parseCommandLine({"--import", dir.file("bookmarks.htm"), "--target", "main",
                                                "--save", dir.file("doc.tsy")}),
                              out, err),
              kExitOk);
    const Document back = openDocument(dir.file("doc.tsy"));
    EXPECT_EQ(back.links.descriptions(), (std::vector<std::string>{"Old", "New"}));
    EXPECT_EQ(back.links.frames(), (std::vector<std::string>{"", "main"}));
    EXPECT_EQ(back.properties[Property::Title], "kept");

    EXPECT_EQ(runBatchCommand(parseCommandLine({"--import", dir.file("bookmarks.htm"), "--save",
                                                dir.file("new.tsy")}),
                              out, err),
              kExitOk);
    const Document fresh = openDocument(dir.file("new.tsy"));
    EXPECT_EQ(fresh.links.frames(), (std::vector<std::string>{"_self"}));
    EXPECT_EQ(fresh.properties[Property::LinkType], "Pull down list");
}

TEST(BookmarkImport, BatchVerbRefusesAMissingFileAndBadArguments) {
    TempDir dir;
    std::ostringstream out, err;
    EXPECT_EQ(runBatchCommand(parseCommandLine({"--import", dir.file("gone.htm"), "--save", dir.file("d.tsy")}),
                              out, err),
              kExitFailed);
    EXPECT_EQ(err.str(), "Re-select bookmark file.\n");
    EXPECT_FALSE(platform::fileExists(dir.file("d.tsy")));
    EXPECT_EQ(parseCommandLine({"--import", "b.htm"}).error, "--import needs --save DOC.tsy");
    EXPECT_FALSE(parseCommandLine({"--compile", "d.tsy", "--target", "x"}).error.empty());
}
