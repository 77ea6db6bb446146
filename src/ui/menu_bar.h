#pragma once

#include "core/app_settings.h"
#include "core/game_profile.h"
#include "platform/desktop.h"

#include <optional>
#include <string>

class wxFrame;
class wxMenuBar;
class wxToolBar;
class wxWindow;

namespace glimtags {

class LanguageTable;

// The File, Edit, Options and Help menus with their ids and built-in texts.
wxMenuBar* createMenuBar();

// Replaces every menu text and the window's two labels from the language file, in
// the order of the key table; a missing key gives an empty text. The keys a menu item
// names after a tab stay.
void localiseMenuBar(wxFrame& frame, wxWindow& nameLabel, wxWindow& specialCharsGroup, const LanguageTable& language);

// The Help items run their commands with the language file named at the time of the click,
// through the desktop given; both must outlive the frame's menus.
void bindHelpMenu(wxFrame& frame, const std::string& languageFile, const platform::Desktop& desktop);

// Shows the check mark of each toggled option.
void setCheckMarks(wxMenuBar& menuBar, const AppSettings& settings);

// The menu item that shows a toggle's check mark, and the toggle of an item.
int menuItemFor(Toggle option);
std::optional<Toggle> toggleForMenuItem(int id);

// The radio item of a game in Options > Game, and the game of an item.
int menuItemFor(Game game);
std::optional<Game> gameForMenuItem(int id);

// The buttons along the top of the window, with the English tooltips of the fixed ones.
wxToolBar* createToolBar(wxFrame& frame);

} // namespace glimtags
