#pragma once

#include <wx/uiaction.h>
#include <wx/window.h>

namespace glimtags::test {

// Real input through the X server. Nothing waits for it to arrive: the caller runs
// the event loop, or returns to a modal loop that does.

// Moves the pointer to a point of the window's client area.
inline void movePointer(wxWindow* window, wxPoint point)
{
    wxUIActionSimulator().MouseMove(window->ClientToScreen(point));
}

inline wxPoint centreOf(wxWindow* window)
{
    return wxPoint(window->GetClientSize().x / 2, window->GetClientSize().y / 2);
}

inline void clickCentre(wxWindow* window)
{
    movePointer(window, centreOf(window));
    wxUIActionSimulator().MouseClick();
}

// Without a window manager the keyboard follows the pointer, so the key goes to
// the window under it.
inline void pressKeyIn(wxWindow* window, int keyCode)
{
    movePointer(window, centreOf(window));
    wxUIActionSimulator().Char(keyCode);
}

} // namespace glimtags::test
