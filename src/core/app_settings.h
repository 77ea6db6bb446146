#pragma once

#include "core/version.h"

#include <array>
#include <cstddef>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace glimtags {

inline constexpr const char* kApplicationTitle = "GLiMTaGS EDiToR";
inline constexpr const char* kMakerKey = "Quorvant";
inline constexpr const char* kSettingsSection = "v" GLIMTAGS_VERSION;
inline constexpr const char* kDefaultBackground = "BackGrnd.TGA";

namespace settings_key {
inline constexpr const char* q3Path = "q3Path";
inline constexpr const char* Language = "Language";
inline constexpr const char* BackGrndImage = "BackGrnd Image";
inline constexpr const char* Game = "Game";
} // namespace settings_key

// The per-user store of the options, one section of named integer and text values.
// Reads give the default when a value is missing; a write says whether it was kept.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual int readInteger(std::string_view key, int defaultValue) = 0;
    virtual std::string readText(std::string_view key, std::string_view defaultValue) = 0;
    virtual bool writeInteger(std::string_view key, int value) = 0;
    // Several texts kept in one write of the store.
    using TextValues = std::vector<std::pair<std::string, std::string>>;
    virtual bool writeTexts(const TextValues& values) = 0;
    bool writeText(std::string_view key, std::string_view value)
    {
        return writeTexts({{std::string(key), std::string(value)}});
    }
};

// The on/off options, in the order of their rows in kToggleOptions.
enum class Toggle {
    EnableStripe,
    EnableTextCursor,
    CharInfo,
    InGameLimit,
    EndColorWhite,
    AutoChecking,
    // The string check also offers what a server would change.
    CheckGameRules,
    // What a server makes of the name, shown above it in the preview.
    ShowInGameName,
    // The preview draws with the game's own font sheet when the game data holds one.
    UseGameFont,
};

// Where a toggle's check item sits in the Options menu: before the first separator,
// after Check String, or before the Game submenu.
enum class OptionsMenuPart { Top, CheckString, Game };

// What a flip needs beside its check mark and its stored value.
enum class ToggleEffect { Repaint, Nothing, SwitchFont };

struct ToggleOption {
    Toggle option;
    // The name in the user's settings file, so never renamed.
    const char* key;
    int defaultValue;
    // The English menu text, and the language file's key that replaces it.
    const char* menuText;
    const char* languageKey;
    OptionsMenuPart part;
    ToggleEffect effect;
};

// One row per toggle, read by the settings, the Options menu, its texts, its check marks
// and its commands; within a part of the menu the items follow the rows.
inline constexpr ToggleOption kToggleOptions[] = {
    {Toggle::EnableStripe, "EnableStripe", 0, "Enable color &Stripe behind NickName", "OPTIONS_STRIPE",
     OptionsMenuPart::Top, ToggleEffect::Repaint},
    {Toggle::EnableTextCursor, "EnableTextCursor", 1, "Enable &Text-Cursor", "OPTIONS_TEXTCURSOR",
     OptionsMenuPart::Top, ToggleEffect::Repaint},
    {Toggle::CharInfo, "CharInfo", 1, "Enable Char &Info", "OPTIONS_CHARINFO", OptionsMenuPart::Top,
     ToggleEffect::Repaint},
    {Toggle::InGameLimit, "InGameLimit", 1, "Enable In-game screen &limit guide", "OPTIONS_SCRGUIDE",
     OptionsMenuPart::Top, ToggleEffect::Repaint},
    {Toggle::EndColorWhite, "EndColorWhite", 1, "String ends with &white code", "OPTIONS_ENDSWHITE",
     OptionsMenuPart::Top, ToggleEffect::Nothing},
    {Toggle::AutoChecking, "AutoChecking", 1, "&Enable AutoCheck String", "OPTIONS_AUTOCHECK",
     OptionsMenuPart::CheckString, ToggleEffect::Nothing},
    {Toggle::CheckGameRules, "CheckGameRules", 0, "Check for the game's &rules", "OPTIONS_GAMERULES",
     OptionsMenuPart::CheckString, ToggleEffect::Nothing},
    {Toggle::ShowInGameName, "ShowInGameName", 1, "Show the in-game &name", "OPTIONS_SHOWINGAMENAME",
     OptionsMenuPart::Game, ToggleEffect::Repaint},
    {Toggle::UseGameFont, "UseGameFont", 1, "Use the game's &font", "OPTIONS_GAMEFONT", OptionsMenuPart::Game,
     ToggleEffect::SwitchFont},
};

// A toggle finds its row by its number; two rows with one key would share a stored value.
constexpr bool toggleRowsAreWellFormed()
{
    for (std::size_t row = 0; row < std::size(kToggleOptions); ++row) {
        if (kToggleOptions[row].option != static_cast<Toggle>(row))
            return false;
        for (std::size_t other = 0; other < row; ++other)
            if (std::string_view(kToggleOptions[other].key) == kToggleOptions[row].key)
                return false;
    }
    return true;
}
static_assert(toggleRowsAreWellFormed(), "one row per Toggle, in its order, each with a key of its own");

inline constexpr std::size_t kToggleCount = std::size(kToggleOptions);

constexpr const ToggleOption& toggleOption(Toggle option)
{
    return kToggleOptions[static_cast<std::size_t>(option)];
}

// Every persisted option. Integer options count as on when not 0.
struct AppSettings {
    // By the rows of kToggleOptions.
    std::array<int, kToggleCount> toggleValues = [] {
        std::array<int, kToggleCount> values{};
        for (std::size_t row = 0; row < kToggleCount; ++row)
            values[row] = kToggleOptions[row].defaultValue;
        return values;
    }();
    std::string q3Path;
    std::string Language;
    std::string BackGrndImage = kDefaultBackground;
    // The game the editor speaks of, by its profile's key; empty until the user chooses,
    // while the game follows the game folder.
    std::string Game;

    // Reads every option. A stored empty background reads as the default one; the store
    // is not rewritten.
    void load(SettingsStore& store);

    bool isOn(Toggle option) const { return value(option) != 0; }
    // Flips the option to 0 or 1, stores it at once and returns the new state, which
    // holds for this run even when the store could not keep it.
    bool toggle(Toggle option, SettingsStore& store);

    int& value(Toggle option) { return toggleValues[static_cast<std::size_t>(option)]; }
    int value(Toggle option) const { return toggleValues[static_cast<std::size_t>(option)]; }
};

constexpr const char* settingsKey(Toggle option)
{
    return toggleOption(option).key;
}

} // namespace glimtags
