#include "gui/editor_fixture.h"

#include "core/web_addresses.h"
#include "dialogs/about_dialog.h"
#include "dialogs/update_dialog.h"
#include "platform/open_document.h"
#include "ui/control_ids.h"
#include "ui/menu_bar.h"

#include <wx/menu.h>
#include <wx/toolbar.h>

#include <string>
#include <vector>

using glimtags::menuItemFor;
using glimtags::Toggle;
namespace ids = glimtags::ids;

namespace {

class MenusTest : public glimtags::test::EditorFixture {
protected:
    wxMenuBar& menus() { return window->menus(); }
};

TEST_F(MenusTest, EachItemInItsPlaceShowsItsOwnKeyAndEachButtonRunsItsItem)
{
    storeUsualSettings();
    storeSetting("Language", keyNamedLanguageFile());
    storeSetting("EnableStripe", 5);
    storeSetting("AutoChecking", 0);
    startEditor();
    std::string shown;
    for (std::size_t menu = 0; menu < menus().GetMenuCount(); ++menu) {
        shown += menus().GetMenuLabel(menu).utf8_string() + ":";
        for (const wxMenuItem* item : menus().GetMenu(menu)->GetMenuItems())
            shown += item->IsSeparator() ? " -" : " " + item->GetItemLabel().utf8_string();
        shown += "\n";
    }
    EXPECT_EQ(shown,
        "FILE: FILE_NEW - FILE_OPEN FILE_RECENT - FILE_MERGE FILE_SAVEASUSER FILE_SAVEASHOST FILE_EXPORTPICTURE - FILE_EXIT\n"
        "EDIT_MENU: EDIT_UNDO\tCtrl+Z EDIT_REDO\tCtrl+Shift+Z - EDIT_CUT\tCtrl+X EDIT_COPY\tCtrl+C "
        "EDIT_PASTE\tCtrl+V EDIT_SELECTALL\tCtrl+A - EDIT_COPYCOMMAND EDIT_COPYHOSTCOMMAND EDIT_COPYPICTURE - EDIT_REMOVECODES "
        "EDIT_RAINBOW EDIT_REMOVENEEDLESSCODES EDIT_SERVERVERSION\n"
        "OPTIONS: OPTIONS_STRIPE OPTIONS_TEXTCURSOR OPTIONS_CHARINFO OPTIONS_SCRGUIDE OPTIONS_ENDSWHITE - "
        "OPTIONS_CHECKSTR OPTIONS_AUTOCHECK OPTIONS_GAMERULES - OPTIONS_SHOWINGAMENAME OPTIONS_GAMEFONT OPTIONS_GAMEMENU - "
        "OPTIONS_Q3APATH OPTIONS_LANGUAGE OPTIONS_SETBKGRND\n"
        "HELP: HELP_CONTENTS HELP_ABOUT - HELP_GLIMTAGSCENTER HELP_UPDATE\n");
    // A button runs the command of the menu item that shares its id.
    shown.clear();
    for (int position = 0; position < static_cast<int>(window->GetToolBar()->GetToolsCount()); ++position) {
        const wxToolBarToolBase* tool = window->GetToolBar()->GetToolByPos(position);
        const wxMenuItem* item = tool->IsSeparator() ? nullptr : menus().FindItem(tool->GetId());
        shown += tool->IsSeparator() ? "- " : item ? item->GetItemLabelText().utf8_string() + " " : "? ";
    }
    EXPECT_EQ(shown, "FILE_NEW FILE_OPEN FILE_MERGE FILE_SAVEASUSER FILE_SAVEASHOST - EDIT_UNDO EDIT_REDO - "
                     "OPTIONS_CHECKSTR - FILE_EXIT ");
    EXPECT_EQ(window->GetToolBar()->GetToolShortHelp(ids::MenuUndo), "EDIT_UNDO");
    EXPECT_EQ(window->GetToolBar()->GetToolShortHelp(ids::MenuNew), "New Glimtag") << "the toolbar stays English";
    EXPECT_EQ(window->FindWindow(ids::NameLabel)->GetLabel(), "STATIC_ENTERNAME");
    EXPECT_TRUE(menus().IsChecked(menuItemFor(Toggle::EnableStripe))) << "a stored 5 counts as on";
    EXPECT_FALSE(menus().IsChecked(menuItemFor(Toggle::AutoChecking)));
}

TEST_F(MenusTest, HelpItemsRunTheirCommands)
{
    storeUsualSettings();
    std::vector<std::string> opened;
    desktop.launch = [&opened](const std::string& target) {
        opened.push_back(target);
        return glimtags::Outcome::failure(glimtags::platform::kOpenNoApplication);
    };
    startEditor();
    wxString message;
    GT_TEST_DIALOG(command(ids::MenuContents), glimtags::test::ExpectMessage(wxID_OK, &message));
    EXPECT_EQ(message, "Unable to find the help file Glimtags.chm in the program's folder.");
    GT_EXPECT_NO_DIALOG(command(ids::MenuOnlineCentre));
    EXPECT_EQ(opened, std::vector<std::string>{glimtags::kOnlineCentreAddress});
    GT_TEST_DIALOG(command(ids::MenuAbout), wxExpectDismissableModal<glimtags::AboutDialog>(wxID_OK));
    GT_TEST_DIALOG(command(ids::MenuUpdate), wxExpectDismissableModal<glimtags::UpdateDialog>(wxID_CANCEL));
    EXPECT_FALSE(editorEnded());
}

} // namespace
