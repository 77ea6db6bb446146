#include "dialogs/hyperlink_control.h"

#include "core/link_command.h"
#include "platform/message_box.h"
#include "platform/text_encoding.h"

#include <optional>

namespace glimtags {

const wxColour HyperlinkControl::kLinkColour(0, 0, 238);
const wxColour HyperlinkControl::kVisitedColour(85, 26, 139);
const wxColour HyperlinkControl::kHoverColour(255, 0, 0);

HyperlinkControl::HyperlinkControl(wxWindow* parent, wxWindowID id, const wxString& text, const std::string& address,
                                   const platform::Desktop& desktop, const wxCursor& pointer)
    // No context menu: a static text that links has none.
    : wxGenericHyperlinkCtrl(parent, id, text, platform::fromLatin1(address), wxDefaultPosition, wxDefaultSize,
                             wxBORDER_NONE | wxHL_ALIGN_LEFT)
    , desktop_(desktop)
    , pointer_(pointer)
{
    SetNormalColour(kLinkColour);
    SetVisitedColour(kVisitedColour);
    SetHoverColour(kHoverColour);
    SetToolTip(GetURL());
    Bind(wxEVT_HYPERLINK, &HyperlinkControl::OnClick, this);
}

bool HyperlinkControl::SetCursor(const wxCursor& cursor)
{
    const bool overText = !cursor.IsSameAs(*wxSTANDARD_CURSOR);
    return wxGenericHyperlinkCtrl::SetCursor(overText && pointer_.IsOk() ? pointer_ : cursor);
}

std::string HyperlinkControl::linkAddress() const
{
    return platform::toLatin1(GetURL());
}

Outcome HyperlinkControl::OpenLink(const std::string& address, const platform::DocumentLauncher& launch)
{
    Outcome result = platform::openDocument(address, launch);
    if (result)
        return result;
    const std::optional<std::string> handler = platform::webPageHandlerCommand();
    if (!handler)
        return result;
    const std::optional<std::string> command = linkFallbackCommand(*handler, address);
    return command ? platform::runCommandLine(*command) : result;
}

void HyperlinkControl::ShowLinkError(int code)
{
    platform::showMessage(GetParent(), platform::fromLatin1(linkErrorMessage(code)));
}

void HyperlinkControl::OnClick(wxHyperlinkEvent&)
{
    const Outcome opened = OpenLink(linkAddress(), desktop_.launch);
    // The generic link counts every click as a visit; the pointer is still over it.
    SetVisited(opened.succeeded);
    SetForegroundColour(kHoverColour);
    Refresh();
    if (!opened) {
        desktop_.beep();
        ShowLinkError(opened.code);
    }
}

} // namespace glimtags
