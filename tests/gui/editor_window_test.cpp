#include "gui/editor_fixture.h"

#include "ui/control_ids.h"
#include "ui/preview_canvas.h"

#include <wx/clipbrd.h>

#include <string>

using glimtags::test::runEventsFor;
namespace ids = glimtags::ids;

namespace {

class EditorWindowTest : public glimtags::test::EditorFixture {
protected:
    void SetUp() override { startUsualEditor(); }

    // Whether some pixel of a preview rectangle (shape coordinates) passes the test.
    bool anyPixel(wxRect area, bool (*test)(unsigned char, unsigned char, unsigned char))
    {
        const wxImage image = previewOnScreen();
        for (int y = area.GetTop(); y <= area.GetBottom(); ++y)
            for (int x = area.GetLeft(); x <= area.GetRight(); ++x)
                if (test(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y)))
                    return true;
        return false;
    }
};

bool isRed(unsigned char r, unsigned char g, unsigned char b) { return r > 180 && g < 60 && b < 60; }
bool isWhite(unsigned char r, unsigned char g, unsigned char b) { return r > 200 && g > 200 && b > 200; }

// Glyph i of the name covers x 10 + 16 i to 25 + 16 i, rows 98 to 113.
wxRect glyphCell(int i) { return wxRect(10 + 16 * i, 98, 16, 16); }

} // namespace

TEST_F(EditorWindowTest, TheNameBoxKeepsTheKeyboard)
{
    typeText("abc");
    for (const int key : {WXK_DOWN, WXK_UP, WXK_TAB, WXK_DOWN})
        pressKey(key);
    EXPECT_EQ(caret(), 3) << "no key selects the name";
    clickAt(window->previewCanvas(), wxPoint(100, 100));
    clickControl(ids::SwatchRed);
    const wxRect box = window->nameBox().GetScreenRect();
    wxUIActionSimulator().MouseMove(box.GetRight() - 4, box.GetTop() + 6);
    typeText("d");
    EXPECT_EQ(boxBytes(), "abc^1d");
    EXPECT_EQ(wxWindow::FindFocus(), &window->nameBox());
    pressKey(WXK_RETURN);
    pressKey(WXK_ESCAPE);
    EXPECT_FALSE(editorEnded()) << "Enter and Escape leave the window open";
}

TEST_F(EditorWindowTest, EveryChangeIsMeasuredAndDrawn)
{
    typeText("^1" + std::string(17, 'x'));
    EXPECT_TRUE(window->previewState().inGameLimitExceeded);
    typeText(std::string(19, 'z'));
    EXPECT_TRUE(window->previewState().nameLonger);
    EXPECT_EQ(beeps, 1);
    EXPECT_FALSE(anyPixel(glyphCell(0), isRed)) << "the notice replaces the name";
    pressKey(WXK_BACK);
    EXPECT_FALSE(window->previewState().nameLonger);
    EXPECT_TRUE(anyPixel(glyphCell(0), isRed));
    pressKey(WXK_HOME);
    EXPECT_TRUE(anyPixel(wxRect(10, 108, 16, 16), isWhite)) << "the text cursor follows the caret";
}

TEST_F(EditorWindowTest, TheCaretRulesRunInTheBox)
{
    typeText("x^1y");
    pressKey(WXK_LEFT);
    pressKey(WXK_LEFT);
    EXPECT_EQ(caret(), 1);
    pressKey(WXK_DELETE);
    EXPECT_EQ(boxBytes(), "xy") << "Left steps over the code, Delete takes it whole";

    setName("ab^1cd", 0, 0);
    clickInBoxAt(3);
    EXPECT_EQ(caret(), 2) << "a click inside a code leaves the caret before it";

    setName("ab^1c", 0, 0);
    for (int i = 0; i < 3; ++i)
        pressKey(WXK_RIGHT, wxMOD_SHIFT);
    typeText("z");
    EXPECT_EQ(boxBytes(), "zc") << "Shift+Right takes a code whole";
    setName("a^1b", 4, 4);
    pressKey(WXK_LEFT, wxMOD_SHIFT);
    pressKey(WXK_LEFT, wxMOD_SHIFT);
    EXPECT_EQ(window->nameBox().caretPosition(), 1) << "Shift+Left takes a code whole";
    EXPECT_EQ(window->nameBox().selectionEnd(), 4);
}

TEST_F(EditorWindowTest, ThePaletteEditsTheNameInTheBox)
{
    setName("abcd", 1, 3);
    clickControl(ids::SwatchGreen);
    typeText("z");
    EXPECT_EQ(boxBytes(), "a^2bcz^7d") << "the caret ends behind the coloured text";
    setName("abcd", 1, 3);
    clickControl(ids::FirstSpecialCharButton + 13);
    EXPECT_EQ(boxBytes(), std::string("a\x19") + "bcd") << "a special byte goes in front of the selection";
    EXPECT_EQ(caret(), 2);
    EXPECT_EQ(window->nameBox().GetValue()[1], wxUniChar(0x2419)) << "control bytes show as control pictures";
    EXPECT_EQ(wxWindow::FindFocus(), &window->nameBox());
}

TEST_F(EditorWindowTest, TheBoxTakesSingleByteCharactersAndKeepsItsLimits)
{
    window->nameBox().WriteText(wxString::FromUTF8("a\xe2\x82\xac" "b"));
    runEventsFor(20);
    EXPECT_EQ(boxBytes(), "ab");
    EXPECT_EQ(beeps, 1) << "a character without a single-byte form is refused";

    // The box holds no byte more than the name. Codes count nothing, so no beep says
    // that the name is too long.
    std::string codes;
    while (codes.size() < 254)
        codes += "^1";
    setName(codes, 254, 254);
    beeps = 0;
    typeText("bc");
    EXPECT_EQ(boxBytes(), codes + "b");
    EXPECT_EQ(window->nameBox().text().bytes(), boxBytes());
    EXPECT_EQ(beeps, 1) << "a key past the limit beeps";

    ASSERT_TRUE(wxTheClipboard->Open());
    wxTheClipboard->SetData(new wxTextDataObject("xy"));
    wxTheClipboard->Close();
    pressKey(WXK_LEFT, wxMOD_SHIFT);
    pressKey('V', wxMOD_CONTROL);
    EXPECT_EQ(boxBytes(), codes + "b");
    EXPECT_EQ(beeps, 2) << "a paste that does not fit beeps";
    ASSERT_TRUE(wxTheClipboard->Open());
    wxTheClipboard->SetData(new wxTextDataObject("x"));
    wxTheClipboard->Close();
    pressKey('V', wxMOD_CONTROL);
    EXPECT_EQ(boxBytes(), codes + "x") << "a paste that just fits is taken";
}

// A desktop's "Open With" can pass any file; one that is no script is refused with a word.
TEST_F(EditorWindowTest, AFileNamedAtStartThatIsNoScriptIsRefused)
{
    setName("^1Fred", 0, 0);
    const std::string notes = start.write("notes.txt", "seta name \"Other\"");
    wxString message;
    GT_TEST_DIALOG(EXPECT_FALSE(window->openScript(notes)), glimtags::test::ExpectMessage(wxID_OK, &message));
    EXPECT_EQ(message, notes + " is not a name script (.name or .host), so it is not opened.");
    EXPECT_EQ(boxBytes(), "^1Fred");
}

TEST_F(EditorWindowTest, ADragRepaintsThePreviewUntilTheButtonIsUp)
{
    setName("abcdefgh", 0, 0);
    int paints = 0;
    window->previewCanvas()->onPaint([&] {
        ++paints;
        return window->previewState();
    });
    const wxRect box = window->nameBox().GetScreenRect();
    const int y = box.GetTop() + box.GetHeight() / 2;
    wxUIActionSimulator mouse;
    const auto sweep = [&] {
        paints = 0;
        for (int x = box.GetLeft() + 10; x < box.GetLeft() + 60; x += 10) {
            mouse.MouseMove(x, y);
            runEventsFor(30);
        }
    };
    mouse.MouseMove(box.GetLeft() + 6, y);
    mouse.MouseDown();
    runEventsFor(50);
    sweep();
    EXPECT_GT(paints, 0) << "the selection shows as it grows";
    mouse.MouseUp();
    runEventsFor(100);
    sweep();
    EXPECT_EQ(paints, 0) << "a pointer that only passes over the box changes nothing";
}
