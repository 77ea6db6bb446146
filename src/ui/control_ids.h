#pragma once

#include <wx/defs.h>

// The ids of the editor window's controls, menu items and toolbar buttons.
namespace glimtags::ids {

inline constexpr int PreviewArea = 1000;
inline constexpr int NameBox = 1002;
inline constexpr int NameLabel = 1044;
inline constexpr int SpecialCharsGroup = 1045;

inline constexpr int SwatchBlack = 1004;
inline constexpr int SwatchRed = 1005;
inline constexpr int SwatchYellow = 1006;
inline constexpr int SwatchGreen = 1008;
inline constexpr int SwatchCyan = 1009;
inline constexpr int SwatchBlue = 1010;
inline constexpr int SwatchMagenta = 1012;
inline constexpr int SwatchWhite = 1013;

inline constexpr int FirstSpecialCharButton = 1014;
inline constexpr int LastSpecialCharButton = 1033;

// The commands: wx's stock ids where the command is a standard one, ordinary ids above
// wx's own range otherwise. A toolbar button carries the id of its menu item, so that one
// handler serves both. Nothing stored or sent depends on these numbers.
inline constexpr int MenuNew = wxID_NEW;
inline constexpr int MenuOpen = wxID_OPEN;
inline constexpr int MenuExit = wxID_EXIT;
inline constexpr int MenuUndo = wxID_UNDO;
inline constexpr int MenuRedo = wxID_REDO;
inline constexpr int MenuCut = wxID_CUT;
inline constexpr int MenuCopy = wxID_COPY;
inline constexpr int MenuPaste = wxID_PASTE;
inline constexpr int MenuSelectAll = wxID_SELECTALL;
inline constexpr int MenuAbout = wxID_ABOUT;

inline constexpr int MenuContents = wxID_HIGHEST + 1;
inline constexpr int MenuSaveAsUser = wxID_HIGHEST + 2;
inline constexpr int MenuSaveAsHost = wxID_HIGHEST + 3;
inline constexpr int MenuMerge = wxID_HIGHEST + 4;
inline constexpr int MenuCheckString = wxID_HIGHEST + 10;
inline constexpr int MenuGamePath = wxID_HIGHEST + 15;
inline constexpr int MenuLanguage = wxID_HIGHEST + 16;
inline constexpr int MenuSetBackground = wxID_HIGHEST + 17;
inline constexpr int MenuUpdate = wxID_HIGHEST + 18;
inline constexpr int MenuOnlineCentre = wxID_HIGHEST + 19;
inline constexpr int MenuCopyCommand = wxID_HIGHEST + 20;
inline constexpr int MenuCopyHostCommand = wxID_HIGHEST + 21;
inline constexpr int MenuRemoveCodes = wxID_HIGHEST + 22;
inline constexpr int MenuRainbow = wxID_HIGHEST + 23;
// Redo's second key, Ctrl+Y, beside the Ctrl+Shift+Z its menu item shows.
inline constexpr int KeyRedo = wxID_HIGHEST + 24;
// The recent files, the latest first, in a submenu of their own.
inline constexpr int RecentFilesMenu = wxID_HIGHEST + 25;
inline constexpr int FirstRecentFile = wxID_FILE1;
inline constexpr int MenuRemoveNeedlessCodes = wxID_HIGHEST + 26;
inline constexpr int MenuServerVersion = wxID_HIGHEST + 27;
// Options > Game: the submenu, then one radio item per game in the order of kGames.
inline constexpr int GameMenu = wxID_HIGHEST + 28;
inline constexpr int MenuExportPicture = wxID_HIGHEST + 29;
inline constexpr int MenuCopyPicture = wxID_HIGHEST + 30;
inline constexpr int FirstGameItem = wxID_HIGHEST + 31;
// Options: one check item per row of kToggleOptions, in its order, clear of the games.
inline constexpr int FirstToggleItem = wxID_HIGHEST + 100;

} // namespace glimtags::ids
