#include "vmcntrl/config/command_line.h"
#include "vmcntrl/config/vellum_ini.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
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

namespace {
struct BatchHome {
    TempDir dir;
    BatchHome() {
        std::filesystem::create_directories(dir.file("template"));
        TempDir::write(dir.file("template/0.fm"),
                       "<!--Guest book-->\r\n<INPUT NAME=\"name\"><INPUT NAME=\"email\">\r\n");
        TempDir::write(dir.file("vellum.ini"), "[Config]\r\nWinScriptAlias=/cgi/\r\nISAPI=Yes\r\n");
    }
};
} // namespace

TEST(BatchVerbs, WizardCreatesScriptFormAndDataFile) {
    BatchHome home;
    std::string out, err;
    ASSERT_EQ(run({"--home", home.dir.path(), "--wizard", "Guest", "--template", "0", "--save",
                   "data", "--copy-to", "me@example.com", "--from", "Web", "--subject", "Entry"},
                  out, err),
              0)
        << err;
    const std::string form = TempDir::read(home.dir.file("FORMS/Guest.html"));
    EXPECT_NE(form.find("ACTION=\"/cgi/vellum.dll/Guest\""), std::string::npos);
    EXPECT_NE(form.find("<INPUT NAME=\"00name\"><INPUT NAME=\"01email\">"), std::string::npos);
    EXPECT_EQ(TempDir::read(home.dir.file("SAVED/Guest.csv")), "\"name\",\"email\"\r\n");
    VellumIni ini(home.dir.file("vellum.ini"));
    const ScriptRecord r = ini.readScript("Guest");
    EXPECT_EQ(r.OutputStyle, "Comma");
    EXPECT_EQ(r.Archive, home.dir.file("SAVED/Guest.csv"));
    EXPECT_EQ(r.Confirm, "yes");
    EXPECT_EQ(r.SendConf, "Default");
    EXPECT_EQ(r.To, "me@example.com");
    EXPECT_EQ(r.Sender, "Web");

    EXPECT_EQ(
        run({"--home", home.dir.path(), "--wizard", "GUEST", "--template", "0", "--save", "none"},
            out, err),
        1);
    EXPECT_NE(err.find("already exists"), std::string::npos);
    EXPECT_EQ(run({"--home", home.dir.path(), "--wizard", "Guest Book", "--template", "0", "--save",
                   "none"},
                  out, err),
              1);
    EXPECT_NE(err.find("Script Names should not contain spaces"), std::string::npos);
    EXPECT_EQ(
        run({"--home", home.dir.path(), "--wizard", "Other", "--template", "7", "--save", "text"},
            out, err),
        1);
}

TEST(BatchVerbs, KeysAndReportOfAListedScript) {
    BatchHome home;
    std::string out, err;
    ASSERT_EQ(run({"--home", home.dir.path(), "--wizard", "Guest", "--template", "0", "--save",
                   "text", "--url", "http://example.com/"},
                  out, err),
              0)
        << err;
    EXPECT_EQ(run({"--home", home.dir.path(), "--keys", "Guest"}, out, err), 0);
    EXPECT_TRUE(out.starts_with("^name^\n^email^\n^vmDate^\n"));
    EXPECT_EQ(run({"--home", home.dir.path(), "--report", "Guest"}, out, err), 0);
    EXPECT_TRUE(out.starts_with("Report of Guest script.\r\n"));
    EXPECT_EQ(TempDir::read(home.dir.file("Guest.rpt")), out);
    EXPECT_NE(out.find("The browser will be directed to http://example.com/"), std::string::npos);
    EXPECT_EQ(run({"--home", home.dir.path(), "--report", "Nobody"}, out, err), 1);
    EXPECT_NE(err.find("Nobody"), std::string::npos);
}
