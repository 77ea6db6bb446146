// The merge's and the script save's file steps against a failing disk: whatever
// fails, the user's files stay as they were, the backup stays whole and the caller
// learns of the failure.
#include "core/config_merge.h"
#include "core/name_script.h"
#include "platform/file_writer.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

using glimtags::NameText;
using glimtags::NameType;
using glimtags::platform::copyFile;
using glimtags::platform::FileWriteResult;
using glimtags::platform::kWriteChunkBytes;
using glimtags::platform::readWholeFile;
using glimtags::platform::setWriteFaultForTesting;
using glimtags::platform::writeFileAtomically;
using glimtags::test::TempDir;
namespace fs = std::filesystem;

namespace {

// The folder made read-only by a bind mount onto itself, in a mount namespace of this
// test's own so that nothing outlives the process. Root ignores permission bits, but
// not a read-only mount.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const fs::path& folder)
        : folder_(folder)
    {
        mounted_ = ::unshare(CLONE_NEWNS) == 0 && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
            ::mount(folder.c_str(), folder.c_str(), nullptr, MS_BIND, nullptr) == 0;
        if (mounted_ && ::mount(nullptr, folder.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0)
            unmount();
    }
    ~ReadOnlyFolder() { unmount(); }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

    bool active() const { return mounted_; }

private:
    void unmount()
    {
        if (mounted_)
            ::umount2(folder_.c_str(), MNT_DETACH);
        mounted_ = false;
    }

    fs::path folder_;
    bool mounted_ = false;
};

std::vector<std::string> entries(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// A configuration of several write chunks, with CR LF line ends and the name line in its middle.
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

std::size_t chunksOf(const std::string& bytes)
{
    return (bytes.size() + kWriteChunkBytes - 1) / kWriteChunkBytes;
}

// What the caller of the merge sees: the backup's outcome, and either the bytes that
// could not be read (nothing) or the outcome of the rewrite.
struct MergeOutcome {
    FileWriteResult backup;
    bool configurationRead = false;
    FileWriteResult rewrite;
};

class FileWriteFaultTest : public ::testing::Test {
protected:
    void TearDown() override { setWriteFaultForTesting(0); }

    std::string configuration() const { return dir.file("q3config.cfg"); }
    std::string backup() const { return dir.file("q3config.cfg.bak"); }

    // The Merge command's file steps in its order; betweenBackupAndRead plays the world
    // changing under the editor.
    MergeOutcome merge(const std::function<void()>& betweenBackupAndRead = [] {}) const
    {
        MergeOutcome outcome;
        outcome.backup = copyFile(configuration(), backup());
        betweenBackupAndRead();
        const std::optional<std::string> bytes = readWholeFile(configuration());
        outcome.configurationRead = bytes.has_value();
        if (bytes) {
            const std::string text = glimtags::mergeText(NameType::User, NameText("^1New"), true);
            outcome.rewrite = writeFileAtomically(configuration(), glimtags::mergeIntoConfiguration(*bytes, NameType::User, text));
        }
        return outcome;
    }

    // The save command's file step for a chosen path.
    FileWriteResult saveScript(const std::string& chosen) const
    {
        const glimtags::ScriptSavePlan plan = glimtags::planScriptSave(NameType::User, chosen);
        return writeFileAtomically(plan.path, glimtags::nameScriptBytes(NameType::User, NameText("^1New"), true));
    }

    TempDir dir;
    const std::string original = largeConfiguration();
    const std::string olderBackup = "seta name \"FromLastWeek\"\n";
};

TEST_F(FileWriteFaultTest, ReadOnlyGameFolderKeepsConfigurationAndBackup)
{
    dir.write("q3config.cfg", original);
    dir.write("q3config.cfg.bak", olderBackup);
    const ReadOnlyFolder readOnly(dir.path());
    if (!readOnly.active())
        GTEST_SKIP() << "no read-only mount here";

    const MergeOutcome outcome = merge();
    EXPECT_EQ(outcome.backup.error, std::generic_category().message(EROFS));
    ASSERT_TRUE(outcome.configurationRead);
    EXPECT_FALSE(outcome.rewrite);
    EXPECT_EQ(outcome.rewrite.error, std::generic_category().message(EROFS));
    EXPECT_EQ(readWholeFile(configuration()), original);
    EXPECT_EQ(readWholeFile(backup()), olderBackup);
    EXPECT_EQ(entries(dir.path()), (std::vector<std::string>{"q3config.cfg", "q3config.cfg.bak"}));
}

TEST_F(FileWriteFaultTest, GameFolderUnderAFileIsReportedAndCreatesNothing)
{
    const std::string blocker = dir.write("baseq3", "a file where the folder should be");
    const std::string inBlocker = blocker + "/q3config.cfg";
    EXPECT_FALSE(copyFile(inBlocker, blocker + "/q3config.cfg.bak"));
    EXPECT_EQ(readWholeFile(inBlocker), std::nullopt);
    EXPECT_EQ(readWholeFile(blocker), "a file where the folder should be");
    EXPECT_EQ(entries(dir.path()), std::vector<std::string>{"baseq3"});
}

TEST_F(FileWriteFaultTest, ConfigurationThatIsAFolderIsReportedAndLeftAlone)
{
    fs::create_directory(configuration());
    dir.write("q3config.cfg/autoexec.cfg", "inside");
    dir.write("q3config.cfg.bak", olderBackup);

    const MergeOutcome outcome = merge();
    EXPECT_EQ(outcome.backup.error, std::generic_category().message(EISDIR));
    EXPECT_FALSE(outcome.configurationRead);
    EXPECT_TRUE(fs::is_directory(configuration()));
    EXPECT_EQ(entries(configuration()), std::vector<std::string>{"autoexec.cfg"});
    EXPECT_EQ(readWholeFile(backup()), olderBackup);
    EXPECT_EQ(entries(dir.path()), (std::vector<std::string>{"q3config.cfg", "q3config.cfg.bak"}));
}

TEST_F(FileWriteFaultTest, ConfigurationVanishingAfterTheBackupIsReportedAndNotRecreated)
{
    dir.write("q3config.cfg", original);
    dir.write("q3config.cfg.bak", olderBackup);

    const MergeOutcome outcome = merge([this] { fs::remove(configuration()); });
    EXPECT_TRUE(outcome.backup);
    EXPECT_FALSE(outcome.configurationRead);
    EXPECT_FALSE(fs::exists(configuration()));
    EXPECT_EQ(readWholeFile(backup()), original);
    EXPECT_EQ(entries(dir.path()), std::vector<std::string>{"q3config.cfg.bak"});
}

TEST_F(FileWriteFaultTest, RewriteFailingPartWayKeepsConfigurationAndBackupWhole)
{
    dir.write("q3config.cfg", original);
    dir.write("q3config.cfg.bak", olderBackup);
    ASSERT_GE(chunksOf(original), 4u);
    // The backup takes its chunks first; the rewrite then fails on its second chunk.
    setWriteFaultForTesting(static_cast<int>(chunksOf(original)) + 2);

    const MergeOutcome outcome = merge();
    EXPECT_TRUE(outcome.backup);
    ASSERT_TRUE(outcome.configurationRead);
    EXPECT_FALSE(outcome.rewrite);
    EXPECT_EQ(outcome.rewrite.error, std::generic_category().message(EIO));
    EXPECT_EQ(readWholeFile(configuration()), original);
    EXPECT_EQ(readWholeFile(backup()), original);
    EXPECT_EQ(entries(dir.path()), (std::vector<std::string>{"q3config.cfg", "q3config.cfg.bak"}));
}

TEST_F(FileWriteFaultTest, BackupFailingPartWayKeepsTheOlderBackupWhole)
{
    dir.write("q3config.cfg", original);
    dir.write("q3config.cfg.bak", olderBackup);
    setWriteFaultForTesting(2);

    const MergeOutcome outcome = merge();
    EXPECT_EQ(outcome.backup.error, std::generic_category().message(EIO));
    EXPECT_EQ(readWholeFile(backup()), olderBackup);
    // A failed backup does not stop the merge, which then rewrites the line alone.
    ASSERT_TRUE(outcome.configurationRead);
    EXPECT_TRUE(outcome.rewrite);
    const std::string merged = *readWholeFile(configuration());
    EXPECT_EQ(merged.size(), original.size() - std::string("OldName\"\r").size() + std::string("^1New^7\"\n").size());
    EXPECT_NE(merged.find("\r\nseta name \"^1New^7\"\n\n"), std::string::npos);
}

TEST_F(FileWriteFaultTest, ScriptSaveFailuresKeepTheExistingFile)
{
    const std::string existing = dir.write("Fred.name", "seta name \"Old^7\"");
    const std::string blocker = dir.write("notafolder", "plain file");
    fs::create_directory(dir.file("Folder.name"));

    struct Case {
        const char* what;
        std::string chosen;
        int failingWrite;
    };
    const Case cases[] = {
        {"folder that is a file", blocker + "/Fred", 0},
        {"target that is a folder", dir.file("Folder"), 0},
        {"write that fails", dir.file("Fred"), 1},
    };
    for (const Case& c : cases) {
        setWriteFaultForTesting(c.failingWrite);
        const FileWriteResult result = saveScript(c.chosen);
        EXPECT_FALSE(result) << c.what;
        EXPECT_FALSE(result.error.empty()) << c.what;
        setWriteFaultForTesting(0);
    }
    EXPECT_EQ(readWholeFile(existing), "seta name \"Old^7\"");
    EXPECT_EQ(readWholeFile(blocker), "plain file");
    EXPECT_TRUE(fs::is_empty(dir.file("Folder.name")));
    EXPECT_EQ(entries(dir.path()), (std::vector<std::string>{"Folder.name", "Fred.name", "notafolder"}));
}

TEST_F(FileWriteFaultTest, ScriptSaveIntoAReadOnlyFolderKeepsTheExistingFile)
{
    const std::string existing = dir.write("Fred.name", "seta name \"Old^7\"");
    const ReadOnlyFolder readOnly(dir.path());
    if (!readOnly.active())
        GTEST_SKIP() << "no read-only mount here";

    const FileWriteResult result = saveScript(dir.file("Fred"));
    EXPECT_EQ(result.error, std::generic_category().message(EROFS));
    EXPECT_EQ(readWholeFile(existing), "seta name \"Old^7\"");
    EXPECT_EQ(entries(dir.path()), std::vector<std::string>{"Fred.name"});
}

// A file name may take all 255 bytes a folder entry allows; replacing the file must not
// need a longer name beside it.
TEST_F(FileWriteFaultTest, ScriptWithTheLongestFileNameIsSaved)
{
    const std::string stem(255 - std::string(".name").size(), 'f');
    const std::string existing = dir.write(stem + ".name", "seta name \"Old^7\"");
    ASSERT_EQ(readWholeFile(existing), "seta name \"Old^7\"");
    ASSERT_TRUE(saveScript(dir.file(stem)));
    EXPECT_EQ(readWholeFile(existing), "seta name \"^1New^7\"");
    EXPECT_EQ(entries(dir.path()), std::vector<std::string>{stem + ".name"});
}

} // namespace
