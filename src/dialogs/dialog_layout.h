#pragma once

#include <wx/gdicmn.h>

class wxWindow;

namespace glimtags {

// Places a dialog's controls at their rectangles in dialog units (1.5 pixels wide,
// 13/8 pixels high), keeping the arrangement while GTK's controls, which need more
// room than the units give, are never clipped: a control gets at least the size it
// needs, keeping its horizontal centre, and the growth of a row pushes the rows
// below it down. Rows are placed from top to bottom.
class DialogLayout {
public:
    // The control needs its best size unless told otherwise.
    void place(wxWindow* control, int x, int y, int width, int height);
    void place(wxWindow* control, int x, int y, int width, int height, wxSize needed);

    // The client size of a dialog of the given units, with the growth of its rows.
    wxSize clientSize(int width, int height) const;

private:
    int rowTop_ = -1;
    int pushedDown_ = 0;
    int rowGrowth_ = 0;
};

} // namespace glimtags
