#pragma once

// The fixed ids of the editor window's controls, menu items and toolbar buttons.
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

inline constexpr int MenuNew = 32771;
inline constexpr int MenuSaveAsUser = 32772;
inline constexpr int MenuSaveAsHost = 32773;
inline constexpr int MenuExit = 32774;
inline constexpr int MenuAbout = 32775;
inline constexpr int MenuStripe = 32776;
inline constexpr int MenuContents = 32777;
inline constexpr int MenuOpen = 32778;
inline constexpr int MenuTextCursor = 32779;
inline constexpr int MenuGamePath = 32780;
inline constexpr int MenuEndsWhite = 32781;
inline constexpr int MenuCharInfo = 32782;
inline constexpr int MenuLimitGuide = 32794;
inline constexpr int MenuCheckString = 32795;
inline constexpr int MenuSetBackground = 32796;
inline constexpr int MenuAutoCheck = 32797;
inline constexpr int MenuLanguage = 32800;
inline constexpr int MenuUpdate = 32801;
inline constexpr int MenuOnlineCentre = 32802;
inline constexpr int MenuMerge = 32803;

// The editor's own additions, above the fixed ids.
inline constexpr int MenuShowInGameName = 32810;
inline constexpr int MenuCheckGameRules = 32811;
inline constexpr int MenuUseGameFont = 32812;
inline constexpr int MenuUndo = 32820;
inline constexpr int MenuRedo = 32821;
inline constexpr int MenuCut = 32822;
inline constexpr int MenuCopy = 32823;
inline constexpr int MenuPaste = 32824;
inline constexpr int MenuSelectAll = 32825;
inline constexpr int MenuCopyCommand = 32826;
inline constexpr int MenuCopyHostCommand = 32827;
inline constexpr int MenuRemoveCodes = 32828;
inline constexpr int MenuRainbow = 32829;
inline constexpr int ToolUndo = 32830;
inline constexpr int ToolRedo = 32831;
// Redo's second key, Ctrl+Y, beside the Ctrl+Shift+Z its menu item shows.
inline constexpr int KeyRedo = 32832;
inline constexpr int MenuRemoveNeedlessCodes = 32833;
inline constexpr int MenuServerVersion = 32834;
inline constexpr int MenuExportPicture = 32835;
inline constexpr int MenuCopyPicture = 32836;
// The recent files, the latest first, in a submenu of their own.
inline constexpr int RecentFilesMenu = 32839;
inline constexpr int FirstRecentFile = 32840;

inline constexpr int ToolNew = 32784;
inline constexpr int ToolOpen = 32789;
inline constexpr int ToolSaveAsHost = 32790;
inline constexpr int ToolSaveAsUser = 32791;
inline constexpr int ToolCheckString = 32792;
inline constexpr int ToolMerge = 32799;
inline constexpr int ToolExit = 32806;

} // namespace glimtags::ids
