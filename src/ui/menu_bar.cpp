#include "ui/menu_bar.h"

#include "core/language_table.h"
#include "dialogs/help_commands.h"
#include "embedded_resources.h"
#include "platform/embedded_picture.h"
#include "platform/text_encoding.h"
#include "ui/control_ids.h"

#include <wx/frame.h>
#include <wx/menu.h>
#include <wx/toolbar.h>

#include <algorithm>
#include <iterator>

namespace glimtags {
namespace {

// Where a language text goes: a menu title by position, an item by id, a label, or
// the tooltip of a toolbar button that has no fixed English one.
enum class Target { MenuTitle, MenuItem, NameLabel, SpecialCharsGroup, ToolTip };

struct LocalisedText {
    const char* key;
    Target target;
    int where;
};

constexpr LocalisedText kLocalisedTexts[] = {
    {"FILE", Target::MenuTitle, 0},
    {"FILE_NEW", Target::MenuItem, ids::MenuNew},
    {"FILE_OPEN", Target::MenuItem, ids::MenuOpen},
    {"FILE_MERGE", Target::MenuItem, ids::MenuMerge},
    {"FILE_SAVEASUSER", Target::MenuItem, ids::MenuSaveAsUser},
    {"FILE_SAVEASHOST", Target::MenuItem, ids::MenuSaveAsHost},
    {"FILE_EXPORTPICTURE", Target::MenuItem, ids::MenuExportPicture},
    {"FILE_EXIT", Target::MenuItem, ids::MenuExit},
    {"FILE_RECENT", Target::MenuItem, ids::RecentFilesMenu},
    {"EDIT_MENU", Target::MenuTitle, 1},
    {"EDIT_UNDO", Target::MenuItem, ids::MenuUndo},
    {"EDIT_REDO", Target::MenuItem, ids::MenuRedo},
    {"EDIT_CUT", Target::MenuItem, ids::MenuCut},
    {"EDIT_COPY", Target::MenuItem, ids::MenuCopy},
    {"EDIT_PASTE", Target::MenuItem, ids::MenuPaste},
    {"EDIT_SELECTALL", Target::MenuItem, ids::MenuSelectAll},
    {"EDIT_COPYCOMMAND", Target::MenuItem, ids::MenuCopyCommand},
    {"EDIT_COPYHOSTCOMMAND", Target::MenuItem, ids::MenuCopyHostCommand},
    {"EDIT_COPYPICTURE", Target::MenuItem, ids::MenuCopyPicture},
    {"EDIT_REMOVECODES", Target::MenuItem, ids::MenuRemoveCodes},
    {"EDIT_RAINBOW", Target::MenuItem, ids::MenuRainbow},
    {"EDIT_REMOVENEEDLESSCODES", Target::MenuItem, ids::MenuRemoveNeedlessCodes},
    {"EDIT_SERVERVERSION", Target::MenuItem, ids::MenuServerVersion},
    {"EDIT_UNDO", Target::ToolTip, ids::MenuUndo},
    {"EDIT_REDO", Target::ToolTip, ids::MenuRedo},
    {"OPTIONS", Target::MenuTitle, 2},
    {"OPTIONS_CHECKSTR", Target::MenuItem, ids::MenuCheckString},
    {"OPTIONS_GAMEMENU", Target::MenuItem, ids::GameMenu},
    {"OPTIONS_Q3APATH", Target::MenuItem, ids::MenuGamePath},
    {"OPTIONS_LANGUAGE", Target::MenuItem, ids::MenuLanguage},
    {"OPTIONS_SETBKGRND", Target::MenuItem, ids::MenuSetBackground},
    {"HELP", Target::MenuTitle, 3},
    {"HELP_CONTENTS", Target::MenuItem, ids::MenuContents},
    {"HELP_ABOUT", Target::MenuItem, ids::MenuAbout},
    {"HELP_UPDATE", Target::MenuItem, ids::MenuUpdate},
    {"HELP_GLIMTAGSCENTER", Target::MenuItem, ids::MenuOnlineCentre},
    {"STATIC_ENTERNAME", Target::NameLabel, 0},
    {"STATIC_SPECIALCHARS", Target::SpecialCharsGroup, 0},
};

// A button carries the id of the menu item it stands for.
struct ToolButton {
    int id;
    const char* tooltip;
    int picture; // in the strip
};

// Left to right; id 0 stands for a separator.
constexpr ToolButton kToolButtons[] = {
    {ids::MenuNew, "New Glimtag", 0},
    {ids::MenuOpen, "Open Glimtag...", 1},
    {ids::MenuMerge, "Merge Glimtag with q3Config...", 2},
    {ids::MenuSaveAsUser, "Save Glimtag as UserName...", 3},
    {ids::MenuSaveAsHost, "Save Glimtag as HostName...", 4},
    {0, nullptr, 0},
    {ids::MenuUndo, "Undo", 7},
    {ids::MenuRedo, "Redo", 8},
    {0, nullptr, 0},
    {ids::MenuCheckString, "Check String", 5},
    {0, nullptr, 0},
    {ids::MenuExit, "Exit", 6},
};

// A menu text keeps the keys its built-in text names after a tab.
wxString withKeys(const wxString& text, const wxString& builtIn)
{
    const wxString keys = builtIn.AfterFirst('\t');
    return keys.empty() ? text : text + '\t' + keys;
}

void appendToggles(wxMenu& menu, OptionsMenuPart part)
{
    for (const ToggleOption& row : kToggleOptions)
        if (row.part == part)
            menu.AppendCheckItem(menuItemFor(row.option), row.menuText);
}

constexpr int kToolWidth = 18;
constexpr int kToolHeight = 17;

} // namespace

wxMenuBar* createMenuBar()
{
    auto* file = new wxMenu;
    file->Append(ids::MenuNew, "&New");
    file->AppendSeparator();
    file->Append(ids::MenuOpen, "&Open...");
    file->Append(ids::RecentFilesMenu, "&Recent Files", new wxMenu);
    file->AppendSeparator();
    file->Append(ids::MenuMerge, "&Merge Glimtag with q3Config...");
    file->Append(ids::MenuSaveAsUser, "Save Glimtag as &UserName...");
    file->Append(ids::MenuSaveAsHost, "Save Glimtag as &HostName...");
    file->Append(ids::MenuExportPicture, "Export &Picture...");
    file->AppendSeparator();
    file->Append(ids::MenuExit, "E&xit");

    auto* edit = new wxMenu;
    edit->Append(ids::MenuUndo, "&Undo\tCtrl+Z");
    edit->Append(ids::MenuRedo, "&Redo\tCtrl+Shift+Z");
    edit->AppendSeparator();
    edit->Append(ids::MenuCut, "Cu&t\tCtrl+X");
    edit->Append(ids::MenuCopy, "&Copy\tCtrl+C");
    edit->Append(ids::MenuPaste, "&Paste\tCtrl+V");
    edit->Append(ids::MenuSelectAll, "Select &All\tCtrl+A");
    edit->AppendSeparator();
    edit->Append(ids::MenuCopyCommand, "Copy as console co&mmand");
    edit->Append(ids::MenuCopyHostCommand, "Copy as &server console command");
    edit->Append(ids::MenuCopyPicture, "Copy P&icture");
    edit->AppendSeparator();
    edit->Append(ids::MenuRemoveCodes, "Remove colour co&des");
    edit->Append(ids::MenuRainbow, "Rain&bow");
    edit->Append(ids::MenuRemoveNeedlessCodes, "Remove &needless colour codes");
    edit->Append(ids::MenuServerVersion, "Make it as the ser&ver shows it");

    auto* options = new wxMenu;
    appendToggles(*options, OptionsMenuPart::Top);
    options->AppendSeparator();
    options->Append(ids::MenuCheckString, "&Check String");
    appendToggles(*options, OptionsMenuPart::CheckString);
    options->AppendSeparator();
    appendToggles(*options, OptionsMenuPart::Game);
    auto* games = new wxMenu;
    for (const Game game : kGames)
        games->AppendRadioItem(menuItemFor(game), gameProfile(game).title);
    options->Append(ids::GameMenu, "Ga&me", games);
    options->AppendSeparator();
    options->Append(ids::MenuGamePath, "Set Quake III Arena Baseq3 &path...");
    options->Append(ids::MenuLanguage, "Set Lan&guage...");
    options->Append(ids::MenuSetBackground, "Set &BackGround Image...");

    auto* help = new wxMenu;
    help->Append(ids::MenuContents, "&Contents...");
    help->Append(ids::MenuAbout, "&About...");
    help->AppendSeparator();
    help->Append(ids::MenuOnlineCentre, "Quorvant Glimtags &Center OnLine...");
    help->Append(ids::MenuUpdate, "Glimtags &Update...");

    auto* menuBar = new wxMenuBar;
    menuBar->Append(file, "&File");
    menuBar->Append(edit, "&Edit");
    menuBar->Append(options, "&Options");
    menuBar->Append(help, "&Help");
    return menuBar;
}

void localiseMenuBar(wxFrame& frame, wxWindow& nameLabel, wxWindow& specialCharsGroup, const LanguageTable& language)
{
    wxMenuBar& menuBar = *frame.GetMenuBar();
    // wx reads an empty item text as a request for a stock text; a blank shows the same.
    const auto setItemText = [&menuBar](int id, const wxString& value) {
        menuBar.SetLabel(id, withKeys(value.empty() ? wxString(" ") : value, menuBar.GetLabel(id)));
    };
    for (const LocalisedText& text : kLocalisedTexts) {
        const wxString value = platform::fromLatin1(language.lookup(text.key));
        switch (text.target) {
        case Target::MenuTitle: menuBar.SetMenuLabel(static_cast<std::size_t>(text.where), value); break;
        case Target::MenuItem: setItemText(text.where, value); break;
        case Target::ToolTip:
            if (wxToolBar* tools = frame.GetToolBar())
                tools->SetToolShortHelp(text.where, wxStripMenuCodes(value));
            break;
        case Target::NameLabel: nameLabel.SetLabel(value); break;
        case Target::SpecialCharsGroup: specialCharsGroup.SetLabel(value); break;
        }
    }
    for (const ToggleOption& row : kToggleOptions)
        setItemText(menuItemFor(row.option), platform::fromLatin1(language.lookup(row.languageKey)));
    menuBar.Refresh();
}

void setCheckMarks(wxMenuBar& menuBar, const AppSettings& settings)
{
    for (const ToggleOption& row : kToggleOptions)
        menuBar.Check(menuItemFor(row.option), settings.isOn(row.option));
}

int menuItemFor(Toggle option)
{
    return ids::FirstToggleItem + static_cast<int>(option);
}

std::optional<Toggle> toggleForMenuItem(int id)
{
    const int index = id - ids::FirstToggleItem;
    if (index < 0 || index >= static_cast<int>(kToggleCount))
        return std::nullopt;
    return kToggleOptions[index].option;
}

int menuItemFor(Game game)
{
    const auto index = std::find(std::begin(kGames), std::end(kGames), game) - std::begin(kGames);
    return ids::FirstGameItem + static_cast<int>(index);
}

std::optional<Game> gameForMenuItem(int id)
{
    const int index = id - ids::FirstGameItem;
    if (index < 0 || index >= static_cast<int>(std::size(kGames)))
        return std::nullopt;
    return kGames[index];
}

wxToolBar* createToolBar(wxFrame& frame)
{
    wxToolBar* toolBar = frame.CreateToolBar(wxTB_HORIZONTAL | wxTB_FLAT);
    toolBar->SetToolBitmapSize(wxSize(kToolWidth, kToolHeight));
    const wxBitmap strip = platform::embeddedPicture(embedded::toolbar_png);
    for (const ToolButton& button : kToolButtons) {
        if (button.id == 0) {
            toolBar->AddSeparator();
            continue;
        }
        const wxBitmap bitmap = strip.GetSubBitmap(wxRect(button.picture * kToolWidth, 0, kToolWidth, kToolHeight));
        toolBar->AddTool(button.id, wxString(), bitmap, button.tooltip);
    }
    toolBar->Realize();
    return toolBar;
}

void bindHelpMenu(wxFrame& frame, const std::string& languageFile, const platform::Desktop& desktop)
{
    frame.Bind(wxEVT_MENU, [&](wxCommandEvent&) { runHelpContents(&frame, languageFile, desktop); }, ids::MenuContents);
    frame.Bind(wxEVT_MENU, [&](wxCommandEvent&) { runAboutCommand(&frame, languageFile, desktop); }, ids::MenuAbout);
    frame.Bind(wxEVT_MENU, [&](wxCommandEvent&) { runOnlineCentre(desktop); }, ids::MenuOnlineCentre);
    frame.Bind(wxEVT_MENU, [&](wxCommandEvent&) { runUpdateCommand(&frame, languageFile, {}, desktop); },
               ids::MenuUpdate);
}

} // namespace glimtags
