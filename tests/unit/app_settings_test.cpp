#include "core/app_settings.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

using glimtags::AppSettings;
using glimtags::ToggleOption;

namespace {

// Keeps integer writes unless told to fail them.
struct MemoryStore : glimtags::SettingsStore {
    template <typename T>
    T read(const std::map<std::string, T>& values, std::string_view key, T fallback)
    {
        const auto it = values.find(std::string(key));
        return it == values.end() ? fallback : it->second;
    }
    int readInteger(std::string_view key, int fallback) override { return read(integers, key, fallback); }
    std::string readText(std::string_view key, std::string_view fallback) override
    {
        return read(texts, key, std::string(fallback));
    }
    bool writeInteger(std::string_view key, int value) override
    {
        if (keeps)
            integers[std::string(key)] = value;
        return keeps;
    }
    bool writeTexts(const TextValues&) override { return false; }

    std::map<std::string, int> integers;
    std::map<std::string, std::string> texts;
    bool keeps = true;
};

} // namespace

TEST(AppSettings, LoadStartsFromDefaults)
{
    MemoryStore store;
    store.texts["BackGrnd Image"] = "";
    AppSettings settings;
    settings.q3Path = "/stale";
    settings.Game = "openarena";
    for (const ToggleOption& row : glimtags::kToggleOptions)
        settings.value(row.option) = 7;
    settings.load(store);
    for (const ToggleOption& row : glimtags::kToggleOptions)
        EXPECT_EQ(settings.value(row.option), row.defaultValue) << row.key;
    EXPECT_EQ(AppSettings{}.toggleValues, settings.toggleValues) << "a new settings holds the defaults too";
    EXPECT_EQ(settings.q3Path, "");
    EXPECT_EQ(settings.Game, "") << "no game chosen: the game folder's";
    store.texts["Game"] = "openarena";
    settings.load(store);
    EXPECT_EQ(settings.Game, "openarena");
    EXPECT_EQ(settings.BackGrndImage, AppSettings{}.BackGrndImage) << "an empty background reads as the default";
    EXPECT_EQ(store.texts["BackGrnd Image"], "") << "and is not rewritten";
}

// Each option is read from its own key, flips alone, is stored as 0 or 1 under that key,
// and holds for the run even when the store cannot keep it.
TEST(AppSettings, EachOptionRoundTripsThroughItsOwnKey)
{
    for (const ToggleOption& row : glimtags::kToggleOptions) {
        const std::string key = row.key;
        MemoryStore store;
        store.integers[key] = 5;
        AppSettings settings;
        settings.load(store);
        EXPECT_EQ(settings.value(row.option), 5) << key;
        EXPECT_FALSE(settings.toggle(row.option, store)) << key;
        EXPECT_EQ(store.integers, (std::map<std::string, int>{{key, 0}}));
        EXPECT_TRUE(settings.toggle(row.option, store)) << key;
        EXPECT_EQ(store.integers[key], 1);
        for (const ToggleOption& other : glimtags::kToggleOptions)
            EXPECT_EQ(settings.value(other.option), other.option == row.option ? 1 : other.defaultValue) << key;
        store.keeps = false;
        EXPECT_FALSE(settings.toggle(row.option, store));
        EXPECT_FALSE(settings.isOn(row.option));
    }
}
