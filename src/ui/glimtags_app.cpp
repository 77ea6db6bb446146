#include "ui/glimtags_app.h"

#include "core/data_files.h"
#include "core/language_table.h"
#include "platform/message_box.h"
#include "platform/text_encoding.h"
#include "platform/user_folders.h"
#include "ui/editor_window.h"
#include "ui/settings_failure_notice.h"

#include <wx/image.h>

#include <cstdlib>

namespace glimtags {

bool GlimtagsApp::OnInit()
{
    wxInitAllImageHandlers();
    // Bare file names are looked for beside the start folder too, so that the editor
    // starts from any folder.
    setDataFolders(dataFolders(platform::startFolder(), platform::programPath()));
    setLanguageFailureHandler([](const std::string& message) {
        platform::showMessage(nullptr, platform::fromFileSystem(message));
        // Settings are stored the moment they change; nothing is left to save.
        std::_Exit(0);
    });
    settings_ = std::make_unique<platform::SettingsFile>(platform::SettingsFile::userSettingsPath());
    reportSettingsFailuresOnce(*settings_);
    auto* window = new EditorWindow(*settings_);
    SetTopWindow(window);
    window->start();
    // A script named on the command line, as a desktop passes a double-clicked file,
    // opens as File > Open would open it.
    if (argc > 1 && !window->ending())
        window->openScript(platform::toFileSystem(argv[1]));
    return true;
}

} // namespace glimtags
