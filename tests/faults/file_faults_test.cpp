// Every file either program reads or writes, with each thing that can stand in its place:
// each case ends within a second with the documented outcome (a clear message, or the
// behaviour the program has for that file), and a refused case changes no file.
#include "fault_setup.h"

#include "tessaly/batch/batch_commands.h"
#include "tessaly/document/options_file.h"
#include "vmcntrl/config/command_line.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <sstream>

using faults::Fault;
namespace fs = std::filesystem;

namespace {

struct Outcome {
    int code = 0;
    std::string text; // standard output and error together
};

Outcome tessalyVerb(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int code = tessaly::runBatchCommand(tessaly::parseCommandLine(args), out, err);
    return {code, out.str() + err.str()};
}

Outcome vmcntrlVerb(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int code = vmcntrl::runBatch(vmcntrl::parseCommandLine(args), out, err);
    return {code, out.str() + err.str()};
}

const std::string kDocument = "[Link]\r\nLink Desc 0=One\r\nLink URL 0=http://one/\r\n"
                              "Link Frame 0=_self\r\nLink Desc 1=Two\r\nLink URL 1=http://two/\r\n"
                              "Link Frame 1=_self\r\n[Properties]\r\nLink Type=Pull down list\r\n";
const std::string kBookmarks = "<DT><A HREF=\"http://three/\">Three</A>\n";
const std::string kTemplate = "<!--Feedback form-->\r\n<INPUT NAME=\"Name\">\r\n";
const std::string kOptions = "[General]\r\nShow Tooltips=Yes\r\n";

// A program directory with one of everything, so that only the file under test is amiss.
void fillHome(const TempDir& home) {
    fs::create_directories(home.file("docs"));
    fs::create_directories(home.file("bm"));
    fs::create_directories(home.file("template"));
    fs::create_directories(home.file("FORMS"));
    fs::create_directories(home.file("SAVED"));
    TempDir::write(home.file("docs/links.tsy"), kDocument);
    TempDir::write(home.file("bm/bookmarks.htm"), kBookmarks);
    TempDir::write(home.file("template/0.fm"), kTemplate);
    TempDir::write(home.file("Tessaly.ini"), kOptions);
    TempDir::write(home.file("FORMS/Feedback.html"), "<FORM>\r\n<INPUT NAME=\"Mail\">\r\n");
    TempDir::write(home.file("vellum.ini"),
                   "[NumTags]\r\nFeedback=Feedback\r\n[Feedback]\r\nForm=" +
                       home.file("FORMS/Feedback.html") + "\r\nOutputStyle=0\r\n");
}

// What a case must give: its exit code and a text its output contains.
struct Expect {
    int code;
    const char* text;
};
constexpr Expect kPipe{1, "is a pipe, not a file"};
constexpr Expect kDevice{1, "is a device, not a file"};
constexpr Expect kFolderHere{1, "is a folder, not a file"};
constexpr Expect kLoop{1, "symbolic link that loops"};
constexpr Expect kTooLarge{1, "larger than 64 MiB"};
constexpr Expect kReadOnly{1, "read-only"};
constexpr Expect kNoFolder{1, "does not exist"};

struct Subject {
    const char* file;   // what the file is, and who uses it
    const char* path;   // below the program directory
    std::string content;
    std::function<Outcome(const TempDir& home, const std::string& path)> run;
    Expect expect[faults::kFaultCount]; // in the order of Fault
};

std::vector<Subject> subjects() {
    constexpr Expect ok{0, ""};
    constexpr Expect noLinks{1, "Sorry, no bookmarks"};
    constexpr Expect compiled{0, "<APPLET"};
    const auto compile = [](const TempDir& home, const std::string& path) {
        return tessalyVerb({"--home", home.path(), "--compile", path});
    };
    const auto wizard = [](const TempDir& home, const std::string&) {
        return vmcntrlVerb({"--home", home.path(), "--wizard", "New", "--template", "0", "--save",
                            "text"});
    };
    const Expect wizardMade{0, "New"};
    return {
        {"document read by tessaly --compile", "docs/links.tsy", kDocument, compile,
         {noLinks, compiled, compiled, noLinks, kPipe, kDevice, kFolderHere, noLinks, kLoop,
          noLinks, kTooLarge}},
        {"document written by tessaly --import", "docs/links.tsy", kDocument,
         [](const TempDir& home, const std::string& path) {
             return tessalyVerb({"--home", home.path(), "--import", home.file("bm/bookmarks.htm"),
                                 "--save", path});
         },
         {ok, kReadOnly, kReadOnly, kNoFolder, kPipe, kDevice, kFolderHere, ok, kLoop,
          {1, "is not a Tessaly document"}, kTooLarge}},
        {"bookmark file read by tessaly --import", "bm/bookmarks.htm", kBookmarks,
         [](const TempDir& home, const std::string& path) {
             return tessalyVerb({"--home", home.path(), "--import", path, "--save",
                                 home.file("docs/new.tsy")});
         },
         {{1, "Re-select bookmark file."}, ok, ok, {1, "Re-select bookmark file."}, kPipe, kDevice,
          {1, "Re-select bookmark file."}, {1, "Re-select bookmark file."}, kLoop, ok, kTooLarge}},
        // Options that cannot be read are the defaults, without a message. (A missing folder
        // of a file in the program directory is a missing program directory, documents and
        // all.)
        {"Tessaly.ini read by tessaly --compile", "Tessaly.ini", kOptions,
         [](const TempDir& home, const std::string&) {
             return tessalyVerb({"--home", home.path(), "--compile", home.file("docs/links.tsy")});
         },
         {compiled, compiled, compiled, noLinks, compiled, compiled, compiled, compiled, compiled,
          compiled, compiled}},
        {"Tessaly.ini written by an option", "Tessaly.ini", kOptions,
         [](const TempDir&, const std::string& path) {
             const platform::WriteResult written =
                 tessaly::writeSwitch(path, tessaly::OptionSwitch::ShowTooltips, false);
             return Outcome{written ? 0 : 1, written.error};
         },
         {ok, kReadOnly, kReadOnly, kNoFolder, kPipe, kDevice, kFolderHere, ok, kLoop, ok,
          kTooLarge}},
        // A vellum.ini that is missing lists no scripts.
        {"vellum.ini read by vmcntrl --list", "vellum.ini", "[NumTags]\r\nA=A\r\n",
         [](const TempDir& home, const std::string&) {
             return vmcntrlVerb({"--home", home.path(), "--list"});
         },
         {ok, {0, "A"}, {0, "A"}, kNoFolder, kPipe, kDevice, kFolderHere, ok, kLoop, ok,
          kTooLarge}},
        {"vellum.ini written by vmcntrl --wizard", "vellum.ini", "[NumTags]\r\n", wizard,
         {wizardMade, kReadOnly, kReadOnly, kNoFolder, kPipe, kDevice, kFolderHere, wizardMade,
          kLoop, wizardMade, kTooLarge}},
        // A template that cannot be read is not offered.
        {"form template read by vmcntrl --wizard", "template/0.fm", kTemplate, wizard,
         {{1, "no form template 0"}, wizardMade, wizardMade, {1, "no form template 0"},
          {1, "no form template 0"}, {1, "no form template 0"}, {1, "no form template 0"},
          {1, "no form template 0"}, {1, "no form template 0"}, {1, "no form template 0"},
          {1, "no form template 0"}}},
        {"form written by vmcntrl --wizard", "FORMS/New.html", "<P>old form</P>\r\n", wizard,
         {wizardMade, kReadOnly, kReadOnly, wizardMade, kPipe, kDevice, kFolderHere, wizardMade,
          kLoop, wizardMade, kTooLarge}},
        {"data file written by vmcntrl --wizard", "SAVED/New.txt", "old data\r\n", wizard,
         {wizardMade, kReadOnly, kReadOnly, wizardMade, kPipe, kDevice, kFolderHere, wizardMade,
          kLoop, wizardMade, kTooLarge}},
        // A form that cannot be read has no keys of its own: the transaction keys remain.
        {"form read by vmcntrl --keys", "FORMS/Feedback.html", "<INPUT NAME=\"Mail\">\r\n",
         [](const TempDir& home, const std::string&) {
             return vmcntrlVerb({"--home", home.path(), "--keys", "Feedback"});
         },
         {{0, "^vmDate^"}, {0, "^Mail^"}, {0, "^Mail^"}, {0, "^vmDate^"}, {0, "^vmDate^"},
          {0, "^vmDate^"}, {0, "^vmDate^"}, {0, "^vmDate^"}, {0, "^vmDate^"}, {0, "^vmDate^"},
          {0, "^vmDate^"}}},
        // The report is written whole, never read: an old one of any size is replaced.
        {"report written by vmcntrl --report", "Feedback.rpt", "old report\r\n",
         [](const TempDir& home, const std::string&) {
             return vmcntrlVerb({"--home", home.path(), "--report", "Feedback"});
         },
         {{0, "Feedback"}, kReadOnly, kReadOnly, kNoFolder, kPipe, kDevice, kFolderHere,
          {0, "Feedback"}, kLoop, {0, "Feedback"}, {0, "Feedback"}}},
    };
}

} // namespace

TEST(FileFaults, EveryFileOfBothProgramsGivesItsDocumentedOutcomeAtOnceAndRefusalsChangeNothing) {
    for (const Subject& subject : subjects()) {
        for (int f = 0; f < faults::kFaultCount; ++f) {
            const Fault fault = static_cast<Fault>(f);
            const Expect& expect = subject.expect[f];
            SCOPED_TRACE(std::string(subject.file) + ", " + faults::faultName(fault));
            TempDir home;
            fillHome(home);
            const std::string path = home.file(subject.path);
            ASSERT_TRUE(faults::placeFault(path, subject.content, fault));
            const faults::TreePicture before = faults::pictureOf(home.path());
            const auto start = std::chrono::steady_clock::now();
            const Outcome outcome = subject.run(home, path);
            EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
            EXPECT_EQ(outcome.code, expect.code) << outcome.text;
            EXPECT_NE(outcome.text.find(expect.text), std::string::npos) << outcome.text;
            if (outcome.code != 0) {
                EXPECT_EQ(faults::pictureOf(home.path()), before) << "a refused case changed files";
            }
            faults::restorePermissions(home.path());
        }
    }
}
