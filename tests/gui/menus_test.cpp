#include "gui/editor_fixture.h"

#include "core/web_addresses.h"
#include "dialogs/about_dialog.h"
#include "dialogs/update_dialog.h"
#include "platform/open_document.h"
#include "ui/control_ids.h"

#include <wx/menu.h>
#include <wx/toolbar.h>

#include <string>
#include <vector>

namespace ids = glimtags::ids;

namespace {

class MenusTest : public glimtags::test::EditorFixture {
protected:
    wxMenuBar& menus() { return window->menus(); }
};

TEST_F(MenusTest, EachItemInItsPlaceShowsItsOwnKeyAndTheMarksStay)
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
            shown += item->IsSeparator() ? " -"
                                         : " " + std::to_string(item->GetId()) + "=" + item->GetItemLabel().utf8_string();
        shown += "\n";
    }
    EXPECT_EQ(shown,
        "FILE: 32771=FILE_NEW - 32778=FILE_OPEN 32839=FILE_RECENT - 32803=FILE_MERGE 32772=FILE_SAVEASUSER "
        "32773=FILE_SAVEASHOST 32835=FILE_EXPORTPICTURE - 32774=FILE_EXIT\n"
        "EDIT_MENU: 32820=EDIT_UNDO\tCtrl+Z 32821=EDIT_REDO\tCtrl+Shift+Z - 32822=EDIT_CUT\tCtrl+X "
        "32823=EDIT_COPY\tCtrl+C 32824=EDIT_PASTE\tCtrl+V 32825=EDIT_SELECTALL\tCtrl+A - 32826=EDIT_COPYCOMMAND "
        "32827=EDIT_COPYHOSTCOMMAND 32836=EDIT_COPYPICTURE - 32828=EDIT_REMOVECODES 32829=EDIT_RAINBOW "
        "32833=EDIT_REMOVENEEDLESSCODES 32834=EDIT_SERVERVERSION\n"
        "OPTIONS: 32776=OPTIONS_STRIPE 32779=OPTIONS_TEXTCURSOR 32782=OPTIONS_CHARINFO 32794=OPTIONS_SCRGUIDE "
        "32781=OPTIONS_ENDSWHITE - 32795=OPTIONS_CHECKSTR 32797=OPTIONS_AUTOCHECK 32811=OPTIONS_GAMERULES - "
        "32810=OPTIONS_SHOWINGAMENAME 32812=OPTIONS_GAMEFONT - 32780=OPTIONS_Q3APATH 32800=OPTIONS_LANGUAGE "
        "32796=OPTIONS_SETBKGRND\n"
        "HELP: 32777=HELP_CONTENTS 32775=HELP_ABOUT - 32802=HELP_GLIMTAGSCENTER 32801=HELP_UPDATE\n");
    shown.clear();
    for (int position = 0; position < static_cast<int>(window->GetToolBar()->GetToolsCount()); ++position) {
        const wxToolBarToolBase* tool = window->GetToolBar()->GetToolByPos(position);
        shown += tool->IsSeparator() ? "- " : std::to_string(tool->GetId()) + " ";
    }
    EXPECT_EQ(shown, "32784 32789 32799 32791 32790 - 32830 32831 - 32792 - 32806 ");
    EXPECT_EQ(window->GetToolBar()->GetToolShortHelp(ids::ToolUndo), "EDIT_UNDO");
    EXPECT_EQ(window->GetToolBar()->GetToolShortHelp(ids::ToolNew), "New Glimtag") << "the toolbar stays English";
    EXPECT_EQ(window->FindWindow(ids::NameLabel)->GetLabel(), "STATIC_ENTERNAME");
    EXPECT_TRUE(menus().IsChecked(ids::MenuStripe)) << "a stored 5 counts as on";
    EXPECT_FALSE(menus().IsChecked(ids::MenuAutoCheck));
}

TEST_F(MenusTest, HelpItemsRunTheirCommands)
{
    storeUsualSettings();
    startEditor();
    std::vector<std::string> opened;
    glimtags::platform::setDocumentOpenerForTesting([&opened](const std::string& target) {
        opened.push_back(target);
        return glimtags::platform::kOpenNoApplication;
    });
    wxString message;
    GT_TEST_DIALOG(command(ids::MenuContents), glimtags::test::ExpectMessage(wxID_OK, &message));
    EXPECT_EQ(message, "Unable to find the help file Glimtags.chm in the program's folder.");
    GT_EXPECT_NO_DIALOG(command(ids::MenuOnlineCentre));
    EXPECT_EQ(opened, std::vector<std::string>{glimtags::kOnlineCentreAddress});
    GT_TEST_DIALOG(command(ids::MenuAbout), wxExpectDismissableModal<glimtags::AboutDialog>(wxID_OK));
    GT_TEST_DIALOG(command(ids::MenuUpdate), wxExpectDismissableModal<glimtags::UpdateDialog>(wxID_CANCEL));
    glimtags::platform::setDocumentOpenerForTesting(nullptr);
    EXPECT_FALSE(editorEnded());
}

} // namespace
