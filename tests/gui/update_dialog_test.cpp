#include "dialogs/help_commands.h"
#include "dialogs/update_dialog.h"

#include "core/web_addresses.h"
#include "gui/gui_harness.h"
#include "gui/modal_driver.h"
#include "platform/http_client.h"
#include "platform/desktop.h"
#include "support/http_test_server.h"
#include "support/temp_dir.h"

#include <wx/button.h>
#include <wx/stattext.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

using glimtags::UpdateDialog;
using glimtags::UpdateSource;
using glimtags::platform::HttpTimeouts;
using glimtags::test::HttpTestServer;
using namespace std::chrono_literals;
using namespace std::string_literals;

namespace {

using UpdateHook = glimtags::test::RunModal<UpdateDialog>;
using UpdateDriver = glimtags::test::ModalDriver<UpdateDialog>;

bool checked(UpdateDialog& dialog) { return dialog.checkStarted(); }
bool atOnce(UpdateDialog&) { return true; }
void leaveOpen(UpdateDialog&) {}

// What the dialog showed when the driver acted, and how it ended.
struct Seen {
    wxString title;
    wxString status;
    wxString button;
    bool buttonEnabled = false;
    bool open = false;
    int result = wxID_NONE;
    bool newVersionFound = false;
    bool checkStarted = false;
};

wxString statusOf(wxDialog& dialog)
{
    return static_cast<wxStaticText*>(dialog.FindWindow(UpdateDialog::kStatusId))->GetLabelText();
}

wxButton* buttonOf(wxDialog& dialog)
{
    return static_cast<wxButton*>(dialog.FindWindow(UpdateDialog::kButtonId));
}

const HttpTimeouts kQuick{1000ms, 2000ms};

class UpdateDialogTest : public ::testing::Test {
protected:
    UpdateDialogTest()
    {
        std::filesystem::copy_file(std::filesystem::path(GLIMTAGS_RESOURCES) / "English.lan",
                                   start.path() / "English.lan");
        // A proxy configured on the test machine must not take the requests to 127.0.0.1.
        setenv("no_proxy", "127.0.0.1", 1);
    }

    // Runs a dialog on the address; when it is ready the driver notes what it
    // shows and then does the closing act.
    Seen run(const std::string& address, UpdateDriver::Ready ready, UpdateDriver::Act close,
             const std::vector<const wxModalExpectation*>& expectations = {}, HttpTimeouts timeouts = kQuick,
             const std::string& languageFile = "English.lan")
    {
        Seen seen;
        UpdateHook hook(__FILE__, __LINE__, __func__);
        for (const wxModalExpectation* expectation : expectations)
            hook.AddExpectation(*expectation);
        UpdateDialog dialog(nullptr, languageFile, UpdateSource{address, timeouts, open});
        const UpdateDriver driver(hook, ready, [&](UpdateDialog& shown) {
            seen.title = shown.GetTitle();
            seen.status = statusOf(shown);
            seen.button = buttonOf(shown)->GetLabel();
            seen.buttonEnabled = buttonOf(shown)->IsEnabled();
            seen.open = shown.IsModal();
            glimtags::test::expectNothingClipped(shown);
            close(shown);
        });
        seen.result = dialog.ShowModal();
        hook.CheckUnmetExpectations();
        seen.newVersionFound = dialog.newVersionFound();
        seen.checkStarted = dialog.checkStarted();
        return seen;
    }

    static void clickTheButton(UpdateDialog& dialog) { glimtags::test::clickCentre(buttonOf(dialog)); }
    static void pressEnter(UpdateDialog& dialog) { glimtags::test::pressKeyIn(&dialog, WXK_RETURN); }
    static void pressEscape(UpdateDialog& dialog) { glimtags::test::pressKeyIn(&dialog, WXK_ESCAPE); }

    glimtags::test::TempDir start;
    glimtags::test::WorkingDirectory inStart{start.path()};
    std::vector<std::string> launched;
    const glimtags::platform::Desktop desktop{.launch = [this](const std::string& target) {
        launched.push_back(target);
        return glimtags::Outcome();
    }};
    glimtags::platform::HttpOpener open = glimtags::platform::openHttpClient;
};

TEST_F(UpdateDialogTest, OpensWaitingAndEscapeBeforeTheFirstTickMakesNoRequest)
{
    const HttpTestServer server(HttpTestServer::response(200, "HighVersion \"2\"\nLowVersion \"0\"\n"));
    const Seen seen = run(server.address("/quorvant/Glimtags/GTUpdate.nfo"), atOnce, pressEscape);
    EXPECT_EQ(seen.title + seen.status + seen.button, "Glimtags Update&Close");
    EXPECT_FALSE(seen.buttonEnabled);
    EXPECT_EQ(seen.result, wxID_CANCEL);
    EXPECT_FALSE(seen.checkStarted);
    // Well past the first tick, the closed dialog has still asked nothing.
    glimtags::test::runEventsFor(UpdateDialog::kStartDelayMs + 200);
    EXPECT_TRUE(server.requests().empty());
}

// Each outcome keeps the dialog open until its button is pressed.
TEST_F(UpdateDialogTest, TheOutcomeOfEachAnswerOrARefusedConnection)
{
    const struct { std::optional<std::string> body; const char* status; const char* button; } cases[] = {
        {"HighVersion \"1\"\r\nLowVersion \"8\"\r\n", "No newer version: you are 100% up to date.", "&Close"},
        {"HighVersion \"1\"\r\nLowVersion \"9\"\r\n", "Version 1.9 is out: press Update to get it!", "&Update"},
        // The text ends at a zero byte.
        {"\0HighVersion \"2\""s, "No update information was found on the server.", "&Close"},
        {std::nullopt, "Unable to connect to the update server.", "&Close"},
    };
    for (const auto& c : cases) {
        const HttpTestServer server(HttpTestServer::response(200, c.body.value_or("")));
        const std::string path = "/quorvant/Glimtags/GTUpdate.nfo";
        const Seen seen = run(c.body ? server.address(path) : HttpTestServer::refusedAddress(path), checked,
                              clickTheButton);
        EXPECT_EQ(seen.status, c.status);
        EXPECT_EQ(seen.button, c.button) << c.status;
        EXPECT_TRUE(seen.buttonEnabled && seen.open) << c.status;
        EXPECT_EQ(seen.newVersionFound, seen.button == "&Update");
        EXPECT_EQ(seen.result, wxID_OK);
        ASSERT_EQ(server.requests().size(), c.body ? 1u : 0u) << c.status;
        EXPECT_TRUE(!c.body || server.requests()[0].starts_with("GET " + path + " HTTP/1.1\r\n"));
    }
}

TEST_F(UpdateDialogTest, FailuresWithoutAStatusAreAMessageThatClosesTheDialog)
{
    using glimtags::platform::HttpGet;
    std::vector<std::string> requested;
    const HttpGet failingRequest = [&requested](const std::string& address) {
        requested.push_back(address);
        return glimtags::OutcomeOf<std::string>{glimtags::Outcome::failure(100000)};
    };
    const struct {
        HttpGet opened;
        const char* message;
        bool checked;
    } cases[] = {
        {failingRequest, "An unknown error occurred while looking for updates.", true},
        {nullptr, "Unable to open an Internet connection.", false},
    };
    for (const auto& c : cases) {
        open = [&c](const std::string&, HttpTimeouts) { return c.opened; };
        wxString text;
        long style = 0;
        const glimtags::test::ExpectMessage message(wxID_OK, &text, &style);
        const Seen seen = run("http://updates.example/file", atOnce, leaveOpen, {&message});
        EXPECT_EQ(text, c.message);
        EXPECT_TRUE(style & wxICON_WARNING);
        EXPECT_EQ(seen.result, wxID_CANCEL);
        EXPECT_EQ(seen.checkStarted, c.checked);
        EXPECT_FALSE(seen.newVersionFound);
    }
    glimtags::test::runEventsFor(UpdateDialog::kStartDelayMs + 200);
    EXPECT_EQ(requested, std::vector<std::string>{"http://updates.example/file"}) << "none after the dialog closed";
}

TEST_F(UpdateDialogTest, TheCommandOpensTheOnlineCentreAfterANewVersionHoweverTheDialogCloses)
{
    struct Case {
        const char* body;
        UpdateDriver::Act close;
        std::vector<std::string> opened;
    };
    const std::vector<std::string> centre{glimtags::kOnlineCentreAddress};
    const Case cases[] = {
        {"HighVersion \"1\" LowVersion \"9\"", pressEnter, centre},
        {"HighVersion \"1\" LowVersion \"9\"", pressEscape, centre},
        {"HighVersion \"1\" LowVersion \"8\"", clickTheButton, {}},
    };
    for (const Case& c : cases) {
        const HttpTestServer server(HttpTestServer::response(200, c.body));
        launched.clear();
        UpdateHook hook(__FILE__, __LINE__, __func__);
        const UpdateDriver driver(hook, checked, c.close);
        glimtags::runUpdateCommand(nullptr, "English.lan", UpdateSource{server.address("/file"), kQuick}, desktop);
        EXPECT_EQ(launched, c.opened) << c.body;
        EXPECT_EQ(server.requests().size(), 1u) << c.body;
    }
}

} // namespace
