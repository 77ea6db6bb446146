#include "gui/editor_fixture.h"

#include "platform/text_encoding.h"
#include "ui/control_ids.h"

#include <wx/clipbrd.h>
#include <wx/statusbr.h>

using glimtags::test::ExpectMessage;
namespace ids = glimtags::ids;

namespace {

class EditCommandsTest : public glimtags::test::EditorFixture {
protected:
    void SetUp() override { startUsualEditor(); }

    std::pair<int, int> selection() const
    {
        return {window->nameBox().selectionStart(), window->nameBox().selectionEnd()};
    }
    std::string clipboardBytes()
    {
        wxTextDataObject text;
        EXPECT_TRUE(wxTheClipboard->Open());
        wxTheClipboard->GetData(text);
        wxTheClipboard->Close();
        return glimtags::platform::toLatin1(text.GetText());
    }
};

} // namespace

TEST_F(EditCommandsTest, UndoAndRedoEveryKindOfChangeWithItsSelection)
{
    typeText("ab cd");
    pressKey(WXK_LEFT);
    pressKey(WXK_LEFT, wxMOD_SHIFT);
    pressKey(WXK_LEFT, wxMOD_SHIFT);
    clickControl(ids::SwatchRed);
    ASSERT_EQ(boxBytes(), "ab^1 c^7d");
    setName(boxBytes() + "\x05", 10, 10);
    GT_TEST_DIALOG(command(ids::MenuCheckString), ExpectMessage(wxID_YES));
    ASSERT_EQ(boxBytes(), "ab^1 c^7d");

    pressKey('Z', wxMOD_CONTROL);
    EXPECT_EQ(boxBytes(), "ab^1 c^7d\x05") << "the check's deletion is a step of its own";
    EXPECT_EQ(selection(), std::make_pair(9, 10));
    pressKey('Z', wxMOD_CONTROL);
    EXPECT_EQ(boxBytes(), "ab^1 c^7d");
    pressKey('Z', wxMOD_CONTROL);
    EXPECT_EQ(boxBytes(), "ab cd") << "the colouring, two codes, was one step";
    EXPECT_EQ(selection(), std::make_pair(2, 4));
    pressKey('Z', wxMOD_CONTROL);
    EXPECT_EQ(boxBytes(), "ab") << "typing goes back a word at a time";
    pressKey('Z', wxMOD_CONTROL);
    EXPECT_EQ(boxBytes(), "");
    pressKey('Y', wxMOD_CONTROL);
    pressKey('Z', wxMOD_CONTROL | wxMOD_SHIFT);
    EXPECT_EQ(boxBytes(), "ab cd");
    command(ids::MenuRedo);
    EXPECT_EQ(boxBytes(), "ab^1 c^7d");
}

TEST_F(EditCommandsTest, AClickEndsTheWordBeingTypedEvenWhereTheCaretStands)
{
    typeText("ab");
    clickInBoxAt(2);
    typeText("c");
    ASSERT_EQ(boxBytes(), "abc");
    pressKey('Z', wxMOD_CONTROL);
    EXPECT_EQ(boxBytes(), "ab");
}

TEST_F(EditCommandsTest, CopyAndPasteKeepTheNamesBytes)
{
    setName("a\x01^1b\x1f", 2, 2);
    command(ids::MenuSelectAll);
    pressKey('C', wxMOD_CONTROL);
    ASSERT_TRUE(wxTheClipboard->Open());
    EXPECT_TRUE(wxTheClipboard->IsSupported(wxDataFormat("application/x-glimtags-name"))) << "Ctrl+C is Copy";
    wxTheClipboard->Close();
    pressKey(WXK_END);
    pressKey('V', wxMOD_CONTROL);
    EXPECT_EQ(boxBytes(), "a\x01^1b\x1f" "a\x01^1b\x1f");
    pressKey('Z', wxMOD_CONTROL);
    EXPECT_EQ(boxBytes(), "a\x01^1b\x1f") << "a paste is one step";
    pressKey(WXK_HOME);
    pressKey(WXK_RIGHT, wxMOD_SHIFT);
    pressKey('X', wxMOD_CONTROL);
    EXPECT_EQ(boxBytes(), "\x01^1b\x1f");

    // Text from elsewhere goes by the box's character rule.
    ASSERT_TRUE(wxTheClipboard->Open());
    wxTheClipboard->SetData(new wxTextDataObject(wxString::FromUTF8("\xc3\xa9\xe2\x90\x81")));
    wxTheClipboard->Close();
    command(ids::MenuPaste);
    EXPECT_EQ(boxBytes(), "\xe9\x01\x01^1b\x1f");
}

TEST_F(EditCommandsTest, PasteByKeyOrMenuRefusesTextTheNameCannotHold)
{
    setName("ab", 2, 2);
    beeps = 0;
    for (const char* text : {"line1\nline2", "a\tb", "\xe2\x82\xac"}) {
        ASSERT_TRUE(wxTheClipboard->Open());
        wxTheClipboard->SetData(new wxTextDataObject(wxString::FromUTF8(text)));
        wxTheClipboard->Close();
        pressKey('V', wxMOD_CONTROL);
        pressKey(WXK_INSERT, wxMOD_SHIFT);
        command(ids::MenuPaste);
        EXPECT_EQ(boxBytes(), "ab") << text;
    }
    EXPECT_EQ(beeps, 9) << "each refusal beeps";
}

TEST_F(EditCommandsTest, ConsoleCommandGoesToTheClipboardAsTheSaveWouldWriteIt)
{
    setName("^1Red", 0, 0);
    command(ids::MenuCopyCommand);
    EXPECT_EQ(clipboardBytes(), "/name \"^1Red^7\"");
    command(ids::MenuCopyHostCommand);
    EXPECT_EQ(clipboardBytes(), "/sv_hostname \"^1Red^7\"");
    setName("a\"b", 0, 0);
    wxString refusal;
    GT_TEST_DIALOG(command(ids::MenuCopyCommand), ExpectMessage(wxID_OK, &refusal));
    EXPECT_TRUE(refusal.StartsWith("This name holds a double quote")) << refusal;

    // The console would drop the accented letter.
    setName("Caf\xe9", 0, 0);
    for (const int id : {ids::MenuCopyCommand, ids::MenuCopyHostCommand}) {
        GT_TEST_DIALOG(command(id), ExpectMessage(wxID_OK, &refusal));
        EXPECT_TRUE(refusal.Contains("console cannot take")) << refusal;
    }
    EXPECT_EQ(clipboardBytes(), "/sv_hostname \"^1Red^7\"");
}

TEST_F(EditCommandsTest, TheStatusBarCountsTheName)
{
    setName(std::string(35, 'a') + "^1", 0, 0);
    EXPECT_EQ(window->GetStatusBar()->GetStatusText(1), wxString::FromUTF8("35 of 35 characters \xc2\xb7 37 bytes \xc2\xb7 in Quake III: over 16"));
}

// Each effect is one step to undo; one with nothing to do, or no room, beeps and changes nothing.
TEST_F(EditCommandsTest, NameEffectsAreOneStepEachOrBeep)
{
    const struct {
        int id;
        const char* name;
        int start, end;
        const char* after;
        int selectionStart, selectionEnd;
        std::string refused;
    } cases[] = {
        {ids::MenuRainbow, "^7abc de", 2, 4, "^7^1a^3b^7c de", 2, 8, std::string(120, 'x')},
        {ids::MenuRemoveCodes, "^7^1a^3b^7c de", 14, 14, "abc de", 0, 6, ""},
        {ids::MenuServerVersion, "  a^0b", 0, 0, "ab", 2, 2, "ab"},
        {ids::MenuRemoveNeedlessCodes, "^1^2a^2b^3", 0, 0, "^2ab", 0, 4, "^2ab"},
    };
    for (const auto& c : cases) {
        setName(c.name, c.start, c.end);
        command(c.id);
        EXPECT_EQ(boxBytes(), c.after) << c.name;
        EXPECT_EQ(selection(), std::make_pair(c.selectionStart, c.selectionEnd)) << c.name;
        pressKey('Z', wxMOD_CONTROL);
        EXPECT_EQ(boxBytes(), c.name);
        if (c.refused.empty())
            continue;
        setName(c.refused, 0, 0);
        beeps = 0;
        command(c.id);
        EXPECT_EQ(beeps, 1) << c.name;
        EXPECT_EQ(boxBytes(), c.refused);
    }
    EXPECT_EQ(window->GetStatusBar()->GetStatusText(0), "Needless colour codes removed: 6 bytes saved");
}
