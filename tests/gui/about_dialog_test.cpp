#include "dialogs/about_dialog.h"

#include "core/web_addresses.h"
#include "dialogs/hyperlink_control.h"
#include "gui/gui_harness.h"
#include "gui/modal_driver.h"
#include "platform/open_document.h"

#include <wx/button.h>
#include <wx/stattext.h>

#include <string>
#include <vector>

using glimtags::AboutDialog;
using glimtags::HyperlinkControl;

namespace {

class AboutDialogTest : public ::testing::Test {
protected:
    AboutDialogTest()
    {
        glimtags::platform::setDocumentOpenerForTesting([this](const std::string& target) {
            opened.push_back(target);
            return glimtags::platform::kOpenStarted;
        });
    }
    ~AboutDialogTest() override { glimtags::platform::setDocumentOpenerForTesting(nullptr); }

    std::vector<std::string> opened;
};

std::vector<wxString> staticTexts(wxWindow& dialog)
{
    std::vector<wxString> texts;
    for (const wxWindow* child : dialog.GetChildren())
        if (const auto* text = dynamic_cast<const wxStaticText*>(child))
            texts.push_back(text->GetLabelText());
    return texts;
}

TEST_F(AboutDialogTest, FixedTextsLinkAndCredit)
{
    AboutDialog dialog(nullptr, "Language script by Someone");
    EXPECT_EQ(dialog.GetTitle(), "ABouT Glimtags");
    EXPECT_EQ(staticTexts(dialog), (std::vector<wxString>{"Quorvant Glimtags v1.7", "DeSiGNeD by Quorvant",
                                                          "ProGRaMMeD by the Glimtags team",
                                                          "Language script by Someone"}));
    const wxWindow* credit = dialog.FindWindow(AboutDialog::kCreditId);
    ASSERT_NE(credit, nullptr);
    EXPECT_EQ(credit->GetLabel(), "Language script by Someone");
    EXPECT_TRUE(credit->HasFlag(wxALIGN_CENTRE_HORIZONTAL));

    auto* link = dynamic_cast<HyperlinkControl*>(dialog.FindWindow(AboutDialog::kLinkId));
    ASSERT_EQ(link, &dialog.link());
    EXPECT_EQ(link->GetLabelText(), "Quorvant TEAM HoMe PaGe");
    EXPECT_EQ(link->linkAddress(), glimtags::kMakerHomePage);
    EXPECT_EQ(link->GetToolTipText(), glimtags::kMakerHomePage);
    EXPECT_FALSE(link->GetFont().GetUnderlined());
    EXPECT_FALSE(link->visited());
    EXPECT_FALSE(link->GetCursor().IsSameAs(wxCursor(wxCURSOR_HAND)));
    EXPECT_TRUE(link->GetCursor().IsOk());

    EXPECT_EQ(dialog.GetDefaultItem(), dialog.FindWindow(wxID_OK));
    glimtags::test::expectNothingClipped(dialog);
}

TEST_F(AboutDialogTest, EnterAndEscapeClose)
{
    for (const int key : {WXK_RETURN, WXK_ESCAPE}) {
        glimtags::test::RunModal<AboutDialog> hook(__FILE__, __LINE__, __func__);
        const glimtags::test::ModalDriver<AboutDialog> driver(
            hook, [](AboutDialog& shown) { return shown.IsShownOnScreen(); },
            [key](AboutDialog& shown) { glimtags::test::pressKeyIn(&shown, key); });
        AboutDialog dialog(nullptr, "Language script by Unknown");
        EXPECT_EQ(dialog.ShowModal(), wxID_OK) << key;
        hook.CheckUnmetExpectations();
    }
    EXPECT_TRUE(opened.empty());
}

} // namespace
