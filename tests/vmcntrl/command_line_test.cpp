#include "vmcntrl/config/command_line.h"
#include "vmcntrl/config/vellum_ini.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace vmcntrl;

namespace {
int run(const std::vector<std::string>& args, std::string& out, std::string& err) {
    std::ostringstream o, e;
    const int code = runBatch(parseCommandLine(args), o, e);
    out = o.str();
    err = e.str();
    return code;
}
} // namespace

TEST(CommandLine, ListPrintsTheListedNamesInFileOrder) {
    TempDir dir;
    TempDir::write(dir.file("vellum.ini"),
                   "[NumTags]\r\nZeta=Zeta\r\nalpha=alpha\r\nMid=Mid\r\n[Unlisted]\r\nForm=x\r\n");
    std::string out, err;
    EXPECT_EQ(run({"--home", dir.path(), "--list"}, out, err), 0);
    EXPECT_EQ(out, "Zeta\nalpha\nMid\n");
    EXPECT_EQ(err, "");
}

TEST(CommandLine, ListOfAHomeWithoutVellumIniIsEmpty) {
    TempDir dir;
    std::string out, err;
    EXPECT_EQ(run({"--list", "--home", dir.path()}, out, err), 0);
    EXPECT_EQ(out, "");
}

TEST(CommandLine, BadArgumentsFailWithAMessage) {
    std::string out, err;
    EXPECT_EQ(run({"--frobnicate"}, out, err), 2);
    EXPECT_NE(err.find("--frobnicate"), std::string::npos);
    EXPECT_EQ(run({"--home"}, out, err), 2);
    EXPECT_EQ(run({"--home", "/no/such/dir/anywhere", "--list"}, out, err), 1);
    EXPECT_NE(err.find("/no/such/dir/anywhere"), std::string::npos);
}

TEST(CommandLine, HelpListsTheVerbs) {
    std::string out, err;
    EXPECT_EQ(run({"--help"}, out, err), 0);
    EXPECT_NE(out.find("--list"), std::string::npos);
    EXPECT_NE(out.find("--home"), std::string::npos);
}
