// The script save and the merge against a failing disk: whatever fails, the user's files
// stay as they were, the backup stays whole and the caller learns why.
#include "core/regular_file.h"
#include "platform/name_files.h"

#include "support/failing_writer.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

using glimtags::NameText;
using glimtags::NameType;
using glimtags::readRegularFile;
using glimtags::platform::FileWriter;
using glimtags::platform::kWriteChunkBytes;
using glimtags::test::writerFailingAt;
namespace fs = std::filesystem;
using namespace std::string_literals;

namespace {

std::vector<std::string> entries(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

unsigned mode(const std::string& path)
{
    struct stat status {};
    EXPECT_EQ(::stat(path.c_str(), &status), 0) << path;
    return status.st_mode & 07777;
}

std::string systemText(int errorNumber) { return std::generic_category().message(errorNumber); }

// Several write chunks, CR LF line ends and the name line in the middle.
std::string largeConfiguration()
{
    std::string bytes;
    for (int i = 0; bytes.size() < 3 * kWriteChunkBytes + kWriteChunkBytes / 2; ++i) {
        bytes += "seta var" + std::to_string(i) + " \"" + std::to_string(i * 31) + "\"\r\n";
        if (i == 5000)
            bytes += "seta name \"OldName\"\r\n";
    }
    return bytes;
}

class NameFilesTest : public ::testing::Test {
protected:
    glimtags::platform::MergeOutcome merge(const FileWriter& writer = {}) const
    {
        return glimtags::platform::mergeNameIntoGameConfig(dir.path().string(), NameType::User, NameText("^1New"), true,
                                                           writer);
    }
    std::string configuration() const { return dir.file("q3config.cfg"); }
    std::string backup() const { return dir.file("q3config.cfg.bak"); }

    glimtags::test::TempDir dir;
    const std::string original = largeConfiguration();
    const std::string olderBackup = "seta name \"FromLastWeek\"\n";
};

TEST_F(NameFilesTest, AtomicWriteKeepsBytesPermissionsAndLinks)
{
    const std::string raw = "seta name \"a\"\r\nbind x \"\0\xFF\"\r\n"s;
    const mode_t previous = ::umask(027);
    const bool written = static_cast<bool>(FileWriter().replace(dir.file("new"), raw));
    ::umask(previous);
    ASSERT_TRUE(written);
    EXPECT_EQ(readRegularFile(dir.file("new")), raw);
    EXPECT_EQ(mode(dir.file("new")), 0640u);
    ASSERT_EQ(::chmod(dir.file("new").c_str(), 0604), 0);
    ASSERT_TRUE(FileWriter().replace(dir.file("new"), ""));
    EXPECT_EQ(mode(dir.file("new")), 0604u);

    // A link stays a link, also one whose target does not exist yet.
    fs::create_symlink("real.cfg", dir.file("q3config.cfg"));
    fs::create_symlink(dir.file("target.bak"), dir.file("q3config.cfg.bak"));
    for (const char* link : {"q3config.cfg", "q3config.cfg.bak"})
        ASSERT_TRUE(FileWriter().replace(dir.file(link), link)) << link;
    EXPECT_TRUE(fs::is_symlink(dir.file("q3config.cfg")) && fs::is_symlink(dir.file("q3config.cfg.bak")));
    EXPECT_EQ(readRegularFile(dir.file("real.cfg")), "q3config.cfg");
    EXPECT_EQ(readRegularFile(dir.file("target.bak")), "q3config.cfg.bak");
    EXPECT_EQ(entries(dir.path()),
              (std::vector<std::string>{"new", "q3config.cfg", "q3config.cfg.bak", "real.cfg", "target.bak"}));

    fs::create_symlink("loop", dir.file("loop"));
    EXPECT_EQ(FileWriter().replace(dir.file("loop"), "x").error, systemText(ELOOP));
}

TEST_F(NameFilesTest, FailedWriteLeavesTheOriginalAndNoTemporaryFile)
{
    const std::string path = dir.write("q3config.cfg", original);
    const std::string replacement(3 * kWriteChunkBytes + 17, 'n');
    for (const int failingWrite : {1, 2, 4}) {
        EXPECT_EQ(writerFailingAt(failingWrite).replace(path, replacement).error, systemText(EIO)) << failingWrite;
        EXPECT_EQ(readRegularFile(path), original) << failingWrite;
        EXPECT_EQ(entries(dir.path()), std::vector<std::string>{"q3config.cfg"}) << failingWrite;
    }
    fs::create_directory(dir.file("folder"));
    EXPECT_EQ(FileWriter().replace(dir.file("folder"), "x").error, systemText(EISDIR));
    EXPECT_FALSE(FileWriter().replace(path + "/below-a-file", "x"));
}

TEST_F(NameFilesTest, ScriptSaveWritesThePlannedFileOrSaysWhyNot)
{
    const auto saved = glimtags::platform::saveNameScript(NameType::Host, dir.file("Fred"), NameText("^1New"), true);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved.value.shownName, "Fred.host");
    EXPECT_EQ(readRegularFile(dir.file("Fred.host")), "seta sv_hostname \"^1New^7\"");

    // The longest name a folder entry allows leaves no room for a longer temporary name.
    const std::string stem(255 - std::string(".name").size(), 'f');
    EXPECT_TRUE(glimtags::platform::saveNameScript(NameType::User, dir.file(stem), NameText("x"), false));

    const auto refused =
        glimtags::platform::saveNameScript(NameType::Host, dir.file("Fred"), NameText("B"), true, writerFailingAt(1));
    EXPECT_FALSE(refused);
    EXPECT_EQ(refused.error, systemText(EIO));
    EXPECT_EQ(refused.value.path, dir.file("Fred.host"));
    EXPECT_EQ(readRegularFile(dir.file("Fred.host")), "seta sv_hostname \"^1New^7\"");
}

TEST_F(NameFilesTest, MergeBacksUpTheBytesItReadThenReplacesTheNameLine)
{
    dir.write("q3config.cfg", original);
    dir.write("q3config.cfg.bak", olderBackup);
    ASSERT_TRUE(merge());
    EXPECT_EQ(readRegularFile(backup()), original);
    std::string expected = original;
    expected.replace(expected.find("seta name"), std::string("seta name \"OldName\"").size(), "seta name \"^1New^7\"");
    EXPECT_EQ(readRegularFile(configuration()), expected);
}

TEST_F(NameFilesTest, MergeThatCannotReadTheConfigurationTouchesNothing)
{
    dir.write("q3config.cfg.bak", olderBackup);
    EXPECT_EQ(merge().code, glimtags::platform::kMergeConfigurationUnreadable);
    fs::create_directory(configuration());
    EXPECT_EQ(merge().code, glimtags::platform::kMergeConfigurationUnreadable);
    fs::remove(configuration());
    ASSERT_EQ(::mkfifo(configuration().c_str(), 0600), 0);
    const auto result = merge();
    EXPECT_EQ(result.code, glimtags::platform::kMergeConfigurationUnreadable) << "a pipe must not block";
    EXPECT_FALSE(result);
    EXPECT_EQ(result.failedPath, configuration());
    EXPECT_EQ(readRegularFile(backup()), olderBackup);
}

TEST_F(NameFilesTest, FailedBackupStopsTheMergeBeforeTheConfigurationIsTouched)
{
    dir.write("q3config.cfg", original);
    dir.write("q3config.cfg.bak", olderBackup);
    const auto result = merge(writerFailingAt(2));
    EXPECT_FALSE(result);
    EXPECT_EQ(result.code, glimtags::platform::kMergeBackupFailed);
    EXPECT_EQ(result.failedPath, backup());
    EXPECT_EQ(result.error, systemText(EIO));
    EXPECT_EQ(readRegularFile(configuration()), original);
    EXPECT_EQ(readRegularFile(backup()), olderBackup);
}

TEST_F(NameFilesTest, FailedRewriteKeepsConfigurationAndBackupWhole)
{
    dir.write("q3config.cfg", original);
    // The backup takes its chunks first; the rewrite then fails on its second chunk.
    const auto result =
        merge(writerFailingAt(static_cast<int>((original.size() + kWriteChunkBytes - 1) / kWriteChunkBytes) + 2));
    EXPECT_FALSE(result);
    EXPECT_EQ(result.code, glimtags::platform::kMergeWriteFailed);
    EXPECT_EQ(result.failedPath, configuration());
    EXPECT_EQ(readRegularFile(configuration()), original);
    EXPECT_EQ(readRegularFile(backup()), original);
    EXPECT_EQ(entries(dir.path()), (std::vector<std::string>{"q3config.cfg", "q3config.cfg.bak"}));
}

} // namespace
