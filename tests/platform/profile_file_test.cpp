#include "platform/profile_file.h"
#include "platform/profile_win32.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace platform;

TEST(ProfileFile, ReadOnlyFileOrFolderIsReportedAndLeftAsItWas) {
    TempDir dir;
    const std::string ini = dir.file("ro.ini");
    TempDir::write(ini, "[S]\nk=v\n");
    std::filesystem::permissions(ini, std::filesystem::perms::owner_read);
    const WriteResult result = writeProfileValue(ini, "S", "k", "changed");
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find("read-only"), std::string::npos) << result.error;
    EXPECT_EQ(TempDir::read(ini), "[S]\nk=v\n");

    TempDir folder;
    std::filesystem::permissions(folder.path(), std::filesystem::perms::owner_read |
                                                    std::filesystem::perms::owner_exec);
    EXPECT_FALSE(WritePrivateProfileStringA("S", "k", "v", folder.file("new.ini").c_str()));
    EXPECT_FALSE(writeProfileValue(dir.file("missing/x.ini"), "S", "k", "v").ok);
}

TEST(ProfileFile, ReplacingKeepsTheFilePermissionsAndLeavesNoTemporaryFiles) {
    TempDir dir;
    const std::string ini = dir.file("perm.ini");
    TempDir::write(ini, "[S]\n");
    std::filesystem::permissions(ini, std::filesystem::perms::owner_read |
                                          std::filesystem::perms::owner_write |
                                          std::filesystem::perms::group_read);
    ASSERT_TRUE(writeProfileValue(ini, "S", "k", "v").ok);
    EXPECT_EQ(std::filesystem::status(ini).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                  std::filesystem::perms::group_read);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(ProfileFile, BatchEditLoadsOnceAndWritesOnce) {
    TempDir dir;
    const std::string ini = dir.file("batch.ini");
    ASSERT_TRUE(editProfile(ini, [](ProfileText& t) {
                    for (int i = 0; i < 3; ++i)
                        t.setValue("Link", "Link Desc " + std::to_string(i), "d");
                }).ok);
    EXPECT_EQ(TempDir::read(ini), "[Link]\r\nLink Desc 0=d\r\nLink Desc 1=d\r\nLink Desc 2=d\r\n");
}

// Two programs (the panel and the form processor) write into one file at the same time:
// each write reads the file afresh under the lock, so no key written by either is lost.
TEST(ProfileFile, TwoWriterProcessesLoseNoKey) {
    TempDir dir;
    const std::string ini = dir.file("shared.ini");
    constexpr int kKeys = 150;
    pid_t children[2];
    for (int w = 0; w < 2; ++w) {
        children[w] = ::fork();
        ASSERT_GE(children[w], 0);
        if (children[w] == 0) {
            bool ok = true;
            for (int i = 0; i < kKeys; ++i) {
                const std::string key = "w" + std::to_string(w) + "k" + std::to_string(i);
                ok = WritePrivateProfileStringA(w == 0 ? "Config" : "Script", key.c_str(),
                                                key.c_str(), ini.c_str()) &&
                     ok;
            }
            ::_exit(ok ? 0 : 1);
        }
    }
    for (pid_t child : children) {
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    const ProfileText text = loadProfile(ini);
    EXPECT_EQ(text.keyNames("Config").size(), static_cast<std::size_t>(kKeys));
    EXPECT_EQ(text.keyNames("Script").size(), static_cast<std::size_t>(kKeys));
    for (int i = 0; i < kKeys; ++i) {
        EXPECT_EQ(text.value("Config", "w0k" + std::to_string(i)), "w0k" + std::to_string(i));
        EXPECT_EQ(text.value("Script", "w1k" + std::to_string(i)), "w1k" + std::to_string(i));
    }
}

TEST(ProfileFile, ABatchWithOneRefusedWriteWritesNothingAndSaysWhy) {
    TempDir dir;
    const std::string ini = dir.file("refused.ini");
    TempDir::write(ini, "[S]\nk=1\n");
    const WriteResult result = editProfile(ini, [](ProfileText& t) {
        t.setValue("S", "k", "2");
        t.setValue("S", "a=b", "3");
    });
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find("a=b"), std::string::npos) << result.error;
    EXPECT_EQ(TempDir::read(ini), "[S]\nk=1\n");
    const WriteResult single = writeProfileValue(dir.file("new.ini"), "S", "[k]", "v");
    EXPECT_FALSE(single.ok);
    EXPECT_NE(single.error.find("section header"), std::string::npos) << single.error;
    EXPECT_FALSE(std::filesystem::exists(dir.file("new.ini")));
}

// What stands in the file's place decides at once, without blocking on a pipe or reading a
// device without end.
TEST(ProfileFile, APipeADeviceOrALoopingLinkIsRefusedAtOnceWithTheReason) {
    TempDir dir;
    ASSERT_EQ(::mkfifo(dir.file("pipe.ini").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", dir.file("zero.ini"));
    std::filesystem::create_symlink(dir.file("loop.ini"), dir.file("loop.ini"));
    const auto start = std::chrono::steady_clock::now();
    const WriteResult pipe = writeProfileValue(dir.file("pipe.ini"), "S", "k", "v");
    const WriteResult zero = writeProfileValue(dir.file("zero.ini"), "S", "k", "v");
    const WriteResult loop = writeProfileValue(dir.file("loop.ini"), "S", "k", "v");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    EXPECT_NE(pipe.error.find("a pipe, not a file"), std::string::npos) << pipe.error;
    EXPECT_NE(zero.error.find("a device, not a file"), std::string::npos) << zero.error;
    EXPECT_NE(loop.error.find("loops"), std::string::npos) << loop.error;
    EXPECT_TRUE(std::filesystem::is_fifo(dir.file("pipe.ini")));
}

TEST(ProfileFile, ADanglingLinkIsWrittenThroughToTheFileItNames) {
    TempDir dir;
    std::filesystem::create_symlink("target.ini", dir.file("vellum.ini"));
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(writeProfileValue(dir.file("vellum.ini"), "S", "k", "v").ok);
    ASSERT_TRUE(writeProfileValue(dir.file("vellum.ini"), "S", "k2", "v2").ok);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("vellum.ini")));
    EXPECT_EQ(TempDir::read(dir.file("target.ini")), "[S]\r\nk=v\r\nk2=v2\r\n");
}

TEST(ProfileFile, AFileOverTheSizeLimitIsRefusedInAMoment) {
    TempDir dir;
    const std::string ini = dir.file("huge.ini");
    TempDir::write(ini, "[S]\r\n");
    ASSERT_EQ(::truncate(ini.c_str(), off_t{2} << 30), 0);
    const WriteResult result = writeProfileValue(ini, "S", "k", "v");
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find("larger than 64 MiB"), std::string::npos) << result.error;
    EXPECT_EQ(std::filesystem::file_size(ini), std::uintmax_t{2} << 30);
    EXPECT_EQ(readProfile(ini), std::nullopt);
}
