#include "files/AtomicFile.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {
size_t EntryCount(const std::string& folder) {
    return static_cast<size_t>(std::distance(fs::directory_iterator(folder), {}));
}
} // namespace

TEST(AtomicFile, CreatesAndReplacesWithoutLeavingTemporaries) {
    TempDir dir;
    const std::string path = dir.File("out.csv");
    ASSERT_TRUE(WriteFileAtomically(path, "first"));
    ASSERT_TRUE(WriteFileAtomically(path, "second, longer"));
    EXPECT_EQ(ReadFileBytes(path), "second, longer");
    ASSERT_TRUE(WriteFileAtomically(path, ""));
    EXPECT_EQ(ReadFileBytes(path), "");
    EXPECT_EQ(EntryCount(dir.Path()), 1u);
}

TEST(AtomicFile, FailedRenameKeepsWhatWasThereAndRemovesTheTemporary) {
    TempDir dir;
    // A non-empty folder in the target's place cannot be replaced by a file.
    fs::create_directory(dir.File("taken"));
    WriteFileBytes(dir.File("taken/inside"), "x");
    EXPECT_FALSE(WriteFileAtomically(dir.File("taken"), "data"));
    EXPECT_TRUE(fs::is_directory(dir.File("taken")));
    EXPECT_EQ(EntryCount(dir.Path()), 1u);
}

TEST(AtomicFile, RefusesPathsWithoutAFileNameOrFolder) {
    TempDir dir;
    EXPECT_FALSE(WriteFileAtomically("", "x"));
    EXPECT_FALSE(WriteFileAtomically(dir.Path() + "/", "x"));
    EXPECT_FALSE(WriteFileAtomically(dir.File("missing/out.dat"), "x"));
}

TEST(AtomicFile, NewFileGetsTheOrdinaryPermissions) {
    TempDir dir;
    const mode_t old = umask(027);
    const bool written = WriteFileAtomically(dir.File("perm"), "x");
    umask(old);
    ASSERT_TRUE(written);
    struct stat status {};
    ASSERT_EQ(stat(dir.File("perm").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0640u);
}
