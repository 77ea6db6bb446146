// The preview compared with golden pictures, drawn by the same code as the preview-png tool.
// After an intended change of the picture, regenerate them all and look at them:
//   GLIMTAGS_REGENERATE_GOLDENS=1 build/tests/render_tests --gtest_filter='Golden*'
#include "png_file.h"
#include "preview_drawing.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

using glimtags::kPreviewHeight;
using glimtags::kPreviewWidth;

namespace {

const std::string kResources = GLIMTAGS_RESOURCES;
const std::string kGoldens = GLIMTAGS_GOLDENS;
constexpr const char* kRegenerate = "GLIMTAGS_REGENERATE_GOLDENS=1 build/tests/render_tests --gtest_filter='Golden*'";

// Rounding of blends and filtered texels may move a channel a few levels on another Mesa;
// a fault moves whole glyphs, boxes or lines.
constexpr int kChannelTolerance = 3;
constexpr int kChannelsBeyondTolerance = 24;

struct GoldenCase {
    const char* file;
    std::string name{};
    int selectionStart = 0, selectionEnd = 0;
    bool stripe = false, cursor = true, charInfo = true, guide = true, testLabels = false, gameRules = false;
};

void PrintTo(const GoldenCase& c, std::ostream* out)
{
    *out << c.file;
}

// Escapes draw nothing, so 84 of them bring a label's 253rd to 255th bytes into view.
std::string escapes(const std::string& escape)
{
    std::string text;
    for (int i = 0; i < 84; ++i)
        text += escape;
    return text;
}

// Labels using the font's escapes, tabs, a newline and a closing backslash, and three
// longer than 255 bytes.
std::string testLabels()
{
    return "GLTEXT_PREVCHAR \"\\c(255 128 0)P\\b+B\\b-\\i+I\\i-\\q\"\n"
           "GLTEXT_CURCHAR \"" + escapes("\\b-") + "CUR!!!\"\n"
           "GLTEXT_NEXTCHAR \"\\a(0 0 255 128)Next\"\n"
           "GLTEXT_INGAMELIMIT1 \"" + escapes("\\i-") + "ONE!!!\"\n"
           "GLTEXT_INGAMELIMIT2 \"\t\ttwo\\\"\n"
           "GLTEXT_INGAMELIMIT3 \"three\nfour\"\n"
           "GLTEXT_NAMELONGER \"" + escapes("\\b+") + "TOO!!!\"\n";
}

const std::string kColoured = "^1Gl^4im^3tags";
const std::string kOverInGameLimit = "^2Seventeen^5Letters!!";
const std::string kTooLong = "^1" + std::string(36, 'A');

const GoldenCase kCases[] = {
    // Caret before a code: the current line shows the code in its colour.
    {.file = "coloured_name", .name = kColoured, .selectionStart = 4, .selectionEnd = 8, .stripe = true},
    {.file = "caret_after_code", .name = kColoured, .selectionStart = 6, .selectionEnd = 6, .guide = false},
    // The next line shows the code.
    {.file = "over_in_game_limit", .name = kOverInGameLimit, .selectionStart = 10, .selectionEnd = 10, .cursor = false},
    // The band and notice instead of the name, stripe, cursor and character information.
    {.file = "name_too_long", .name = kTooLong, .selectionStart = 2, .selectionEnd = 6, .stripe = true},
    {.file = "empty_name", .stripe = true, .charInfo = false},
    // Backslash, tab and newline draw their cells, one column each, in the name and the current line.
    {.file = "tab_and_backslash", .name = "a\\b\tc\nd", .selectionStart = 1, .selectionEnd = 4, .stripe = true},
    // Only a caret before a letter or digit is a code: "^!A^" white, ^B green, then "C^" red.
    // The selection covers the second caret; the next line shows the code ^B.
    {.file = "carets_without_codes", .name = "^!A^^B^1C^", .selectionStart = 3, .selectionEnd = 6, .stripe = true},
    {.file = "test_labels", .name = kOverInGameLimit, .testLabels = true},
    {.file = "test_labels_too_long", .name = kTooLong, .testLabels = true},
    // Above the name, led by its label, what a server makes of it: leading blanks, black
    // codes (^8 too) and a fourth blank dropped, drawn by the game's colour rule.
    {.file = "server_line", .name = "  ^0Dark^8Side^1Red^c    x^", .gameRules = true},
};

::testing::AssertionResult matchesGolden(const std::vector<unsigned char>& drawn, const glimtags::tools::PngPicture& golden)
{
    if (golden.width != kPreviewWidth || golden.height != kPreviewHeight)
        return ::testing::AssertionFailure() << "the golden is " << golden.width << " x " << golden.height;
    int beyond = 0, worst = 0;
    for (std::size_t at = 0; at < drawn.size(); ++at) {
        const int difference = std::abs(drawn[at] - golden.rgbBottomUp[at]);
        worst = std::max(worst, difference);
        beyond += difference > kChannelTolerance;
    }
    if (beyond <= kChannelsBeyondTolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << beyond << " channels differ by more than " << kChannelTolerance
                                         << " levels, by up to " << worst;
}

class GoldenPreview : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(GoldenPreview, MatchesItsPicture)
{
    const GoldenCase& c = GetParam();
    const glimtags::test::TempDir dir;
    glimtags::tools::PreviewOptions options;
    options.name = c.name;
    options.selectionStart = c.selectionStart;
    options.selectionEnd = c.selectionEnd;
    options.stripe = c.stripe;
    options.cursor = c.cursor;
    options.charInfo = c.charInfo;
    options.guide = c.guide;
    options.gameRules = c.gameRules;
    options.background = kResources + "/BackGrnd.TGA";
    options.font = kResources + "/Font.TGA";
    options.language = c.testLabels ? dir.write("labels.lan", testLabels()) : kResources + "/English.lan";
    const glimtags::tools::DrawnPreview drawn = glimtags::tools::drawPreview(options);
    ASSERT_EQ(drawn.error + drawn.warning, "");

    const std::string golden = kGoldens + "/" + c.file + ".png";
    if (std::getenv("GLIMTAGS_REGENERATE_GOLDENS")) {
        ASSERT_EQ(glimtags::tools::writePng(golden, kPreviewWidth, kPreviewHeight, drawn.rgb), "");
        return;
    }
    const glimtags::tools::PngPicture expected = glimtags::tools::readPng(golden);
    ASSERT_EQ(expected.error, "") << golden << " is missing; make it with " << kRegenerate;
    const ::testing::AssertionResult matches = matchesGolden(drawn.rgb, expected);
    const std::string actual = ::testing::TempDir() + c.file + ".actual.png";
    if (!matches)
        glimtags::tools::writePng(actual, kPreviewWidth, kPreviewHeight, drawn.rgb);
    EXPECT_TRUE(matches) << "against " << golden << "; the picture drawn is " << actual;
}

INSTANTIATE_TEST_SUITE_P(Golden, GoldenPreview, ::testing::ValuesIn(kCases),
    [](const ::testing::TestParamInfo<GoldenCase>& info) { return std::string(info.param.file); });

} // namespace
