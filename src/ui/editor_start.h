#pragma once

#include "platform/desktop.h"

#include <cstdlib>

namespace glimtags {

class EditorWindow;
class SettingsStore;

// How a start ended: with the editor's window shown, or without one and with the
// process's exit status.
struct EditorStart {
    EditorWindow* window = nullptr;
    int exitStatus = EXIT_SUCCESS;
};

// Brings the editor up, in this order: the preview's surface format, a new user's
// language, the language file read once, the game path when none is stored, a background
// that loads, then the window with what was decided, shown. A message has said why
// whenever no window comes up.
EditorStart startEditor(SettingsStore& store, platform::Desktop desktop = {});

} // namespace glimtags
