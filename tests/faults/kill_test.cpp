// kill -9 at random moments of a large save and of a wizard run: the file is always the old
// or the new one, the next write leaves no temporary file, and the next save succeeds. The
// kill comes from a timer inside the child (SIGALRM turned into SIGKILL), so the test never
// sleeps; the parent only waits for the child to end.
#include "tessaly/batch/batch_commands.h"
#include "tessaly/document/document_file.h"
#include "vmcntrl/config/command_line.h"
#include "vmcntrl/config/vellum_ini.h"
#include "vmcntrl/config/wizard_run.h"

#include "platform/profile_text.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <csignal>
#include <filesystem>
#include <random>
#include <sstream>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kKills = 50;

// Runs the verb in a child process that is killed after `delay` (none when zero); true
// when the child was killed rather than finished.
template <typename Verb>
bool runKilledAfter(std::chrono::microseconds delay, Verb verb) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (delay.count() > 0) {
            std::signal(SIGALRM, [](int) { ::kill(::getpid(), SIGKILL); });
            itimerval timer{};
            timer.it_value.tv_sec = static_cast<time_t>(delay.count() / 1000000);
            timer.it_value.tv_usec = static_cast<suseconds_t>(delay.count() % 1000000);
            ::setitimer(ITIMER_REAL, &timer, nullptr);
        }
        std::ostringstream out, err;
        ::_exit(verb(out, err));
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFSIGNALED(status);
}

// Hidden files a writer leaves when it is cut short: temporaries, backups, journals.
std::vector<std::string> leftovers(const std::string& folder) {
    std::vector<std::string> found;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name.front() == '.')
            found.push_back(entry.path().string());
    }
    return found;
}

std::chrono::microseconds timed(const std::function<void()>& run) {
    const auto start = std::chrono::steady_clock::now();
    run();
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() -
                                                                 start);
}

} // namespace

TEST(KillDuringWrites, ALargeSaveIsAlwaysTheOldOrTheNewFile) {
    TempDir home;
    const std::string doc = home.file("big.tsy");
    const std::string bookmarks = home.file("one.htm");
    TempDir::write(bookmarks, "<DT><A HREF=\"http://added/\">Added</A>\n");
    tessaly::Document document;
    for (int i = 0; i < 20000; ++i)
        document.links.append("Link " + std::to_string(i), "http://example.test/" + std::to_string(i),
                              "_self");
    ASSERT_TRUE(tessaly::saveDocument(doc, document).ok);
    const auto save = [&](std::ostream& out, std::ostream& err) {
        return tessaly::runBatchCommand(
            tessaly::parseCommandLine({"--home", home.path(), "--import", bookmarks, "--save", doc}),
            out, err);
    };
    const auto whole = timed([&] { ASSERT_FALSE(runKilledAfter({}, save)); });
    std::mt19937 random(14);
    std::uniform_int_distribution<long> moment(1, whole.count() + 1);
    int killed = 0;
    for (int i = 0; i < kKills; ++i) {
        const std::string old = TempDir::read(doc);
        tessaly::Document next = tessaly::documentFromText(platform::ProfileText(old));
        next.links.append("Added", "http://added/", "_self");
        killed += runKilledAfter(std::chrono::microseconds(moment(random)), save);
        const std::string now = TempDir::read(doc);
        ASSERT_TRUE(now == old || now == tessaly::documentBytes(next)) << "kill " << i;
    }
    EXPECT_GT(killed, kKills / 4) << "the kills came too late to test anything";
    // The next save succeeds and leaves nothing behind.
    ASSERT_FALSE(runKilledAfter({}, save));
    EXPECT_EQ(leftovers(home.path()), std::vector<std::string>());
}

TEST(KillDuringWrites, AWizardRunIsAlwaysWholeOrNotThereOnceTheNextRunStarted) {
    TempDir home;
    std::filesystem::create_directories(home.file("template"));
    TempDir::write(home.file("template/0.fm"), "<!--Feedback form-->\r\n<INPUT NAME=\"Name\">\r\n");
    std::string ini = "[NumTags]\r\n";
    for (int i = 0; i < 2000; ++i)
        ini += "S" + std::to_string(i) + "=S" + std::to_string(i) + "\r\n";
    TempDir::write(home.file("vellum.ini"), ini);
    const auto wizard = [&](const std::string& name) {
        return [&home, name](std::ostream& out, std::ostream& err) {
            return vmcntrl::runBatch(vmcntrl::parseCommandLine({"--home", home.path(), "--wizard",
                                                                name, "--template", "0", "--save",
                                                                "text"}),
                                     out, err);
        };
    };
    const auto whole = timed([&] { ASSERT_FALSE(runKilledAfter({}, wizard("First"))); });
    std::mt19937 random(7);
    std::uniform_int_distribution<long> moment(1, whole.count() + 1);
    const vmcntrl::VellumIni vellum(vmcntrl::vellumIniPath(home.path()));
    int killed = 0;
    for (int i = 0; i < kKills; ++i) {
        const std::string name = "Kill" + std::to_string(i);
        const std::size_t scriptsBefore = vellum.loadScriptList().count();
        killed += runKilledAfter(std::chrono::microseconds(moment(random)), wizard(name));
        // What the next run does first.
        vmcntrl::recoverWizardRuns(home.path(), vellum);
        const bool listed = vellum.loadScriptList().containsIgnoringCase(name);
        EXPECT_EQ(std::filesystem::exists(home.file("FORMS/" + name + ".html")), listed) << name;
        EXPECT_EQ(std::filesystem::exists(home.file("SAVED/" + name + ".txt")), listed) << name;
        EXPECT_EQ(vellum.loadScriptList().count(), scriptsBefore + (listed ? 1 : 0)) << name;
        // Only a temporary file of vellum.ini may remain: its next write removes it.
        for (const std::string& left : leftovers(home.path()))
            EXPECT_EQ(left.rfind(home.file(".vellum.ini."), 0), 0u) << left;
    }
    EXPECT_GT(killed, kKills / 4) << "the kills came too late to test anything";
    ASSERT_FALSE(runKilledAfter({}, wizard("Last")));
    EXPECT_TRUE(vellum.loadScriptList().containsIgnoringCase("Last"));
    EXPECT_EQ(leftovers(home.path()), std::vector<std::string>());
}
