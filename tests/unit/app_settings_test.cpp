#include "core/app_settings.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

using glimtags::AppSettings;
using glimtags::Toggle;

namespace {

// An in-memory store that records the order of reads and every write.
class MemoryStore : public glimtags::SettingsStore {
public:
    int readInteger(std::string_view key, int defaultValue) override
    {
        reads.emplace_back(key);
        const auto it = integers.find(std::string(key));
        return it == integers.end() ? defaultValue : it->second;
    }
    std::string readText(std::string_view key, std::string_view defaultValue) override
    {
        reads.emplace_back(key);
        const auto it = texts.find(std::string(key));
        return it == texts.end() ? std::string(defaultValue) : it->second;
    }
    bool writeInteger(std::string_view key, int value) override
    {
        integers[std::string(key)] = value;
        ++writes;
        return true;
    }
    bool writeText(std::string_view key, std::string_view value) override
    {
        texts[std::string(key)] = value;
        ++writes;
        return true;
    }

    std::map<std::string, int> integers;
    std::map<std::string, std::string> texts;
    std::vector<std::string> reads;
    int writes = 0;
};

const std::vector<Toggle> kToggles = {Toggle::EnableStripe, Toggle::EnableTextCursor, Toggle::EndColorWhite,
                                      Toggle::CharInfo,     Toggle::InGameLimit,      Toggle::AutoChecking};

} // namespace

TEST(AppSettings, DefaultsFromAnEmptyStore)
{
    MemoryStore store;
    AppSettings settings;
    settings.load(store);
    EXPECT_FALSE(settings.isOn(Toggle::EnableStripe));
    for (Toggle on : {Toggle::EnableTextCursor, Toggle::EndColorWhite, Toggle::CharInfo, Toggle::InGameLimit,
                      Toggle::AutoChecking})
        EXPECT_TRUE(settings.isOn(on));
    EXPECT_EQ(settings.q3Path, "");
    EXPECT_EQ(settings.Language, "");
    EXPECT_EQ(settings.BackGrndImage, "BackGrnd.TGA");
    EXPECT_EQ(store.writes, 0);
}

TEST(AppSettings, ReadsInStartUpOrder)
{
    MemoryStore store;
    AppSettings().load(store);
    EXPECT_EQ(store.reads, (std::vector<std::string>{"EnableStripe", "EnableTextCursor", "EndColorWhite", "CharInfo",
                                                     "q3Path", "Language", "BackGrnd Image", "InGameLimit",
                                                     "AutoChecking"}));
}

TEST(AppSettings, StoredValuesWin)
{
    MemoryStore store;
    store.integers = {{"EnableStripe", 5}, {"EnableTextCursor", 0}, {"EndColorWhite", 0},
                      {"CharInfo", 0},     {"InGameLimit", 0},      {"AutoChecking", -1}};
    store.texts = {{"q3Path", "/games/q3/baseq3"}, {"Language", "Deutsch.lan"}, {"BackGrnd Image", "/pics/x.tga"}};
    AppSettings settings;
    settings.load(store);
    EXPECT_TRUE(settings.isOn(Toggle::EnableStripe)) << "any value but 0 counts as on";
    EXPECT_TRUE(settings.isOn(Toggle::AutoChecking));
    for (Toggle off : {Toggle::EnableTextCursor, Toggle::EndColorWhite, Toggle::CharInfo, Toggle::InGameLimit})
        EXPECT_FALSE(settings.isOn(off));
    EXPECT_EQ(settings.q3Path, "/games/q3/baseq3");
    EXPECT_EQ(settings.Language, "Deutsch.lan");
    EXPECT_EQ(settings.BackGrndImage, "/pics/x.tga");
}

TEST(AppSettings, EmptyBackgroundReadsAsDefaultWithoutRewriting)
{
    MemoryStore store;
    store.texts["BackGrnd Image"] = "";
    AppSettings settings;
    settings.load(store);
    EXPECT_EQ(settings.BackGrndImage, "BackGrnd.TGA");
    EXPECT_EQ(store.texts["BackGrnd Image"], "");
    EXPECT_EQ(store.writes, 0);
}

TEST(AppSettings, TogglesStoreZeroOrOneAtOnce)
{
    for (Toggle option : kToggles) {
        MemoryStore store;
        store.integers[glimtags::settingsKey(option)] = 5;
        AppSettings settings;
        settings.load(store);
        EXPECT_FALSE(settings.toggle(option, store));
        EXPECT_EQ(store.integers[glimtags::settingsKey(option)], 0);
        EXPECT_TRUE(settings.toggle(option, store));
        EXPECT_EQ(store.integers[glimtags::settingsKey(option)], 1);
        EXPECT_EQ(store.writes, 2);
        // Only the toggled option changed.
        for (Toggle other : kToggles) {
            if (other != option) {
                EXPECT_EQ(settings.value(other), AppSettings{}.value(other));
            }
        }
    }
}

TEST(AppSettings, LoadStartsFromDefaults)
{
    MemoryStore store;
    AppSettings settings;
    settings.q3Path = "/stale";
    settings.EnableStripe = 1;
    settings.load(store);
    EXPECT_EQ(settings.q3Path, "");
    EXPECT_EQ(settings.EnableStripe, 0);
}
