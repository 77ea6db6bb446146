#include "ui/glimtags_app.h"

#include "core/data_files.h"
#include "platform/user_folders.h"
#include "ui/editor_start.h"
#include "ui/editor_window.h"
#include "ui/settings_failure_notice.h"

#include <wx/image.h>

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
    settings_ = std::make_unique<platform::SettingsFile>(platform::SettingsFile::userSettingsPath());
    reportSettingsFailuresOnce(*settings_);
    const EditorStart started = startEditor(*settings_);
    editorRuns_ = started.window != nullptr;
    exitStatus_ = started.exitStatus;
    if (!editorRuns_)
        return true;
    SetTopWindow(started.window);
    // A script named on the command line, as a desktop passes a double-clicked file,
    // opens as File > Open would open it.
    if (!scriptAtStart.empty())
        started.window->openScript(scriptAtStart);
    return true;
}

int GlimtagsApp::OnRun()
{
    // An editor that did not start has no window to wait for.
    return editorRuns_ ? wxApp::OnRun() : exitStatus_;
}

} // namespace glimtags
