#pragma once

#include "platform/settings_file.h"

#include <wx/app.h>

#include <memory>
#include <string>

namespace glimtags {

// Starts the editor: the settings location, the one window, and the fatal language message.
class GlimtagsApp : public wxApp {
public:
    // The script the command line named (the system's bytes), opened once the window is up.
    static void openAtStart(std::string script);

    bool OnInit() override;

private:
    std::unique_ptr<platform::SettingsFile> settings_;
};

} // namespace glimtags
