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

using glimtags::test::EditorFixture;
using glimtags::test::ExpectMessage;
namespace ids = glimtags::ids;

namespace {

class MenusTest : public EditorFixture {
protected:
    wxMenuBar& menus() { return window->menus(); }
};

TEST_F(MenusTest, LanguageTextsReachMenusAndControlsAndTheMarksStay)
{
    storeUsualSettings();
    // HELP_UPDATE is missing; the Latin-1 byte must reach the menu as its character.
    storeSetting("Language", start.write("Test.lan", "FILE \"F\xe9\"\nEDIT_MENU \"E\"\nOPTIONS \"O\"\nHELP \"H\"\n"
                                                     "FILE_RECENT \"R\"\nEDIT_REDO \"Re\"\nEDIT_UNDO \"&Un\"\n"
                                                     "OPTIONS_GAMEFONT \"G\"\nSTATIC_ENTERNAME \"N\"\n"));
    storeSetting("EnableStripe", 5);
    storeSetting("AutoChecking", 0);
    startEditor();
    EXPECT_EQ(menus().GetMenuLabel(0) + menus().GetMenuLabel(1) + menus().GetMenuLabel(2) + menus().GetMenuLabel(3),
              wxString::FromUTF8("F\xc3\xa9" "EOH"));
    for (const auto& [id, text] : {std::pair{ids::RecentFilesMenu, "R"}, {ids::MenuUseGameFont, "G"},
                                   {ids::MenuRedo, "Re\tCtrl+Shift+Z"}, {ids::MenuUpdate, ""}})
        EXPECT_EQ(menus().GetLabel(id).Strip(wxString::both), text) << id;
    EXPECT_EQ(window->GetToolBar()->GetToolShortHelp(ids::ToolUndo), "Un");
    EXPECT_EQ(window->FindWindow(ids::NameLabel)->GetLabel(), "N");
    EXPECT_TRUE(menus().IsChecked(ids::MenuStripe)) << "a stored 5 counts as on";
    EXPECT_FALSE(menus().IsChecked(ids::MenuAutoCheck));
    EXPECT_EQ(window->GetToolBar()->GetToolShortHelp(ids::ToolNew), "New Glimtag") << "the toolbar stays English";
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
    GT_TEST_DIALOG(command(ids::MenuContents), ExpectMessage(wxID_OK, &message));
    EXPECT_EQ(message, "Unable to find the help file Glimtags.chm in the program's folder.");
    GT_EXPECT_NO_DIALOG(command(ids::MenuOnlineCentre));
    EXPECT_EQ(opened, std::vector<std::string>{glimtags::kOnlineCentreAddress});
    GT_TEST_DIALOG(command(ids::MenuAbout), glimtags::test::ExpectDialog<glimtags::AboutDialog>(wxID_OK));
    GT_TEST_DIALOG(command(ids::MenuUpdate), glimtags::test::ExpectDialog<glimtags::UpdateDialog>(wxID_CANCEL));
    glimtags::platform::setDocumentOpenerForTesting(nullptr);
    EXPECT_FALSE(editorEnded());
}

} // namespace
