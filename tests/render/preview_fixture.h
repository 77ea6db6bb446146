#pragma once

#include "render/preview_view.h"

#include "gl_fixture.h"
#include "glyph_checks.h"
#include "tga_files.h"

#include <gtest/gtest.h>

#include <string>

namespace glimtags::test {

inline constexpr int kPreviewWidth = OffscreenGl::kWidth;
inline constexpr int kPreviewHeight = OffscreenGl::kHeight;
// Pen y of the name's glyphs: the integer part of half the height.
inline constexpr int kNamePenY = kPreviewHeight / 2;

// The scene started over the test sheet, a plain background and one-letter texts.
class PreviewTest : public ::testing::Test {
protected:
    static constexpr Pixel kBackground{100, 150, 200};

    void SetUp() override
    {
        writeGlyphSheet(dir, "font.tga");
        writeSolidPicture(dir, "back.tga", kBackground);
        writeLanguage("test.lan", "PCNXYZL");
        ASSERT_EQ(view.initScene(kPreviewWidth, kPreviewHeight, dir.path("back.tga"), dir.path("test.lan")), 0);
    }

    // The seven scene texts, one letter each, in the order the scene looks them up.
    void writeLanguage(const std::string& name, const std::string& letters)
    {
        static constexpr const char* kKeys[] = {"GLTEXT_PREVCHAR", "GLTEXT_CURCHAR", "GLTEXT_NEXTCHAR",
            "GLTEXT_INGAMELIMIT1", "GLTEXT_INGAMELIMIT2", "GLTEXT_INGAMELIMIT3", "GLTEXT_NAMELONGER"};
        std::string text;
        for (std::size_t i = 0; i < std::size(kKeys); ++i)
            text += std::string(kKeys[i]) + " \"" + letters[i] + "\"\n";
        writeFile(dir.path(name), std::vector<unsigned char>(text.begin(), text.end()));
    }

    // The colour a translucent box of the colour leaves over the background.
    static Pixel over(Pixel background, float red, float green, float blue, float alpha)
    {
        const auto mix = [alpha](int under, float channel) {
            return static_cast<int>(static_cast<float>(under) * (1 - alpha) + channel * 255.0f * alpha + 0.5f);
        };
        return {mix(background.red, red), mix(background.green, green), mix(background.blue, blue)};
    }

    OffscreenGl gl;
    TempDir dir;
    PreviewView view{dir.path("font.tga")};
};

} // namespace glimtags::test
