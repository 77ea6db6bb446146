#pragma once

#include <wx/statusbr.h>

namespace glimtags {

// A status bar whose new texts are drawn with the window's next paint. wx's own bar
// repaints the frame at once on every text, which the counts would pay on every key.
class LazyStatusBar : public wxStatusBar {
public:
    LazyStatusBar(wxWindow* parent, int fields);

protected:
    void DoUpdateStatusText(int field) override;
};

} // namespace glimtags
