#include "dialogs/hyperlink_control.h"

#include "gui/gui_harness.h"
#include "platform/desktop.h"
#include "support/temp_dir.h"

#include <wx/dialog.h>
#include <wx/panel.h>
#include <wx/settings.h>
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
        setenv("XDG_DATA_HOME", folders.file("data").c_str(), 1);
        runEventsFor(50);
    }
    ~HyperlinkControlTest() override
    {
        setenv("PATH", path.c_str(), 1);
        host->Destroy();
        runEventsFor(20);
    }

    HyperlinkControl* makeLink(const wxCursor& pointer = wxNullCursor)
    {
        auto* link = new HyperlinkControl(panel, wxID_ANY, kText, kAddress, desktop, pointer);
        link->Move(40, 40);
        return link;
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
        std::filesystem::create_directories(folders.path() / "bin");
        std::filesystem::create_directories(folders.path() / "data" / "applications");
        writeScript("bin/xdg-mime", execLine.empty() ? "#!/bin/sh\nexit 0\n"
                                                     : "#!/bin/sh\necho \"$@\" >> '" + folders.file("queries") +
                                                           "'\necho fake-browser.desktop\n");
        writeScript("bin/fake-browser", "#!/bin/sh\necho \"$@\" > '" + folders.file("arguments") + ".part'\nmv '" +
                                            folders.file("arguments") + ".part' '" + folders.file("arguments") +
                                            "'\n");
        folders.write("data/applications/fake-browser.desktop",
                      "[Desktop Entry]\nType=Application\nName=Fake\n" + execLine + "\n");
        setenv("PATH", (folders.file("bin") + ":" + path).c_str(), 1);
    }
    std::string browserPath() const { return folders.file("bin/fake-browser"); }

    std::optional<std::string> browserArguments()
    {
        if (!waitFor([this] { return std::filesystem::exists(folders.file("arguments")); }))
            return std::nullopt;
        std::string line;
        std::getline(std::ifstream(folders.file("arguments")), line);
        return line;
    }

    wxDialog* host = new wxDialog(nullptr, wxID_ANY, "links", wxPoint(100, 100), wxSize(520, 320));
    // A dialog's only child fills it; the links share a panel instead.
    wxPanel* panel = new wxPanel(host);
    int beeps = 0;
    glimtags::Outcome openResult;
    std::vector<std::string> opened;
    const glimtags::platform::Desktop desktop{.beep = [this] { ++beeps; },
                                              .launch = [this](const std::string& target) {
                                                  opened.push_back(target);
                                                  return openResult;
                                              }};
    glimtags::test::TempDir folders;
    const std::string path = std::getenv("PATH");

private:
    void writeScript(const std::string& name, const std::string& text)
    {
        folders.write(name, text);
        std::filesystem::permissions(folders.file(name), std::filesystem::perms::owner_all);
    }
};

TEST_F(HyperlinkControlTest, ColoursAndPointerFollowTheMouseAndTheLatestClick)
{
    const wxCursor pointer(wxCURSOR_BULLSEYE);
    HyperlinkControl* link = makeLink(pointer);
    runEventsFor(50);
    EXPECT_EQ(link->GetForegroundColour(), HyperlinkControl::kLinkColour);
    EXPECT_EQ(link->GetToolTipText(), kAddress);

    glimtags::test::movePointer(link, glimtags::test::centreOf(link));
    ASSERT_TRUE(waitFor([&] { return link->GetForegroundColour() == HyperlinkControl::kHoverColour; }));
    EXPECT_TRUE(showsHover(link)) << "the paint uses the colour";
    EXPECT_TRUE(link->GetCursor().IsSameAs(pointer)) << "the link's own pointer replaces the hand";

    glimtags::test::movePointer(host, wxPoint(20, 200));
    ASSERT_TRUE(waitFor([&] { return link->GetForegroundColour() == HyperlinkControl::kLinkColour; }));

    glimtags::test::clickCentre(link);
    ASSERT_TRUE(waitFor([&] { return link->GetVisited(); }));
    EXPECT_EQ(opened, std::vector<std::string>{kAddress});
    EXPECT_EQ(link->GetForegroundColour(), HyperlinkControl::kHoverColour) << "the pointer is still on the link";
    glimtags::test::movePointer(host, wxPoint(20, 200));
    ASSERT_TRUE(waitFor([&] { return link->GetForegroundColour() == HyperlinkControl::kVisitedColour; }));
    EXPECT_EQ(beeps, 0);

    // A failed click takes the visited state back. It comes late enough not to be a double click.
    runEventsFor(wxSystemSettings::GetMetric(wxSYS_DCLICK_MSEC) + 100);
    openResult = glimtags::Outcome::failure(glimtags::platform::kOpenNoApplication);
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
    EXPECT_FALSE(link->GetVisited());
    glimtags::test::movePointer(host, wxPoint(20, 200));
    ASSERT_TRUE(waitFor([&] { return link->GetForegroundColour() == HyperlinkControl::kLinkColour; }));
}

TEST_F(HyperlinkControlTest, OpenLinkFallsBackOnTheWebPageProgramAndGivesTheLastFailure)
{
    openResult = glimtags::Outcome::failure(glimtags::platform::kOpenNoApplication);
    fakeDesktop("Exec=" + browserPath() + " --new-window \"%u\" --ignored");
    EXPECT_TRUE(HyperlinkControl::OpenLink(kAddress, desktop.launch));
    EXPECT_EQ(browserArguments(), std::string("--new-window ") + kAddress);
    std::filesystem::remove(folders.file("arguments"));

    const std::pair<std::string, int> failures[] = {
        {"", glimtags::platform::kOpenNoApplication},
        {"Exec=/nonexistent/browser %u", glimtags::platform::kOpenFileNotFound},
        // A command line over its limit is refused.
        {"Exec=" + browserPath() + " " + std::string(260, 'x') + " %u", glimtags::platform::kOpenNoApplication},
    };
    for (const auto& [execLine, result] : failures) {
        fakeDesktop(execLine);
        const glimtags::Outcome opened = HyperlinkControl::OpenLink(kAddress, desktop.launch);
        EXPECT_FALSE(opened) << execLine;
        EXPECT_EQ(opened.code, result) << execLine;
    }
    runEventsFor(200);
    EXPECT_FALSE(std::filesystem::exists(folders.file("arguments")));

    std::filesystem::remove(folders.file("queries"));
    openResult = glimtags::Outcome();
    EXPECT_TRUE(HyperlinkControl::OpenLink(kAddress, desktop.launch));
    EXPECT_FALSE(std::filesystem::exists(folders.file("queries"))) << "an opened link asks no fallback";
}

} // namespace
