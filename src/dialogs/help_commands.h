#pragma once

#include "dialogs/update_dialog.h"
#include "platform/desktop.h"

#include <string>

class wxWindow;

namespace glimtags {

// The help file, a bare name looked for where the editor's other files are.
inline constexpr const char* kHelpFile = "Glimtags.chm";

// The commands of the Help menu. Each reads its texts from the given language file
// and opens documents and pages through the desktop given.

// Checks for a newer version and, once the dialog has closed, opens the online
// centre when one was found.
void runUpdateCommand(wxWindow* parent, const std::string& languageFile, const UpdateSource& source,
                      const platform::Desktop& desktop);

// Shows the About box with the language file's author.
void runAboutCommand(wxWindow* parent, const std::string& languageFile, const platform::Desktop& desktop);

// Opens the help file with the desktop's viewer; only a missing file is reported.
void runHelpContents(wxWindow* parent, const std::string& languageFile, const platform::Desktop& desktop);

// Opens the online centre in the web browser; a failure passes silently.
void runOnlineCentre(const platform::Desktop& desktop);

} // namespace glimtags
