#pragma once

#include <wx/window.h>

namespace glimtags {

// A small drawn box that reports a click as a button event with its id and never
// takes the keyboard focus, so typing goes on in the name box after a click.
class ClickableBox : public wxWindow {
public:
    ClickableBox(wxWindow* parent, int id, const wxPoint& position, const wxSize& size, long style);

    bool AcceptsFocus() const override { return false; }

private:
    void OnLeftUp(wxMouseEvent& event);
};

} // namespace glimtags
