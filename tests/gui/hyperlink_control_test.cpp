#include "dialogs/hyperlink_control.h"

#include "gui/gui_harness.h"
#include "platform/beep.h"
#include "platform/open_document.h"
#include "support/temp_dir.h"

#include <wx/dcclient.h>
#include <wx/dialog.h>
#include <wx/panel.h>
#include <wx/tooltip.h>
#include <wx/utils.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

using glimtags::HyperlinkControl;
using glimtags::test::runEventsFor;
using glimtags::test::waitFor;

namespace {

constexpr const char* kAddress = "http://quorvant.example/";
constexpr const char* kText = "Quorvant TEAM HoMe PaGe";

bool isHover(const wxColour& c) { return c.Red() > 200 && c.Green() < 60 && c.Blue() < 60; }
class HyperlinkControlTest : public ::testing::Test {
protected:
    HyperlinkControlTest()
    {
        host->Show();
        setenv("XDG_DATA_HOME", desktop.file("data").c_str(), 1);
        glimtags::platform::setBeepObserver([this] { ++beeps; });
        glimtags::platform::setDocumentOpenerForTesting([this](const std::string& target) {
            opened.push_back(target);
            return openResult;
        });
        runEventsFor(50);
    }
    ~HyperlinkControlTest() override
    {
        setenv("PATH", path.c_str(), 1);
        host->Destroy();
        runEventsFor(20);
        glimtags::platform::setDocumentOpenerForTesting(nullptr);
        glimtags::platform::setBeepObserver(nullptr);
    }

    HyperlinkControl* makeLink(long style, wxRect rect, const wxString& text = kText,
                               const std::string& address = kAddress)
    {
        return new HyperlinkControl(panel, wxID_ANY, text, address, rect.GetPosition(), rect.GetSize(), style);
    }

    static wxSize textSize(HyperlinkControl* link)
    {
        wxClientDC dc(link);
        dc.SetFont(link->GetFont());
        return dc.GetTextExtent(link->GetLabelText());
    }

    // Whether any pixel the screen shows for the window has the hover colour.
    static bool showsHover(wxWindow* window)
    {
        const wxImage shot = glimtags::test::screenImage(window);
        for (int y = 0; y < shot.GetHeight(); ++y)
            for (int x = 0; x < shot.GetWidth(); ++x)
                if (isHover(wxColour(shot.GetRed(x, y), shot.GetGreen(x, y), shot.GetBlue(x, y))))
                    return true;
        return false;
    }

    // A desktop whose program for web pages is the given entry line, run through
    // a stand-in that writes its arguments to a file; an empty entry sets no program.
    void fakeDesktop(const std::string& execLine)
    {
        std::filesystem::create_directories(desktop.path() / "bin");
        std::filesystem::create_directories(desktop.path() / "data" / "applications");
        writeScript("bin/xdg-mime", execLine.empty() ? "#!/bin/sh\nexit 0\n"
                                                     : "#!/bin/sh\necho \"$@\" >> '" + desktop.file("queries") +
                                                           "'\necho fake-browser.desktop\n");
        writeScript("bin/fake-browser", "#!/bin/sh\necho \"$@\" > '" + desktop.file("arguments") + ".part'\nmv '" +
                                            desktop.file("arguments") + ".part' '" + desktop.file("arguments") +
                                            "'\n");
        desktop.write("data/applications/fake-browser.desktop",
                      "[Desktop Entry]\nType=Application\nName=Fake\n" + execLine + "\n");
        setenv("PATH", (desktop.file("bin") + ":" + path).c_str(), 1);
    }
    std::string browserPath() const { return desktop.file("bin/fake-browser"); }

    std::optional<std::string> browserArguments()
    {
        if (!waitFor([this] { return std::filesystem::exists(desktop.file("arguments")); }))
            return std::nullopt;
        std::string line;
        std::getline(std::ifstream(desktop.file("arguments")), line);
        return line;
    }

    wxDialog* host = new wxDialog(nullptr, wxID_ANY, "links", wxPoint(100, 100), wxSize(520, 320));
    // A dialog's only child fills it; the links share a panel instead.
    wxPanel* panel = new wxPanel(host);
    int beeps = 0;
    int openResult = glimtags::platform::kOpenStarted;
    std::vector<std::string> opened;
    glimtags::test::TempDir desktop;
    const std::string path = std::getenv("PATH");

private:
    void writeScript(const std::string& name, const std::string& text)
    {
        desktop.write(name, text);
        std::filesystem::permissions(desktop.file(name), std::filesystem::perms::owner_all);
    }
};

TEST_F(HyperlinkControlTest, FitToTextKeepsTheEdgeOrCentreOfItsAlignment)
{
    // Style, rectangle before; the text fits, and a too small control grows by the same rules.
    const std::pair<long, wxSize> cases[] = {
        {0, {300, 40}}, {wxALIGN_CENTRE_HORIZONTAL, {300, 40}}, {wxALIGN_RIGHT, {300, 40}},
        {wxALIGN_CENTRE_VERTICAL, {300, 41}}, {wxALIGN_CENTRE_HORIZONTAL, {41, 4}}, {wxALIGN_RIGHT, {40, 4}},
    };
    for (const auto& [style, size] : cases) {
        const wxRect before(wxPoint(20, 30), size);
        HyperlinkControl* link = makeLink(style, before);
        const wxRect after = link->GetRect();
        const wxSize text = textSize(link);
        SCOPED_TRACE(testing::Message() << "style " << style << ", " << size.x << " x " << size.y);
        if (style & wxALIGN_CENTRE_HORIZONTAL)
            EXPECT_EQ(after.x - before.x, before.GetRight() - after.GetRight());
        else if (style & wxALIGN_RIGHT)
            EXPECT_EQ(after.GetRight(), before.GetRight());
        else
            EXPECT_EQ(after.x, before.x);
        EXPECT_EQ(after.width, text.x + (style & wxALIGN_CENTRE_HORIZONTAL ? (size.x - text.x) % 2 : 0));
        if (style & wxALIGN_CENTRE_VERTICAL)
            EXPECT_EQ(after.y - before.y, before.GetBottom() - after.GetBottom());
        else
            EXPECT_EQ(after.y, before.y);
        link->Destroy();
    }
}

TEST_F(HyperlinkControlTest, ColoursFollowThePointerAndTheLatestClick)
{
    HyperlinkControl* link = makeLink(0, wxRect(40, 40, 300, 20));
    runEventsFor(50);
    EXPECT_EQ(link->textColour(), HyperlinkControl::kLinkColour);

    glimtags::test::movePointer(link, glimtags::test::centreOf(link));
    ASSERT_TRUE(waitFor([&] { return link->hovering(); }));
    EXPECT_TRUE(link->HasCapture());
    EXPECT_EQ(link->textColour(), HyperlinkControl::kHoverColour);
    EXPECT_TRUE(showsHover(link)) << "the paint uses the colour";

    // Leaving the link ends the capture.
    glimtags::test::movePointer(host, wxPoint(20, 200));
    ASSERT_TRUE(waitFor([&] { return !link->hovering(); }));
    EXPECT_FALSE(link->HasCapture());

    glimtags::test::clickCentre(link);
    ASSERT_TRUE(waitFor([&] { return link->visited(); }));
    EXPECT_EQ(opened, std::vector<std::string>{kAddress});
    glimtags::test::movePointer(host, wxPoint(20, 200));
    ASSERT_TRUE(waitFor([&] { return !link->hovering(); }));
    EXPECT_EQ(link->textColour(), HyperlinkControl::kVisitedColour);
    EXPECT_EQ(beeps, 0);

    // A failed click takes the visited state back.
    openResult = glimtags::platform::kOpenNoApplication;
    fakeDesktop("");
    wxString text;
    long style = 0;
    GT_TEST_DIALOG(
        {
            glimtags::test::clickCentre(link);
            waitFor([&] { return beeps > 0; });
            runEventsFor(50);
        },
        glimtags::test::ExpectMessage(wxID_OK, &text, &style));
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(text, "Unable to open hyperlink:\n\nThere is no application associated\nwith the given filename "
                    "extension.");
    EXPECT_TRUE(style & wxICON_WARNING);
    EXPECT_FALSE(link->visited());

    // A dialog that takes the mouse away ends the hover too.
    glimtags::test::movePointer(link, glimtags::test::centreOf(link));
    ASSERT_TRUE(waitFor([&] { return link->hovering(); }));
    link->ReleaseMouse();
    wxMouseCaptureLostEvent lost(link->GetId());
    link->ProcessWindowEvent(lost);
    EXPECT_FALSE(link->hovering());
}

TEST_F(HyperlinkControlTest, OpenLinkFallsBackOnTheWebPageProgramAndGivesTheLastFailure)
{
    openResult = glimtags::platform::kOpenNoApplication;
    fakeDesktop("Exec=" + browserPath() + " --new-window \"%u\" --ignored");
    EXPECT_TRUE(glimtags::platform::openSucceeded(HyperlinkControl::OpenLink(kAddress)));
    EXPECT_EQ(browserArguments(), std::string("--new-window ") + kAddress);
    std::filesystem::remove(desktop.file("arguments"));

    const std::pair<std::string, int> failures[] = {
        {"", glimtags::platform::kOpenNoApplication},
        {"Exec=/nonexistent/browser %u", glimtags::platform::kOpenFileNotFound},
        // A command line over its limit is refused.
        {"Exec=" + browserPath() + " " + std::string(260, 'x') + " %u", glimtags::platform::kOpenNoApplication},
    };
    for (const auto& [execLine, result] : failures) {
        fakeDesktop(execLine);
        EXPECT_EQ(HyperlinkControl::OpenLink(kAddress), result) << execLine;
    }
    runEventsFor(200);
    EXPECT_FALSE(std::filesystem::exists(desktop.file("arguments")));

    std::filesystem::remove(desktop.file("queries"));
    openResult = glimtags::platform::kOpenStarted;
    EXPECT_EQ(HyperlinkControl::OpenLink(kAddress), glimtags::platform::kOpenStarted);
    EXPECT_FALSE(std::filesystem::exists(desktop.file("queries"))) << "an opened link asks no fallback";
}

} // namespace
