#include "ui/palette.h"

#include "core/name_text.h"
#include "core/palette.h"
#include "platform/dialog_units.h"
#include "ui/colour_swatch.h"
#include "ui/control_ids.h"
#include "ui/glyph_pictures.h"
#include "ui/name_box.h"
#include "ui/picture_button.h"

namespace glimtags {
namespace {

// Each swatch shows the colour its code draws in.
struct Swatch {
    int id;
    unsigned char codeByte;
    int y;
};

constexpr Swatch kSwatches[] = {
    {ids::SwatchBlack, '0', 49},    {ids::SwatchRed, '1', 68},     {ids::SwatchYellow, '3', 89},
    {ids::SwatchGreen, '2', 108},   {ids::SwatchCyan, '5', 129},   {ids::SwatchBlue, '4', 148},
    {ids::SwatchMagenta, '6', 169}, {ids::SwatchWhite, '7', 188},
};

wxColour swatchColour(unsigned char codeByte)
{
    const ColourRgb colour = gameCodeColour(codeByte);
    const auto channel = [](float value) { return static_cast<unsigned char>(value * 255.0f + 0.5f); };
    return wxColour(channel(colour.red), channel(colour.green), channel(colour.blue));
}

struct SpecialChar {
    unsigned char byte;
    int x;
    int y;
};

// Upper row 1014-1023, lower row 1024-1033, each left to right.
constexpr SpecialChar kSpecialChars[] = {
    {1, 243, 23},  {2, 260, 23},  {3, 276, 23},  {4, 292, 23},  {7, 308, 23},
    {8, 324, 23},  {9, 340, 23},  {18, 356, 23}, {19, 372, 23}, {20, 388, 23},
    {21, 243, 43}, {23, 259, 43}, {24, 275, 43}, {25, 291, 43}, {26, 307, 43},
    {27, 323, 43}, {28, 339, 43}, {29, 355, 43}, {30, 371, 43}, {31, 387, 43},
};

constexpr int kPictureButtonSize = 22;
constexpr int kGlyphPictureSize = 16;

} // namespace

Palette::Palette(wxWindow* parent, NameBox& box, const TgaImage& fontSheet)
    : box_(box)
{
    for (const Swatch& swatch : kSwatches) {
        auto* control = new ColourSwatch(parent, swatch.id, platform::unitPoint(4, swatch.y), platform::unitSize(16, 16));
        control->setColour(swatchColour(swatch.codeByte));
        control->Bind(wxEVT_BUTTON, &Palette::OnSwatch, this);
    }
    const GlyphPictures glyphs(fontSheet);
    for (std::size_t i = 0; i < std::size(kSpecialChars); ++i) {
        const SpecialChar& special = kSpecialChars[i];
        specialChars_[i] = new PictureButton(parent, ids::FirstSpecialCharButton + static_cast<int>(i),
                                             platform::unitPoint(special.x, special.y),
                                             wxSize(kPictureButtonSize, kPictureButtonSize),
                                             glyphs.picture(special.byte, kGlyphPictureSize));
        specialChars_[i]->Bind(wxEVT_BUTTON, &Palette::OnSpecialChar, this);
    }
}

void Palette::setGlyphs(const TgaImage& fontSheet)
{
    const GlyphPictures glyphs(fontSheet);
    for (std::size_t i = 0; i < specialChars_.size(); ++i)
        specialChars_[i]->setPicture(glyphs.picture(kSpecialChars[i].byte, kGlyphPictureSize));
}

void Palette::OnSwatch(wxCommandEvent& event)
{
    for (const Swatch& swatch : kSwatches)
        if (swatch.id == event.GetId())
            box_.editAsOneStep([&] { insertColourCode(box_, colourCode(swatch.codeByte)); });
}

void Palette::OnSpecialChar(wxCommandEvent& event)
{
    const unsigned char byte = kSpecialChars[event.GetId() - ids::FirstSpecialCharButton].byte;
    box_.editAsOneStep([&] { insertSpecialByte(box_, byte); });
}

} // namespace glimtags
