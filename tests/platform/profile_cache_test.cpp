#include "platform/profile_cache.h"
#include "platform/profile_file.h"
#include "platform/profile_win32.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace platform;

namespace {

// Rewrites a file in place (same inode), as an editor or the Windows functions do.
void rewriteInPlace(const std::string& path, const std::string& bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::write(fd, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    ::close(fd);
}

std::string read(const std::string& ini, const char* key) {
    char buffer[64];
    const DWORD n = GetPrivateProfileStringA("S", key, "", buffer, sizeof buffer, ini.c_str());
    return std::string(buffer, n);
}

} // namespace

// With no trust delay every kept copy is used as long as the file's identity holds, so
// these tests see exactly when the cache parses.
class ProfileCache : public ::testing::Test {
protected:
    void SetUp() override { setProfileTrustDelay(std::chrono::nanoseconds(0)); }
    void TearDown() override { setProfileTrustDelay(kProfileTrustDelay); }
    static std::uint64_t parses() { return profileCacheCounts().parses; }
    TempDir dir;
};

TEST_F(ProfileCache, AnUnchangedFileIsParsedOnceForManyReads) {
    const std::string ini = dir.file("a.ini");
    TempDir::write(ini, "[S]\nk=1\nj=2\n");
    const auto start = parses();
    EXPECT_EQ(read(ini, "k"), "1");
    EXPECT_EQ(read(ini, "j"), "2");
    EXPECT_EQ(loadProfile(ini).value("S", "k"), "1");
    EXPECT_EQ(readProfile(ini)->keyNames("S").size(), 2u);
    EXPECT_EQ(parses() - start, 1u);
}

TEST_F(ProfileCache, EveryKindOfChangeIsSeen) {
    const std::string ini = dir.file("b.ini");
    TempDir::write(ini, "[S]\nk=1\n");
    EXPECT_EQ(read(ini, "k"), "1");

    rewriteInPlace(ini, "[S]\nk=22\n"); // another size
    EXPECT_EQ(read(ini, "k"), "22");

    // Same size, same inode, and the modification time put back: the change time moves.
    struct stat st {};
    ASSERT_EQ(::stat(ini.c_str(), &st), 0);
    rewriteInPlace(ini, "[S]\nk=33\n");
    const timespec times[2] = {st.st_atim, st.st_mtim};
    ASSERT_EQ(::utimensat(AT_FDCWD, ini.c_str(), times, 0), 0);
    EXPECT_EQ(read(ini, "k"), "33");

    // Another file renamed over it.
    const std::string other = dir.file("other.ini");
    TempDir::write(other, "[S]\nk=44\n");
    ASSERT_EQ(std::rename(other.c_str(), ini.c_str()), 0);
    EXPECT_EQ(read(ini, "k"), "44");

    std::filesystem::remove(ini);
    EXPECT_EQ(read(ini, "k"), "");
    EXPECT_EQ(readProfile(ini), std::nullopt);
}

TEST_F(ProfileCache, AWriteThroughTheEngineDropsTheKeptCopy) {
    const std::string ini = dir.file("c.ini");
    TempDir::write(ini, "[S]\nk=1\n");
    EXPECT_EQ(read(ini, "k"), "1");
    const auto kept = profileCacheCounts().files;
    EXPECT_TRUE(WritePrivateProfileStringA("S", "k", "2", ini.c_str()));
    EXPECT_EQ(profileCacheCounts().files, kept - 1);
    EXPECT_EQ(read(ini, "k"), "2");
}

TEST_F(ProfileCache, OnlyTheMostRecentlyReadFilesAreKept) {
    std::vector<std::string> files;
    for (std::size_t i = 0; i <= kProfileCacheFiles; ++i) {
        files.push_back(dir.file("f" + std::to_string(i) + ".ini"));
        TempDir::write(files.back(), "[S]\nk=" + std::to_string(i) + "\n");
    }
    for (const std::string& f : files)
        read(f, "k");
    EXPECT_LE(profileCacheCounts().files, kProfileCacheFiles);
    auto start = parses();
    EXPECT_EQ(read(files.back(), "k"), std::to_string(kProfileCacheFiles));
    EXPECT_EQ(parses(), start) << "the last file read is kept";
    EXPECT_EQ(read(files.front(), "k"), "0");
    EXPECT_EQ(parses(), start + 1) << "the first file read was let go";
}

// A file changed moments ago may be rewritten within the same tick of the file system's
// clock, with size and times unchanged: its copy is only used after its bytes were read
// again and found equal.
TEST(ProfileCacheRecentChanges, ARecentlyChangedFileIsCheckedAgainstItsBytes) {
    TempDir dir;
    const std::string ini = dir.file("recent.ini");
    TempDir::write(ini, "[S]\nk=1\n");
    EXPECT_EQ(read(ini, "k"), "1");
    const auto before = profileCacheCounts();
    EXPECT_EQ(read(ini, "k"), "1");
    const auto after = profileCacheCounts();
    EXPECT_EQ(after.parses, before.parses);
    EXPECT_EQ(after.confirmations, before.confirmations + 1);

    rewriteInPlace(ini, "[S]\nk=2\n"); // most likely within the same clock tick
    EXPECT_EQ(read(ini, "k"), "2");
}

TEST_F(ProfileCache, ReadersOnSeveralThreadsShareOneCopy) {
    const std::string ini = dir.file("threads.ini");
    std::string bytes = "[S]\n";
    for (int i = 0; i < 200; ++i)
        bytes += "k" + std::to_string(i) + "=" + std::to_string(i) + "\n";
    TempDir::write(ini, bytes);
    std::vector<std::thread> readers;
    std::atomic<int> wrong{0};
    for (int t = 0; t < 4; ++t)
        readers.emplace_back([&] {
            for (int i = 0; i < 200; ++i)
                if (read(ini, ("k" + std::to_string(i)).c_str()) != std::to_string(i))
                    ++wrong;
        });
    for (std::thread& r : readers)
        r.join();
    EXPECT_EQ(wrong, 0);
}
