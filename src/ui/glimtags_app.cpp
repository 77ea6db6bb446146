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
#include <utility>

namespace glimtags {
namespace {

std::string scriptAtStart;

} // namespace

void GlimtagsApp::openAtStart(std::string script)
{
    scriptAtStart = std::move(script);
}

bool GlimtagsApp::OnInit()
{
    wxInitAllImageHandlers();
    // Bare file names are looked for beside the start folder too, so that the editor
    // starts from any folder.
    setDataFolders(dataFolders(platform::startFolder(), platform::programPath()));
    setLanguageFailureHandler([](const std::string& message) {
        platform::showMessage(nullptr, platform::fromFileSystem(message));
        // Settings are stored the moment they change; nothing is left to save. The file is
        // read once, at start, and the editor cannot run without it.
        std::_Exit(EXIT_FAILURE);
    });
    settings_ = std::make_unique<platform::SettingsFile>(platform::SettingsFile::userSettingsPath());
    reportSettingsFailuresOnce(*settings_);
    auto* window = new EditorWindow(*settings_);
    SetTopWindow(window);
    window->start();
    // A script named on the command line, as a desktop passes a double-clicked file,
    // opens as File > Open would open it.
    if (!scriptAtStart.empty() && !window->ending())
        window->openScript(scriptAtStart);
    return true;
}

} // namespace glimtags
