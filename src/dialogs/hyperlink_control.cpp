#include "dialogs/hyperlink_control.h"

#include "core/link_command.h"
#include "platform/beep.h"
#include "platform/message_box.h"
#include "platform/open_document.h"
#include "platform/text_encoding.h"

#include <wx/cursor.h>
#include <wx/dcclient.h>

#include <optional>

namespace glimtags {

const wxColour HyperlinkControl::kLinkColour(0, 0, 238);
const wxColour HyperlinkControl::kVisitedColour(85, 26, 139);
const wxColour HyperlinkControl::kHoverColour(255, 0, 0);

HyperlinkControl::HyperlinkControl(wxWindow* parent, wxWindowID id, const wxString& text, const std::string& address,
                                   const wxPoint& position, const wxSize& size, long style)
    : wxGenericStaticText(parent, id, wxEmptyString, position, size, style | wxST_NO_AUTORESIZE)
    , address_(address.empty() ? platform::toLatin1(text) : address)
{
    SetLabelText(text.empty() ? platform::fromLatin1(address_) : text);
    SetUnderlined(true);
    FitToText();
    SetPointerCursor(wxNullCursor);
    SetToolTip(platform::fromLatin1(address_));

    Bind(wxEVT_PAINT, &HyperlinkControl::OnPaint, this);
    Bind(wxEVT_MOTION, &HyperlinkControl::OnMouseMove, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, &HyperlinkControl::OnCaptureLost, this);
    Bind(wxEVT_LEFT_UP, &HyperlinkControl::OnLeftUp, this);
}

HyperlinkControl::~HyperlinkControl()
{
    if (HasCapture())
        ReleaseMouse();
}

void HyperlinkControl::SetLinkAddress(const std::string& address)
{
    address_ = address;
    FitToText();
    SetToolTip(platform::fromLatin1(address_));
}

void HyperlinkControl::MarkVisited(bool visited)
{
    visited_ = visited;
    repaintNow();
}

void HyperlinkControl::SetUnderlined(bool underline)
{
    wxFont font = GetFont();
    font.SetUnderlined(underline);
    SetFont(font);
    Refresh();
}

void HyperlinkControl::SetPointerCursor(const wxCursor& cursor)
{
    SetCursor(cursor.IsOk() ? cursor : wxCursor(wxCURSOR_HAND));
}

void HyperlinkControl::FitToText()
{
    wxRect rect = GetRect();
    int textWidth = 0;
    int textHeight = 0;
    GetTextExtent(GetLabelText(), &textWidth, &textHeight);

    if (HasFlag(wxALIGN_CENTRE_VERTICAL)) {
        const int inset = (rect.height - textHeight) / 2;
        rect.y += inset;
        rect.height -= 2 * inset;
    } else {
        rect.height = textHeight;
    }
    if (HasFlag(wxALIGN_CENTRE_HORIZONTAL)) {
        const int inset = (rect.width - textWidth) / 2;
        rect.x += inset;
        rect.width -= 2 * inset;
    } else if (HasFlag(wxALIGN_RIGHT)) {
        rect.x += rect.width - textWidth;
        rect.width = textWidth;
    } else {
        rect.width = textWidth;
    }
    SetSize(rect);
}

int HyperlinkControl::OpenLink(const std::string& address)
{
    const int result = platform::openDocument(address);
    if (platform::openSucceeded(result))
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

wxColour HyperlinkControl::textColour() const
{
    if (hovering_)
        return kHoverColour;
    return visited_ ? kVisitedColour : kLinkColour;
}

void HyperlinkControl::OnPaint(wxPaintEvent&)
{
    wxPaintDC dc(this);
    dc.SetFont(GetFont());
    dc.SetTextForeground(textColour());
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    dc.DrawLabel(GetLabelText(), GetClientRect(), GetWindowStyle() & wxALIGN_MASK);
}

void HyperlinkControl::OnMouseMove(wxMouseEvent& event)
{
    event.Skip();
    if (!hovering_) {
        setHovering(true);
        // The capture tells when the pointer leaves the link.
        if (!HasCapture())
            CaptureMouse();
    } else if (!GetClientRect().Contains(event.GetPosition())) {
        if (HasCapture())
            ReleaseMouse();
        setHovering(false);
    }
}

void HyperlinkControl::OnCaptureLost(wxMouseCaptureLostEvent&)
{
    setHovering(false);
}

void HyperlinkControl::OnLeftUp(wxMouseEvent& event)
{
    event.Skip();
    if (!GetClientRect().Contains(event.GetPosition()))
        return;
    const int result = OpenLink(address_);
    MarkVisited(platform::openSucceeded(result));
    if (!visited_) {
        platform::beep();
        ShowLinkError(result);
    }
}

void HyperlinkControl::setHovering(bool hovering)
{
    hovering_ = hovering;
    repaintNow();
}

void HyperlinkControl::repaintNow()
{
    Refresh();
    Update();
}

} // namespace glimtags
