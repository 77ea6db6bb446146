#pragma once

namespace glimtags {

namespace platform {
class SettingsFile;
}

// Tells the user, once per run, that the settings file cannot be written: every later
// change fails the same way and would only repeat the message.
void reportSettingsFailuresOnce(platform::SettingsFile& settings);

} // namespace glimtags
