#pragma once

#include "core/name_text.h"
#include "render/bitmap_font.h"

#include <GL/gl.h>

#include <string>

namespace glimtags {

inline constexpr const char* kFontFile = "Font.TGA";

// The preview scene: the name over the background, drawn with the game's font, and the
// editing aids around it. Shapes are placed top-down, text bottom-up, both in preview pixels.
class PreviewView {
public:
    explicit PreviewView(std::string fontPath = kFontFile);

    // 0 on success, 1 when the background picture did not load.
    int initScene(int width, int height, const std::string& backgroundPath, const std::string& languageFile);
    void renderFrame(const NameText& name, int width, int height, bool nameLonger, bool enableStripe);
    void drawSelection(int startColumn, int endColumn);
    void drawTextCursor(int column);
    void drawLimitGuide();
    void drawCharacterInfo(const NameText& name, int caret);
    void drawLimitNotice();

private:
    float halfHeight() const { return static_cast<float>(height_) * 0.5f; }
    void drawCharacterLine(int penY, const std::string& label, bool asCode, unsigned char shown,
        ColourRgb lineColour);

    std::string fontPath_;
    int width_ = 0;
    int height_ = 0;
    GLuint backgroundTexture_ = 0;
    BitmapFont font_;
    std::string previousCharLabel_;
    std::string currentCharLabel_;
    std::string nextCharLabel_;
    std::string inGameLimitLine1_;
    std::string inGameLimitLine2_;
    std::string inGameLimitLine3_;
    std::string nameLongerText_;
};

} // namespace glimtags
