#pragma once

#include <wx/event.h>

#include <array>

class wxWindow;

namespace glimtags {

class ColourSwatch;
class NameBox;
class PictureButton;
struct TgaImage;

// The colour swatches and the special-character buttons beside the name box, with
// their tables. A click edits the name through the box, so the box's change handling
// runs as after typing, and makes one Undo step.
class Palette : public wxEvtHandler {
public:
    // The controls go onto the parent at their places; the pictures come from the sheet.
    Palette(wxWindow* parent, NameBox& box, const TgaImage& fontSheet);

    // Draws the special-character pictures anew from another glyph sheet.
    void setGlyphs(const TgaImage& fontSheet);

private:
    void OnSwatch(wxCommandEvent& event);
    void OnSpecialChar(wxCommandEvent& event);

    NameBox& box_;
    std::array<PictureButton*, 20> specialChars_{};
};

} // namespace glimtags
