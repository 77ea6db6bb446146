#include "dialogs/about_dialog.h"

#include "core/web_addresses.h"
#include "dialogs/hyperlink_control.h"
#include "gui/gui_harness.h"
#include "gui/modal_driver.h"
#include "gui/simulated_input.h"
#include "platform/open_document.h"

#include <wx/button.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include <algorithm>
#include <string>
#include <vector>

using glimtags::AboutDialog;
using glimtags::HyperlinkControl;
using glimtags::test::runEventsFor;
using glimtags::test::waitFor;

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

TEST(AboutDialog, CreditNamesTheLanguageFilesAuthor)
{
    EXPECT_EQ(glimtags::languageCredit("the Glimtags team"), "Language script by the Glimtags team");
    EXPECT_EQ(glimtags::languageCredit(""), "Language script by Unknown");
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

    auto* ok = dynamic_cast<wxButton*>(dialog.FindWindow(wxID_OK));
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->GetLabel(), "OK");
    EXPECT_EQ(dialog.GetDefaultItem(), ok);
}

TEST_F(AboutDialogTest, NothingClipsOrOverlapsAndTheArrangementHolds)
{
    AboutDialog dialog(nullptr, "Language script by the Glimtags team");
    const wxRect client(dialog.GetClientSize());
    std::vector<wxStaticBitmap*> pictures;
    std::vector<wxRect> taken;
    for (wxWindow* child : dialog.GetChildren()) {
        const wxRect rect = child->GetRect();
        SCOPED_TRACE(child->GetLabel().utf8_string());
        EXPECT_TRUE(client.Contains(rect));
        for (const wxRect& other : taken)
            EXPECT_FALSE(rect.Intersects(other));
        taken.push_back(rect);
        if (auto* picture = dynamic_cast<wxStaticBitmap*>(child))
            pictures.push_back(picture);
        else if (child != &dialog.link()) {
            EXPECT_GE(rect.width, child->GetBestSize().x);
            EXPECT_GE(rect.height, child->GetBestSize().y);
        }
    }

    ASSERT_EQ(pictures.size(), 3u);
    EXPECT_EQ(pictures[0]->GetBitmap().GetSize(), wxSize(250, 140));
    EXPECT_GE(pictures[0]->GetSize().x, 250);
    EXPECT_GE(pictures[0]->GetSize().y, 140);
    for (const wxStaticBitmap* icon : {pictures[1], pictures[2]})
        EXPECT_EQ(icon->GetBitmap().GetSize(), wxSize(32, 32));

    // Logo on top, then the text rows in order, then the icons on both sides of OK.
    const wxRect ok = dialog.FindWindow(wxID_OK)->GetRect();
    std::vector<wxRect> rows{pictures[0]->GetRect()};
    for (wxWindow* child : dialog.GetChildren())
        if (dynamic_cast<wxStaticText*>(child) || child == &dialog.link())
            rows.push_back(child->GetRect());
    rows.push_back(ok);
    ASSERT_EQ(rows.size(), 7u);
    for (std::size_t i = 1; i < rows.size(); ++i)
        EXPECT_GT(rows[i].y, rows[i - 1].GetBottom()) << i;
    EXPECT_LT(pictures[1]->GetRect().GetRight(), ok.x);
    EXPECT_GT(pictures[2]->GetRect().x, ok.GetRight());
    EXPECT_NEAR(ok.x + ok.width / 2, client.width / 2, 3);
}

TEST_F(AboutDialogTest, TheLinkTurnsRedUnderThePointerAndOpensTheHomePage)
{
    AboutDialog dialog(nullptr, "Language script by Unknown");
    dialog.Show();
    runEventsFor(100);
    HyperlinkControl& link = dialog.link();
    glimtags::test::movePointer(&link, glimtags::test::centreOf(&link));
    ASSERT_TRUE(waitFor([&] { return link.hovering(); }));
    EXPECT_EQ(link.textColour(), HyperlinkControl::kHoverColour);

    glimtags::test::clickCentre(&link);
    ASSERT_TRUE(waitFor([&] { return link.visited(); }));
    EXPECT_EQ(opened, std::vector<std::string>{glimtags::kMakerHomePage});
    glimtags::test::movePointer(&dialog, wxPoint(4, dialog.GetClientSize().y - 4));
    ASSERT_TRUE(waitFor([&] { return !link.hovering(); }));
    EXPECT_FALSE(link.HasCapture());
    EXPECT_EQ(link.textColour(), HyperlinkControl::kVisitedColour);
    dialog.Hide();
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
