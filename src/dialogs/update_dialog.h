#pragma once

#include "core/web_addresses.h"
#include "platform/http_client.h"

#include <wx/dialog.h>
#include <wx/timer.h>

#include <string>

class wxButton;
class wxStaticText;

namespace glimtags {

// Where the update information is fetched from, how long the check may wait for it,
// and what it is fetched with.
struct UpdateSource {
    std::string address = kUpdateAddress;
    platform::HttpTimeouts timeouts;
    platform::HttpOpener open = platform::openHttpClient;
};

// The dialog's texts from the language file, besides its title.
struct UpdateTexts {
    std::string noConnection;
    std::string connecting;
    std::string connected;
    std::string foundNewVersion;
    std::string noNewVersion;
    std::string noUpdateFileFound;
    std::string unableToConnect;
    std::string unknownError;
    std::string updateButton;
    std::string closeButton;
};

// Asks the web server whether a newer version has been published and shows the
// outcome in one status line. The request starts from a timer, once the dialog
// has been drawn, and blocks the dialog until it ends.
class UpdateDialog : public wxDialog {
public:
    static constexpr int kStatusId = 1047;
    static constexpr int kButtonId = 1048;
    static constexpr int kTimerId = 101;
    static constexpr int kStartDelayMs = 500;
    static constexpr std::size_t kMaxStatusLength = 255;

    UpdateDialog(wxWindow* parent, const std::string& languageFile, UpdateSource source = {});

    // Read by the caller once the dialog has closed.
    bool newVersionFound() const { return newVersionFound_; }
    bool checkStarted() const { return checkStarted_; }

    // However the dialog closes, the client is released and no check starts any more.
    void EndModal(int returnCode) override;

private:
    void OnInitDialog(wxInitDialogEvent& event);
    void OnTimer(wxTimerEvent& event);
    void OnButton(wxCommandEvent& event);
    void OnCharHook(wxKeyEvent& event);

    void runCheck();
    void showOutcome(std::string_view body);
    void setStatus(const std::string& text);
    void setButtonCaption(const std::string& caption);

    std::string languageFile_;
    UpdateSource source_;
    UpdateTexts texts_;
    platform::HttpGet http_;
    wxTimer timer_;
    wxStaticText* status_ = nullptr;
    wxButton* button_ = nullptr;
    bool newVersionFound_ = false;
    bool checkStarted_ = false;
};

} // namespace glimtags
