// A full disk: every save is refused with the system's reason, and the files stay as they were.
#include "fault_setup.h"

#include "tessaly/batch/batch_commands.h"
#include "tessaly/document/options_file.h"
#include "vmcntrl/config/command_line.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sstream>
#include <sys/mount.h>
#include <unistd.h>

namespace {

// A small tmpfs mounted for the test (as root in CI); unmounted again at the end.
class SmallDisk {
public:
    explicit SmallDisk(const std::string& at) : path_(at) {
        std::filesystem::create_directories(at);
        if (::mount("tmpfs", at.c_str(), "tmpfs", 0, "size=1m,mode=0755") != 0)
            error_ = std::strerror(errno);
    }
    ~SmallDisk() {
        if (error_.empty())
            ::umount2(path_.c_str(), MNT_DETACH);
    }
    const std::string& error() const { return error_; }

    // Takes every byte left, so that the next write finds none.
    void fill() const {
        const int fd = ::open((path_ + "/filler").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        static const char block[4096] = {};
        while (::write(fd, block, sizeof block) > 0) {
        }
        while (::write(fd, block, 1) > 0) {
        }
        ::close(fd);
    }

private:
    std::string path_;
    std::string error_;
};

struct Outcome {
    int code;
    std::string text;
};

template <typename Run>
Outcome capture(Run run, const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int code = run(args, out, err);
    return {code, out.str() + err.str()};
}

Outcome tessalyVerb(const std::vector<std::string>& args) {
    return capture([](const std::vector<std::string>& a, std::ostream& o,
                      std::ostream& e) { return tessaly::runBatchCommand(tessaly::parseCommandLine(a), o, e); },
                   args);
}

Outcome vmcntrlVerb(const std::vector<std::string>& args) {
    return capture([](const std::vector<std::string>& a, std::ostream& o,
                      std::ostream& e) { return vmcntrl::runBatch(vmcntrl::parseCommandLine(a), o, e); },
                   args);
}

} // namespace

TEST(FullDisk, EverySaveOfBothProgramsIsRefusedWithTheReasonAndChangesNothing) {
    TempDir outer;
    const std::string home = outer.file("disk");
    SmallDisk disk(home);
    if (!disk.error().empty())
        GTEST_SKIP() << "A small tmpfs cannot be mounted here (" << disk.error()
                     << "), so the full-disk cases do not run.";
    std::filesystem::create_directories(home + "/template");
    TempDir::write(home + "/template/0.fm", "<!--Feedback form-->\r\n<INPUT NAME=\"Name\">\r\n");
    TempDir::write(home + "/links.tsy", "[Link]\r\nLink Desc 0=One\r\nLink URL 0=http://one/\r\n");
    TempDir::write(home + "/bookmarks.htm", "<DT><A HREF=\"http://two/\">Two</A>\n");
    TempDir::write(home + "/Tessaly.ini", "[General]\r\nShow Tooltips=Yes\r\n");
    TempDir::write(home + "/vellum.ini", "[NumTags]\r\nOld=Old\r\n[Old]\r\nForm=\r\n");
    disk.fill();
    const faults::TreePicture before = faults::pictureOf(home);

    const platform::WriteResult option =
        tessaly::writeSwitch(home + "/Tessaly.ini", tessaly::OptionSwitch::ShowTooltips, false);
    const std::vector<Outcome> outcomes{
        tessalyVerb({"--home", home, "--import", home + "/bookmarks.htm", "--save", home + "/links.tsy"}),
        tessalyVerb({"--home", home, "--import", home + "/bookmarks.htm", "--save", home + "/new.tsy"}),
        {option ? 0 : 1, option.error},
        vmcntrlVerb({"--home", home, "--wizard", "New", "--template", "0", "--save", "text"}),
        vmcntrlVerb({"--home", home, "--report", "Old"}),
    };
    for (const Outcome& outcome : outcomes) {
        EXPECT_EQ(outcome.code, 1) << outcome.text;
        EXPECT_NE(outcome.text.find(std::strerror(ENOSPC)), std::string::npos) << outcome.text;
    }
    EXPECT_EQ(faults::pictureOf(home), before);
}
