// Several processor processes at once on one archive, as a busy web server runs them: every
// submission must arrive whole, none may be lost or interleaved.
#include "vellum_home.h"

#include "platform/locked_file.h"
#include "vellum/processor.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <set>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kProcesses = 6;
constexpr int kEach = 30;

// Runs the work in kProcesses child processes at once; true when all of them finished well.
bool inParallel(const std::function<bool(int process)>& work) {
    std::vector<pid_t> children;
    for (int p = 0; p < kProcesses; ++p) {
        const pid_t pid = ::fork();
        if (pid == 0)
            ::_exit(work(p) ? 0 : 1);
        if (pid < 0)
            return false;
        children.push_back(pid);
    }
    bool ok = true;
    for (pid_t pid : children) {
        int status = 0;
        ok = ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0 &&
             ok;
    }
    return ok;
}

bool submit(const VellumHome& home, const std::string& body) {
    std::istringstream in(body);
    vellum::ProcessorContext context;
    context.home = home.path();
    context.request.method = "POST";
    context.request.pathInfo = "/Busy";
    context.request.contentType = "application/x-www-form-urlencoded";
    context.request.contentLength = std::to_string(body.size());
    context.body = &in;
    context.now = std::chrono::system_clock::now();
    return vellum::processRequest(context).status == 200;
}

// A value long enough that an interleaved write would show.
std::string payload(int process, int i) {
    return "p" + std::to_string(process) + "n" + std::to_string(i) + "-" + std::string(300, 'x');
}

} // namespace

TEST(ConcurrentSaves, CommaRowsFromManyProcessesAllArriveWhole) {
    VellumHome home;
    home.write("Busy.csv", "\"Who\",\"Text\"\r\n");
    vmcntrl::ScriptRecord r;
    r.OutputStyle = "Comma";
    r.Archive = home.file("Busy.csv");
    r.Confirm = "yes";
    r.SendConf = "Default";
    home.addScript("Busy", r);
    ASSERT_TRUE(inParallel([&](int p) {
        for (int i = 0; i < kEach; ++i)
            if (!submit(home, "00Who=" + std::to_string(p) + "&01Text=" + payload(p, i)))
                return false;
        return true;
    }));
    const std::string text = home.read("Busy.csv");
    std::set<std::string> rows;
    std::istringstream lines(text);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, "\"Who\",\"Text\"\r");
    while (std::getline(lines, line))
        rows.insert(line);
    EXPECT_EQ(rows.size(), static_cast<std::size_t>(kProcesses * kEach));
    for (int p = 0; p < kProcesses; ++p)
        for (int i = 0; i < kEach; ++i)
            EXPECT_EQ(rows.count("\"" + std::to_string(p) + "\",\"" + payload(p, i) + "\"\r"), 1u)
                << p << " " << i;
    EXPECT_EQ(home.errorLog(), "");
}

TEST(ConcurrentSaves, TemplateEntriesFromManyProcessesAllArriveWhole) {
    VellumHome home;
    home.write("Busy.html", "<HTML>\r\n<!--footer-->\r\n</HTML>\r\n");
    home.write("entry.tpl", "<P>^Text^</P>\r\n<P>end of ^Text^</P>\r\n");
    vmcntrl::ScriptRecord r;
    r.OutputStyle = "Template";
    r.Append = "Bottom";
    r.Archive = home.file("Busy.html");
    r.OutputTemplate = home.file("entry.tpl");
    r.Confirm = "yes";
    r.SendConf = "Default";
    home.addScript("Busy", r);
    ASSERT_TRUE(inParallel([&](int p) {
        for (int i = 0; i < kEach; ++i)
            if (!submit(home, "Text=" + payload(p, i)))
                return false;
        return true;
    }));
    const std::string text = home.read("Busy.html");
    EXPECT_EQ(text.substr(0, 8), "<HTML>\r\n");
    EXPECT_EQ(text.substr(text.size() - 24), "<!--footer-->\r\n</HTML>\r\n");
    EXPECT_EQ(countOf(text, "<!--vellum entry "), static_cast<std::size_t>(kProcesses * kEach));
    for (int p = 0; p < kProcesses; ++p)
        for (int i = 0; i < kEach; ++i) {
            const std::string v = payload(p, i);
            const std::size_t at =
                text.find("-->\r\n<P>" + v + "</P>\r\n<P>end of " + v + "</P>\r\n");
            ASSERT_NE(at, std::string::npos) << p << " " << i;
        }
}

TEST(LockedFile, ParallelReadModifyWritesLoseNoUpdate) {
    VellumHome home;
    const std::string counter = home.file("counter");
    ASSERT_TRUE(inParallel([&](int) {
        for (int i = 0; i < 50; ++i) {
            const auto written = platform::editFileLocked(counter, [](std::string& bytes, bool) {
                bytes = std::to_string((bytes.empty() ? 0 : std::stoi(bytes)) + 1);
                return true;
            });
            if (!written)
                return false;
        }
        return true;
    }));
    EXPECT_EQ(home.read("counter"), std::to_string(kProcesses * 50));
}

TEST(LockedFile, AnEditThatDeclinesLeavesTheFileAndCreatesNone) {
    VellumHome home;
    EXPECT_TRUE(platform::editFileLocked(home.file("none"), [](std::string&, bool existed) {
        EXPECT_FALSE(existed);
        return false;
    }));
    EXPECT_FALSE(platform::fileExists(home.file("none")));
    home.write("some", "old");
    EXPECT_TRUE(platform::editFileLocked(home.file("some"), [](std::string& bytes, bool existed) {
        EXPECT_TRUE(existed);
        EXPECT_EQ(bytes, "old");
        bytes = "changed but declined";
        return false;
    }));
    EXPECT_EQ(home.read("some"), "old");
    EXPECT_FALSE(platform::editFileLocked(home.file("no/dir/file"), [](std::string& b, bool) {
        b = "x";
        return true;
    }));
}

// An archive named in vellum.ini may be a link to the real file, or something that is no
// file at all: the link is kept, and a pipe is refused at once instead of hanging the request.
TEST(LockedFile, ALinkIsFollowedAndAPipeIsRefusedWithoutWaiting) {
    VellumHome home;
    home.write("real.csv", "a\r\n");
    ASSERT_EQ(::symlink(home.file("real.csv").c_str(), home.file("link.csv").c_str()), 0);
    EXPECT_TRUE(platform::editFileLocked(home.file("link.csv"), [](std::string& bytes, bool) {
        bytes += "b\r\n";
        return true;
    }));
    EXPECT_EQ(home.read("real.csv"), "a\r\nb\r\n");
    struct stat link {};
    ASSERT_EQ(::lstat(home.file("link.csv").c_str(), &link), 0);
    EXPECT_TRUE(S_ISLNK(link.st_mode));

    ASSERT_EQ(::mkfifo(home.file("pipe.csv").c_str(), 0600), 0);
    bool edited = false;
    const auto written = platform::editFileLocked(home.file("pipe.csv"), [&](std::string&, bool) {
        edited = true;
        return true;
    });
    EXPECT_FALSE(written);
    EXPECT_FALSE(edited);
    EXPECT_NE(written.error.find("pipe"), std::string::npos) << written.error;
}

TEST(LockedFile, ParallelAppendsKeepEveryLineWhole) {
    VellumHome home;
    const std::string log = home.file("log");
    ASSERT_TRUE(inParallel([&](int p) {
        for (int i = 0; i < 100; ++i)
            if (!platform::appendLocked(log, payload(p, i) + "\r\n"))
                return false;
        return true;
    }));
    const std::string text = home.read("log");
    EXPECT_EQ(countOf(text, "\r\n"), static_cast<std::size_t>(kProcesses * 100));
    for (int p = 0; p < kProcesses; ++p)
        for (int i = 0; i < 100; ++i)
            EXPECT_NE(text.find(payload(p, i) + "\r\n"), std::string::npos);
}
