#pragma once

#include "platform/settings_file.h"

#include <wx/app.h>

#include <memory>

namespace glimtags {

// Starts the editor: the settings location, the one window, and the fatal language message.
class GlimtagsApp : public wxApp {
public:
    bool OnInit() override;

private:
    std::unique_ptr<platform::SettingsFile> settings_;
};

} // namespace glimtags
