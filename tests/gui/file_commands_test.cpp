#include "gui/editor_fixture.h"

#include "dialogs/merge_as_dialog.h"
#include "platform/file_writer.h"
#include "ui/control_ids.h"

#include <wx/filedlg.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using glimtags::NameType;
using glimtags::test::EditorFixture;
using glimtags::test::ExpectMessage;
namespace ids = glimtags::ids;

// Answers the "User or Host name?" dialog with a name type, or cancels it.
template <>
class wxExpectModal<glimtags::MergeAsDialog> : public wxExpectModalBase<glimtags::MergeAsDialog> {
public:
    explicit wxExpectModal(NameType type, int answer = wxID_OK)
        : type_(type), answer_(answer)
    {
    }

protected:
    int OnInvoked(glimtags::MergeAsDialog* dialog) const override
    {
        EXPECT_EQ(dialog->nameType(), NameType::User) << "the dialog opens on User Name";
        dialog->setNameType(type_);
        return answer_;
    }

private:
    NameType type_;
    int answer_;
};

namespace {

std::string bytesOf(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

class FileCommandsTest : public EditorFixture {
protected:
    void SetUp() override
    {
        storeUsualSettings();
        storeSetting("AutoChecking", 0);
        startEditor();
    }

    std::filesystem::path gameFolder() const { return home.path() / "baseq3"; }

    // Saves the name through the menu, answering the dialog with the file name.
    wxString save(int id, const std::string& fileName)
    {
        wxString message;
        GT_TEST_DIALOG(command(id), wxExpectModal<wxFileDialog>(wxString((gameFolder() / fileName).string())),
                       ExpectMessage(wxID_OK, &message));
        return message;
    }

    void open(const std::filesystem::path& path)
    {
        GT_TEST_DIALOG(command(ids::MenuOpen), wxExpectModal<wxFileDialog>(wxString(path.string())));
    }

    void merge(NameType type) { GT_TEST_DIALOG(command(ids::MenuMerge), wxExpectModal<glimtags::MergeAsDialog>(type)); }

    void writeConfiguration(const std::string& bytes)
    {
        std::ofstream(gameFolder() / "q3config.cfg", std::ios::binary) << bytes;
    }
    std::string configuration() const { return bytesOf(gameFolder() / "q3config.cfg"); }
};

} // namespace

TEST_F(FileCommandsTest, SavedScriptHoldsTheSetaLineAndNoLineEnd)
{
    setName("Player", 6, 6);
    const wxString message = save(ids::MenuSaveAsUser, "Fred");
    EXPECT_EQ(bytesOf(gameFolder() / "Fred.name"), "seta name \"Player^7\"");
    EXPECT_TRUE(message.EndsWith("/exec Fred.name")) << message;

    save(ids::ToolSaveAsHost, "Server");
    EXPECT_EQ(bytesOf(gameFolder() / "Server.host"), "seta sv_hostname \"Player^7\"");

    // Any extension is kept as chosen; saving over a file replaces it without a question.
    save(ids::MenuSaveAsUser, "Fred.txt");
    EXPECT_EQ(bytesOf(gameFolder() / "Fred.txt"), "seta name \"Player^7\"");
    setName("Agent007", 0, 0);
    save(ids::MenuSaveAsUser, "Fred.Name");
    EXPECT_EQ(bytesOf(gameFolder() / "Fred.Name"), "seta name \"Agent007\"");
    save(ids::MenuSaveAsUser, "Fred.txt");
    EXPECT_EQ(bytesOf(gameFolder() / "Fred.txt"), "seta name \"Agent007\"");
}

TEST_F(FileCommandsTest, WhiteEndingFollowsTheOption)
{
    command(ids::MenuEndsWhite);
    setName("Player", 0, 0);
    save(ids::MenuSaveAsUser, "Plain");
    EXPECT_EQ(bytesOf(gameFolder() / "Plain.name"), "seta name \"Player\"");
    command(ids::MenuEndsWhite);
    setName("", 0, 0);
    save(ids::MenuSaveAsUser, "Empty");
    EXPECT_EQ(bytesOf(gameFolder() / "Empty.name"), "seta name \"^7\"");
    setName("end^", 0, 0);
    save(ids::MenuSaveAsUser, "Caret");
    EXPECT_EQ(bytesOf(gameFolder() / "Caret.name"), "seta name \"end^^7\"");
}

TEST_F(FileCommandsTest, SaveLimitIs35)
{
    setName(std::string(34, 'a') + "^b", 0, 0);
    wxString message;
    GT_TEST_DIALOG(command(ids::MenuSaveAsUser), ExpectMessage(wxID_OK, &message));
    EXPECT_EQ(message, "The name is too long!\nA name may hold at most 35 characters.");
    EXPECT_TRUE(std::filesystem::is_empty(gameFolder()));

    setName(std::string(35, 'a') + "^1", 0, 0);
    save(ids::MenuSaveAsUser, "Long");
    EXPECT_TRUE(std::filesystem::exists(gameFolder() / "Long.name"));
}

TEST_F(FileCommandsTest, UnwritableScriptIsReportedWithoutSuccess)
{
    setName("Player", 0, 0);
    std::ofstream(gameFolder() / "Fred.name") << "old";
    glimtags::platform::setWriteFaultForTesting(1);
    wxString message;
    GT_TEST_DIALOG(command(ids::MenuSaveAsUser),
                   wxExpectModal<wxFileDialog>(wxString((gameFolder() / "Fred").string())),
                   ExpectMessage(wxID_OK, &message));
    glimtags::platform::setWriteFaultForTesting(0);
    EXPECT_TRUE(message.StartsWith("Unable to write the file '")) << message;
    EXPECT_TRUE(message.Contains("baseq3/Fred.name")) << message;
    EXPECT_EQ(bytesOf(gameFolder() / "Fred.name"), "old");
}

TEST_F(FileCommandsTest, OpenReadsByTheExtension)
{
    const std::string saved = "seta sv_hostname \"^1Host^7\"";
    std::ofstream(gameFolder() / "X.HOST") << saved;
    open(gameFolder() / "X.HOST");
    EXPECT_EQ(boxBytes(), "^1Host^7");

    std::ofstream(gameFolder() / "Hand.name") << "name \"Foo\"";
    open(gameFolder() / "Hand.name");
    EXPECT_EQ(boxBytes(), "Foo");

    std::ofstream(gameFolder() / "X.txt") << saved;
    open(gameFolder() / "X.txt");
    EXPECT_EQ(boxBytes(), "Foo") << "another extension does nothing";

    std::ofstream(gameFolder() / "Long.name") << "name \"" << std::string(300, 'x') << "\"";
    open(gameFolder() / "Long.name");
    EXPECT_EQ(window->currentName().length(), 255);
}

TEST_F(FileCommandsTest, UnreadableScriptKeepsTheNameAndTheEditor)
{
    setName("Keep", 0, 0);
    // A link to nothing: listed in the folder, but it cannot be read.
    std::filesystem::create_symlink(gameFolder() / "gone", gameFolder() / "broken.name");
    wxString message;
    GT_TEST_DIALOG(command(ids::MenuOpen),
                   wxExpectModal<wxFileDialog>(wxString((gameFolder() / "broken.name").string())),
                   ExpectMessage(wxID_OK, &message));
    EXPECT_EQ(message, "Unable to open the file '" + (gameFolder() / "broken.name").string() + "'!");
    EXPECT_EQ(boxBytes(), "Keep");
    EXPECT_FALSE(editorEnded());
}

TEST_F(FileCommandsTest, NewAndExitAskOnlyForANonEmptyName)
{
    GT_EXPECT_NO_DIALOG(command(ids::MenuNew));
    setName("abc", 0, 0);
    GT_TEST_DIALOG(command(ids::MenuNew), ExpectMessage(wxID_NO));
    EXPECT_EQ(boxBytes(), "abc");

    wxString question;
    GT_TEST_DIALOG(command(ids::ToolExit), ExpectMessage(wxID_NO, &question));
    EXPECT_EQ(question, "The current name has not been saved and will be lost.\nDo you want to quit anyway?");
    EXPECT_FALSE(editorEnded());
    // The window manager's close asks the same.
    GT_TEST_DIALOG(window->Close(), ExpectMessage(wxID_NO));
    EXPECT_FALSE(editorEnded());
    GT_TEST_DIALOG(command(ids::MenuExit), ExpectMessage(wxID_YES));
    EXPECT_TRUE(editorEnded());
}

TEST_F(FileCommandsTest, ExitWithAnEmptyNameEndsAtOnce)
{
    GT_EXPECT_NO_DIALOG(command(ids::MenuExit));
    EXPECT_TRUE(editorEnded());
}

TEST_F(FileCommandsTest, MergeReplacesTheNameLineAndKeepsABackup)
{
    const std::string before = "// generated by the game\r\nseta sensitivity \"5\"\nseta name \"OldName\"\n"
                               "seta sv_hostname \"Old Host\"\nbind x \"say hi\"";
    writeConfiguration(before);
    setName("Player", 0, 0);
    merge(NameType::User);
    EXPECT_EQ(configuration(), "// generated by the game\r\nseta sensitivity \"5\"\nseta name \"Player^7\"\n"
                               "seta sv_hostname \"Old Host\"\nbind x \"say hi\"");
    EXPECT_EQ(bytesOf(gameFolder() / "q3config.cfg.bak"), before);

    const std::string afterUser = configuration();
    setName(std::string(40, 'h'), 0, 0);
    merge(NameType::Host);
    EXPECT_EQ(configuration(), "// generated by the game\r\nseta sensitivity \"5\"\nseta name \"Player^7\"\n"
                               "seta sv_hostname \"" + std::string(40, 'h') + "^7\"\nbind x \"say hi\"");
    EXPECT_EQ(bytesOf(gameFolder() / "q3config.cfg.bak"), afterUser) << "the backup is made afresh";
}

TEST_F(FileCommandsTest, MergeWithoutANameLineAppendsIt)
{
    writeConfiguration("SETA Sensitivity \"5\"");
    setName("Player", 0, 0);
    merge(NameType::User);
    EXPECT_EQ(configuration(), "SETA Sensitivity \"5\"\nseta name \"Player^7\"\n");
}

TEST_F(FileCommandsTest, MergeCancelledChangesNothing)
{
    writeConfiguration("seta name \"Old\"\n");
    setName("Player", 0, 0);
    GT_TEST_DIALOG(command(ids::ToolMerge), wxExpectModal<glimtags::MergeAsDialog>(NameType::User, wxID_CANCEL));
    EXPECT_EQ(configuration(), "seta name \"Old\"\n");
    EXPECT_FALSE(std::filesystem::exists(gameFolder() / "q3config.cfg.bak"));
}

TEST_F(FileCommandsTest, MissingConfigurationIsReportedAndTheEditorGoesOn)
{
    setName("Player", 0, 0);
    wxString message;
    GT_TEST_DIALOG(command(ids::MenuMerge), wxExpectModal<glimtags::MergeAsDialog>(NameType::User),
                   ExpectMessage(wxID_OK, &message));
    EXPECT_EQ(message, "Unable to find q3Config.cfg!");
    EXPECT_FALSE(editorEnded());
    EXPECT_EQ(boxBytes(), "Player");
}

TEST_F(FileCommandsTest, FailedWriteLeavesTheConfigurationAsItWas)
{
    const std::string before = "seta name \"Old\"\n";
    writeConfiguration(before);
    setName("Player", 0, 0);
    // The first write makes the backup; the second rewrites the configuration.
    glimtags::platform::setWriteFaultForTesting(2);
    wxString message;
    GT_TEST_DIALOG(command(ids::MenuMerge), wxExpectModal<glimtags::MergeAsDialog>(NameType::User),
                   ExpectMessage(wxID_OK, &message));
    glimtags::platform::setWriteFaultForTesting(0);
    EXPECT_EQ(configuration(), before);
    EXPECT_TRUE(message.StartsWith("Unable to write the file '")) << message;
    EXPECT_TRUE(message.Contains("q3config.cfg")) << message;
    EXPECT_EQ(bytesOf(gameFolder() / "q3config.cfg.bak"), before);
}

TEST_F(FileCommandsTest, FailedBackupStopsTheMergeWithAMessage)
{
    const std::string before = "seta name \"Old\"\n";
    writeConfiguration(before);
    std::filesystem::create_directory(gameFolder() / "q3config.cfg.bak");
    setName("Player", 0, 0);
    wxString message;
    GT_TEST_DIALOG(command(ids::MenuMerge), wxExpectModal<glimtags::MergeAsDialog>(NameType::User),
                   ExpectMessage(wxID_OK, &message));
    EXPECT_EQ(configuration(), before);
    EXPECT_TRUE(message.Contains("q3config.cfg.bak") && message.Contains("left as it was")) << message;
}

TEST_F(FileCommandsTest, NameWithAQuoteIsNeitherSavedNorMerged)
{
    writeConfiguration("seta name \"Old\"\n");
    setName("a\"b", 0, 0);
    for (const int id : {ids::MenuSaveAsUser, ids::ToolSaveAsHost, ids::MenuMerge}) {
        wxString message;
        GT_TEST_DIALOG(command(id), ExpectMessage(wxID_OK, &message));
        EXPECT_TRUE(message.StartsWith("This name holds a double quote")) << id << ": " << message;
    }
    EXPECT_EQ(configuration(), "seta name \"Old\"\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(gameFolder()), {}), 1);
}
