#pragma once

namespace glimtags {

class NameBox;

// The name box's clipboard, the same for the Edit menu and for the box's own keys and
// context menu. A copy offers the name's bytes to the editor beside the text that other
// programs take; a cut and a paste are one Undo step each. A copy the clipboard does
// not take beeps, and its cut leaves the text.
void copySelection(NameBox& box);
void cutSelection(NameBox& box);
// Text from elsewhere goes by the box's character rule. A paste is refused with a beep
// when a character has no one-byte form (a line break, a tab, one beyond Latin-1) or
// when the name would pass its limit.
void pasteClipboard(NameBox& box);

} // namespace glimtags
