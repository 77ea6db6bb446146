#include "core/app_settings.h"

namespace glimtags {

void AppSettings::load(SettingsStore& store)
{
    *this = AppSettings{};
    for (const ToggleOption& row : kToggleOptions)
        value(row.option) = store.readInteger(row.key, row.defaultValue);
    q3Path = store.readText(settings_key::q3Path, "");
    Language = store.readText(settings_key::Language, "");
    BackGrndImage = store.readText(settings_key::BackGrndImage, kDefaultBackground);
    if (BackGrndImage.empty())
        BackGrndImage = kDefaultBackground;
    Game = store.readText(settings_key::Game, "");
}

bool AppSettings::toggle(Toggle option, SettingsStore& store)
{
    int& setting = value(option);
    setting = setting == 0 ? 1 : 0;
    store.writeInteger(settingsKey(option), setting);
    return setting != 0;
}

} // namespace glimtags
