#include "tessaly/batch/batch_commands.h"
#include "tessaly/document/document_file.h"
#include "tessaly/generator/applet_fragment.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

using namespace tessaly;

namespace {

struct Outcome {
    int code;
    std::string out, err;
};

Outcome run(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int code = runBatchCommand(parseCommandLine(args), out, err);
    return {code, out.str(), err.str()};
}

} // namespace

TEST(BatchCommands, UsageErrorsExitWithTwo) {
    EXPECT_EQ(run({"--compile"}).code, kExitUsage);
    EXPECT_EQ(run({"--frobnicate"}).code, kExitUsage);
    EXPECT_EQ(run({"--home"}).code, kExitUsage);
    EXPECT_EQ(run({"--compile", "a.tsy", "--help"}).code, kExitUsage);
    const Outcome help = run({"--help"});
    EXPECT_EQ(help.code, kExitOk);
    EXPECT_NE(help.out.find("--compile DOC.tsy"), std::string::npos);
    EXPECT_EQ(parseCommandLine({"--home", "/x"}).verb, CommandLine::Verb::Window);
}

TEST(BatchCommands, CompileWritesTheFragmentAndCopiesIntoTheDefaultDirectory) {
    TempDir home;
    TempDir web;
    TempDir::write(home.file("Tessaly.ini"),
                   "[File Location]\r\nDefault Directory=" + web.path() + "\r\n");
    TempDir::write(home.file("myfont.class"), "class");
    Document d;
    d.links.append("One", "a.htm", "_self");
    d.links.append("Two", "b.htm", "_top");
    d.properties = AppletProperties::initial();
    d.properties[Property::LinkType] = "Scroll list";
    ASSERT_TRUE(saveDocument(home.file("d.tsy"), d));

    const Outcome r = run({"--home", home.path(), "--compile", home.file("d.tsy")});
    EXPECT_EQ(r.code, kExitOk);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out.rfind("<APPLET CODE=\"MultiList\" WIDTH=310 HEIGHT=60\r\n", 0), 0u);
    EXPECT_EQ(r.out.substr(r.out.size() - 11), "</APPLET>\r\n");
    EXPECT_EQ(TempDir::read(web.file("myfont.class")), "class");
}

TEST(BatchCommands, CompileFollowsTheBrowsersWithoutJavaSwitch) {
    TempDir home;
    TempDir web;
    const std::string where = "[File Location]\r\nDefault Directory=" + web.path() + "\r\n";
    TempDir::write(home.file("tessaly.js"), "runtime");
    Document d;
    d.links.append("One", "a.htm", "_self");
    d.links.append("Two", "b.htm", "_top");
    d.properties = AppletProperties::initial();
    d.properties[Property::LinkType] = "Window list";
    ASSERT_TRUE(saveDocument(home.file("d.tsy"), d));
    Document expected = d;
    applySizeDefaults(expected.properties);
    const std::string today = *appletFragment(expected);

    TempDir::write(home.file("Tessaly.ini"), where);
    const Outcome off = run({"--home", home.path(), "--compile", home.file("d.tsy")});
    EXPECT_EQ(off.code, kExitOk);
    EXPECT_EQ(off.out, today);
    EXPECT_FALSE(std::filesystem::exists(web.file("tessaly.js")));

    TempDir::write(home.file("Tessaly.ini"), where + "[General]\r\nBrowsers Without Java=Yes\r\n");
    const Outcome on = run({"--home", home.path(), "--compile", home.file("d.tsy")});
    EXPECT_EQ(on.code, kExitOk);
    EXPECT_EQ(on.out, *appletFragment(expected, true));
    EXPECT_EQ(TempDir::read(web.file("tessaly.js")), "runtime");
}

TEST(BatchCommands, CompileRefusesTooFewLinksAndUnknownLinkTypes) {
    TempDir home;
    Document d;
    d.properties = AppletProperties::initial();
    d.links.append("One", "a.htm", "");
    ASSERT_TRUE(saveDocument(home.file("one.tsy"), d));
    const Outcome one = run({"--home", home.path(), "--compile", home.file("one.tsy")});
    EXPECT_EQ(one.code, kExitFailed);
    EXPECT_EQ(one.out, "");
    EXPECT_EQ(one.err,
              "Sorry, no bookmarks, no tessaly. Please add\ntwo or more bookmarks to the list.\n");

    d.links.append("Two", "b.htm", "");
    d.properties[Property::LinkType] = "Marquee";
    ASSERT_TRUE(saveDocument(home.file("odd.tsy"), d));
    const Outcome odd = run({"--home", home.path(), "--compile", home.file("odd.tsy")});
    EXPECT_EQ(odd.code, kExitFailed);
    EXPECT_EQ(odd.out, "");
    EXPECT_NE(odd.err.find("link type"), std::string::npos);

    EXPECT_EQ(run({"--home", home.path(), "--compile", home.file("missing.tsy")}).code,
              kExitFailed);
}
