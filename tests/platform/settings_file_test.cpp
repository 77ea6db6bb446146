#include "platform/settings_file.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <wx/init.h>
#include <wx/utils.h>

#include <fstream>
#include <sstream>

using glimtags::AppSettings;
using glimtags::Toggle;
using glimtags::platform::SettingsFile;
using glimtags::test::TempDir;

namespace {

std::string contents(const std::string& path)
{
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

class SettingsFileTest : public ::testing::Test {
protected:
    wxInitializer wx;
    TempDir dir;
    std::string path = (dir.path() / "config" / "Quorvant" / "GLiMTaGS EDiToR.conf").string();
};

} // namespace

TEST_F(SettingsFileTest, MissingFileReadsAllDefaults)
{
    SettingsFile store(path);
    AppSettings settings;
    settings.load(store);
    EXPECT_EQ(settings.EnableStripe, 0);
    EXPECT_EQ(settings.AutoChecking, 1);
    EXPECT_EQ(settings.BackGrndImage, "BackGrnd.TGA");
    EXPECT_FALSE(std::filesystem::exists(path)) << "reading must not create the file";
}

TEST_F(SettingsFileTest, RoundTripInTheVersionGroup)
{
    {
        SettingsFile store(path);
        AppSettings settings;
        settings.load(store);
        settings.toggle(Toggle::EnableStripe, store);
        store.writeText("q3Path", "/home/player/.q3a/baseq3");
        store.writeText("BackGrnd Image", "/pics/my back $HOME.tga");
        store.writeText("Language", "Deutsch.lan");
    }
    const std::string text = contents(path);
    EXPECT_NE(text.find("[v1.7]"), std::string::npos) << text;
    EXPECT_NE(text.find("EnableStripe=1"), std::string::npos) << text;

    SettingsFile reopened(path);
    AppSettings settings;
    settings.load(reopened);
    EXPECT_EQ(settings.EnableStripe, 1);
    EXPECT_EQ(settings.q3Path, "/home/player/.q3a/baseq3");
    EXPECT_EQ(settings.BackGrndImage, "/pics/my back $HOME.tga") << "no environment expansion";
    EXPECT_EQ(settings.Language, "Deutsch.lan");
}

TEST_F(SettingsFileTest, HandWrittenIntegersCountAsOnWhenNotZero)
{
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path) << "[v1.7]\nEnableStripe=5\nCharInfo=0\nBackGrnd Image=\n[other]\nAutoChecking=0\n";
    SettingsFile store(path);
    AppSettings settings;
    settings.load(store);
    EXPECT_TRUE(settings.isOn(Toggle::EnableStripe));
    EXPECT_FALSE(settings.isOn(Toggle::CharInfo));
    EXPECT_TRUE(settings.isOn(Toggle::AutoChecking)) << "other groups are not ours";
    EXPECT_EQ(settings.BackGrndImage, "BackGrnd.TGA");
    settings.toggle(Toggle::EnableStripe, store);
    EXPECT_NE(contents(path).find("EnableStripe=0"), std::string::npos);
}

TEST_F(SettingsFileTest, FailedWritesAreIgnored)
{
    // The folder cannot be made: a file stands where it should be.
    std::ofstream((dir.path() / "config").string()) << "in the way";
    SettingsFile store(path);
    store.writeInteger("EnableStripe", 1);
    store.writeText("q3Path", "/x");
    EXPECT_FALSE(std::filesystem::is_directory(dir.path() / "config"));
}

TEST(SettingsFileLocation, FollowsXdgConfigHome)
{
    wxInitializer wx;
    wxString saved;
    const bool hadValue = wxGetEnv("XDG_CONFIG_HOME", &saved);
    wxSetEnv("XDG_CONFIG_HOME", "/tmp/xdg-test");
    EXPECT_EQ(SettingsFile::userSettingsPath(), "/tmp/xdg-test/Quorvant/GLiMTaGS EDiToR.conf");
    wxUnsetEnv("XDG_CONFIG_HOME");
    EXPECT_EQ(SettingsFile::userSettingsPath(),
              std::string(wxGetHomeDir().utf8_str()) + "/.config/Quorvant/GLiMTaGS EDiToR.conf");
    if (hadValue)
        wxSetEnv("XDG_CONFIG_HOME", saved);
}
