#include "tessaly/generator/applet_generator.h"
#include "tessaly/generator/destination_directory.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

using namespace tessaly;
namespace fs = std::filesystem;

namespace {

// A program directory with every class file (each holding its own name) and a web folder.
class GeneratorTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directory(program());
        fs::create_directory(web());
        for (std::string_view name : kClassFileCopies)
            TempDir::write(program() + "/" + std::string(name), std::string(name));
    }
    std::string program() const { return dir.file("program"); }
    std::string web() const { return dir.file("web"); }
    static Document twoLinks(const char* linkType) {
        Document d;
        d.links.append("One", "a.htm", "_self");
        d.links.append("Two", "b.htm", "_top");
        d.properties = AppletProperties::initial();
        d.properties[Property::LinkType] = linkType;
        return d;
    }
    static std::set<std::string> filesIn(const std::string& folder) {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder))
            names.insert(entry.path().filename().string());
        return names;
    }
    TempDir dir;
};

const std::set<std::string> kClassFiles{"MultiList.class",   "myfont.class",   "mylist.class",
                                        "createcolor.class", "multdesc.class", "framer.class",
                                        "framer_list.class"};

} // namespace

TEST_F(GeneratorTest, EveryLinkTypeCopiesAllClassFiles) {
    for (const char* type : {"Pull down list", "Scroll list", "Window list"}) {
        fs::remove_all(web());
        fs::create_directory(web());
        Document d = twoLinks(type);
        ASSERT_TRUE(Generate(d, {program(), web()}).ok) << type;
        EXPECT_EQ(filesIn(web()), kClassFiles) << type;
        EXPECT_EQ(TempDir::read(web() + "/MultiList.class"), "MultiList.class");
    }
}

TEST_F(GeneratorTest, ForBrowsersWithoutJavaTheScriptIsCopiedToo) {
    TempDir::write(program() + "/tessaly.js", "runtime");
    Document off = twoLinks("Pull down list");
    const GenerateResult plain = Generate(off, {program(), web()});
    EXPECT_EQ(filesIn(web()), kClassFiles); // off: the script stays where it is
    EXPECT_EQ(plain.fragment.find("tessaly.js"), std::string::npos);

    Document on = twoLinks("Pull down list");
    const GenerateResult result = Generate(on, {program(), web()}, true);
    ASSERT_TRUE(result.ok);
    std::set<std::string> expected = kClassFiles;
    expected.insert("tessaly.js");
    EXPECT_EQ(filesIn(web()), expected);
    EXPECT_EQ(TempDir::read(web() + "/tessaly.js"), "runtime");
    EXPECT_NE(result.fragment.find("<SCRIPT SRC=\"tessaly.js\"></SCRIPT>\r\n"
                                   "This browser is unable to view Java applets.\r\n"),
              std::string::npos);
}

TEST_F(GeneratorTest, AMissingScriptIsSkippedLikeAMissingClassFile) {
    Document d = twoLinks("Window list");
    const GenerateResult result = Generate(d, {program(), web()}, true);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(filesIn(web()), kClassFiles);
    EXPECT_NE(result.fragment.find("<SCRIPT SRC=\"tessaly.js\"></SCRIPT>"), std::string::npos);
}

TEST_F(GeneratorTest, SizeDefaultsAreWrittenBackIntoTheDocument) {
    Document d = twoLinks("Scroll list");
    const GenerateResult result = Generate(d, {program(), web()});
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(d.properties[Property::AppletWidth], "310");
    EXPECT_EQ(d.properties[Property::ListHeight], "50");
    EXPECT_EQ(result.fragment.rfind("<APPLET CODE=\"MultiList\" WIDTH=310 HEIGHT=60\r\n", 0), 0u);
}

TEST_F(GeneratorTest, SoundFileIsCopiedIntoTheDefaultDirectory) {
    const std::string sound = dir.file("ding.au");
    TempDir::write(sound, "au-bytes");
    Document d = twoLinks("Scroll list");
    d.properties[Property::Sound] = sound;
    const GenerateResult result = Generate(d, {program(), web()});
    EXPECT_EQ(TempDir::read(web() + "/ding.au"), "au-bytes");
    EXPECT_NE(result.fragment.find("<PARAM NAME=\"sound\" VALUE=\"ding.au\">"), std::string::npos);
}

TEST_F(GeneratorTest, FailedCopiesAreSkippedAndCodeIsStillMade) {
    fs::remove(program() + "/framer.class");
    Document d = twoLinks("Window list");
    d.properties[Property::Sound] = dir.file("missing.wav");
    const GenerateResult result = Generate(d, {program(), web()});
    ASSERT_TRUE(result.ok);
    EXPECT_FALSE(fs::exists(web() + "/framer.class"));
    EXPECT_TRUE(fs::exists(web() + "/framer_list.class"));

    Document elsewhere = twoLinks("Window list");
    EXPECT_TRUE(Generate(elsewhere, {program(), dir.file("no-such-folder")}).ok);
}

TEST_F(GeneratorTest, AnUnknownLinkTypeChangesNothing) {
    Document d = twoLinks("Drop list");
    const Document before = d;
    const GenerateResult result = Generate(d, {program(), web()});
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.fragment, "");
    EXPECT_EQ(result.error, kUnknownLinkTypeMessage);
    EXPECT_EQ(d, before);
    EXPECT_TRUE(filesIn(web()).empty());
    EXPECT_EQ(compileObstacle(d), kUnknownLinkTypeMessage);
}

TEST_F(GeneratorTest, CompileNeedsTwoLinks) {
    Document d = twoLinks("Scroll list");
    EXPECT_EQ(compileObstacle(d), std::nullopt);
    Document one;
    one.properties = AppletProperties::initial();
    one.links.append("Only", "o.htm", "");
    EXPECT_EQ(compileObstacle(one), kTooFewLinksMessage);
}

TEST_F(GeneratorTest, ADefaultDirectoryWithoutSeparatorCopiesIntoTheCurrentDirectory) {
    const fs::path before = fs::current_path();
    fs::current_path(web());
    Document d = twoLinks("Scroll list");
    const bool ok = Generate(d, {program(), "web"}).ok;
    fs::current_path(before);
    EXPECT_TRUE(ok);
    EXPECT_EQ(filesIn(web()), kClassFiles);
}

TEST_F(GeneratorTest, DestinationDirectoryRule) {
    TempDir::write(web() + "/index.htm", "page");
    EXPECT_EQ(destinationDirectory(web() + "/index.htm"), web()); // an existing page
    EXPECT_EQ(destinationDirectory(web() + "/"), web());          // an existing folder
    EXPECT_EQ(destinationDirectory(web()), web());
    EXPECT_EQ(destinationDirectory(web() + "/*.htm"), web()); // a pattern
    EXPECT_EQ(destinationDirectory(web() + "/new/page.htm"), web() + "/new");
    EXPECT_EQ(destinationDirectory("C:\\Web\\index.htm"), "C:\\Web");
    EXPECT_EQ(destinationDirectory("C:\\Web\\*.*"), "C:\\Web");
    EXPECT_EQ(destinationDirectory("C:\\index.htm"), "C:\\");
    EXPECT_EQ(destinationDirectory("C:"), "C:\\");
    EXPECT_EQ(destinationDirectory("D:web"), "D:\\");
    EXPECT_EQ(destinationDirectory("web"), "");
    EXPECT_EQ(destinationDirectory(""), "");
    EXPECT_EQ(destinationDirectory("/"), "/");
    EXPECT_EQ(destinationDirectory("/ignoreme.txt"), "/");
    EXPECT_EQ(destinationFile("", "a.class"), "a.class");
}
