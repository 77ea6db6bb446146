#include "platform/settings_file.h"

#include "core/regular_file.h"
#include "support/failing_writer.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <wx/debug.h>
#include <wx/init.h>
#include <wx/string.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

using glimtags::platform::SettingsFile;
namespace fs = std::filesystem;

namespace {

class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        previousAssertHandler = wxSetAssertHandler([](const wxString&, int, const wxString& function,
                                                      const wxString&, const wxString& message) {
            ADD_FAILURE() << "wx assertion in " << function.utf8_string() << ": " << message.utf8_string();
        });
    }
    void TearDown() override
    {
        wxSetAssertHandler(previousAssertHandler);
    }

    wxInitializer wx;
    glimtags::test::TempDir dir;
    std::string path = dir.file("config/Maker/Title.conf");
    wxAssertHandler_t previousAssertHandler = nullptr;
};

TEST_F(SettingsFileTest, MissingFileReadsDefaultsWithoutCreatingIt)
{
    SettingsFile store(path);
    EXPECT_EQ(store.readInteger("EnableStripe", 7), 7);
    EXPECT_EQ(store.readText("q3Path", "none"), "none");
    EXPECT_FALSE(fs::exists(dir.file("config")));
}

// Integers are stored as integers, texts as written: no environment expansion.
TEST_F(SettingsFileTest, RoundTripInTheVersionGroup)
{
    fs::create_directories(fs::path(path).parent_path());
    dir.write("config/Maker/Title.conf", "[other]\nCharInfo=3\n[v1.7]\nAutoChecking=5\n");
    {
        SettingsFile store(path);
        EXPECT_EQ(store.readInteger("AutoChecking", 1), 5);
        EXPECT_TRUE(store.writeInteger("EnableStripe", -2));
        EXPECT_TRUE(store.writeText("q3Path", "/home/p/$HOME/${X} q3"));
    }
    const std::string text = glimtags::readRegularFile(path).value();
    EXPECT_NE(text.find("[v1.7]\nAutoChecking=5\nEnableStripe=-2\n"), std::string::npos) << text;
    SettingsFile reopened(path);
    EXPECT_EQ(reopened.readInteger("EnableStripe", 0), -2);
    EXPECT_EQ(reopened.readText("q3Path", ""), "/home/p/$HOME/${X} q3");
    EXPECT_EQ(reopened.readInteger("CharInfo", 1), 1) << "another group is not ours";
}

// A file edited by hand may name the group twice or set a value twice; the last setting
// counts, and the next write leaves one group with one line a value.
TEST_F(SettingsFileTest, GroupNamedTwiceReadsAsOneAndIsWrittenBackOnce)
{
    fs::create_directories(fs::path(path).parent_path());
    dir.write("config/Maker/Title.conf",
              "[v1.7]\nLanguage=English.lan\nCharInfo=1\n[other]\nCharInfo=3\n[v1.7]\nq3Path=/q3\nCharInfo=0\n");
    {
        SettingsFile store(path);
        EXPECT_EQ(store.readText("Language", ""), "English.lan");
        EXPECT_EQ(store.readText("q3Path", ""), "/q3");
        EXPECT_EQ(store.readInteger("CharInfo", 5), 0);
        EXPECT_TRUE(store.writeInteger("CharInfo", 1));
    }
    EXPECT_EQ(glimtags::readRegularFile(path).value(),
              "[v1.7]\nLanguage=English.lan\nq3Path=/q3\nCharInfo=1\n[other]\nCharInfo=3\n");
}

TEST_F(SettingsFileTest, FailedWriteIsReportedWithTheFileAndTheReason)
{
    std::vector<std::string> reports;
    const auto report = [&reports](const std::string& file, const std::string& reason) {
        reports.push_back(file + ": " + reason);
    };
    dir.write("config", "a file where the folder belongs");
    SettingsFile blocked(path);
    blocked.onWriteFailure(report);
    EXPECT_FALSE(blocked.writeTexts({{"q3Path", "/q3"}, {"RecentFile1", "/q3/a.name"}})) << "in one write";
    fs::remove(dir.file("config"));
    SettingsFile failing(path, glimtags::test::writerFailingAt(1));
    failing.onWriteFailure(report);
    EXPECT_FALSE(failing.writeInteger("EnableStripe", 1));
    EXPECT_EQ(reports, (std::vector<std::string>{path + ": " + std::generic_category().message(ENOTDIR),
                                                 path + ": " + std::generic_category().message(EIO)}));
}

} // namespace
