#pragma once

#include "core/app_settings.h"
#include "render/tga_image.h"

#include <optional>
#include <string>

class wxWindow;

namespace glimtags {

// The questions whose answers become settings, asked at start (over no window yet) and
// from the Options menu (over the editor's).

// The language file chosen, in the form the next start can open it by; nothing when cancelled.
std::optional<std::string> pickLanguageFile(wxWindow* parent);

// The game path dialog, opened at the initial path; on OK the path is kept and stored.
// False when it is cancelled.
bool askGamePath(wxWindow* parent, AppSettings& settings, SettingsStore& store, const std::string& initialPath);

// A background picture chosen in the file dialog; nothing when cancelled.
std::optional<std::string> pickBackgroundFile(wxWindow* parent);
// Nothing when the picture does not load.
std::optional<TgaImage> loadPicture(const std::string& path);
void storeBackground(AppSettings& settings, SettingsStore& store, const std::string& path);

} // namespace glimtags
