#pragma once

#include "core/version.h"

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
inline constexpr const char* EnableStripe = "EnableStripe";
inline constexpr const char* EnableTextCursor = "EnableTextCursor";
inline constexpr const char* EndColorWhite = "EndColorWhite";
inline constexpr const char* CharInfo = "CharInfo";
inline constexpr const char* InGameLimit = "InGameLimit";
inline constexpr const char* AutoChecking = "AutoChecking";
inline constexpr const char* q3Path = "q3Path";
inline constexpr const char* Language = "Language";
inline constexpr const char* BackGrndImage = "BackGrnd Image";
inline constexpr const char* ShowInGameName = "ShowInGameName";
inline constexpr const char* CheckGameRules = "CheckGameRules";
inline constexpr const char* UseGameFont = "UseGameFont";
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

enum class Toggle {
    EnableStripe,
    EnableTextCursor,
    EndColorWhite,
    CharInfo,
    InGameLimit,
    AutoChecking,
    ShowInGameName,
    CheckGameRules,
    UseGameFont,
};

// Every persisted option. Integer options count as on when not 0.
struct AppSettings {
    int EnableStripe = 0;
    int EnableTextCursor = 1;
    int EndColorWhite = 1;
    int CharInfo = 1;
    int InGameLimit = 1;
    int AutoChecking = 1;
    // What a server makes of the name, shown above it in the preview.
    int ShowInGameName = 1;
    // The string check also offers what a server would change.
    int CheckGameRules = 0;
    // The preview draws with the game's own font sheet when the game data holds one.
    int UseGameFont = 1;
    std::string q3Path;
    std::string Language;
    std::string BackGrndImage = kDefaultBackground;
    // The game the editor speaks of, by its profile's key; empty until the user chooses,
    // while the game follows the game folder.
    std::string Game;

    // Reads every option in the order the window's start-up fixes. A stored empty
    // background reads as the default one; the store is not rewritten.
    void load(SettingsStore& store);

    bool isOn(Toggle option) const { return value(option) != 0; }
    // Flips the option to 0 or 1, stores it at once and returns the new state, which
    // holds for this run even when the store could not keep it.
    bool toggle(Toggle option, SettingsStore& store);

    int& value(Toggle option);
    int value(Toggle option) const;
};

const char* settingsKey(Toggle option);

} // namespace glimtags
