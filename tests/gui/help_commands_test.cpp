#include "dialogs/help_commands.h"

#include "core/web_addresses.h"
#include "dialogs/about_dialog.h"
#include "gui/gui_harness.h"
#include "platform/open_document.h"
#include "support/temp_dir.h"

#include <filesystem>
#include <string>
#include <vector>

using glimtags::AboutDialog;
using glimtags::test::ExpectMessage;
using glimtags::test::TempDir;
using glimtags::test::WorkingDirectory;

// The About box, answered with OK, keeping its credit line.
class ExpectAbout : public wxExpectModalBase<AboutDialog, ExpectAbout> {
public:
    explicit ExpectAbout(wxString* credit)
        : credit_(credit)
    {
    }

protected:
    int OnInvoked(AboutDialog* dialog) const override
    {
        *credit_ = dialog->FindWindow(AboutDialog::kCreditId)->GetLabel();
        return wxID_OK;
    }

private:
    wxString* credit_;
};

namespace {

// Runs the command and fails the test if any dialog comes up.
template <typename Command>
void withoutDialogs(Command command)
{
    const glimtags::test::ModalHook hook(__FILE__, __LINE__, __func__);
    command();
}

class HelpCommandsTest : public ::testing::Test {
protected:
    HelpCommandsTest()
    {
        std::filesystem::copy_file(std::filesystem::path(GLIMTAGS_RESOURCES) / "English.lan",
                                   start.path() / "English.lan");
        glimtags::platform::setDocumentOpenerForTesting([this](const std::string& target) {
            opened.push_back(target);
            return openResult;
        });
    }
    ~HelpCommandsTest() override { glimtags::platform::setDocumentOpenerForTesting(nullptr); }

    TempDir start;
    WorkingDirectory inStart{start.path()};
    std::vector<std::string> opened;
    int openResult = glimtags::platform::kOpenStarted;
};

TEST_F(HelpCommandsTest, HelpContentsWithoutTheFileSaysSoOnce)
{
    wxString text;
    long style = 0;
    GT_TEST_DIALOG(glimtags::runHelpContents(nullptr, "English.lan"), ExpectMessage(wxID_OK, &text, &style));
    EXPECT_EQ(text, "Unable to find the help file Glimtags.chm in the program's folder.");
    EXPECT_TRUE(style & wxICON_WARNING);
    EXPECT_TRUE(opened.empty());
}

TEST_F(HelpCommandsTest, HelpContentsOpensTheFileFromTheWorkingDirectory)
{
    start.write("Glimtags.chm", "ITSF");
    for (const int result : {glimtags::platform::kOpenStarted, glimtags::platform::kOpenNoApplication}) {
        openResult = result;
        opened.clear();
        // A viewer that cannot be started is no concern of the command.
        withoutDialogs([] { glimtags::runHelpContents(nullptr, "English.lan"); });
        EXPECT_EQ(opened, std::vector<std::string>{start.file("Glimtags.chm")});
    }
}

TEST_F(HelpCommandsTest, HelpContentsLooksInTheCurrentWorkingDirectory)
{
    TempDir elsewhere;
    elsewhere.write("Glimtags.chm", "ITSF");
    const WorkingDirectory inElsewhere(elsewhere.path());
    withoutDialogs([this] { glimtags::runHelpContents(nullptr, start.file("English.lan")); });
    EXPECT_EQ(opened, std::vector<std::string>{elsewhere.file("Glimtags.chm")});
}

TEST_F(HelpCommandsTest, OnlineCentreOpensItsAddressAndIgnoresFailure)
{
    for (const int result : {glimtags::platform::kOpenStarted, glimtags::platform::kOpenNoApplication,
                             glimtags::platform::kOpenFileNotFound}) {
        openResult = result;
        opened.clear();
        withoutDialogs(glimtags::runOnlineCentre);
        EXPECT_EQ(opened, std::vector<std::string>{glimtags::kOnlineCentreAddress});
    }
}

TEST_F(HelpCommandsTest, AboutShowsTheLanguageFilesAuthorOrUnknown)
{
    struct Case {
        const char* file;
        const char* expected;
    };
    const Case cases[] = {
        {"CREATOR \"Someone Else\"\nHELP \"&Help\"\n", "Language script by Someone Else"},
        {"creator \"lower case\"\n", "Language script by lower case"},
        {"CREATOR \"\"\n", "Language script by Unknown"},
        {"HELP \"&Help\"\n", "Language script by Unknown"},
    };
    for (const Case& c : cases) {
        start.write("Test.lan", c.file);
        wxString credit;
        GT_TEST_DIALOG(glimtags::runAboutCommand(nullptr, "Test.lan"), ExpectAbout(&credit));
        EXPECT_EQ(credit, c.expected) << c.file;
    }
    EXPECT_TRUE(opened.empty());
}

TEST_F(HelpCommandsTest, AboutWithTheShippedLanguageFile)
{
    wxString credit;
    GT_TEST_DIALOG(glimtags::runAboutCommand(nullptr, "English.lan"), ExpectAbout(&credit));
    EXPECT_EQ(credit, "Language script by the Glimtags team");
}

} // namespace
