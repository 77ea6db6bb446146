#include "gui/editor_fixture.h"

#include "core/web_addresses.h"
#include "platform/open_document.h"
#include "ui/control_ids.h"

#include <filesystem>
#include <vector>

using glimtags::test::EditorFixture;
using glimtags::test::ExpectMessage;
namespace ids = glimtags::ids;

namespace {

// The Help menu's items reach their commands; the desktop's programs are replaced by a recorder.
class HelpMenuTest : public EditorFixture {
protected:
    void SetUp() override
    {
        storeUsualSettings();
        startEditor();
        glimtags::platform::setDocumentOpenerForTesting([this](const std::string& target) {
            opened.push_back(target);
            return glimtags::platform::kOpenNoApplication;
        });
    }
    void TearDown() override { glimtags::platform::setDocumentOpenerForTesting(nullptr); }

    std::vector<std::string> opened;
};

} // namespace

TEST_F(HelpMenuTest, ContentsWithoutTheHelpFileSaysSo)
{
    wxString message;
    GT_TEST_DIALOG(command(ids::MenuContents), ExpectMessage(wxID_OK, &message));
    EXPECT_EQ(message, "Unable to find the help file Glimtags.chm in the program's folder.");
    EXPECT_TRUE(opened.empty());
}

TEST_F(HelpMenuTest, ContentsOpensTheHelpFileOfTheStartDirectory)
{
    start.write("Glimtags.chm", "ITSF");
    GT_EXPECT_NO_DIALOG(command(ids::MenuContents));
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(std::filesystem::path(opened[0]).filename(), "Glimtags.chm");
}

TEST_F(HelpMenuTest, OnlineCentreOpensItsAddressAndIgnoresFailure)
{
    GT_EXPECT_NO_DIALOG(command(ids::MenuOnlineCentre));
    EXPECT_EQ(opened, std::vector<std::string>{glimtags::kOnlineCentreAddress});
}

TEST_F(HelpMenuTest, AboutShowsTheAboutBox)
{
    GT_TEST_DIALOG(command(ids::MenuAbout), wxExpectAny(wxID_OK));
    EXPECT_FALSE(editorEnded());
}
