// The --import verb: a bookmark file's links appended to a document, saved as Save does.
#include "tessaly/batch/batch_commands.h"
#include "tessaly/document/document_file.h"

#include "platform/file_ops.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace tessaly;

TEST(ImportVerb, BatchVerbAppendsToTheDocumentAndSavesIt) {
    TempDir dir;
    TempDir::write(dir.file("bookmarks.htm"), "<DT><A HREF=\"n.htm\">New</A>\n");
    Document d;
    d.properties = AppletProperties::initial();
    d.properties[Property::Title] = "kept";
    d.links.append("Old", "o.htm", "");
    ASSERT_TRUE(saveDocument(dir.file("doc.tsy"), d));

    std::ostringstream out, err;
    EXPECT_EQ(runBatchCommand(parseCommandLine({"--import", dir.file("bookmarks.htm"), "--target",
                                                "main", "--save", dir.file("doc.tsy")}),
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

TEST(ImportVerb, BatchVerbRefusesAMissingFileAndBadArguments) {
    TempDir dir;
    std::ostringstream out, err;
    EXPECT_EQ(runBatchCommand(
                  parseCommandLine({"--import", dir.file("gone.htm"), "--save", dir.file("d.tsy")}),
                  out, err),
              kExitFailed);
    EXPECT_EQ(err.str(), "Re-select bookmark file.\n");
    EXPECT_FALSE(platform::fileExists(dir.file("d.tsy")));
    EXPECT_EQ(parseCommandLine({"--import", "b.htm"}).error, "--import needs --save DOC.tsy");
    EXPECT_FALSE(parseCommandLine({"--compile", "d.tsy", "--target", "x"}).error.empty());
}

TEST(ImportVerb, BatchVerbNeverReplacesAFileThatIsNotADocument) {
    TempDir dir;
    TempDir::write(dir.file("bookmarks.htm"), "<DT><A HREF=\"n.htm\">New</A>\n");
    const std::string notes = "My notes\r\nnot an ini file at all\r\n";
    TempDir::write(dir.file("notes.tsy"), notes);
    std::ostringstream out, err;
    EXPECT_EQ(runBatchCommand(parseCommandLine({"--import", dir.file("bookmarks.htm"), "--save",
                                                dir.file("notes.tsy")}),
                              out, err),
              kExitFailed);
    EXPECT_EQ(err.str(),
              dir.file("notes.tsy") + " is not a Tessaly document; it was left unchanged.\n");
    EXPECT_EQ(TempDir::read(dir.file("notes.tsy")), notes);

    TempDir::write(dir.file("empty.tsy"), "");
    EXPECT_EQ(runBatchCommand(parseCommandLine({"--import", dir.file("bookmarks.htm"), "--save",
                                                dir.file("empty.tsy")}),
                              out, err),
              kExitOk);
    EXPECT_EQ(openDocument(dir.file("empty.tsy")).links.size(), 1u);
}
