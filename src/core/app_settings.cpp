#include "core/app_settings.h"

namespace glimtags {

void AppSettings::load(SettingsStore& store)
{
    *this = AppSettings{};
    EnableStripe = store.readInteger(settings_key::EnableStripe, EnableStripe);
    EnableTextCursor = store.readInteger(settings_key::EnableTextCursor, EnableTextCursor);
    EndColorWhite = store.readInteger(settings_key::EndColorWhite, EndColorWhite);
    CharInfo = store.readInteger(settings_key::CharInfo, CharInfo);
    q3Path = store.readText(settings_key::q3Path, "");
    Language = store.readText(settings_key::Language, "");
    BackGrndImage = store.readText(settings_key::BackGrndImage, kDefaultBackground);
    if (BackGrndImage.empty())
        BackGrndImage = kDefaultBackground;
    InGameLimit = store.readInteger(settings_key::InGameLimit, InGameLimit);
    AutoChecking = store.readInteger(settings_key::AutoChecking, AutoChecking);
    ShowInGameName = store.readInteger(settings_key::ShowInGameName, ShowInGameName);
    CheckGameRules = store.readInteger(settings_key::CheckGameRules, CheckGameRules);
    UseGameFont = store.readInteger(settings_key::UseGameFont, UseGameFont);
    Game = store.readText(settings_key::Game, "");
}

int& AppSettings::value(Toggle option)
{
    switch (option) {
    case Toggle::EnableStripe: return EnableStripe;
    case Toggle::EnableTextCursor: return EnableTextCursor;
    case Toggle::EndColorWhite: return EndColorWhite;
    case Toggle::CharInfo: return CharInfo;
    case Toggle::InGameLimit: return InGameLimit;
    case Toggle::AutoChecking: return AutoChecking;
    case Toggle::ShowInGameName: return ShowInGameName;
    case Toggle::CheckGameRules: return CheckGameRules;
    case Toggle::UseGameFont: return UseGameFont;
    }
    return AutoChecking;
}

int AppSettings::value(Toggle option) const
{
    return const_cast<AppSettings*>(this)->value(option);
}

bool AppSettings::toggle(Toggle option, SettingsStore& store)
{
    int& setting = value(option);
    setting = setting == 0 ? 1 : 0;
    store.writeInteger(settingsKey(option), setting);
    return setting != 0;
}

const char* settingsKey(Toggle option)
{
    switch (option) {
    case Toggle::EnableStripe: return settings_key::EnableStripe;
    case Toggle::EnableTextCursor: return settings_key::EnableTextCursor;
    case Toggle::EndColorWhite: return settings_key::EndColorWhite;
    case Toggle::CharInfo: return settings_key::CharInfo;
    case Toggle::InGameLimit: return settings_key::InGameLimit;
    case Toggle::AutoChecking: return settings_key::AutoChecking;
    case Toggle::ShowInGameName: return settings_key::ShowInGameName;
    case Toggle::CheckGameRules: return settings_key::CheckGameRules;
    case Toggle::UseGameFont: return settings_key::UseGameFont;
    }
    return "";
}

} // namespace glimtags
