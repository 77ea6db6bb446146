#include "gui/editor_fixture.h"

#include "gui/dialog_expectations.h"
#include "ui/control_ids.h"
#include "ui/menu_bar.h"

#include <wx/menu.h>
#include <wx/statusbr.h>

#include <filesystem>

using glimtags::Game;
using glimtags::menuItemFor;
using glimtags::Toggle;
using glimtags::test::ExpectMessage;
namespace ids = glimtags::ids;
namespace fs = std::filesystem;

namespace {

using GameOptionsTest = glimtags::test::EditorFixture;

} // namespace

TEST_F(GameOptionsTest, TheServersNameAndTheGamesRulesFollowTheirOptions)
{
    startUsualEditor();
    setName("  ^0Dark", 0, 0);
    ASSERT_TRUE(window->previewState().serverName);
    EXPECT_EQ(window->previewState().serverName->bytes(), "Dark");
    command(menuItemFor(Toggle::ShowInGameName));
    EXPECT_FALSE(window->previewState().serverName);
    EXPECT_NE(settingsText().find("ShowInGameName=0"), std::string::npos);

    // Check String tells where a server cuts the name only with the rules on.
    setName(std::string(34, 'x') + "^1yz", 0, 0);
    GT_EXPECT_NO_DIALOG(command(ids::MenuCheckString));
    command(menuItemFor(Toggle::CheckGameRules));
    wxString cut;
    GT_TEST_DIALOG(command(ids::MenuCheckString), ExpectMessage(wxID_OK, &cut));
    EXPECT_TRUE(cut.StartsWith("A server keeps only the first 35 bytes")) << cut;
    EXPECT_EQ(window->nameBox().selectionStart(), 35);
    EXPECT_EQ(window->nameBox().selectionEnd(), 38);
}

TEST_F(GameOptionsTest, TheGamesFontIsUsedWhenTheGameDataHoldsOne)
{
    storeUsualSettings();
    putGameSheet(solidSheet());
    startEditor();
    EXPECT_TRUE(window->menus().IsEnabled(menuItemFor(Toggle::UseGameFont)));
    setName("^1W", 0, 0);
    // A solid square fills the whole glyph cell, which a letter never does.
    const auto cellCorner = [this] { return previewOnScreen().GetRed(11, 99); };
    EXPECT_GT(cellCorner(), 200);
    command(menuItemFor(Toggle::UseGameFont));
    EXPECT_LT(cellCorner(), 100) << "switched off, the editor's own font draws";

    // A sheet that is not a picture, or not a square of cells, leaves the editor's own font.
    for (const std::string& broken : {std::string("not a picture"), solidSheet(128, 256)}) {
        putGameSheet(broken);
        GT_TEST_DIALOG(command(ids::MenuGamePath), wxExpectModal<glimtags::GamePathDialog>(wxID_OK, gameFolder()));
        wxString message;
        GT_TEST_DIALOG(command(menuItemFor(Toggle::UseGameFont)), ExpectMessage(wxID_OK, &message));
        EXPECT_TRUE(message.Contains("bigchars.tga")) << message;
        EXPECT_LT(cellCorner(), 100) << message;
        command(menuItemFor(Toggle::UseGameFont));
    }

    fs::remove_all(fs::path(gameFolder()) / "gfx");
    GT_TEST_DIALOG(command(ids::MenuGamePath), wxExpectModal<glimtags::GamePathDialog>(wxID_OK, gameFolder()));
    EXPECT_FALSE(window->menus().IsEnabled(menuItemFor(Toggle::UseGameFont)))
        << "with no sheet the option cannot be chosen";
}

TEST_F(GameOptionsTest, TheEditorsOwnSheetMissingOrUnusableIsToldAndTheEditorGoesOn)
{
    storeUsualSettings();
    fs::remove(start.file("Font.TGA"));
    for (const std::string& sheet : {std::string(), solidSheet(128, 256)}) {
        if (!sheet.empty())
            start.write("Font.TGA", sheet);
        wxString message;
        GT_TEST_DIALOG(startEditor(), ExpectMessage(wxID_OK, &message));
        EXPECT_TRUE(message.Contains("Font.TGA")) << message;
        ASSERT_FALSE(editorEnded());
        setName("^1W", 0, 0);
        EXPECT_GT(previewOnScreen().GetRed(11, 99), 200) << "each glyph is a block: " << message;
        window->Destroy();
        ASSERT_TRUE(editorEnded());
    }
}

// A folder called baseoa means OpenArena until Options > Game says otherwise; the choice
// is stored at once, and the server's line and the status bar follow it.
TEST_F(GameOptionsTest, TheGameFollowsTheFolderUntilChosen)
{
    storeUsualSettings();
    storeSetting("AutoChecking", 0);
    fs::create_directories(home.path() / "baseoa");
    storeSetting("q3Path", (home.path() / "baseoa").string());
    startEditor();
    EXPECT_TRUE(window->menus().IsChecked(menuItemFor(Game::OpenArena)));
    setName("^7" + std::string(17, 'x') + "^0", 0, 0);
    EXPECT_EQ(window->previewState().serverName, std::nullopt) << "OpenArena keeps black codes";
    EXPECT_TRUE(window->GetStatusBar()->GetStatusText(1).EndsWith("in OpenArena: over 16"));
    // Check String asks by the chosen game's rules: OpenArena keeps a black code.
    command(menuItemFor(Toggle::CheckGameRules));
    setName("A^0B", 0, 0);
    GT_EXPECT_NO_DIALOG(command(ids::MenuCheckString));
    command(menuItemFor(Toggle::CheckGameRules));
    setName("^7", 0, 0);

    command(menuItemFor(Game::Ioquake3));
    EXPECT_TRUE(window->menus().IsChecked(menuItemFor(Game::Ioquake3)));
    EXPECT_NE(settingsText().find("Game=ioquake3"), std::string::npos);
    EXPECT_EQ(window->previewState().serverName, glimtags::NameText("UnnamedPlayer"));
    setName(std::string(17, 'x'), 0, 0);
    EXPECT_TRUE(window->GetStatusBar()->GetStatusText(1).EndsWith("in Quake III: over 16"));
}
