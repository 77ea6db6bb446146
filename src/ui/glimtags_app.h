#pragma once

#include "platform/settings_file.h"

#include <wx/app.h>

#include <cstdlib>
#include <memory>
#include <string>

namespace glimtags {

// Starts the editor: the settings location, then the start of the editor and its one window.
class GlimtagsApp : public wxApp {
public:
    // The script the command line named (the system's bytes), opened once the window is up.
    static void openAtStart(std::string script);

    bool OnInit() override;
    int OnRun() override;

private:
    std::unique_ptr<platform::SettingsFile> settings_;
    bool editorRuns_ = false;
    // Of an editor that did not start.
    int exitStatus_ = EXIT_SUCCESS;
};

} // namespace glimtags
