#pragma once

#include <wx/colour.h>
// The generic header hides the native static text from files that include it later.
#include <wx/stattext.h>
#include <wx/generic/stattextg.h>

#include <string>

class wxCursor;

namespace glimtags {

// A static text that works as a web link: link colours that change under the
// mouse, a hand pointer, a tooltip with the address, and a click that opens the
// address in the web browser, or reports why it could not. The generic static
// text is a window of its own, so that it gets the mouse while it holds the capture.
class HyperlinkControl : public wxGenericStaticText {
public:
    static const wxColour kLinkColour;
    static const wxColour kVisitedColour;
    static const wxColour kHoverColour;

    // An empty address takes the text as address; an empty text shows the address.
    // The alignment styles of a static text say how FitToText resizes the control;
    // wxALIGN_CENTRE_VERTICAL centres the text in its height.
    HyperlinkControl(wxWindow* parent, wxWindowID id, const wxString& text, const std::string& address,
                     const wxPoint& position, const wxSize& size, long style = 0);
    ~HyperlinkControl() override;

    void SetLinkAddress(const std::string& address);
    void MarkVisited(bool visited);
    void SetUnderlined(bool underline);
    // A cursor that is not OK gives the platform's hand pointer.
    void SetPointerCursor(const wxCursor& cursor);

    // Shrinks or grows the control to its text, keeping the edge or the centre
    // that its alignment holds.
    void FitToText();

    // Opens the address in the web browser, falling back on the command line of
    // the desktop's program for web pages; the result code of the last attempt.
    static int OpenLink(const std::string& address);
    void ShowLinkError(int code);

    const std::string& linkAddress() const { return address_; }
    bool hovering() const { return hovering_; }
    bool visited() const { return visited_; }
    wxColour textColour() const;

private:
    void OnPaint(wxPaintEvent& event);
    void OnMouseMove(wxMouseEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);
    void OnLeftUp(wxMouseEvent& event);

    void setHovering(bool hovering);
    void repaintNow();

    std::string address_;
    bool hovering_ = false;
    bool visited_ = false;
};

} // namespace glimtags
