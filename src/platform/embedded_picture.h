#pragma once

#include <wx/bitmap.h>

namespace glimtags::platform {

// A PNG compiled into the program (an entry of the generated "embedded_resources.h"), as a bitmap.
template <typename Resource>
wxBitmap embeddedPicture(const Resource& png)
{
    return wxBitmap::NewFromPNGData(png.data, png.size);
}

} // namespace glimtags::platform
