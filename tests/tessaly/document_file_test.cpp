#include "tessaly/document/document_file.h"
#include "tessaly/document/profile_routines.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace tessaly;

namespace {

Document threeLinks() {
    Document d;
    d.links.append("One", "a.htm", "_self");
    d.links.append("Two", "b.htm", "");
    d.links.append("Three", "c.htm", "_top");
    d.properties = AppletProperties::initial();
    return d;
}

} // namespace

TEST(DocumentFile, SavingWritesLinkKeysInLinkOrderThenTheThirteenProperties) {
    TempDir dir;
    const std::string path = dir.file("three.tsy");
    ASSERT_TRUE(saveDocument(path, threeLinks()));
    EXPECT_EQ(TempDir::read(path),
              "[Link]\r\n"
              "Link Desc 0=One\r\nLink URL 0=a.htm\r\nLink Frame 0=_self\r\n"
              "Link Desc 1=Two\r\nLink URL 1=b.htm\r\nLink Frame 1=\r\n"
              "Link Desc 2=Three\r\nLink URL 2=c.htm\r\nLink Frame 2=_top\r\n"
              "[Properties]\r\n"
              "Link Type=Pull down list\r\nAlignment=Left\r\nFont Type=Helvetica\r\n"
              "Font Size=10\r\nFont Style=Normal\r\nList Size Width=\r\nList Size Height=\r\n"
              "Applet Width=\r\nApplet Height=\r\nText Colour=H000000\r\n"
              "Backgorund Colour=H808080\r\nTitle=\r\nSound=\r\n");
    EXPECT_EQ(currentProfileFile(), path);
}

TEST(DocumentFile, SaveThenOpenGivesTheSameDocument) {
    TempDir dir;
    const std::string path = dir.file("round.tsy");
    Document d = threeLinks();
    d.properties[Property::Title] = "My links";
    d.properties[Property::Sound] = "C:\\snd\\ding.au";
    ASSERT_TRUE(saveDocument(path, d));
    EXPECT_EQ(openDocument(path), d);
}

TEST(DocumentFile, ValuesTheReadingRulesWouldChangeStillRoundTrip) {
    TempDir dir;
    const std::string path = dir.file("edges.tsy");
    Document d;
    d.links.append(" ", "  padded.htm  ", "\"quoted\"");
    d.links.append("'single'", "a=b=c.htm", "\t_top");
    d.links.append("He said \"hi\"", std::string(300, 'u'), "x");
    d.properties[Property::Title] = " leading blank";
    ASSERT_TRUE(saveDocument(path, d));
    // A blank-only description must not end the list on reopening and lose later links.
    EXPECT_EQ(openDocument(path), d);
}

TEST(DocumentFile, LineBreaksInAValueBecomeBlanksAndAddNoLines) {
    TempDir dir;
    const std::string path = dir.file("breaks.tsy");
    Document d;
    d.links.append("Two\r\nlines", "a.htm\n", "f");
    d.links.append("Next", "b.htm", "");
    ASSERT_TRUE(saveDocument(path, d));
    const Document back = openDocument(path);
    ASSERT_EQ(back.links.size(), 2u);
    EXPECT_EQ(back.links.descriptions()[0], "Two  lines");
    EXPECT_EQ(back.links.urls()[0], "a.htm ");
    EXPECT_EQ(back.links.descriptions()[1], "Next");
}

TEST(DocumentFile, SavingOverADocumentDropsKeysOfRemovedLinksAndForeignLines) {
    TempDir dir;
    const std::string path = dir.file("over.tsy");
    TempDir::write(path, "; notes\r\n[Extra]\r\nk=v\r\n");
    ASSERT_TRUE(saveDocument(path, threeLinks()));
    Document fewer;
    fewer.links.append("Only", "o.htm", "");
    ASSERT_TRUE(saveDocument(path, fewer));
    const std::string bytes = TempDir::read(path);
    EXPECT_EQ(bytes.find("Link Desc 1"), std::string::npos);
    EXPECT_EQ(bytes.find("Extra"), std::string::npos);
    EXPECT_EQ(bytes.rfind("[Link]\r\nLink Desc 0=Only\r\n", 0), 0u);
}

TEST(DocumentFile, AFailedSaveReportsItAndKeepsTheEarlierFile) {
    TempDir dir;
    const std::string folder = dir.file("locked");
    std::filesystem::create_directory(folder);
    const std::string path = folder + "/doc.tsy";
    TempDir::write(path, "[Link]\r\nLink Desc 0=Old\r\n");
    std::filesystem::permissions(folder, std::filesystem::perms::owner_read |
                                             std::filesystem::perms::owner_exec);
    const platform::WriteResult result = saveDocument(path, threeLinks());
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.empty());
    EXPECT_EQ(TempDir::read(path), "[Link]\r\nLink Desc 0=Old\r\n");
}

TEST(DocumentFile, OpeningStopsAtTheFirstEmptyDescription) {
    TempDir dir;
    const std::string path = dir.file("gap.tsy");
    TempDir::write(path, "[link]\nlink desc 0=A\nLink URL 0=a.htm\n"
                         "Link Desc 1=\nLink URL 1=b.htm\n"
                         "Link Desc 2=C\nLink URL 2=c.htm\n");
    const Document d = openDocument(path);
    ASSERT_EQ(d.links.size(), 1u);
    EXPECT_EQ(d.links.urls()[0], "a.htm");
    EXPECT_EQ(d.links.frames()[0], ""); // missing frame key
}

TEST(DocumentFile, MissingPropertyKeysAndMissingFilesGiveEmptyTexts) {
    TempDir dir;
    const std::string path = dir.file("props.tsy");
    TempDir::write(path, "[Properties]\r\nLink Type=Scroll list\r\n");
    const Document d = openDocument(path);
    EXPECT_TRUE(d.links.empty());
    EXPECT_EQ(d.properties[Property::LinkType], "Scroll list");
    EXPECT_EQ(d.properties[Property::FontStyle], ""); // not "Normal"
    EXPECT_EQ(openDocument(dir.file("none.tsy")), Document());
}

TEST(DocumentFile, LongValuesAreReadWhole) {
    TempDir dir;
    const std::string path = dir.file("long.tsy");
    const std::string url = "http://example.com/" + std::string(400, 'p');
    TempDir::write(path, "[Link]\r\nLink Desc 0=" + std::string(300, 'd') +
                             "\r\nLink URL 0=" + url + "\r\n");
    const Document d = openDocument(path);
    ASSERT_EQ(d.links.size(), 1u);
    EXPECT_EQ(d.links.descriptions()[0].size(), 300u);
    EXPECT_EQ(d.links.urls()[0], url);
}

TEST(ProfileRoutines, WriteAndReadWorkOnTheCurrentProfileFile) {
    TempDir dir;
    setCurrentProfileFile(dir.file("a.ini"));
    ASSERT_TRUE(WriteProfileValue("S", "Empty", ""));
    ASSERT_TRUE(WriteProfileValue("S", "Padded", "  x  "));
    EXPECT_EQ(TempDir::read(dir.file("a.ini")), "[S]\r\nEmpty=\r\nPadded=\"  x  \"\r\n");
    EXPECT_EQ(ReadProfileValue("s", "padded"), "  x  ");
    EXPECT_EQ(ReadProfileValue("S", "Missing"), "");
    setCurrentProfileFile(dir.file("b.ini"));
    EXPECT_EQ(ReadProfileValue("S", "Padded"), "");
}
