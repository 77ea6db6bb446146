#include "platform/picture_file.h"

#include <wx/bitmap.h>
#include <wx/clipbrd.h>
#include <wx/dataobj.h>
#include <wx/image.h>
#include <wx/mstream.h>

#include <cstdlib>
#include <cstring>

namespace glimtags::platform {
namespace {

wxImage imageOf(const RgbaPicture& picture)
{
    const std::size_t pixels = static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height);
    // wxImage takes ownership of malloc'ed planes.
    auto* rgb = static_cast<unsigned char*>(std::malloc(pixels * 3));
    auto* alpha = static_cast<unsigned char*>(std::malloc(pixels));
    for (std::size_t i = 0; i < pixels; ++i) {
        std::memcpy(rgb + i * 3, &picture.rgba[i * 4], 3);
        alpha[i] = picture.rgba[i * 4 + 3];
    }
    return wxImage(picture.width, picture.height, rgb, alpha);
}

} // namespace

FileWriteResult savePicturePng(const std::string& path, const RgbaPicture& picture)
{
    if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr)
        wxImage::AddHandler(new wxPNGHandler);
    wxMemoryOutputStream encoded;
    if (picture.rgba.empty() || !imageOf(picture).SaveFile(encoded, wxBITMAP_TYPE_PNG))
        return {false, "the picture could not be encoded"};
    std::string bytes(encoded.GetLength(), '\0');
    encoded.CopyTo(bytes.data(), bytes.size());
    return FileWriter().replace(path, bytes);
}

bool copyPictureToClipboard(const RgbaPicture& picture)
{
    if (picture.rgba.empty())
        return false;
    wxClipboardLocker locker;
    if (!locker)
        return false;
    return wxTheClipboard->SetData(new wxBitmapDataObject(wxBitmap(imageOf(picture))));
}

} // namespace glimtags::platform
