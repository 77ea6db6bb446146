#include "gui/editor_fixture.h"

#include "core/language_table.h"
#include "core/web_addresses.h"
#include "dialogs/about_dialog.h"
#include "dialogs/update_dialog.h"
#include "platform/open_document.h"
#include "platform/text_encoding.h"
#include "ui/control_ids.h"

#include <wx/menu.h>
#include <wx/toolbar.h>

#include <string>
#include <vector>

using glimtags::test::EditorFixture;
using glimtags::test::ExpectFileDialog;
using glimtags::test::ExpectMessage;
namespace ids = glimtags::ids;

namespace {

class MenusTest : public EditorFixture {
protected:
    wxMenuBar& menus() { return window->menus(); }

    // Each item of a menu as "id text", a separator as "-".
    std::vector<std::string> items(int menu)
    {
        std::vector<std::string> result;
        for (const wxMenuItem* item : menus().GetMenu(static_cast<std::size_t>(menu))->GetMenuItems())
            result.push_back(item->IsSeparator() ? "-"
                                                 : std::to_string(item->GetId()) + " " +
                                                       item->GetItemLabel().utf8_string());
        return result;
    }
};

TEST_F(MenusTest, BuiltInMenusInTheirOrderWithTheToolbar)
{
    storeSetting("q3Path", home.path().string());
    GT_TEST_DIALOG(startEditor(), ExpectFileDialog(""));
    EXPECT_EQ(items(0), (std::vector<std::string>{"32771 &New", "-", "32778 &Open...", "32839 &Recent Files", "-",
                                                  "32803 &Merge Glimtag with q3Config...",
                                                  "32772 Save Glimtag as &UserName...",
                                                  "32773 Save Glimtag as &HostName...", "-", "32774 E&xit"}));
    EXPECT_EQ(items(1), (std::vector<std::string>{
                            "32820 &Undo\tCtrl+Z", "32821 &Redo\tCtrl+Shift+Z", "-", "32822 Cu&t\tCtrl+X",
                            "32823 &Copy\tCtrl+C", "32824 &Paste\tCtrl+V", "32825 Select &All\tCtrl+A", "-",
                            "32826 Copy as console co&mmand", "32827 Copy as &server console command", "-",
                            "32828 Remove colour co&des", "32829 Rain&bow"}));
    EXPECT_EQ(items(2), (std::vector<std::string>{
                            "32776 Enable color &Stripe behind NickName", "32779 Enable &Text-Cursor",
                            "32782 Enable Char &Info", "32794 Enable In-game screen &limit guide",
                            "32781 String ends with &white code", "-", "32795 &Check String",
                            "32797 &Enable AutoCheck String", "32811 Check for the game's &rules", "-",
                            "32810 Show the in-game &name", "32812 Use the game's &font", "-",
                            "32780 Set Quake III Arena Baseq3 &path...",
                            "32800 Set Lan&guage...", "32796 Set &BackGround Image..."}));
    EXPECT_EQ(items(3), (std::vector<std::string>{"32777 &Contents...", "32775 &About...", "-",
                                                  "32802 Quorvant Glimtags &Center OnLine...",
                                                  "32801 Glimtags &Update..."}));
    EXPECT_EQ(menus().GetMenuLabel(1), "&Edit");
    EXPECT_EQ(menus().GetMenuLabel(2), "&Options");
    EXPECT_FALSE(menus().IsChecked(ids::MenuStripe));
    EXPECT_FALSE(menus().IsChecked(ids::MenuCheckGameRules));
    for (int checked : {ids::MenuTextCursor, ids::MenuEndsWhite, ids::MenuCharInfo, ids::MenuLimitGuide,
                        ids::MenuAutoCheck, ids::MenuShowInGameName, ids::MenuUseGameFont})
        EXPECT_TRUE(menus().IsChecked(checked)) << checked;

    wxToolBar* tools = window->GetToolBar();
    std::vector<std::string> tips;
    for (std::size_t i = 0; i < tools->GetToolsCount(); ++i) {
        const wxToolBarToolBase* tool = tools->GetToolByPos(static_cast<int>(i));
        tips.push_back(tool->IsSeparator() ? "-" : std::to_string(tool->GetId()) + " " +
                                                       tool->GetShortHelp().utf8_string());
    }
    EXPECT_EQ(tips, (std::vector<std::string>{"32784 New Glimtag", "32789 Open Glimtag...",
                                              "32799 Merge Glimtag with q3Config...",
                                              "32791 Save Glimtag as UserName...",
                                              "32790 Save Glimtag as HostName...", "-", "32830 Undo",
                                              "32831 Redo", "-", "32792 Check String", "-", "32806 Exit"}));
}

TEST_F(MenusTest, EveryLanguageKeyReachesItsOwnTextAndTheMarksStay)
{
    storeUsualSettings();
    storeSetting("Language", distinctLanguageFile("HELP_UPDATE"));
    storeSetting("EnableStripe", 5);
    storeSetting("AutoChecking", 0);
    startEditor();
    const glimtags::LanguageTable language("Test.lan");
    const auto text = [&](const char* key) { return glimtags::platform::fromLatin1(language.lookup(key)); };
    const std::pair<const char*, int> titles[] = {{"FILE", 0}, {"EDIT_MENU", 1}, {"OPTIONS", 2}, {"HELP", 3}};
    for (const auto& [key, position] : titles)
        EXPECT_EQ(menus().GetMenuLabel(static_cast<std::size_t>(position)), text(key)) << key;
    const std::pair<const char*, int> entries[] = {
        {"FILE_NEW", ids::MenuNew},          {"FILE_OPEN", ids::MenuOpen},
        {"FILE_MERGE", ids::MenuMerge},      {"FILE_SAVEASUSER", ids::MenuSaveAsUser},
        {"FILE_SAVEASHOST", ids::MenuSaveAsHost}, {"FILE_EXIT", ids::MenuExit},
        {"OPTIONS_STRIPE", ids::MenuStripe}, {"OPTIONS_TEXTCURSOR", ids::MenuTextCursor},
        {"OPTIONS_CHARINFO", ids::MenuCharInfo}, {"OPTIONS_SCRGUIDE", ids::MenuLimitGuide},
        {"OPTIONS_ENDSWHITE", ids::MenuEndsWhite}, {"OPTIONS_CHECKSTR", ids::MenuCheckString},
        {"OPTIONS_AUTOCHECK", ids::MenuAutoCheck}, {"OPTIONS_Q3APATH", ids::MenuGamePath},
        {"OPTIONS_GAMERULES", ids::MenuCheckGameRules}, {"OPTIONS_SHOWINGAMENAME", ids::MenuShowInGameName},
        {"OPTIONS_GAMEFONT", ids::MenuUseGameFont},
        {"OPTIONS_LANGUAGE", ids::MenuLanguage}, {"OPTIONS_SETBKGRND", ids::MenuSetBackground},
        {"HELP_CONTENTS", ids::MenuContents}, {"HELP_ABOUT", ids::MenuAbout},
        {"HELP_GLIMTAGSCENTER", ids::MenuOnlineCentre}, {"FILE_RECENT", ids::RecentFilesMenu},
        {"EDIT_UNDO", ids::MenuUndo}, {"EDIT_REDO", ids::MenuRedo}, {"EDIT_CUT", ids::MenuCut},
        {"EDIT_COPY", ids::MenuCopy}, {"EDIT_PASTE", ids::MenuPaste}, {"EDIT_SELECTALL", ids::MenuSelectAll},
        {"EDIT_COPYCOMMAND", ids::MenuCopyCommand}, {"EDIT_COPYHOSTCOMMAND", ids::MenuCopyHostCommand},
        {"EDIT_REMOVECODES", ids::MenuRemoveCodes}, {"EDIT_RAINBOW", ids::MenuRainbow},
    };
    for (const auto& [key, id] : entries)
        EXPECT_EQ(menus().GetLabel(id).BeforeFirst('\t'), text(key)) << key;
    EXPECT_EQ(menus().GetLabel(ids::MenuRedo).AfterFirst('\t'), "Ctrl+Shift+Z") << "an item keeps its keys";
    EXPECT_EQ(window->GetToolBar()->GetToolShortHelp(ids::ToolUndo), wxStripMenuCodes(text("EDIT_UNDO")));
    EXPECT_EQ(menus().GetLabel(ids::MenuUpdate).Strip(wxString::both), "") << "a missing key gives an empty text";
    EXPECT_EQ(window->FindWindow(ids::NameLabel)->GetLabel(), text("STATIC_ENTERNAME"));
    EXPECT_EQ(window->FindWindow(ids::SpecialCharsGroup)->GetLabel(), text("STATIC_SPECIALCHARS"));
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
