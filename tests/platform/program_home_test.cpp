#include "platform/program_home.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

using namespace platform;

TEST(ProgramHome, ExplicitHomeWinsAndAWritableInstallIsItsOwnHome) {
    TempDir install;
    EXPECT_EQ(resolveProgramHome("tessaly", "/some/where", install.path()).path, "/some/where");
    EXPECT_EQ(resolveProgramHome("tessaly", "", install.path()).path, install.path());
    char arg0[] = "prog", arg1[] = "--home", arg2[] = "/x", arg3[] = "--home=/y";
    char* argv[] = {arg0, arg1, arg2};
    EXPECT_EQ(homeArgument(3, argv), "/x");
    char* argvEq[] = {arg0, arg3};
    EXPECT_EQ(homeArgument(2, argvEq), "/y");
    EXPECT_EQ(homeArgument(1, argv), "");
}

TEST(ProgramHome, ReadOnlyInstallIsSeededIntoAPerUserFolderKeepingUserFiles) {
    TempDir install, user;
    std::filesystem::create_directories(install.path() + "/template");
    TempDir::write(install.file("tessaly"), "executable");
    TempDir::write(install.file("Tessaly.ini"), "[General]\r\n");
    TempDir::write(install.file("template/0.fm"), "Feedback\r\n");
    std::filesystem::permissions(install.path(), std::filesystem::perms::owner_read |
                                                     std::filesystem::perms::owner_exec);
    ::setenv("XDG_DATA_HOME", user.path().c_str(), 1);
    std::filesystem::create_directories(user.path() + "/tessaly");
    TempDir::write(user.file("tessaly/Tessaly.ini"), "mine");

    const ProgramHome home = resolveProgramHome("tessaly", "", install.path());
    EXPECT_EQ(home.path, user.path() + "/tessaly");
    EXPECT_TRUE(home.error.empty()) << home.error;
    EXPECT_EQ(TempDir::read(user.file("tessaly/Tessaly.ini")), "mine");
    EXPECT_EQ(TempDir::read(user.file("tessaly/template/0.fm")), "Feedback\r\n");
    EXPECT_FALSE(std::filesystem::exists(user.file("tessaly/tessaly")));
    ::unsetenv("XDG_DATA_HOME");
}

TEST(ProgramHome, ARelativeHomeIsMadeAbsoluteSoStoredPathsHoldFromAnyFolder) {
    const std::string cwd = std::filesystem::current_path().string();
    EXPECT_EQ(resolveProgramHome("vmcntrl", "home", "/unused").path, cwd + "/home");
    EXPECT_EQ(resolveProgramHome("vmcntrl", "./a/../home/", "/unused").path, cwd + "/home");
    EXPECT_EQ(resolveProgramHome("vmcntrl", "/abs/home", "/unused").path, "/abs/home");
}
