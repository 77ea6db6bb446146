#include "gui/editor_fixture.h"

#include "core/regular_file.h"
#include "dialogs/merge_as_dialog.h"
#include "ui/control_ids.h"

#include <wx/menu.h>
#include <wx/statusbr.h>

#include <filesystem>
#include <fstream>

using glimtags::NameType;
using glimtags::readRegularFile;
using glimtags::test::ExpectFileDialog;
using glimtags::test::ExpectMessage;
using glimtags::test::FileDialogSeen;
namespace ids = glimtags::ids;
namespace fs = std::filesystem;

// Answers the "User or Host name?" dialog with a name type, or cancels it, and keeps its texts.
template <>
class wxExpectModal<glimtags::MergeAsDialog> : public wxExpectModalBase<glimtags::MergeAsDialog> {
public:
    explicit wxExpectModal(NameType type, int answer = wxID_OK, wxString* texts = nullptr)
        : type_(type), answer_(answer), texts_(texts)
    {
    }

protected:
    int OnInvoked(glimtags::MergeAsDialog* dialog) const override
    {
        EXPECT_EQ(dialog->nameType(), NameType::User) << "the dialog opens on User Name";
        glimtags::test::expectNothingClipped(*dialog);
        if (texts_) {
            *texts_ = dialog->GetTitle();
            for (const int id : {glimtags::MergeAsDialog::kGroupId, glimtags::MergeAsDialog::kUserNameId,
                                 glimtags::MergeAsDialog::kHostNameId, int(wxID_OK), int(wxID_CANCEL)})
                *texts_ += " " + dialog->FindWindow(id)->GetLabel();
        }
        dialog->setNameType(type_);
        return answer_;
    }

private:
    NameType type_;
    int answer_;
    wxString* texts_;
};

namespace {

class FileCommandsTest : public glimtags::test::EditorFixture {
protected:
    void SetUp() override { startUsualEditor(); }

    std::string inGame(const std::string& name) const { return (fs::path(gameFolder()) / name).string(); }
    std::string configuration() const { return readRegularFile(inGame("q3config.cfg")).value_or("<none>"); }

    wxString merge(NameType type, int id = ids::MenuMerge)
    {
        wxString message;
        GT_TEST_DIALOG(command(id), wxExpectModal<glimtags::MergeAsDialog>(type), ExpectMessage(wxID_OK, &message));
        return message;
    }
};

} // namespace

TEST_F(FileCommandsTest, SaveWritesTheScriptChosenInTheGameFolder)
{
    struct Case {
        int id;
        const char* fileName;
        const char* written;
        const char* wildcard;
        const char* bytes;
    };
    const Case cases[] = {
        {ids::MenuSaveAsUser, "Fred", "Fred.name", "NaMe Script File (*.name)|*.name;*.name;*.NAME",
         "seta name \"Player^7\""},
        {ids::MenuSaveAsHost, "Srv", "Srv.host", "NaMe Script File (*.Host)|*.Host;*.host;*.HOST",
         "seta sv_hostname \"Player^7\""},
    };
    setName("Player", 0, 0);
    for (const Case& c : cases) {
        FileDialogSeen seen;
        wxString message;
        GT_TEST_DIALOG(command(c.id), ExpectFileDialog(inGame(c.fileName), &seen), ExpectMessage(wxID_OK, &message));
        EXPECT_EQ(seen.directory, gameFolder()) << c.id;
        EXPECT_EQ(seen.fileName, "FiLeNaMe") << c.id;
        EXPECT_EQ(seen.wildcard, c.wildcard) << c.id;
        EXPECT_EQ(readRegularFile(inGame(c.written)), c.bytes) << c.id;
        EXPECT_TRUE(message.EndsWith(wxString("/exec ") + c.written)) << message;
    }
}

TEST_F(FileCommandsTest, SaveRefusesWhatTheGameCannotTake)
{
    setName(std::string(34, 'a') + "^b", 0, 0);
    wxString message;
    GT_TEST_DIALOG(command(ids::MenuSaveAsUser), ExpectMessage(wxID_OK, &message));
    EXPECT_EQ(message, "The name is too long!\nA name may hold at most 35 characters.");

    setName("Player", 0, 0);
    fs::create_directory(inGame("Fred.name"));
    GT_TEST_DIALOG(command(ids::MenuSaveAsUser), ExpectFileDialog(inGame("Fred")), ExpectMessage(wxID_OK, &message));
    EXPECT_TRUE(message.StartsWith("Unable to write the file '" + inGame("Fred.name") + "'!")) << message;
}

TEST_F(FileCommandsTest, OpenReadsTheScriptChosenByItsExtension)
{
    std::ofstream(inGame("X.HOST")) << "seta sv_hostname \"^1Host^7\"";
    std::ofstream(inGame("X.txt")) << "seta name \"Other\"";
    FileDialogSeen seen;
    GT_TEST_DIALOG(command(ids::MenuOpen), ExpectFileDialog(inGame("X.HOST"), &seen));
    EXPECT_EQ(boxBytes(), "^1Host") << "the ending the save added is left out";
    EXPECT_EQ(caret(), 0);
    EXPECT_EQ(seen.directory, gameFolder());
    EXPECT_EQ(seen.fileName, "FiLeNaMe");
    EXPECT_EQ(seen.wildcard, "UserName Script File (*.name)|*.name;*.name;*.NAME|"
                             "HostName Script File (*.host)|*.host;*.host;*.HOST");
    GT_TEST_DIALOG(command(ids::MenuOpen), ExpectFileDialog(inGame("X.txt")));
    EXPECT_EQ(boxBytes(), "^1Host") << "another extension does nothing";

    std::ofstream(inGame("Empty.host")) << "seta sv_hostname\n";
    wxString noName;
    GT_TEST_DIALOG(command(ids::MenuOpen), ExpectFileDialog(inGame("Empty.host")), ExpectMessage(wxID_OK, &noName));
    EXPECT_EQ(noName, inGame("Empty.host") + " sets no name the game would take; the name being edited stays as it was.");
    EXPECT_EQ(boxBytes(), "^1Host");

    fs::create_symlink(inGame("gone"), inGame("broken.name"));
    wxString message;
    GT_TEST_DIALOG(command(ids::MenuOpen), ExpectFileDialog(inGame("broken.name")), ExpectMessage(wxID_OK, &message));
    EXPECT_EQ(message, "Unable to open the file '" + inGame("broken.name") + "'!");
    EXPECT_EQ(boxBytes(), "^1Host");
}

TEST_F(FileCommandsTest, NewAndExitAskOnlyForANonEmptyNameAndExitStoresNothing)
{
    GT_EXPECT_NO_DIALOG(command(ids::MenuNew));
    setName("abc", 0, 0);
    GT_TEST_DIALOG(command(ids::MenuNew), ExpectMessage(wxID_NO));
    EXPECT_EQ(boxBytes(), "abc");
    GT_TEST_DIALOG(command(ids::MenuNew), ExpectMessage(wxID_YES));
    EXPECT_EQ(boxBytes(), "");

    setName("abc", 0, 0);
    wxString question;
    GT_TEST_DIALOG(command(ids::MenuExit), ExpectMessage(wxID_NO, &question));
    EXPECT_EQ(question, "The current name has not been saved and will be lost.\nDo you want to quit anyway?");
    GT_TEST_DIALOG(window->Close(), ExpectMessage(wxID_NO));
    EXPECT_FALSE(editorEnded()) << "the window manager's close asks the same";

    const std::string settings = settingsText();
    setName("", 0, 0);
    GT_EXPECT_NO_DIALOG(command(ids::MenuExit));
    EXPECT_TRUE(editorEnded());
    EXPECT_EQ(settingsText(), settings);
}

TEST_F(FileCommandsTest, MergeReplacesTheNameLineAfterABackup)
{
    const std::string before = "seta sensitivity \"5\"\r\nseta name \"OldName\"\nseta sv_hostname \"Old\"\n";
    std::ofstream(inGame("q3config.cfg"), std::ios::binary) << before;
    storeSetting("Language", keyNamedLanguageFile());
    restartEditor();
    setName("Player", 0, 0);
    wxString texts;
    GT_TEST_DIALOG(command(ids::MenuMerge), wxExpectModal<glimtags::MergeAsDialog>(NameType::User, wxID_OK, &texts));
    EXPECT_EQ(texts, "MERGEASDLG_CAPTION MERGEASDLG_STATIC MERGEASDLG_RADIO1 MERGEASDLG_RADIO2 MERGEASDLG_BUTTONOK "
                     "MERGEASDLG_BUTTONCANCEL");
    EXPECT_EQ(configuration(), "seta sensitivity \"5\"\r\nseta name \"Player^7\"\nseta sv_hostname \"Old\"\n");
    EXPECT_EQ(readRegularFile(inGame("q3config.cfg.bak")), before);
    EXPECT_EQ(window->GetStatusBar()->GetStatusText(0), "STATUS_MERGED") << "says what it did";

    GT_TEST_DIALOG(command(ids::MenuMerge), wxExpectModal<glimtags::MergeAsDialog>(NameType::Host, wxID_CANCEL));
    EXPECT_EQ(configuration(), "seta sensitivity \"5\"\r\nseta name \"Player^7\"\nseta sv_hostname \"Old\"\n");
    GT_TEST_DIALOG(command(ids::MenuMerge), wxExpectModal<glimtags::MergeAsDialog>(NameType::Host));
    EXPECT_EQ(configuration(), "seta sensitivity \"5\"\r\nseta name \"Player^7\"\nseta sv_hostname \"Player^7\"\n");
}

TEST_F(FileCommandsTest, MergeFailuresAreReportedAndLeaveEverythingAsItWas)
{
    setName("Player", 0, 0);
    EXPECT_EQ(merge(NameType::User), "Unable to find q3Config.cfg!");
    EXPECT_FALSE(editorEnded());

    const std::string before = "seta name \"Old\"\n";
    std::ofstream(inGame("q3config.cfg"), std::ios::binary) << before;
    fs::create_directory(inGame("q3config.cfg.bak"));
    const wxString message = merge(NameType::User);
    EXPECT_TRUE(message.Contains("q3config.cfg.bak") && message.Contains("left as it was")) << message;
    EXPECT_EQ(configuration(), before);

    setName("a\"b", 0, 0);
    wxString refusal;
    GT_TEST_DIALOG(command(ids::MenuMerge), ExpectMessage(wxID_OK, &refusal));
    EXPECT_TRUE(refusal.StartsWith("This name holds a double quote")) << refusal;
    EXPECT_EQ(configuration(), before);
}

TEST_F(FileCommandsTest, MergeStatusIsReadWholeAndGoesWhenALaterMergeFails)
{
    // However deep the game folder, the status names only the file.
    const std::string deep = (home.path() / "Quake III Arena, the whole game as installed" / "baseq3").string();
    home.write(deep + "/q3config.cfg", "seta name \"Old\"\n");
    storeSetting("q3Path", deep);
    restartEditor();
    GT_TEST_DIALOG(command(ids::MenuMerge), wxExpectModal<glimtags::MergeAsDialog>(NameType::User));
    wxStatusBar* bar = window->GetStatusBar();
    const wxString status = bar->GetStatusText(0);
    EXPECT_EQ(status, "q3config.cfg updated; the previous one is q3config.cfg.bak");
    wxRect field;
    ASSERT_TRUE(bar->GetFieldRect(0, field));
    EXPECT_LE(bar->GetTextExtent(status).x, field.width - 2 * bar->GetBorderX()) << "the text is not cut";

    fs::remove(deep + "/q3config.cfg");
    EXPECT_EQ(merge(NameType::User), "Unable to find q3Config.cfg!");
    EXPECT_EQ(bar->GetStatusText(0), "");
}

TEST_F(FileCommandsTest, RecentFilesListTheLatestFirstAndDropAVanishedOne)
{
    setName("Player", 0, 0);
    GT_TEST_DIALOG(command(ids::MenuSaveAsUser), ExpectFileDialog(inGame("Fred")), ExpectMessage(wxID_OK));
    std::ofstream(inGame("Srv.host")) << "seta sv_hostname \"Srv\"";
    GT_TEST_DIALOG(command(ids::MenuOpen), ExpectFileDialog(inGame("Srv.host")));
    wxMenu* recent = window->menus().FindItem(ids::RecentFilesMenu)->GetSubMenu();
    ASSERT_EQ(recent->GetMenuItemCount(), 2u);
    EXPECT_TRUE(recent->FindItemByPosition(0)->GetItemLabel().Contains("Srv.host"));
    EXPECT_NE(settingsText().find("RecentFile2=" + inGame("Fred.name")), std::string::npos);

    command(ids::FirstRecentFile + 1);
    EXPECT_EQ(boxBytes(), "Player");
    {
        const glimtags::test::WorkingDirectory inGameFolder(gameFolder());
        window->openScript("Srv.host");
    }
    EXPECT_NE(settingsText().find("RecentFile1=" + inGame("Srv.host")), std::string::npos) << "stored with its folder";
    fs::remove(inGame("Srv.host"));
    fs::create_symlink("Srv.host", inGame("Srv.host")); // a link to itself
    wxString message;
    GT_TEST_DIALOG(command(ids::FirstRecentFile), ExpectMessage(wxID_OK, &message));
    EXPECT_EQ(message, inGame("Srv.host") + " no longer exists; it has been taken off the list.");
    EXPECT_EQ(recent->GetMenuItemCount(), 1u);
    EXPECT_EQ(settingsText().find("Srv.host"), std::string::npos);
    fs::resize_file(inGame("Fred.name"), glimtags::kMaxReadBytes + 1);
    GT_TEST_DIALOG(command(ids::FirstRecentFile), ExpectMessage(wxID_OK));
    EXPECT_EQ(recent->GetMenuItemCount(), 0u) << "a file that cannot be read goes too";
}

TEST_F(FileCommandsTest, RecentFilesComeBackInTheirOrderAtTheNextStart)
{
    for (int i = 1; i <= 8; ++i)
        storeSetting("RecentFile" + std::to_string(i), inGame("File" + std::to_string(i) + ".name"));
    restartEditor();
    wxMenu* recent = window->menus().FindItem(ids::RecentFilesMenu)->GetSubMenu();
    ASSERT_EQ(recent->GetMenuItemCount(), 8u);
    EXPECT_TRUE(recent->FindItemByPosition(0)->GetItemLabel().Contains("File1.name"));
    EXPECT_TRUE(recent->FindItemByPosition(7)->GetItemLabel().Contains("File8.name"));
}
