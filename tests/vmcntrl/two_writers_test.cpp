// The form processor writes MailErr into vellum.ini while the panel writes scripts. Two
// processes hammer one file; every key either of them wrote must be there at the end.
#include "vmcntrl/config/settings_store.h"
#include "vmcntrl/config/vellum_ini.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <functional>
#include <sys/wait.h>
#include <unistd.h>

using namespace vmcntrl;

namespace {

constexpr int kRounds = 150;

// Runs the body in a child process that starts once the parent closes the pipe, so both
// writers begin together; returns its pid.
pid_t spawnWriter(const int (&startPipe)[2], const std::function<bool()>& body) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(startPipe[1]);
        char c;
        while (::read(startPipe[0], &c, 1) > 0) {
        }
        ::_exit(body() ? 0 : 1);
    }
    return pid;
}

} // namespace

TEST(TwoWriters, PanelAndProcessorWritesAreBothKept) {
    TempDir dir;
    const std::string path = dir.file("vellum.ini");
    int start[2];
    ASSERT_EQ(::pipe(start), 0);

    const pid_t panel = spawnWriter(start, [&] {
        VellumIni ini(path);
        ScriptRecord record;
        record.Confirm = "yes";
        record.SendConf = "Default";
        for (int i = 0; i < kRounds; ++i) {
            record.Target = std::to_string(i);
            if (!ini.writeScript("Script" + std::to_string(i), record))
                return false;
        }
        return true;
    });
    const pid_t processor = spawnWriter(start, [&] {
        VellumIni ini(path);
        for (int i = 0; i < kRounds; ++i) {
            if (!ini.writeConfig("MailErr", i % 2 ? "0" : "1"))
                return false;
            if (!ini.writeConfig("Probe" + std::to_string(i), "written"))
                return false;
        }
        return true;
    });
    ::close(start[0]);
    ::close(start[1]);

    for (pid_t pid : {panel, processor}) {
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }

    VellumIni ini(path);
    EXPECT_EQ(ini.loadScriptList().count(), static_cast<std::size_t>(kRounds));
    for (int i = 0; i < kRounds; ++i) {
        EXPECT_EQ(ini.readScript("Script" + std::to_string(i)).Target, std::to_string(i));
        EXPECT_EQ(ini.read("Config", "Probe" + std::to_string(i)), "written");
    }
    EXPECT_EQ(ini.read("Config", "MailErr"), "0");
}
