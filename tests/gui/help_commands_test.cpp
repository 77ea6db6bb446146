#include "dialogs/help_commands.h"

#include "core/web_addresses.h"
#include "dialogs/about_dialog.h"
#include "dialogs/hyperlink_control.h"
#include "gui/gui_harness.h"
#include "platform/desktop.h"
#include "support/temp_dir.h"

#include <string>
#include <vector>

using glimtags::AboutDialog;
using glimtags::test::TempDir;

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
        EXPECT_EQ(dialog->GetTitle(), "ABouT Glimtags");
        const glimtags::HyperlinkControl& link = dialog->link();
        EXPECT_EQ(link.GetLabelText(), "Quorvant TEAM HoMe PaGe");
        EXPECT_EQ(link.linkAddress(), glimtags::kMakerHomePage);
        EXPECT_EQ(dialog->GetDefaultItem(), dialog->FindWindow(wxID_OK));
        glimtags::test::expectNothingClipped(*dialog);
        return wxID_OK;
    }

private:
    wxString* credit_;
};

namespace {

TEST(HelpCommands, HelpContentsOpensTheFileOfTheWorkingDirectoryWhateverTheViewerSays)
{
    const TempDir start;
    const glimtags::test::WorkingDirectory inStart(start.path());
    start.write("Glimtags.chm", "ITSF");
    std::vector<std::string> opened;
    const glimtags::platform::Desktop desktop{.launch = [&opened](const std::string& target) {
        opened.push_back(target);
        return glimtags::Outcome::failure(glimtags::platform::kOpenNoApplication);
    }};
    GT_EXPECT_NO_DIALOG(glimtags::runHelpContents(nullptr, "", desktop));
    EXPECT_EQ(opened, std::vector<std::string>{start.file("Glimtags.chm")});
}

TEST(HelpCommands, AboutShowsTheLanguageFilesAuthorOrUnknown)
{
    const TempDir start;
    const std::pair<const char*, const char*> cases[] = {
        {"CREATOR \"Someone Else\"\nHELP \"&Help\"\n", "Language script by Someone Else"},
        {"HELP \"&Help\"\n", "Language script by Unknown"},
    };
    for (const auto& [file, expected] : cases) {
        wxString credit;
        GT_TEST_DIALOG(glimtags::runAboutCommand(nullptr, start.write("Test.lan", file), {}), ExpectAbout(&credit));
        EXPECT_EQ(credit, expected) << file;
    }
}

} // namespace
