#include "platform/file_writer.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

using glimtags::platform::copyFile;
using glimtags::platform::readWholeFile;
using glimtags::platform::setWriteFaultForTesting;
using glimtags::platform::writeFileAtomically;
using glimtags::test::TempDir;
namespace fs = std::filesystem;
using namespace std::string_literals;

namespace {

class FileWriterTest : public ::testing::Test {
protected:
    void TearDown() override { setWriteFaultForTesting(0); }

    std::vector<std::string> entries(const fs::path& folder) const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    static unsigned mode(const std::string& path)
    {
        struct stat status {};
        EXPECT_EQ(::stat(path.c_str(), &status), 0) << path;
        return status.st_mode & 07777;
    }

    TempDir dir;
    const std::string raw = "seta name \"a\"\r\nbind x \"\0\xFF\"\r\n"s;
};

TEST_F(FileWriterTest, RoundTripKeepsEveryByte)
{
    const std::string path = dir.file("q3config.cfg");
    ASSERT_TRUE(writeFileAtomically(path, raw));
    EXPECT_EQ(readWholeFile(path), raw);
    ASSERT_TRUE(writeFileAtomically(path, ""));
    EXPECT_EQ(readWholeFile(path), "");
    EXPECT_EQ(entries(dir.path()), std::vector<std::string>{"q3config.cfg"});
}

TEST_F(FileWriterTest, NewFileGetsTheUsualPermissions)
{
    const mode_t previous = ::umask(027);
    const bool written = static_cast<bool>(writeFileAtomically(dir.file("new"), "x"));
    ::umask(previous);
    ASSERT_TRUE(written);
    EXPECT_EQ(mode(dir.file("new")), 0640u);
}

TEST_F(FileWriterTest, ReplacedFileKeepsItsPermissions)
{
    for (const unsigned kept : {0640u, 0604u, 0600u, 0755u}) {
        const std::string path = dir.write("q3config.cfg", "old");
        ASSERT_EQ(::chmod(path.c_str(), kept), 0);
        ASSERT_TRUE(writeFileAtomically(path, raw));
        EXPECT_EQ(mode(path), kept);
        EXPECT_EQ(readWholeFile(path), raw);
    }
}

TEST_F(FileWriterTest, SymbolicLinkKeepsPointingAtTheFile)
{
    const std::string real = dir.write("real.cfg", "old");
    const std::string link = dir.file("q3config.cfg");
    fs::create_symlink(real, link);
    ASSERT_TRUE(writeFileAtomically(link, "new"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(readWholeFile(real), "new");
    EXPECT_EQ(entries(dir.path()), (std::vector<std::string>{"q3config.cfg", "real.cfg"}));
}

// Root ignores permission bits, so the folder that cannot take the temporary file
// is a path under a regular file.
TEST_F(FileWriterTest, FolderThatCannotHoldFilesFailsAndChangesNothing)
{
    const std::string blocker = dir.write("file.txt", "untouched");
    const auto result = writeFileAtomically(blocker + "/q3config.cfg", raw);
    EXPECT_FALSE(result);
    EXPECT_FALSE(result.error.empty());
    EXPECT_EQ(readWholeFile(blocker), "untouched");
    EXPECT_EQ(entries(dir.path()), std::vector<std::string>{"file.txt"});
}

TEST_F(FileWriterTest, FolderAsTargetFailsAndStaysAFolder)
{
    const fs::path folder = dir.path() / "q3config.cfg";
    fs::create_directory(folder);
    const auto result = writeFileAtomically(folder.string(), raw);
    EXPECT_FALSE(result);
    EXPECT_FALSE(result.error.empty());
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_TRUE(fs::is_empty(folder));
    EXPECT_EQ(entries(dir.path()), std::vector<std::string>{"q3config.cfg"});
}

TEST_F(FileWriterTest, ReadOnlyFileIsNotReplaced)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may write any file";
    const std::string path = dir.write("q3config.cfg", "protected");
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    EXPECT_FALSE(writeFileAtomically(path, raw));
    EXPECT_EQ(readWholeFile(path), "protected");
    EXPECT_EQ(entries(dir.path()), std::vector<std::string>{"q3config.cfg"});
}

TEST_F(FileWriterTest, FailedWriteLeavesTheOriginalAndNoTemporaryFile)
{
    std::string original;
    for (int i = 0; i < 20000; ++i)
        original += "seta var" + std::to_string(i) + " \"" + std::to_string(i * 7) + "\"\n";
    const std::string replacement(3 * glimtags::platform::kWriteChunkBytes + 17, 'n');
    const std::string path = dir.write("q3config.cfg", original);
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    for (const int failingWrite : {1, 2, 4}) {
        setWriteFaultForTesting(failingWrite);
        const auto result = writeFileAtomically(path, replacement);
        EXPECT_FALSE(result) << failingWrite;
        EXPECT_EQ(result.error, std::generic_category().message(EIO));
        EXPECT_EQ(readWholeFile(path), original) << failingWrite;
        EXPECT_EQ(mode(path), 0640u);
        EXPECT_EQ(entries(dir.path()), std::vector<std::string>{"q3config.cfg"}) << failingWrite;
    }
    // The replacement takes four chunks, so a fault on the fifth write never fires.
    setWriteFaultForTesting(5);
    ASSERT_TRUE(writeFileAtomically(path, replacement));
    EXPECT_EQ(readWholeFile(path), replacement);
    setWriteFaultForTesting(0);
}

TEST_F(FileWriterTest, FaultFiresOnceThenWritesWorkAgain)
{
    const std::string path = dir.file("q3config.cfg");
    setWriteFaultForTesting(1);
    EXPECT_FALSE(writeFileAtomically(path, "a"));
    EXPECT_FALSE(fs::exists(path));
    ASSERT_TRUE(writeFileAtomically(path, "b"));
    EXPECT_EQ(readWholeFile(path), "b");
}

TEST_F(FileWriterTest, CopyReplacesTheBackup)
{
    const std::string config = dir.write("q3config.cfg", raw);
    const std::string backup = dir.write("q3config.cfg.bak", "older backup, longer than the new one");
    ASSERT_TRUE(copyFile(config, backup));
    EXPECT_EQ(readWholeFile(backup), raw);
    EXPECT_EQ(readWholeFile(config), raw);
    ASSERT_TRUE(copyFile(config, dir.file("fresh.bak")));
    EXPECT_EQ(readWholeFile(dir.file("fresh.bak")), raw);
}

TEST_F(FileWriterTest, CopyOfAMissingFileFailsAndKeepsTheTarget)
{
    const std::string backup = dir.write("q3config.cfg.bak", "kept");
    const auto result = copyFile(dir.file("q3config.cfg"), backup);
    EXPECT_FALSE(result);
    EXPECT_EQ(result.error, std::generic_category().message(ENOENT));
    EXPECT_EQ(readWholeFile(backup), "kept");
    EXPECT_FALSE(copyFile(dir.path().string(), backup));
    EXPECT_EQ(readWholeFile(backup), "kept");
}

TEST_F(FileWriterTest, ReadingGivesNothingForMissingFilesAndFolders)
{
    EXPECT_EQ(readWholeFile(dir.file("missing")), std::nullopt);
    EXPECT_EQ(readWholeFile(dir.path().string()), std::nullopt);
    EXPECT_EQ(readWholeFile(dir.write("empty", "")), "");
    const std::string big(5 * glimtags::platform::kWriteChunkBytes + 3, '\r');
    EXPECT_EQ(readWholeFile(dir.write("big", big)), big);
    // A pipe in place of the configuration is refused instead of blocking.
    ASSERT_EQ(::mkfifo(dir.file("pipe").c_str(), 0600), 0);
    EXPECT_EQ(readWholeFile(dir.file("pipe")), std::nullopt);
}

} // namespace
