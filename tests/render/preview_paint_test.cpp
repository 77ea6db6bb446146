#include "render/preview_paint.h"

#include "preview_fixture.h"

#include <string>
#include <vector>

using glimtags::NameText;
using glimtags::PreviewState;
using glimtags::test::kNamePenY;
using glimtags::test::kPreviewHeight;
using glimtags::test::kPreviewWidth;
using glimtags::test::pixelNear;
using glimtags::test::Snapshot;

TEST(PreviewPaintState, LimitFlagsComeFromTheLimitLength)
{
    struct Case {
        std::string name;
        bool inGameLimitExceeded;
        bool nameLonger;
    };
    const std::vector<Case> cases = {
        {std::string(16, 'a'), false, false},
        {std::string(17, 'a'), true, false},
        {std::string(35, 'a'), true, false},
        {std::string(36, 'a'), true, true},
        // Codes before digits count nothing; a caret before a letter counts on its own.
        {"^1" + std::string(16, 'a'), false, false},
        {std::string(16, 'a') + "^a", true, false},
        {std::string(34, 'a') + "^a", true, true},
    };
    for (const Case& c : cases) {
        const PreviewState state = glimtags::previewStateFor(NameText(c.name));
        EXPECT_EQ(state.name, NameText(c.name));
        EXPECT_EQ(state.inGameLimitExceeded, c.inGameLimitExceeded) << c.name;
        EXPECT_EQ(state.nameLonger, c.nameLonger) << c.name;
        EXPECT_EQ(state.selectionStart, 0);
        EXPECT_EQ(state.selectionEnd, 0);
    }
}

namespace {

// What one paint showed, read at one probe point per step.
struct Shown {
    bool name = false;
    bool band = false;
    bool selection = false;
    bool cursor = false;
    bool guide = false;
    bool characterInfo = false;
    bool limitNotice = false;
    bool operator==(const Shown&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Shown& shown)
{
    return out << "name " << shown.name << ", band " << shown.band << ", selection " << shown.selection
               << ", cursor " << shown.cursor << ", guide " << shown.guide << ", character info "
               << shown.characterInfo << ", limit notice " << shown.limitNotice;
}

} // namespace

class PreviewPaint : public glimtags::test::PreviewTest {
protected:
    // The cursor is probed at the caret's column; the name at the top of its first glyph,
    // above the cursor, where only the selection may lie over it.
    Shown paint(const PreviewState& state, int cursorColumn)
    {
        glimtags::paintPreview(view, state, kPreviewWidth, kPreviewHeight);
        const Snapshot s = gl.snapshot();
        const glimtags::test::Pixel selection = over(kBackground, 0.733f, 0.988f, 1.0f, 0.3f);
        Shown shown;
        const glimtags::test::Pixel nameTop = s.pixel(11, kNamePenY + 14);
        shown.name = !pixelNear(nameTop, kBackground) && !pixelNear(nameTop, selection);
        shown.band = pixelNear(s.shapePixel(400, 97), over(kBackground, 1, 0, 0, 0.6f));
        shown.selection = pixelNear(s.shapePixel(9, 94), selection);
        shown.cursor = pixelNear(s.pixel(16 * cursorColumn + 11, kNamePenY - 4), {'_', '_', '_'});
        shown.guide = pixelNear(s.shapePixel(266, 0), {255, 255, 255}, 0);
        shown.characterInfo = pixelNear(s.shapePixel(6, 163), over(kBackground, 0.5f, 0.5f, 0.5f, 0.5f));
        shown.limitNotice = pixelNear(s.shapePixel(570, 163), over(kBackground, 0.5f, 0.5f, 0.5f, 0.5f));
        return shown;
    }
};

TEST_F(PreviewPaint, StepsFollowTheFlagsAndOptions)
{
    struct Case {
        const char* what;
        PreviewState state;
        int cursorColumn;
        Shown shown;
    };
    const std::string longName = std::string(36, 'A');
    const auto state = [](const std::string& name, int start, int end) {
        PreviewState s = glimtags::previewStateFor(NameText(name));
        s.selectionStart = start;
        s.selectionEnd = end;
        return s;
    };
    PreviewState optionsOff = state("AB", 1, 1);
    optionsOff.enableTextCursor = false;
    optionsOff.inGameLimit = false;
    optionsOff.charInfo = false;
    PreviewState overLimitNoGuide = state(std::string(17, 'A'), 0, 0);
    overLimitNoGuide.inGameLimit = false;
    overLimitNoGuide.enableTextCursor = false;

    const std::vector<Case> cases = {
        {"defaults", state("AB", 1, 1), 1, {true, false, false, true, true, true, false}},
        {"options off", optionsOff, 1, {true, false, false, false, false, false, false}},
        {"selection", state("AB", 0, 2), 0, {true, false, true, true, true, true, false}},
        // A selection over a colour code alone covers no glyph.
        {"selection of a code", state("^1AB", 0, 2), 0, {true, false, false, true, true, true, false}},
        {"selection after a code", state("^1AB", 2, 4), 0, {true, false, true, true, true, true, false}},
        {"over the in-game limit", overLimitNoGuide, 0, {true, false, false, false, false, true, true}},
        {"too long", state(longName, 0, 2), 0, {false, true, true, false, true, false, true}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(paint(c.state, c.cursorColumn), c.shown) << c.what;
}
