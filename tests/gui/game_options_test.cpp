#include "gui/editor_fixture.h"

#include "gui/dialog_expectations.h"
#include "support/tga_bytes.h"
#include "ui/control_ids.h"

#include <wx/menu.h>

#include <filesystem>

using glimtags::test::ExpectMessage;
namespace ids = glimtags::ids;
namespace fs = std::filesystem;

namespace {

class GameOptionsTest : public glimtags::test::EditorFixture {
protected:
    // The game's font sheet as a loose file of the game folder.
    void putGameSheet(const std::string& bytes)
    {
        fs::create_directories(fs::path(gameFolder()) / "gfx" / "2d");
        home.write("baseq3/gfx/2d/bigchars.tga", bytes);
    }
};

} // namespace

TEST_F(GameOptionsTest, TheServersNameAndTheGamesRulesFollowTheirOptions)
{
    storeUsualSettings();
    storeSetting("AutoChecking", 0);
    startEditor();
    setName("  ^0Dark", 0, 0);
    ASSERT_TRUE(window->previewState().serverName);
    EXPECT_EQ(window->previewState().serverName->bytes(), "Dark");
    command(ids::MenuShowInGameName);
    EXPECT_FALSE(window->previewState().serverName);
    EXPECT_NE(settingsText().find("ShowInGameName=0"), std::string::npos);

    // Check String tells where a server cuts the name only with the rules on.
    setName(std::string(34, 'x') + "^1yz", 0, 0);
    GT_EXPECT_NO_DIALOG(command(ids::MenuCheckString));
    command(ids::MenuCheckGameRules);
    wxString cut;
    GT_TEST_DIALOG(command(ids::MenuCheckString), ExpectMessage(wxID_OK, &cut));
    EXPECT_TRUE(cut.StartsWith("A server keeps only the first 35 bytes")) << cut;
    EXPECT_EQ(window->nameBox().selectionStart(), 35);
    EXPECT_EQ(window->nameBox().selectionEnd(), 38);
}

TEST_F(GameOptionsTest, TheGamesFontIsUsedWhenTheGameDataHoldsOne)
{
    storeUsualSettings();
    // A sheet of opaque white: every glyph a solid square.
    putGameSheet(glimtags::test::tga({.width = 256, .height = 256}, std::vector<unsigned char>(256 * 256 * 4, 0xff)));
    startEditor();
    EXPECT_TRUE(window->menus().IsEnabled(ids::MenuUseGameFont));
    setName("^1W", 0, 0);
    // A solid square fills the whole glyph cell, which a letter never does.
    const auto cellCorner = [this] { return previewOnScreen().GetRed(11, 99); };
    EXPECT_GT(cellCorner(), 200);
    command(ids::MenuUseGameFont);
    EXPECT_LT(cellCorner(), 100) << "switched off, the editor's own font draws";

    putGameSheet("not a picture");
    GT_TEST_DIALOG(command(ids::MenuGamePath), wxExpectModal<glimtags::GamePathDialog>(wxID_OK, gameFolder()));
    wxString message;
    GT_TEST_DIALOG(command(ids::MenuUseGameFont), ExpectMessage(wxID_OK, &message));
    EXPECT_TRUE(message.Contains("bigchars.tga")) << message;
    EXPECT_LT(cellCorner(), 100) << "a broken sheet leaves the editor's own font";

    fs::remove_all(fs::path(gameFolder()) / "gfx");
    GT_TEST_DIALOG(command(ids::MenuGamePath), wxExpectModal<glimtags::GamePathDialog>(wxID_OK, gameFolder()));
    EXPECT_FALSE(window->menus().IsEnabled(ids::MenuUseGameFont)) << "with no sheet the option cannot be chosen";
}
