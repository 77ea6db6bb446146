#include "gui/dialog_expectations.h"
#include "gui/gui_harness.h"

#include "core/language_table.h"
#include "support/temp_dir.h"

#include <wx/dirctrl.h>

#include <cstdlib>
#include <filesystem>
#include <string>

using glimtags::FolderBrowser;
using glimtags::GamePathDialog;
using glimtags::test::ExpectMessage;
using glimtags::test::fieldText;
using glimtags::test::pressOk;
using glimtags::test::writeField;
namespace fs = std::filesystem;

namespace {

// Texts of the two dialogs, with a Latin-1 byte in each title.
constexpr const char* kTestLanguage = "PATHDLG_CAPTION \"Dossier du jeu \xE9\"\n"
                                      "PATHDLG_ERROR1 \"Folder %s is missing. Create?\"\n"
                                      "PATHDLG_ERROR2 \"Bad path <%s>\"\n"
                                      "Q3PATHDLG_CAPTION \"Chemin \xE9\"\n"
                                      "Q3PATHDLG_BUTTONBROWSE \"&Parcourir...\"\n";

// A fresh home, where the per-user game folder lies, holding the test texts.
class PathDialogTest : public ::testing::Test {
protected:
    PathDialogTest()
    {
        setenv("HOME", home.path().c_str(), 1);
        setenv("XDG_CONFIG_HOME", (home.path() / ".config").c_str(), 1);
        language = home.write("Test.lan", kTestLanguage);
    }
    std::string inHome(const std::string& relative) const { return (home.path() / relative).string(); }

    glimtags::test::TempDir home;
    std::string language;
};

TEST_F(PathDialogTest, TextsComeFromTheLanguageFile)
{
    GamePathDialog dialog(nullptr, language, "/games/q3");
    EXPECT_EQ(dialog.GetTitle(), glimtags::platform::fromLatin1("Chemin \xE9"));
    EXPECT_EQ(dialog.FindWindow(GamePathDialog::kBrowseId)->GetLabel(), "&Parcourir...");
    EXPECT_EQ(dialog.GetDefaultItem(), dialog.FindWindow(wxID_OK));
    glimtags::test::expectNothingClipped(dialog);
}

// The rules are the folder path's; here, that OK runs them with the dialog's own texts: the
// language text is Latin-1 and the path the file system's bytes, in one message.
TEST_F(PathDialogTest, OkOffersToCreateAMissingFolder)
{
    const std::string missing = inHome("jeu-\xC3\xA9t\xC3\xA9/baseq3");
    GamePathDialog dialog(nullptr, language, "/initial");
    wxString question;
    GT_TEST_DIALOG(dialog.ShowModal(), wxExpectModal<GamePathDialog>(wxID_OK, missing),
                   ExpectMessage(wxID_YES, &question));
    EXPECT_EQ(question, "Folder " + wxString::FromUTF8(missing) + " is missing. Create?");
    EXPECT_TRUE(fs::is_directory(missing));
    EXPECT_EQ(dialog.path(), missing);
}

TEST_F(PathDialogTest, BrowseOpensAtTheGameFolderAndItsResultReplacesTheField)
{
    fs::create_directories(inHome(".q3a/baseq3"));
    fs::create_directories(inHome("chosen"));
    GamePathDialog dialog(nullptr, language, "/typed");
    std::string opened, afterBrowse;
    wxString caption;
    GT_TEST_DIALOG(dialog.ShowModal(), wxExpectModal<GamePathDialog>([&](GamePathDialog& shown) {
                       glimtags::test::pressButton(shown, GamePathDialog::kBrowseId);
                       afterBrowse = fieldText(shown, GamePathDialog::kPathFieldId);
                       return pressOk(shown) ? wxID_OK : wxID_CANCEL;
                   }),
                   wxExpectModal<FolderBrowser>([&](FolderBrowser& browser) {
                       caption = browser.GetTitle();
                       opened = fieldText(browser, FolderBrowser::kPathFieldId);
                       writeField(browser, FolderBrowser::kPathFieldId, inHome("chosen"));
                       return pressOk(browser) ? wxID_OK : wxID_CANCEL;
                   }));
    EXPECT_EQ(caption, glimtags::platform::fromLatin1("Dossier du jeu \xE9"));
    EXPECT_EQ(opened, inHome(".q3a/baseq3")) << "the browser opens at the game folder, not the typed text";
    EXPECT_EQ(afterBrowse, inHome("chosen"));
    EXPECT_EQ(dialog.path(), inHome("chosen"));
}

TEST_F(PathDialogTest, BrowserFieldFollowsSelectionAndTypingAndOkValidatesIt)
{
    fs::create_directories(inHome("a/b"));
    // A folder whose path does not fit into the field counts as one without a path.
    const std::string parent = inHome(std::string(100, 'x'));
    const std::string longest = parent + "/" + std::string(FolderBrowser::kMaxResultLength - parent.size() - 1, 'y');
    fs::create_directories(longest + "y");
    fs::create_directories(longest);
    FolderBrowser browser(nullptr, "", "Choose", inHome("a"), language);
    glimtags::test::expectNothingClipped(browser);

    wxWindow* ok = browser.FindWindow(wxID_OK);
    wxString error;
    int result = 0;
    GT_TEST_DIALOG(result = browser.ShowModal(), wxExpectModal<FolderBrowser>([&](FolderBrowser& shown) {
                       shown.folderTree().SetPath(glimtags::platform::fromFileSystem(inHome("a/b")));
                       EXPECT_EQ(shown.result(), inHome("a/b"));
                       writeField(shown, FolderBrowser::kPathFieldId, "");
                       EXPECT_FALSE(ok->IsEnabled()) << "an empty field disables OK";
                       shown.folderTree().SetPath(glimtags::platform::fromFileSystem(longest));
                       EXPECT_EQ(shown.result(), longest);
                       shown.folderTree().SetPath(glimtags::platform::fromFileSystem(longest + "y"));
                       EXPECT_EQ(shown.result(), "");
                       EXPECT_FALSE(ok->IsEnabled());
                       writeField(shown, FolderBrowser::kPathFieldId, "/" + std::string(258, 'p'));
                       glimtags::test::pathField(shown, FolderBrowser::kPathFieldId).AppendText("q");
                       EXPECT_EQ(shown.result(), "/" + std::string(258, 'p')) << "the field holds 259 characters";
                       writeField(shown, FolderBrowser::kPathFieldId, "relative");
                       EXPECT_TRUE(ok->IsEnabled()) << "typing enables OK whatever is selected";
                       EXPECT_FALSE(pressOk(shown)) << "an invalid path keeps the browser open";
                       writeField(shown, FolderBrowser::kPathFieldId, inHome("a"));
                       return pressOk(shown) ? wxID_OK : wxID_CANCEL;
                   }),
                   ExpectMessage(wxID_OK, &error));
    EXPECT_EQ(error, "Bad path <relative>");
    EXPECT_EQ(result, wxID_OK);
    EXPECT_EQ(browser.result(), inHome("a"));
    GT_TEST_DIALOG(result = browser.ShowModal(), wxExpectModal<FolderBrowser>([](FolderBrowser&) { return wxID_OK; }));
    EXPECT_EQ(result, wxID_CANCEL) << "only OK's own acceptance counts, and each opening starts unconfirmed";
}

} // namespace
