#include "platform/file_ops.h"
#include "platform/paths.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

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
