#include "ui/app_icons.h"

#include "embedded_resources.h"
#include "platform/embedded_picture.h"

namespace glimtags {

wxIconBundle applicationIcons()
{
    wxIconBundle icons;
    for (const embedded::Resource* png : {&embedded::glimtags_16_png, &embedded::glimtags_32_png,
                                          &embedded::glimtags_48_png}) {
        wxIcon icon;
        icon.CopyFromBitmap(platform::embeddedPicture(*png));
        icons.AddIcon(icon);
    }
    return icons;
}

} // namespace glimtags
