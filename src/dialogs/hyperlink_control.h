#pragma once

#include "core/outcome.h"
#include "platform/desktop.h"

#include <wx/cursor.h>
#include <wx/hyperlink.h>

#include <string>

namespace glimtags {

// A web link: wx's generic link in the editor's link colours and pointer, with a
// tooltip that names the address. A click opens the address in the web browser, or
// beeps and says why it could not; the link shows as visited only while its latest
// click succeeded.
class HyperlinkControl : public wxGenericHyperlinkCtrl {
public:
    static const wxColour kLinkColour;
    static const wxColour kVisitedColour;
    static const wxColour kHoverColour;

    // The address is Latin-1 bytes like the language files' texts. An empty address
    // takes the text as address; an empty text shows the address. A click opens it
    // and beeps through the desktop given. Without a pointer of its own the link shows
    // the platform's hand.
    HyperlinkControl(wxWindow* parent, wxWindowID id, const wxString& text, const std::string& address,
                     const platform::Desktop& desktop, const wxCursor& pointer = wxNullCursor);

    // The generic link asks for the platform's hand whenever the mouse is over its text.
    bool SetCursor(const wxCursor& cursor) override;

    // Opens the address in the web browser through the launcher, falling back on the
    // command line of the desktop's program for web pages; the outcome of the last attempt.
    static Outcome OpenLink(const std::string& address, const platform::DocumentLauncher& launch);
    void ShowLinkError(int code);

    std::string linkAddress() const;

private:
    void OnClick(wxHyperlinkEvent& event);

    platform::Desktop desktop_;
    wxCursor pointer_;
};

} // namespace glimtags
