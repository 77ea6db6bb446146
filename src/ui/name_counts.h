#pragma once

class wxFrame;

namespace glimtags {

class LanguageTable;
class NameText;

// The name's counts against the limits in the second field of the frame's status bar,
// which keeps the room they need; what a command did takes the rest.
void showNameCounts(wxFrame& frame, const NameText& name, const LanguageTable& texts);

} // namespace glimtags
