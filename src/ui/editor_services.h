#pragma once

#include "core/game_profile.h"
#include "core/language_table.h"
#include "core/rgba_picture.h"
#include "ui/name_picture_export.h"

#include <string_view>

class wxString;

namespace glimtags {

struct TgaImage;

// What the editor window does for its commands, one concern each: a command class takes
// only the ones it uses, and never the window itself.

// How a command speaks to the user: in the language in use, in message boxes over the
// window, and in its status line.
class UserTalk {
public:
    virtual LanguageTable language() const = 0;
    virtual void tell(std::string_view languageKey) = 0;
    // A Yes/No question; true only for Yes.
    virtual bool ask(std::string_view languageKey) = 0;
    // What a command did.
    virtual void showStatus(const wxString& text) = 0;

protected:
    ~UserTalk() = default;
};

// The name as the editor draws it: in the preview, and in pictures drawn alike.
class NameDrawing {
public:
    virtual void requestRepaint() = 0;
    // Whether the name can be drawn as a picture; after a beep (no glyph to draw) or a
    // message (no font sheet) when it cannot.
    virtual bool mayDrawNamePicture() = 0;
    // The same font sheet and background as the preview.
    virtual RgbaPicture namePicture(PictureLook look) const = 0;

protected:
    ~NameDrawing() = default;
};

// What the options change in the running window.
class OptionEffects {
public:
    // A picture without pixels leaves the preview without a background.
    virtual void showBackground(const TgaImage& picture) = 0;
    // Draws the preview and the palette with the sheet the options ask for.
    virtual void applyFont() = 0;
    // Shows the name, its counts and the server's line by the game's rules.
    virtual void setGame(Game game) = 0;
    // The string check on the name. tellCut: say where a server cuts the name.
    virtual void checkName(bool tellCut) = 0;

protected:
    ~OptionEffects() = default;
};

} // namespace glimtags
