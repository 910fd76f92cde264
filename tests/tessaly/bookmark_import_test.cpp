#include "tessaly/import/bookmark_import.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

using tessaly::BookmarkImport;
using tessaly::ImportedLink;

namespace {

// A bookmark export as browsers write it: one link per line, folders as H3 headings inside
// nested DL lists, attributes a browser adds, and the hand-edited oddities the import has to
// live with.
const std::vector<std::string> kExportLines = {
    "<!DOCTYPE Bookmark-file-1>",
    "<!-- This is an automatically generated file.",
    "     It will be read and overwritten.",
    "     DO NOT EDIT! -->",
    "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">",
    "<TITLE>Bookmarks</TITLE>",
    "<H1>Bookmarks</H1>",
    "<DL><p>",
    "    <DT><H3 ADD_DATE=\"1700000000\" LAST_MODIFIED=\"1700000100\">Reference</H3>",
    "    <DL><p>",
    "        <DT><A HREF=\"http://example.com/docs/page1.htm\" ADD_DATE=\"1700000001\" "
    "ICON=\"data:image/png;base64,iVBORw0KGgo=\">First page</A>",
    "        <DT><A HREF=\"https://example.org/a?x=1&amp;y=2\" ADD_DATE=\"1700000002\">Fish &amp; Chips</A>",
    "        <DD>A note about the link above",
    "    </DL><p>",
    "    <DT><h3>Mixed</h3>",
    "    <DL><p>",
    "        <dt><a href=\"lower.htm\">lower case</a>",
    "        <Dt><A hReF=\"mixed.htm\">Mixed Case</a>",
    "        <DT><A HREF=\"one.htm\">One</A> and <A HREF=\"two.htm\">Two</A>",
    "        <DT><A HREF=unquoted.htm ADD_DATE=\"1700000003\">Unquoted then quoted</A>",
    "        <DT><A HREF=bare.htm>No quote at all</A>",
    "        <DT><A  HREF=\"two-blanks.htm\">Two blanks</A>",
    "        <DT><A HREF =\"blank-before.htm\">Blank before equals</A>",
    "        <DT><A ID=\"x\" HREF=\"other-first.htm\">Other attribute first</A>",
    "        <DT><A HREF=\"\">Empty address</A>",
    "        <DT><A HREF=\"no-text.htm\"></A>",
    "        <DT><A HREF=\"tab.htm\">\tTab first </A>",
    "    <DT><H3>Heading after links</H3>",
    "<A HREF=\"spaces.htm\">   </A>",
    "        <DT><A HREF=\"greater.htm?a>b\">Arrow inside</A>",
    "    </DL><p>",
    "</DL><p>",
};

std::string joined(const std::vector<std::string>& lines, const std::string& lineEnd) {
    std::string bytes;
    for (const std::string& line : lines)
        bytes += line + lineEnd;
    return bytes;
}

std::vector<ImportedLink> expectedExportLinks(const std::string& frame) {
    return {
        {"First page", "http://example.com/docs/page1.htm", frame},
        {"Fish &amp; Chips", "https://example.org/a?x=1&amp;y=2", frame},
        {"lower case", "lower.htm", frame},
        {"Mixed Case", "mixed.htm", frame},
        // Two anchors: the first address, and the text of the whole line.
        {"One and Two", "one.htm", frame},
        // Unquoted: the first character is taken for the quote, and the address runs on to
        // the next quote on the line.
        {"Unquoted then quoted", "nquoted.htm ADD_DATE=", frame},
        // No text in the anchor: the indentation is all there is, and a description of
        // spaces only keeps them.
        {"        ", "no-text.htm", frame},
        // Only spaces are trimmed, and only in front.
        {"\tTab first ", "tab.htm", frame},
        {"   ", "spaces.htm", frame},
        // A ">" inside the address closes the tag early, so the rest of it is text.
        {"b\"Arrow inside", "greater.htm?a>b", frame},
    };
}

std::string exportWith(const std::string& lineEnd) { return joined(kExportLines, lineEnd); }

} // namespace

TEST(BookmarkExport, YieldsEveryLinkOfABrowserExportWithTheChosenTarget) {
    EXPECT_EQ(tessaly::importBookmarks(exportWith("\n"), "_blank"), expectedExportLinks("_blank"));
}

TEST(BookmarkExport, ReadsCrLfCrOnlyAndMixedLineEndsAlike) {
    EXPECT_EQ(tessaly::importBookmarks(exportWith("\r\n"), ""), expectedExportLinks(""));
    EXPECT_EQ(tessaly::importBookmarks(exportWith("\r"), "_self"), expectedExportLinks("_self"));

    std::string mixed;
    const char* const ends[] = {"\n", "\r\n", "\r"};
    for (std::size_t i = 0; i < kExportLines.size(); ++i)
        mixed += kExportLines[i] + ends[i % 3];
    EXPECT_EQ(tessaly::importBookmarks(mixed, "_self"), expectedExportLinks("_self"));

    // The last line needs no line end.
    EXPECT_EQ(tessaly::importBookmarks("<DL>\r\n<DT><A HREF=\"a.htm\">A</A>", "_top"),
              (std::vector<ImportedLink>{{"A", "a.htm", "_top"}}));
}

TEST(BookmarkExport, ReadsEveryLinkOfALargeFile) {
    std::string bytes;
    for (int i = 0; i < 120; ++i)
        bytes += "<DT><A HREF=\"p" + std::to_string(i) + ".htm\">Page " + std::to_string(i) + "</A>\n";
    const auto links = tessaly::importBookmarks(bytes, "_self");
    ASSERT_EQ(links.size(), 120u);
    EXPECT_EQ(links.back(), (ImportedLink{"Page 119", "p119.htm", "_self"}));
}

TEST(BookmarkExport, AnEmptyFileGivesNoLinks) {
    EXPECT_TRUE(tessaly::importBookmarks("", "_self").empty());
    EXPECT_TRUE(tessaly::importBookmarks("\r\n\r\n\n\r", "_self").empty());
}

TEST(BookmarkLineScan, RecognisesTheMarkerOnlyWhenItIsExact) {
    EXPECT_EQ(tessaly::bookmarkUrl("<A HREF=\"a\">"), "a");
    EXPECT_EQ(tessaly::bookmarkUrl("<a Href=\"a\">"), "a");
    EXPECT_EQ(tessaly::bookmarkUrl("<a  href=\"a\">"), "");
    EXPECT_EQ(tessaly::bookmarkUrl("<a href =\"a\">"), "");
    EXPECT_EQ(tessaly::bookmarkUrl("<a\thref=\"a\">"), "");
    EXPECT_EQ(tessaly::bookmarkUrl("<link href=\"a\">"), "");
}

TEST(BookmarkLineScan, TakesTheAddressFromTheFirstMarkerOnly) {
    // Without a closing quote after the marker the line has no address.
    EXPECT_EQ(tessaly::bookmarkUrl("<a href=\"open <a href=x"), "");
    // An unquoted first anchor runs on to the quote of the second one.
    EXPECT_EQ(tessaly::bookmarkUrl("<a href=x>A</a> <a href=\"b.htm\">B</a>"), ">A</a> <a href=");
    EXPECT_EQ(tessaly::bookmarkUrl("<a href=\"a.htm\">A</a> <a href=\"b.htm\">B</a>"), "a.htm");
    // A marker at the very end of the line, with or without the opening quote.
    EXPECT_EQ(tessaly::bookmarkUrl("text <a href="), "");
    EXPECT_EQ(tessaly::bookmarkUrl("text <a href=\""), "");
    EXPECT_EQ(tessaly::bookmarkUrl("<a href=\"\""), "");
}

TEST(BookmarkLineScan, BuildsTheDescriptionFromTextOutsideTags) {
    EXPECT_EQ(tessaly::bookmarkDescription("a<b>c</b>d"), "acd");
    EXPECT_EQ(tessaly::bookmarkDescription("x > y"), "x  y");
    EXPECT_EQ(tessaly::bookmarkDescription("open <tag never closed"), "open ");
    EXPECT_EQ(tessaly::bookmarkDescription("<<a>>b"), "b");
}

TEST(HostileBookmarkBytes, NulBytesAreOrdinaryCharacters) {
    const std::string line("<A HREF=\"a\0b\">x\0y</A>\0", 22);
    const auto links = tessaly::importBookmarks(line + "\n" + line, "_self");
    ASSERT_EQ(links.size(), 2u);
    EXPECT_EQ(links[0].url, std::string("a\0b", 3));
    EXPECT_EQ(links[0].description, std::string("x\0y\0", 4));
}

TEST(HostileBookmarkBytes, BinaryGarbageGivesOnlyWellFormedRows) {
    std::mt19937 random(20261207);
    std::string bytes;
    const std::string pieces[] = {"<a href=\"", "<A HREF=", "\"", "<", ">", "\r", "\n", " "};
    for (int i = 0; i < 200000; ++i) {
        if (random() % 8 == 0)
            bytes += pieces[random() % 8];
        else
            bytes.push_back(static_cast<char>(random() % 256));
    }
    const auto links = tessaly::importBookmarks(bytes, "_self");
    EXPECT_FALSE(links.empty());
    for (const ImportedLink& link : links) {
        EXPECT_FALSE(link.url.empty());
        EXPECT_EQ(link.url.find_first_of("\"\r\n"), std::string::npos);
        EXPECT_FALSE(link.description.empty());
        EXPECT_EQ(link.description.find_first_of("<>\r\n"), std::string::npos);
    }
}

TEST(HostileBookmarkBytes, AHugeLineWithoutLineEndsIsScannedToItsEnd) {
    // Millions of near-markers on one line, then one real anchor: a scan that restarted at
    // each candidate would not finish.
    std::string line;
    for (int i = 0; i < 500000; ++i)
        line += "<a hre";
    line += "<a href=\"end.htm\">End</A>";
    const auto links = tessaly::importBookmarks(line, "_self");
    EXPECT_EQ(links, (std::vector<ImportedLink>{{"End", "end.htm", "_self"}}));

    const std::string lone(4000000, '\r');
    EXPECT_TRUE(tessaly::importBookmarks(lone, "_self").empty());
}

TEST(BookmarkFile, ImportsAnExistingFileWhetherItHoldsLinksOrNot) {
    TempDir dir;
    const std::string path = dir.file("bookmarks.htm");
    TempDir::write(path, exportWith("\r\n"));
    const BookmarkImport result = tessaly::importBookmarkFile(path, "_top");
    EXPECT_EQ(result.outcome, BookmarkImport::Outcome::Imported);
    EXPECT_EQ(result.links, expectedExportLinks("_top"));
    EXPECT_EQ(tessaly::bookmarkImportFailure(result, path), "");

    const std::string empty = dir.file("empty.htm");
    TempDir::write(empty, "");
    const BookmarkImport nothing = tessaly::importBookmarkFile(empty, "_self");
    EXPECT_EQ(nothing.outcome, BookmarkImport::Outcome::Imported);
    EXPECT_TRUE(nothing.links.empty());
}

TEST(BookmarkFile, AMissingFileOrEmptyPathAsksToReselect) {
    TempDir dir;
    for (const std::string& path : {dir.file("gone.htm"), std::string(), dir.path()}) {
        const BookmarkImport result = tessaly::importBookmarkFile(path, "_self");
        EXPECT_EQ(result.outcome, BookmarkImport::Outcome::Missing) << path;
        EXPECT_TRUE(result.links.empty());
        EXPECT_EQ(tessaly::bookmarkImportFailure(result, path), "Re-select bookmark file.");
    }
}

TEST(BookmarkFile, AFileThatExistsButCannotBeReadIsReportedAsSuch) {
    TempDir dir;
    // A socket passes the existence probe but cannot be opened, also for a privileged user.
    const std::string socketPath = dir.file("socket.htm");
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(socketPath.size(), sizeof address.sun_path);
    socketPath.copy(address.sun_path, socketPath.size());
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);

    // A pipe without a writer would block a plain read for ever.
    const std::string pipePath = dir.file("pipe.htm");
    ASSERT_EQ(::mkfifo(pipePath.c_str(), 0600), 0);

    for (const std::string& path : {socketPath, pipePath}) {
        const BookmarkImport result = tessaly::importBookmarkFile(path, "_self");
        EXPECT_EQ(result.outcome, BookmarkImport::Outcome::Unreadable) << path;
        EXPECT_TRUE(result.links.empty());
        EXPECT_EQ(tessaly::bookmarkImportFailure(result, path).rfind("The bookmark file " + path + " cannot be read: it is ", 0), 0u)
            << tessaly::bookmarkImportFailure(result, path);
    }
    ::close(fd);
}
