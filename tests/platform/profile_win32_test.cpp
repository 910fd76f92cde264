#include "platform/profile_win32.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstring>

#include <filesystem>

using namespace platform;

namespace {
std::string list(const char* buffer, DWORD length) { return std::string(buffer, length); }
} // namespace

class ProfileWin32 : public ::testing::Test {
protected:
    TempDir dir;
    std::string ini = dir.file("test.ini");
};

TEST_F(ProfileWin32, MissingFileSectionOrKeyGivesTheDefaultWithoutTrailingBlanks) {
    char buffer[64];
    EXPECT_EQ(GetPrivateProfileStringA("S", "k", "dflt  ", buffer, sizeof buffer, ini.c_str()), 4u);
    EXPECT_STREQ(buffer, "dflt");
    TempDir::write(ini, "[S]\nk=\n");
    EXPECT_EQ(GetPrivateProfileStringA("S", "k", "dflt", buffer, sizeof buffer, ini.c_str()), 0u);
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(GetPrivateProfileStringA("S", "x", nullptr, buffer, sizeof buffer, ini.c_str()), 0u);
}

TEST_F(ProfileWin32, ValueThatDoesNotFitIsCutToSizeMinusOne) {
    TempDir::write(ini, "[S]\nk=abcdefgh\n");
    char buffer[5];
    EXPECT_EQ(GetPrivateProfileStringA("S", "k", "", buffer, sizeof buffer, ini.c_str()), 4u);
    EXPECT_STREQ(buffer, "abcd");
}

TEST_F(ProfileWin32, KeyAndSectionListsEndInDoubleNul) {
    TempDir::write(ini, "[One]\nAlpha=1\n;c=2\nnoeq\nBeta=2\n[Two]\n");
    char buffer[64];
    DWORD n = GetPrivateProfileStringA("one", nullptr, "", buffer, sizeof buffer, ini.c_str());
    EXPECT_EQ(list(buffer, n + 1), std::string("Alpha\0Beta\0\0", 12));
    n = GetPrivateProfileSectionNamesA(buffer, sizeof buffer, ini.c_str());
    EXPECT_EQ(list(buffer, n + 1), std::string("One\0Two\0\0", 9));
    n = GetPrivateProfileStringA("Two", nullptr, "none", buffer, sizeof buffer, ini.c_str());
    EXPECT_EQ(std::string(buffer, n), "none");
}

TEST_F(ProfileWin32, ListThatDoesNotFitReturnsSizeMinusTwo) {
    TempDir::write(ini, "[S]\nAlpha=1\nBeta=2\n");
    char buffer[9];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(GetPrivateProfileStringA("S", nullptr, "", buffer, sizeof buffer, ini.c_str()), 7u);
    EXPECT_EQ(std::string(buffer, 9), std::string("Alpha\0B\0\0", 9));
}

TEST_F(ProfileWin32, WritesCreateDeleteAndFailAsWindowsDoes) {
    EXPECT_FALSE(WritePrivateProfileStringA(nullptr, "k", "v", ini.c_str()));
    EXPECT_TRUE(WritePrivateProfileStringA("S", "k", nullptr, ini.c_str()));
    EXPECT_TRUE(WritePrivateProfileStringA("S", nullptr, nullptr, ini.c_str()));
    EXPECT_FALSE(std::filesystem::exists(ini)) << "deleting nothing must not create the file";

    EXPECT_TRUE(WritePrivateProfileStringA("S", "k", "v", ini.c_str()));
    EXPECT_TRUE(WritePrivateProfileStringA("S", "j", "w", ini.c_str()));
    EXPECT_TRUE(WritePrivateProfileStringA("T", "x", "y", ini.c_str()));
    EXPECT_EQ(TempDir::read(ini), "[S]\r\nk=v\r\nj=w\r\n[T]\r\nx=y\r\n");
    EXPECT_TRUE(WritePrivateProfileStringA("s", "K", nullptr, ini.c_str()));
    EXPECT_TRUE(WritePrivateProfileStringA("t", nullptr, nullptr, ini.c_str()));
    EXPECT_EQ(TempDir::read(ini), "[S]\r\nj=w\r\n");
}

TEST_F(ProfileWin32, UnchangedWriteLeavesTheFileUntouched) {
    TempDir::write(ini, "[S]\nk=v\n");
    const auto before = std::filesystem::last_write_time(ini);
    const auto inode = std::filesystem::hard_link_count(ini);
    EXPECT_TRUE(WritePrivateProfileStringA("S", "k", "v", ini.c_str()));
    EXPECT_EQ(std::filesystem::last_write_time(ini), before);
    EXPECT_EQ(std::filesystem::hard_link_count(ini), inode);
    EXPECT_EQ(TempDir::read(ini), "[S]\nk=v\n");
}

TEST_F(ProfileWin32, AKeyListStartingWithAnEmptyNameGivesTheDefault) {
    TempDir::write(ini, "[S]\n=x\na=1\n[T]\na=1\n=x\n");
    char buffer[64];
    DWORD n = GetPrivateProfileStringA("S", nullptr, "dflt", buffer, sizeof buffer, ini.c_str());
    EXPECT_EQ(std::string(buffer, n), "dflt");
    n = GetPrivateProfileStringA("T", nullptr, "dflt", buffer, sizeof buffer, ini.c_str());
    EXPECT_EQ(list(buffer, n + 1), std::string("a\0\0\0", 4));
}

TEST_F(ProfileWin32, LookupsFollowTheFirstLineOfAKeyAndFindComments) {
    TempDir::write(ini, "[S]\nk\nk=1\n;c=2\n");
    char buffer[64];
    EXPECT_EQ(GetPrivateProfileStringA("S", "k", "dflt", buffer, sizeof buffer, ini.c_str()), 4u);
    EXPECT_STREQ(buffer, "dflt");
    EXPECT_EQ(GetPrivateProfileStringA("S", ";c", "", buffer, sizeof buffer, ini.c_str()), 1u);
    EXPECT_STREQ(buffer, "2");
    EXPECT_TRUE(WritePrivateProfileStringA("S", "k", "v", ini.c_str()));
    EXPECT_EQ(TempDir::read(ini), "[S]\nk=v\nk=1\n;c=2\n");
}

TEST_F(ProfileWin32, TheEmptySectionNameWritesAboveTheFirstHeaderAndIsNeverListed) {
    EXPECT_TRUE(WritePrivateProfileStringA("", "k", "v", ini.c_str()));
    EXPECT_EQ(TempDir::read(ini), "k=v\r\n");
    EXPECT_TRUE(WritePrivateProfileStringA("S", "a", "1", ini.c_str()));
    EXPECT_TRUE(WritePrivateProfileStringA("", "j", "w", ini.c_str()));
    EXPECT_EQ(TempDir::read(ini), "k=v\r\nj=w\r\n[S]\r\na=1\r\n");
    char buffer[64];
    const DWORD n = GetPrivateProfileSectionNamesA(buffer, sizeof buffer, ini.c_str());
    EXPECT_EQ(list(buffer, n + 1), std::string("S\0\0", 3));
    EXPECT_EQ(GetPrivateProfileStringA("", "j", "", buffer, sizeof buffer, ini.c_str()), 1u);
}

TEST_F(ProfileWin32, AWriteThatCouldNotBeReadBackReturnsFalseAndLeavesTheFile) {
    TempDir::write(ini, "[S]\n[k=1\nnext=2\n");
    EXPECT_FALSE(WritePrivateProfileStringA("S", "[k", "x]", ini.c_str()));
    EXPECT_FALSE(WritePrivateProfileStringA("S", "a=b", "c", ini.c_str()));
    EXPECT_EQ(TempDir::read(ini), "[S]\n[k=1\nnext=2\n");
    const std::string fresh = dir.file("fresh.ini");
    EXPECT_FALSE(WritePrivateProfileStringA("S", "[k]", "v", fresh.c_str()));
    EXPECT_FALSE(std::filesystem::exists(fresh));
}
