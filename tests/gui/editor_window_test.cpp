#include "gui/editor_fixture.h"

#include "ui/control_ids.h"
#include "ui/preview_canvas.h"

#include <wx/clipbrd.h>
#include <wx/uiaction.h>

#include <string>

using glimtags::test::EditorFixture;
using glimtags::test::runEventsFor;

namespace {

class EditorWindowTest : public EditorFixture {
protected:
    void SetUp() override
    {
        storeUsualSettings();
        storeSetting("AutoChecking", 0);
        startEditor();
    }

    void clickControl(int id)
    {
        wxWindow* control = window->FindWindow(id);
        ASSERT_NE(control, nullptr) << id;
        clickAt(control, wxPoint(control->GetClientSize().x / 2, control->GetClientSize().y / 2));
    }

    // Whether any pixel of the preview's rectangle (shape coordinates) has the colour.
    bool anyPixel(int left, int top, int right, int bottom, const std::function<bool(glimtags::test::Rgb)>& test)
    {
        const wxImage image = previewOnScreen();
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                if (test({image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y)}))
                    return true;
        return false;
    }
};

bool isRed(glimtags::test::Rgb c) { return c.red > 180 && c.green < 60 && c.blue < 60; }
bool isGreen(glimtags::test::Rgb c) { return c.green > 180 && c.red < 60 && c.blue < 60; }
bool isWhite(glimtags::test::Rgb c) { return c.red > 200 && c.green > 200 && c.blue > 200; }

} // namespace

TEST_F(EditorWindowTest, LayoutAndPreviewSize)
{
    EXPECT_EQ(window->previewCanvas()->GetClientSize(), wxSize(576, 228));
    EXPECT_EQ(window->GetPosition(), wxPoint(0, 0));
    EXPECT_EQ(window->FindWindow(glimtags::ids::NameLabel)->GetLabel(), "User/Host Name :");
    EXPECT_EQ(window->FindWindow(glimtags::ids::SpecialCharsGroup)->GetLabel(), "Available Special Chars");
    for (int id = glimtags::ids::FirstSpecialCharButton; id <= glimtags::ids::LastSpecialCharButton; ++id)
        EXPECT_NE(window->FindWindow(id), nullptr) << id;
    EXPECT_EQ(wxWindow::FindFocus(), &window->nameBox());
    const wxIconBundle& icons = window->GetIcons();
    ASSERT_EQ(icons.GetIconCount(), 3u);
    for (int size : {16, 32, 48})
        EXPECT_TRUE(icons.GetIconOfExactSize(size).IsOk()) << size;
}

TEST_F(EditorWindowTest, EnterAndEscapeLeaveTheWindowOpen)
{
    typeText("ab");
    pressKey(WXK_RETURN);
    pressKey(WXK_ESCAPE);
    EXPECT_FALSE(editorEnded());
    EXPECT_EQ(boxBytes(), "ab");
}

TEST_F(EditorWindowTest, NameLongerFrom36WithABeepOnEveryChange)
{
    typeText(std::string(35, 'a'));
    ASSERT_EQ(boxBytes(), std::string(35, 'a'));
    EXPECT_FALSE(window->nameLonger());
    EXPECT_EQ(beeps, 0);

    typeText("b");
    EXPECT_TRUE(window->nameLonger());
    EXPECT_EQ(beeps, 1);
    // The notice band replaces the name.
    const glimtags::test::Rgb band = previewPixel(440, 106);
    EXPECT_GT(band.red, 130);
    EXPECT_LT(band.green, 60);
    EXPECT_FALSE(anyPixel(10, 98, 26, 114, isWhite));

    typeText("c");
    EXPECT_EQ(beeps, 2);
    pressKey(WXK_BACK);
    EXPECT_EQ(beeps, 3);
    pressKey(WXK_BACK);
    EXPECT_FALSE(window->nameLonger());
    EXPECT_EQ(beeps, 3);
    EXPECT_TRUE(anyPixel(10, 98, 26, 114, isWhite));
}

TEST_F(EditorWindowTest, InGameLimitFrom17)
{
    typeText("^1" + std::string(16, 'x'));
    EXPECT_FALSE(window->inGameLimitExceeded());
    typeText("y");
    EXPECT_TRUE(window->inGameLimitExceeded());
    pressKey(WXK_BACK);
    EXPECT_FALSE(window->inGameLimitExceeded());
    // A caret before a letter counts for the limits.
    typeText("^a");
    EXPECT_TRUE(window->inGameLimitExceeded());
}

TEST_F(EditorWindowTest, ArrowsStepOverACode)
{
    typeText("x^1y");
    pressKey(WXK_HOME);
    pressKey(WXK_RIGHT);
    ASSERT_EQ(caret(), 1);
    pressKey(WXK_RIGHT);
    EXPECT_EQ(caret(), 3);
    pressKey(WXK_LEFT);
    EXPECT_EQ(caret(), 1);
}

TEST_F(EditorWindowTest, DeleteAndBackspaceRemoveAWholeCode)
{
    typeText("a^1b");
    pressKey(WXK_HOME);
    pressKey(WXK_RIGHT);
    pressKey(WXK_DELETE);
    EXPECT_EQ(boxBytes(), "ab");

    typeText("^2");
    ASSERT_EQ(boxBytes(), "a^2b");
    ASSERT_EQ(caret(), 3);
    pressKey(WXK_BACK);
    EXPECT_EQ(boxBytes(), "ab");
    EXPECT_EQ(caret(), 1);
}

TEST_F(EditorWindowTest, ClickInsideACodeLeavesTheCaretBeforeTheCaret)
{
    typeText("ab^1cd");
    clickBetweenCharacters(3);
    EXPECT_EQ(caret(), 2);
    clickBetweenCharacters(5);
    EXPECT_EQ(caret(), 5);
}

TEST_F(EditorWindowTest, SwatchesColourTheNameAndTheSelection)
{
    struct Case {
        const char* name;
        int start;
        int end;
        int swatch;
        const char* result;
        int beeps;
    };
    const Case cases[] = {
        {"ab", 2, 2, glimtags::ids::SwatchRed, "ab^1", 0},
        {"abcd", 1, 3, glimtags::ids::SwatchGreen, "a^2bc^7d", 0},
        {"^4abcd", 3, 5, glimtags::ids::SwatchGreen, "^4a^2bc^4d", 0},
        {"ab^1cd", 1, 5, glimtags::ids::SwatchYellow, "a^3bc^1d", 1},
        {"x^1^2by", 1, 6, glimtags::ids::SwatchWhite, "x^7b^2y", 1},
    };
    for (const Case& c : cases) {
        setName(c.name, c.start, c.end);
        beeps = 0;
        clickControl(c.swatch);
        EXPECT_EQ(boxBytes(), c.result) << c.name;
        EXPECT_EQ(beeps, c.beeps) << c.name;
    }
    EXPECT_EQ(wxWindow::FindFocus(), &window->nameBox()) << "a click leaves the focus in the name box";
}

TEST_F(EditorWindowTest, SpecialByteGoesInFrontOfTheSelection)
{
    setName("abcd", 1, 3);
    clickControl(glimtags::ids::FirstSpecialCharButton + 13); // byte 25
    EXPECT_EQ(boxBytes(), std::string("a\x19") + "bcd");
    EXPECT_EQ(caret(), 2);
    EXPECT_EQ(window->nameBox().GetValue()[1], wxUniChar(0x2419)) << "control bytes show as control pictures";
}

TEST_F(EditorWindowTest, PreviewShowsTheNameInItsColours)
{
    typeText("^1W^2W");
    // Glyph i covers x 10 + 16 i to 26 + 16 i, rows 98 to 114.
    EXPECT_TRUE(anyPixel(10, 98, 26, 114, isRed));
    EXPECT_FALSE(anyPixel(10, 98, 26, 114, isGreen));
    EXPECT_TRUE(anyPixel(26, 98, 42, 114, isGreen));
    EXPECT_FALSE(anyPixel(26, 98, 42, 114, isRed));
}

TEST_F(EditorWindowTest, CharactersWithoutASingleByteFormAreRefused)
{
    window->nameBox().WriteText(wxString::FromUTF8("a\xe2\x82\xac" "b"));
    runEventsFor(20);
    EXPECT_EQ(boxBytes(), "ab");
    EXPECT_EQ(window->nameBox().GetValue(), "ab");
    EXPECT_EQ(beeps, 1);
}

TEST_F(EditorWindowTest, WorkingCopyHoldsAt255BytesOfTheBox)
{
    setName(std::string(255, 'a'), 255, 255);
    window->nameBox().AppendText("b");
    runEventsFor(20);
    EXPECT_EQ(window->currentName().length(), 255);
    EXPECT_EQ(boxBytes().size(), 256u);
}

TEST_F(EditorWindowTest, TheNameBoxKeepsTheKeyboard)
{
    typeText("abc");
    for (const int key : {WXK_DOWN, WXK_UP, WXK_TAB, WXK_DOWN})
        pressKey(key);
    EXPECT_EQ(caret(), 3) << "no key selects the name";
    clickAt(window->previewCanvas(), wxPoint(100, 100));
    clickControl(glimtags::ids::SwatchRed);
    // The pointer is back over the box, where the keyboard follows it without a window manager.
    wxUIActionSimulator().MouseMove(window->nameBox().GetScreenRect().GetRight() - 4,
                                    window->nameBox().GetScreenRect().GetTop() + 6);
    typeText("d");
    EXPECT_EQ(boxBytes(), "abc^1d");
    EXPECT_EQ(wxWindow::FindFocus(), &window->nameBox());
}

TEST_F(EditorWindowTest, PasteThatDoesNotFitBeeps)
{
    setName(std::string(250, 'a'), 250, 250);
    ASSERT_TRUE(wxTheClipboard->Open());
    wxTheClipboard->SetData(new wxTextDataObject(std::string(10, 'b')));
    wxTheClipboard->Close();
    beeps = 0;
    pressKey('V', wxMOD_CONTROL);
    EXPECT_EQ(boxBytes(), std::string(250, 'a'));
    EXPECT_EQ(beeps, 1);
}
