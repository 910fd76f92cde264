#include "platform/file_ops.h"
#include "platform/paths.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <chrono>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace platform;

TEST(Paths, FileNameIsTheTextAfterTheLastSeparatorOfEitherKind) {
    EXPECT_EQ(fileNameFromPath("C:\\snd\\ding.au"), "ding.au");
    EXPECT_EQ(fileNameFromPath("/home/me/ding.au"), "ding.au");
    EXPECT_EQ(fileNameFromPath("mixed/dir\\name.wav"), "name.wav");
    EXPECT_EQ(fileNameFromPath("plain.wav"), "plain.wav");
    EXPECT_EQ(fileNameFromPath("C:\\Web\\"), "");
    EXPECT_EQ(directoryOfPath("C:\\Web\\index.htm"), "C:\\Web");
    EXPECT_EQ(directoryOfPath("index.htm"), "");
    EXPECT_EQ(joinPath("/a/", "b"), "/a/b");
    EXPECT_EQ(joinPath("/a", "b"), "/a/b");
}

TEST(FileProbe, EmptyPathAndFoldersAreNotFiles) {
    TempDir dir;
    TempDir::write(dir.file("f"), "x");
    EXPECT_FALSE(fileExists(""));
    EXPECT_FALSE(fileExists(dir.path()));
    EXPECT_FALSE(fileExists(dir.file("missing")));
    EXPECT_TRUE(fileExists(dir.file("f")));
    EXPECT_TRUE(directoryExists(dir.path()));
    EXPECT_FALSE(directoryExists(""));
}

TEST(FileRead, ReadsRegularFilesOnlySoPipesAndDevicesCannotHang) {
    TempDir dir;
    TempDir::write(dir.file("f"), std::string("a\0b", 3));
    EXPECT_EQ(readFile(dir.file("f")), std::string("a\0b", 3));
    ASSERT_EQ(::mkfifo(dir.file("pipe").c_str(), 0600), 0);
    EXPECT_EQ(readFile(dir.file("pipe")), std::nullopt);
    EXPECT_EQ(readFile("/dev/zero"), std::nullopt);
    EXPECT_EQ(readFile(dir.path()), std::nullopt);
    EXPECT_EQ(readFile(dir.file("missing")), std::nullopt);
}

TEST(FileCopy, OverwritesAndReportsFailure) {
    TempDir dir;
    TempDir::write(dir.file("a"), "new");
    TempDir::write(dir.file("b"), "old content");
    EXPECT_TRUE(copyFile(dir.file("a"), dir.file("b")));
    EXPECT_EQ(TempDir::read(dir.file("b")), "new");
    EXPECT_FALSE(copyFile(dir.file("missing"), dir.file("c")));
    EXPECT_FALSE(copyFile(dir.file("a"), dir.file("no/such/dir/c")));
    EXPECT_FALSE(copyFile("", dir.file("c")));
}

TEST(AtomicWrite, ReplacesContentAndRefusesReadOnlyFiles) {
    TempDir dir;
    const std::string path = dir.file("doc.txt");
    ASSERT_TRUE(writeFileAtomically(path, "first").ok);
    ASSERT_TRUE(writeFileAtomically(path, "second").ok);
    EXPECT_EQ(TempDir::read(path), "second");
    std::filesystem::permissions(path, std::filesystem::perms::owner_read);
    EXPECT_FALSE(writeFileAtomically(path, "third").ok);
    EXPECT_EQ(TempDir::read(path), "second");
    EXPECT_FALSE(writeFileAtomically(dir.file("nowhere/doc.txt"), "x").ok);
}

TEST(AtomicCreate, DoesNotReplaceAFileThatAppearedFirst) {
    TempDir dir;
    const std::string path = dir.file("new.ini");
    EXPECT_EQ(createFileAtomically(path, "mine").outcome, CreateResult::Created);
    EXPECT_EQ(createFileAtomically(path, "theirs").outcome, CreateResult::Exists);
    EXPECT_EQ(TempDir::read(path), "mine");
}

TEST(FileRead, RefusesFilesOverTheLimitBeforeReadingAndSaysWhy) {
    TempDir dir;
    const std::string big = dir.file("big");
    TempDir::write(big, "0123456789");
    const ReadResult atLimit = readFileLimited(big, 10);
    EXPECT_EQ(atLimit.outcome, ReadResult::Outcome::Read);
    EXPECT_EQ(atLimit.bytes, "0123456789");
    const ReadResult over = readFileLimited(big, 9);
    EXPECT_EQ(over.outcome, ReadResult::Outcome::TooLarge);
    EXPECT_NE(over.error.find(big), std::string::npos) << over.error;
    EXPECT_NE(over.error.find("larger than 9 bytes"), std::string::npos) << over.error;
    // A sparse 2 GB file is refused from its size alone, in a moment.
    ASSERT_EQ(::truncate(big.c_str(), off_t{2} << 30), 0);
    const ReadResult huge = readFileLimited(big);
    EXPECT_EQ(huge.outcome, ReadResult::Outcome::TooLarge);
    EXPECT_NE(huge.error.find("64 MiB"), std::string::npos) << huge.error;
    EXPECT_EQ(readFile(big), std::nullopt);
}

TEST(FileRead, TellsMissingFromNotAFileFromUnreadable) {
    TempDir dir;
    ASSERT_EQ(::mkfifo(dir.file("pipe").c_str(), 0600), 0);
    std::filesystem::create_symlink(dir.file("loop"), dir.file("loop"));
    const ReadResult pipe = readFileLimited(dir.file("pipe"));
    EXPECT_EQ(pipe.outcome, ReadResult::Outcome::NotAFile);
    EXPECT_NE(pipe.error.find("a pipe"), std::string::npos) << pipe.error;
    EXPECT_EQ(readFileLimited("/dev/zero").outcome, ReadResult::Outcome::NotAFile);
    EXPECT_NE(readFileLimited(dir.path()).error.find("a folder"), std::string::npos);
    EXPECT_EQ(readFileLimited(dir.file("missing")).outcome, ReadResult::Outcome::Missing);
    EXPECT_EQ(readFileLimited(dir.file("missing/below")).outcome, ReadResult::Outcome::Missing);
    const ReadResult loop = readFileLimited(dir.file("loop"));
    EXPECT_EQ(loop.outcome, ReadResult::Outcome::Unreadable);
    EXPECT_NE(loop.error.find("loops"), std::string::npos) << loop.error;
}

TEST(FileRead, AFileLongerThanItsStatedSizeIsHeldToTheLimitWhileRead) {
    // /proc files state a size of 0, as a file that grows after the check would: the limit
    // holds for the bytes actually read, too.
    struct stat st {};
    ASSERT_EQ(::stat("/proc/self/maps", &st), 0);
    ASSERT_EQ(st.st_size, 0);
    EXPECT_EQ(readFileLimited("/proc/self/maps", 16).outcome, ReadResult::Outcome::TooLarge);
    EXPECT_EQ(readFileLimited("/proc/self/maps").outcome, ReadResult::Outcome::Read);
}

TEST(AtomicWrite, RefusesWhatIsNotARegularFileAtOnce) {
    TempDir dir;
    ASSERT_EQ(::mkfifo(dir.file("pipe").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", dir.file("zero"));
    std::filesystem::create_symlink(dir.file("loop"), dir.file("loop"));
    std::filesystem::create_directory(dir.file("folder"));
    for (const char* name : {"pipe", "zero", "loop", "folder"}) {
        const WriteResult result = writeFileAtomically(dir.file(name), "x");
        EXPECT_FALSE(result.ok) << name;
        EXPECT_NE(result.error.find(dir.file(name)), std::string::npos) << result.error;
    }
    EXPECT_NE(writeFileAtomically(dir.file("pipe"), "x").error.find("a pipe, not a file"),
              std::string::npos);
    EXPECT_NE(writeFileAtomically(dir.file("loop"), "x").error.find("loops"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_fifo(dir.file("pipe")));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("zero")));
}

TEST(AtomicWrite, WritesThroughASymbolicLinkEvenADanglingOne) {
    TempDir dir;
    std::filesystem::create_directory(dir.file("real"));
    std::filesystem::create_symlink("real/doc.tsy", dir.file("link.tsy"));
    ASSERT_TRUE(writeFileAtomically(dir.file("link.tsy"), "created").ok);
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("link.tsy")));
    EXPECT_EQ(TempDir::read(dir.file("real/doc.tsy")), "created");
    ASSERT_TRUE(writeFileAtomically(dir.file("link.tsy"), "replaced").ok);
    EXPECT_EQ(TempDir::read(dir.file("real/doc.tsy")), "replaced");
    // A link into a folder that does not exist is refused with that reason.
    std::filesystem::create_symlink("gone/doc.tsy", dir.file("nowhere.tsy"));
    const WriteResult nowhere = writeFileAtomically(dir.file("nowhere.tsy"), "x");
    EXPECT_FALSE(nowhere.ok);
    EXPECT_NE(nowhere.error.find("does not exist"), std::string::npos) << nowhere.error;
}

TEST(AtomicWrite, TemporaryNamesNeverCollideWithLeftoversAndDeadWritersAreCleanedUp) {
    TempDir dir;
    const std::string path = dir.file("doc.tsy");
    // Leftovers of this very process id (as a killed writer whose pid came back would leave)
    // and of a writer that is gone; and one of a live writer (pid 1), recent.
    const std::string mine = dir.file(".doc.tsy." + std::to_string(::getpid()) + ".0.tmp");
    const std::string dead = dir.file(".doc.tsy.999999999.0123456789abcdef.tmp");
    const std::string live = dir.file(".doc.tsy.1.0123456789abcdef.tmp");
    const std::string other = dir.file(".other.tsy.999999999.0.tmp");
    for (const std::string& leftover : {mine, dead, live, other})
        TempDir::write(leftover, "half");
    for (int i = 0; i < 20; ++i)
        ASSERT_TRUE(writeFileAtomically(path, "v" + std::to_string(i)).ok);
    EXPECT_EQ(TempDir::read(path), "v19");
    EXPECT_FALSE(std::filesystem::exists(dead));
    EXPECT_TRUE(std::filesystem::exists(live));
    EXPECT_TRUE(std::filesystem::exists(other)); // another file's leftover is that file's to clear
    EXPECT_TRUE(std::filesystem::exists(mine));  // a live pid: maybe a save of this process
    // A leftover older than a day is removed whoever's pid it carries.
    const auto old = std::filesystem::file_time_type::clock::now() - std::chrono::hours(25);
    std::filesystem::last_write_time(live, old);
    ASSERT_TRUE(writeFileAtomically(path, "last").ok);
    EXPECT_FALSE(std::filesystem::exists(live));
}
