#include "gui/dialog_expectations.h"
#include "gui/gui_harness.h"

#include "core/language_table.h"
#include "support/temp_dir.h"

#include <wx/dirctrl.h>
#include <wx/stattext.h>
#include <wx/uiaction.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

using glimtags::FolderBrowser;
using glimtags::GamePathDialog;
using glimtags::test::ExpectMessage;
using glimtags::test::fieldText;
using glimtags::test::pressButton;
using glimtags::test::pressOk;
using glimtags::test::runEventsFor;
using glimtags::test::TempDir;
using glimtags::test::WorkingDirectory;
using glimtags::test::writeField;
namespace fs = std::filesystem;

namespace {

// Every text of the two dialogs, distinct, with a Latin-1 byte in each title.
constexpr const char* kTestLanguage = "PATHDLG_CAPTION \"Dossier du jeu \xE9\"\n"
                                      "PATHDLG_STATIC \"Choisissez le dossier\"\n"
                                      "PATHDLG_ERROR1 \"Folder %s is missing. Create?\"\n"
                                      "PATHDLG_ERROR2 \"Bad path <%s>\"\n"
                                      "PATHDLG_ERROR3 \"Cannot create %s\"\n"
                                      "Q3PATHDLG_CAPTION \"Chemin \xE9\"\n"
                                      "Q3PATHDLG_STATIC \"Entrez le chemin\"\n"
                                      "Q3PATHDLG_BUTTONOK \"D'accord\"\n"
                                      "Q3PATHDLG_BUTTONCANCEL \"Annuler\"\n"
                                      "Q3PATHDLG_BUTTONBROWSE \"&Parcourir...\"\n";

wxString latin1(const char* bytes) { return glimtags::platform::fromLatin1(bytes); }

wxString staticTextOf(wxWindow& window)
{
    for (wxWindow* child : window.GetChildren())
        if (auto* text = wxDynamicCast(child, wxStaticText))
            return text->GetLabel();
    return "<none>";
}

// A fresh home (the per-user game folder lies there) and a start directory with the
// shipped English texts and the test texts.
class PathDialogFixture : public ::testing::Test {
protected:
    PathDialogFixture()
    {
        setenv("HOME", home.path().c_str(), 1);
        setenv("XDG_CONFIG_HOME", (home.path() / ".config").c_str(), 1);
        fs::copy_file(fs::path(GLIMTAGS_RESOURCES) / "English.lan", start.path() / "English.lan");
        start.write("Test.lan", kTestLanguage);
        inStart = std::make_unique<WorkingDirectory>(start.path());
        glimtags::setLanguageFailureHandler([](const std::string& message) { ADD_FAILURE() << message; });
    }
    ~PathDialogFixture() override
    {
        glimtags::setLanguageFailureHandler(nullptr);
        runEventsFor(10);
    }

    std::string inHome(const std::string& relative) const { return (home.path() / relative).string(); }

    TempDir home;
    TempDir start;
    std::unique_ptr<WorkingDirectory> inStart;
};

using GamePathDialogTest = PathDialogFixture;
using FolderBrowserTest = PathDialogFixture;

// Whether every control lies inside the client area at its best size at least, with
// no two overlapping.
void expectNothingClipped(wxWindow& dialog)
{
    const wxRect client(dialog.GetClientSize());
    const wxWindowList& children = dialog.GetChildren();
    for (wxWindow* child : children) {
        const wxRect rect = child->GetRect();
        EXPECT_TRUE(client.Contains(rect)) << child->GetId();
        EXPECT_GE(rect.width, child->GetBestSize().x) << child->GetId();
        EXPECT_GE(rect.height, child->GetBestSize().y) << child->GetId();
        for (wxWindow* other : children)
            EXPECT_TRUE(other == child || !rect.Intersects(other->GetRect()))
                << child->GetId() << " overlaps " << other->GetId();
    }
}

} // namespace

TEST_F(GamePathDialogTest, TextsComeFromTheLanguageFile)
{
    struct Case {
        const char* languageFile;
        wxString title, prompt, ok, cancel, browse;
    };
    const Case cases[] = {
        {"", "Quake III Arena Baseq3 path.", "Enter your Quake III Arena Baseq3 path here, please.", "OK", "Cancel",
         "&Browse..."},
        {"Test.lan", latin1("Chemin \xE9"), "Entrez le chemin", "D'accord", "Annuler", "&Parcourir..."},
    };
    for (const Case& c : cases) {
        GamePathDialog dialog(nullptr, c.languageFile, "/games/q3");
        EXPECT_EQ(dialog.GetTitle(), c.title) << c.languageFile;
        EXPECT_EQ(dialog.FindWindow(GamePathDialog::kPromptId)->GetLabel(), c.prompt);
        EXPECT_EQ(dialog.FindWindow(wxID_OK)->GetLabel(), c.ok);
        EXPECT_EQ(dialog.FindWindow(wxID_CANCEL)->GetLabel(), c.cancel);
        EXPECT_EQ(dialog.FindWindow(GamePathDialog::kBrowseId)->GetLabel(), c.browse);
        EXPECT_EQ(fieldText(dialog, GamePathDialog::kPathFieldId), "/games/q3");
        EXPECT_EQ(dialog.GetDefaultItem(), dialog.FindWindow(wxID_OK));
        expectNothingClipped(dialog);
    }
}

TEST_F(GamePathDialogTest, BrowserGetsItsTextsByTheLookupRule)
{
    struct Case {
        std::string languageFile;
        wxString caption, prompt;
    };
    // Listed first, the game path keys also answer for the keys they contain.
    start.write("Shadowed.lan", "Q3PATHDLG_CAPTION \"Game path\"\nQ3PATHDLG_STATIC \"Type the path\"\n"
                                "PATHDLG_CAPTION \"Browser\"\nPATHDLG_STATIC \"Choose\"\n");
    const Case cases[] = {
        {"Test.lan", latin1("Dossier du jeu \xE9"), "Choisissez le dossier"},
        {"Shadowed.lan", "Game path", "Type the path"},
    };
    for (const Case& c : cases) {
        GamePathDialog dialog(nullptr, c.languageFile, "/");
        wxString caption, prompt;
        GT_TEST_DIALOG(dialog.ShowModal(), wxExpectModal<GamePathDialog>([](GamePathDialog& shown) {
                           pressButton(shown, GamePathDialog::kBrowseId);
                           return wxID_CANCEL;
                       }),
                       wxExpectModal<FolderBrowser>([&](FolderBrowser& browser) {
                           caption = browser.GetTitle();
                           prompt = staticTextOf(browser);
                           return wxID_CANCEL;
                       }));
        EXPECT_EQ(caption, c.caption) << c.languageFile;
        EXPECT_EQ(prompt, c.prompt) << c.languageFile;
    }
}

TEST_F(GamePathDialogTest, InvalidPathIsRefusedWithTheSecondText)
{
    for (const char* path : {"relative/path", "", "/games//q3", "/games/", "/games/q3.", "/games/ q3", "/games/q?3"}) {
        GamePathDialog dialog(nullptr, "Test.lan", "/initial");
        wxString message;
        long style = 0;
        int result = 0;
        GT_TEST_DIALOG(result = dialog.ShowModal(), wxExpectModal<GamePathDialog>([&](GamePathDialog& shown) {
                           writeField(shown, GamePathDialog::kPathFieldId, path);
                           EXPECT_FALSE(pressOk(shown)) << path;
                           EXPECT_EQ(fieldText(shown, GamePathDialog::kPathFieldId), path);
                           return wxID_CANCEL;
                       }),
                       ExpectMessage(wxID_OK, &message, &style));
        EXPECT_EQ(message, wxString("Bad path <") + path + ">");
        EXPECT_TRUE(style & wxICON_WARNING);
        EXPECT_FALSE(style & (wxYES_NO | wxCANCEL));
        EXPECT_EQ(result, wxID_CANCEL);
        EXPECT_EQ(dialog.path(), "/initial");
    }
}

TEST_F(GamePathDialogTest, MissingFolderAnsweredNoCreatesNothing)
{
    const std::string target = inHome("games/quake3/baseq3");
    GamePathDialog dialog(nullptr, "Test.lan", "/initial");
    wxString question;
    long style = 0;
    int result = 0;
    GT_TEST_DIALOG(result = dialog.ShowModal(), wxExpectModal<GamePathDialog>(wxID_OK, target),
                   ExpectMessage(wxID_NO, &question, &style));
    EXPECT_EQ(question, "Folder " + target + " is missing. Create?");
    EXPECT_TRUE(style & wxICON_QUESTION);
    EXPECT_TRUE(style & wxYES_NO);
    EXPECT_EQ(result, wxID_CANCEL) << "No keeps the dialog open";
    EXPECT_FALSE(fs::exists(inHome("games")));
    EXPECT_EQ(dialog.path(), "/initial");
}

TEST_F(GamePathDialogTest, MissingFolderAnsweredYesIsCreatedAndHandedBack)
{
    fs::create_directory(inHome("games"));
    const std::string target = inHome("games/quake3/baseq3");
    GamePathDialog dialog(nullptr, "Test.lan", "/initial");
    int result = 0;
    GT_TEST_DIALOG(result = dialog.ShowModal(), wxExpectModal<GamePathDialog>(wxID_OK, target),
                   ExpectMessage(wxID_YES));
    EXPECT_EQ(result, wxID_OK);
    EXPECT_TRUE(fs::is_directory(target));
    EXPECT_EQ(dialog.path(), target);
}

TEST_F(GamePathDialogTest, FailedCreationShowsTheThirdText)
{
    // Permission bits do not stop root, so the folder is to be made under a regular file.
    const std::string target = start.file("Test.lan") + "/baseq3";
    GamePathDialog dialog(nullptr, "Test.lan", "/initial");
    wxString message;
    long style = 0;
    int result = 0;
    GT_TEST_DIALOG(result = dialog.ShowModal(), wxExpectModal<GamePathDialog>(wxID_OK, target),
                   ExpectMessage(wxID_YES), ExpectMessage(wxID_OK, &message, &style));
    EXPECT_EQ(message, "Cannot create " + target);
    EXPECT_TRUE(style & wxICON_WARNING);
    EXPECT_EQ(result, wxID_CANCEL);
    EXPECT_EQ(dialog.path(), "/initial");
}

// Any message box here would be unexpected and fail the test.
TEST_F(GamePathDialogTest, ExistingPathClosesAtOnce)
{
    fs::create_directories(inHome(".q3a/baseq3"));
    for (const std::string& path : {std::string("/"), inHome(".q3a/baseq3")}) {
        GamePathDialog dialog(nullptr, "Test.lan", "/initial");
        int result = 0;
        GT_TEST_DIALOG(result = dialog.ShowModal(), wxExpectModal<GamePathDialog>(wxID_OK, path));
        EXPECT_EQ(result, wxID_OK) << path;
        EXPECT_EQ(dialog.path(), path);
    }
}

TEST_F(GamePathDialogTest, CancelHandsBackTheInitialPath)
{
    GamePathDialog dialog(nullptr, "Test.lan", "/initial");
    std::string opened;
    int result = 0;
    GT_TEST_DIALOG(result = dialog.ShowModal(), wxExpectModal<GamePathDialog>(wxID_CANCEL, std::nullopt, &opened));
    EXPECT_EQ(opened, "/initial");
    EXPECT_EQ(result, wxID_CANCEL);
    EXPECT_EQ(dialog.path(), "/initial");
}

// The language text is Latin-1 and the path the file system's bytes, in one message.
TEST_F(GamePathDialogTest, MessageShowsThePathAsAFileName)
{
    const std::string target = inHome("jeu-\xC3\xA9t\xC3\xA9");
    GamePathDialog dialog(nullptr, "Test.lan", "/initial");
    wxString question;
    GT_TEST_DIALOG(dialog.ShowModal(), wxExpectModal<GamePathDialog>(wxID_OK, target),
                   ExpectMessage(wxID_NO, &question));
    EXPECT_EQ(question, "Folder " + glimtags::platform::fromFileSystem(target) + " is missing. Create?");
    EXPECT_TRUE(question.Contains(wxString::FromUTF8("jeu-\xC3\xA9t\xC3\xA9")));
}

TEST_F(GamePathDialogTest, BrowseStartsAtTheGameFolderAndItsResultReplacesTheField)
{
    fs::create_directories(inHome(".q3a/baseq3"));
    fs::create_directories(inHome("chosen"));
    const std::string chosen = inHome("chosen");
    // The typed text does not steer the browser.
    GamePathDialog dialog(nullptr, "Test.lan", start.path().string());
    std::string opened, afterBrowse;
    int result = 0;
    GT_TEST_DIALOG(result = dialog.ShowModal(), wxExpectModal<GamePathDialog>([&](GamePathDialog& shown) {
                       pressButton(shown, GamePathDialog::kBrowseId);
                       afterBrowse = fieldText(shown, GamePathDialog::kPathFieldId);
                       return pressOk(shown) ? wxID_OK : wxID_CANCEL;
                   }),
                   wxExpectModal<FolderBrowser>(wxID_OK, chosen, &opened));
    EXPECT_EQ(opened, inHome(".q3a/baseq3"));
    EXPECT_EQ(afterBrowse, chosen);
    EXPECT_EQ(result, wxID_OK);
    EXPECT_EQ(dialog.path(), chosen);
}

TEST_F(GamePathDialogTest, CancelledBrowserLeavesTheField)
{
    GamePathDialog dialog(nullptr, "Test.lan", "/typed/before");
    std::string afterBrowse;
    GT_TEST_DIALOG(dialog.ShowModal(), wxExpectModal<GamePathDialog>([&](GamePathDialog& shown) {
                       pressButton(shown, GamePathDialog::kBrowseId);
                       afterBrowse = fieldText(shown, GamePathDialog::kPathFieldId);
                       return wxID_CANCEL;
                   }),
                   wxExpectModal<FolderBrowser>([](FolderBrowser& browser) {
                       writeField(browser, FolderBrowser::kPathFieldId, "/elsewhere");
                       pressButton(browser, wxID_CANCEL);
                       return wxID_OK;
                   }));
    EXPECT_EQ(afterBrowse, "/typed/before");
}

TEST_F(FolderBrowserTest, OpensAtTheInitialFolderOrTheWorkingDirectory)
{
    fs::create_directories(inHome(".openarena/baseoa"));
    struct Case {
        std::string caption, initialFolder, selected;
        wxString title;
    };
    const Case cases[] = {
        {"Pick \xE9", inHome(".openarena/baseoa"), inHome(".openarena/baseoa"), latin1("Pick \xE9")},
        {"", "", start.path().string(), "Browse for Folder"},
    };
    for (const Case& c : cases) {
        FolderBrowser browser(nullptr, c.caption, "Choose", c.initialFolder, "Test.lan");
        EXPECT_EQ(browser.GetTitle(), c.title);
        EXPECT_EQ(browser.folderTree().GetPath(), glimtags::platform::fromFileSystem(c.selected));
        EXPECT_EQ(fieldText(browser, FolderBrowser::kPathFieldId), c.selected);
        EXPECT_EQ(browser.result(), c.selected);
        EXPECT_TRUE(browser.FindWindow(wxID_OK)->IsEnabled());
        EXPECT_FALSE(browser.confirmed());
    }
}

TEST_F(FolderBrowserTest, PathFieldSitsJustAboveTheTreeAsWideAsIt)
{
    FolderBrowser browser(nullptr, "Caption", "Select the game's folder, or type its path:", "/", "Test.lan");
    const wxRect field = browser.FindWindow(FolderBrowser::kPathFieldId)->GetRect();
    const wxRect tree = browser.folderTree().GetRect();
    EXPECT_EQ(field.GetBottom() + 1 + 4, tree.GetTop());
    EXPECT_EQ(field.GetLeft(), tree.GetLeft());
    EXPECT_EQ(field.GetWidth(), tree.GetWidth());
    EXPECT_GE(field.GetHeight(), 23);
    expectNothingClipped(browser);
}

TEST_F(FolderBrowserTest, SelectionAndTypingDriveTheFieldAndOk)
{
    fs::create_directories(inHome("a/b"));
    // A folder whose path does not fit into the field counts as one without a path.
    const std::string tooLong =
        inHome(std::string(100, 'x') + "/" + std::string(100, 'y') + "/" + std::string(60, 'z'));
    ASSERT_GT(tooLong.size(), FolderBrowser::kMaxResultLength);
    fs::create_directories(tooLong);
    FolderBrowser browser(nullptr, "", "Choose", inHome("a"), "Test.lan");
    wxWindow* ok = browser.FindWindow(wxID_OK);
    GT_TEST_DIALOG(browser.ShowModal(), wxExpectModal<FolderBrowser>([&](FolderBrowser& shown) {
                       shown.folderTree().SetPath(glimtags::platform::fromFileSystem(inHome("a/b")));
                       EXPECT_EQ(fieldText(shown, FolderBrowser::kPathFieldId), inHome("a/b"));
                       EXPECT_EQ(shown.result(), inHome("a/b"));

                       writeField(shown, FolderBrowser::kPathFieldId, "");
                       EXPECT_FALSE(ok->IsEnabled()) << "an empty field disables OK";
                       EXPECT_EQ(shown.result(), "");
                       EXPECT_FALSE(pressOk(shown));

                       writeField(shown, FolderBrowser::kPathFieldId, "/typed");
                       EXPECT_TRUE(ok->IsEnabled()) << "typing enables OK whatever is selected";
                       EXPECT_EQ(shown.result(), "/typed");
                       EXPECT_EQ(shown.folderTree().GetPath(), glimtags::platform::fromFileSystem(inHome("a/b")));

                       // A selection that names no folder leaves the field empty.
                       wxTreeCtrl* tree = shown.folderTree().GetTreeCtrl();
                       tree->SelectItem(tree->GetRootItem());
                       EXPECT_EQ(fieldText(shown, FolderBrowser::kPathFieldId), "");
                       EXPECT_FALSE(ok->IsEnabled());

                       writeField(shown, FolderBrowser::kPathFieldId, "/typed");
                       shown.folderTree().SetPath(glimtags::platform::fromFileSystem(tooLong));
                       EXPECT_EQ(shown.folderTree().GetPath(), glimtags::platform::fromFileSystem(tooLong));
                       EXPECT_EQ(fieldText(shown, FolderBrowser::kPathFieldId), "");
                       EXPECT_FALSE(ok->IsEnabled());
                       return wxID_CANCEL;
                   }));
}

// Keys from the X server reach the field, and the first typed character enables OK.
TEST_F(FolderBrowserTest, TypedKeysEnableOk)
{
    FolderBrowser browser(nullptr, "", "Choose", "/", "Test.lan");
    GT_TEST_DIALOG(browser.ShowModal(), wxExpectModal<FolderBrowser>([&](FolderBrowser& shown) {
                       wxTextCtrl& field = glimtags::test::pathField(shown, FolderBrowser::kPathFieldId);
                       field.Clear();
                       EXPECT_FALSE(shown.FindWindow(wxID_OK)->IsEnabled());
                       EXPECT_TRUE(glimtags::test::waitFor([&] { return shown.IsShownOnScreen(); }));
                       // No window manager: the keyboard follows the pointer.
                       wxUIActionSimulator simulator;
                       simulator.MouseMove(field.GetScreenRect().GetLeft() + 8, field.GetScreenRect().GetTop() + 8);
                       field.SetFocus();
                       runEventsFor(50);
                       simulator.Char('x');
                       runEventsFor(50);
                       EXPECT_EQ(shown.result(), "x");
                       EXPECT_TRUE(shown.FindWindow(wxID_OK)->IsEnabled());
                       simulator.Char(WXK_BACK);
                       runEventsFor(50);
                       EXPECT_EQ(shown.result(), "");
                       EXPECT_FALSE(shown.FindWindow(wxID_OK)->IsEnabled());
                       return wxID_CANCEL;
                   }));
}

TEST_F(FolderBrowserTest, FieldHoldsAt259Characters)
{
    FolderBrowser browser(nullptr, "", "Choose", "/", "Test.lan");
    const std::string longest = "/" + std::string(258, 'a');
    writeField(browser, FolderBrowser::kPathFieldId, longest);
    glimtags::test::pathField(browser, FolderBrowser::kPathFieldId).AppendText("b");
    EXPECT_EQ(browser.result(), longest);
}

TEST_F(FolderBrowserTest, OkValidatesTheFieldNotTheSelection)
{
    fs::create_directories(inHome("selected"));
    const std::string typed = inHome("typed/baseq3");
    FolderBrowser browser(nullptr, "", "Choose", inHome("selected"), "Test.lan");
    wxString error, question;
    int result = 0;
    GT_TEST_DIALOG(result = browser.ShowModal(), wxExpectModal<FolderBrowser>([&](FolderBrowser& shown) {
                       writeField(shown, FolderBrowser::kPathFieldId, "relative");
                       EXPECT_TRUE(glimtags::test::waitFor([&] { return shown.IsShownOnScreen(); }));
                       shown.FindWindow(wxID_OK)->SetFocus();
                       runEventsFor(30);
                       EXPECT_FALSE(pressOk(shown)) << "an invalid path keeps the browser open";
                       EXPECT_FALSE(shown.confirmed());
                       runEventsFor(30);
                       EXPECT_EQ(wxWindow::FindFocus(), shown.FindWindow(FolderBrowser::kPathFieldId))
                           << "the focus goes back to the field";
                       writeField(shown, FolderBrowser::kPathFieldId, typed);
                       EXPECT_FALSE(pressOk(shown)) << "No keeps the browser open";
                       EXPECT_FALSE(fs::exists(inHome("typed")));
                       EXPECT_TRUE(pressOk(shown));
                       return wxID_OK;
                   }),
                   ExpectMessage(wxID_OK, &error), ExpectMessage(wxID_NO), ExpectMessage(wxID_YES, &question));
    EXPECT_EQ(error, "Bad path <relative>");
    EXPECT_EQ(question, "Folder " + typed + " is missing. Create?");
    EXPECT_EQ(result, wxID_OK);
    EXPECT_TRUE(browser.confirmed());
    EXPECT_EQ(browser.result(), typed);
    EXPECT_TRUE(fs::is_directory(typed));
}

// Only OK's own acceptance counts, and each opening starts unconfirmed.
TEST_F(FolderBrowserTest, ShowModalSaysOkOnlyWhenConfirmed)
{
    FolderBrowser browser(nullptr, "", "Choose", "/", "Test.lan");
    int result = 0;
    GT_TEST_DIALOG(result = browser.ShowModal(), wxExpectModal<FolderBrowser>(wxID_OK));
    EXPECT_EQ(result, wxID_OK);
    EXPECT_TRUE(browser.confirmed());

    GT_TEST_DIALOG(result = browser.ShowModal(), wxExpectModal<FolderBrowser>([](FolderBrowser&) { return wxID_OK; }));
    EXPECT_EQ(result, wxID_CANCEL);
    EXPECT_FALSE(browser.confirmed());
}
