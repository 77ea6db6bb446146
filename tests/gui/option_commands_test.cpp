#include "gui/editor_fixture.h"

#include "core/data_files.h"
#include "gui/dialog_expectations.h"
#include "ui/control_ids.h"
#include "ui/menu_bar.h"
#include "ui/preview_canvas.h"
#include "ui/settings_failure_notice.h"

#include <wx/menu.h>

#include <filesystem>

using glimtags::GamePathDialog;
using glimtags::test::EditorFixture;
using glimtags::test::ExpectFileDialog;
using glimtags::test::ExpectMessage;
using glimtags::test::FileDialogSeen;
using glimtags::menuItemFor;
using glimtags::Toggle;
namespace ids = glimtags::ids;
namespace fs = std::filesystem;

namespace {

using OptionCommandsTest = EditorFixture;

} // namespace

TEST_F(OptionCommandsTest, TogglesFlipTheirMarkStoreAtOnceAndRepaint)
{
    storeUsualSettings();
    storeSetting("EnableStripe", 5);
    startEditor();
    setName("WWW", 0, 0);
    const auto stripeLightness = [this] {
        const wxImage image = previewOnScreen();
        return image.GetRed(8, 96) + image.GetGreen(8, 96) + image.GetBlue(8, 96);
    };
    const int withStripe = stripeLightness();
    command(menuItemFor(Toggle::EnableStripe));
    EXPECT_FALSE(window->menus().IsChecked(menuItemFor(Toggle::EnableStripe)));
    EXPECT_NE(settingsText().find("EnableStripe=0"), std::string::npos);
    EXPECT_LT(stripeLightness() + 60, withStripe) << "the grey stripe is gone from the preview";
    for (const auto& [option, stored] :
         {std::pair{Toggle::EnableTextCursor, "EnableTextCursor=0\n"}, {Toggle::CharInfo, "CharInfo=0\n"},
          {Toggle::InGameLimit, "InGameLimit=0\n"}, {Toggle::EndColorWhite, "EndColorWhite=0\n"}}) {
        command(menuItemFor(option));
        EXPECT_NE(settingsText().find(stored), std::string::npos) << stored;
    }
}

TEST_F(OptionCommandsTest, CheckStringRunsFromTheMenuAndEveryChange)
{
    storeUsualSettings();
    startEditor();
    GT_TEST_DIALOG(setName(std::string("x\x05") + "y", 0, 0), ExpectMessage(wxID_YES));
    EXPECT_EQ(boxBytes(), "xy") << "AutoCheck asks after a change";
    GT_EXPECT_NO_DIALOG(pressKey('Z', wxMOD_CONTROL));
    EXPECT_EQ(boxBytes(), "x\x05y") << "undoing the deletion does not ask again";
    command(menuItemFor(Toggle::AutoChecking));
    GT_EXPECT_NO_DIALOG(setName(std::string("a\x05") + "b", 0, 0));
    wxString question;
    GT_TEST_DIALOG(command(ids::MenuCheckString), ExpectMessage(wxID_YES, &question));
    EXPECT_EQ(boxBytes(), "ab");
    EXPECT_EQ(question, "This character is not allowed in a name.\nDo you want to delete it?");
    // Turning AutoCheck on asks nothing until the next change.
    setName(std::string("a\x05") + "b", 0, 0);
    GT_EXPECT_NO_DIALOG(command(menuItemFor(Toggle::AutoChecking)));
}

// A deletion of the check is a change of the name, but starts no second check.
TEST_F(OptionCommandsTest, OneCheckAtATime)
{
    storeUsualSettings();
    startEditor();
    GT_TEST_DIALOG(setName(std::string("\x80x\x05") + "y", 0, 0), ExpectMessage(wxID_NO), ExpectMessage(wxID_YES));
    EXPECT_EQ(boxBytes(), "\x80xy");
}

TEST_F(OptionCommandsTest, FirstRunAsksLanguageThenGamePathAndGoesOnInTheLanguageChosen)
{
    fs::create_directories(home.path() / ".openarena" / "baseoa");
    const std::string preset = (home.path() / ".openarena" / "baseoa").string();
    std::string opened;
    // Started elsewhere, the chooser opens where the language files are.
    fs::create_directory(home.path() / "share");
    fs::copy_file(start.file("English.lan"), home.path() / "share" / "English.lan");
    glimtags::setDataFolders({home.file("tmp"), home.file("share")});
    FileDialogSeen seen;
    GT_TEST_DIALOG(startEditor(), ExpectFileDialog("", &seen),
                   wxExpectModal<GamePathDialog>(wxID_CANCEL, std::nullopt, &opened));
    glimtags::setDataFolders({});
    EXPECT_EQ(seen.directory, home.file("share"));
    EXPECT_EQ(opened, preset) << "the existing per-user game folder is offered";
    EXPECT_EQ(window->settings().q3Path, preset) << "and used for this run";
    EXPECT_EQ(settingsText(), "") << "nothing is stored when both are cancelled";
    window->Destroy();
    ASSERT_TRUE(editorEnded());

    fs::copy_file(fs::path(GLIMTAGS_RESOURCES) / "Deutsch.lan", start.path() / "Deutsch.lan");
    wxString pathTitle;
    GT_TEST_DIALOG(startEditor(), ExpectFileDialog(start.file("Deutsch.lan")),
                   wxExpectModal<GamePathDialog>([&](GamePathDialog& dialog) {
                       pathTitle = dialog.GetTitle();
                       return wxID_CANCEL;
                   }));
    EXPECT_FALSE(editorEnded()) << "the first run goes on in the language chosen";
    EXPECT_TRUE(window->IsShown());
    EXPECT_EQ(window->menus().GetMenuLabel(0), "&Datei");
    EXPECT_EQ(pathTitle, "Quake III Arena Baseq3-Pfad");
    EXPECT_NE(settingsText().find("Language=Deutsch.lan"), std::string::npos);
}

TEST_F(OptionCommandsTest, AStoredLanguageFileThatCannotBeReadEndsTheStartAfterItsMessage)
{
    storeUsualSettings();
    storeSetting("Language", "Missing.lan");
    wxString message;
    GT_TEST_DIALOG(startEditor(), ExpectMessage(wxID_OK, &message));
    EXPECT_EQ(message, "Unable to open language file ' Missing.lan'!");
    EXPECT_TRUE(editorEnded());
    EXPECT_EQ(exitStatus, EXIT_FAILURE);
}

TEST_F(OptionCommandsTest, LanguageIsStoredSoThatTheNextStartFindsIt)
{
    storeUsualSettings();
    startEditor();
    GT_TEST_DIALOG(command(ids::MenuLanguage), ExpectFileDialog(start.write("Other.lan", "CREATOR \"me\"")),
                   ExpectMessage(wxID_NO));
    EXPECT_FALSE(editorEnded()) << "No keeps the old language";
    EXPECT_EQ(window->settings().Language, "English.lan");

    const std::string elsewhere = home.write("Mine.lan", "CREATOR \"me\"");
    GT_TEST_DIALOG(command(ids::MenuLanguage), ExpectFileDialog(elsewhere), ExpectMessage(wxID_YES));
    EXPECT_TRUE(editorEnded());
    EXPECT_NE(settingsText().find("Language=" + elsewhere + "\n"), std::string::npos)
        << "a file outside the start folder is stored with its path";
}

TEST_F(OptionCommandsTest, UnstorableSettingsAreReportedOnceAndTheFirstRunGoesOn)
{
    // A file where the settings folder should be: no write can succeed, even as root.
    fs::create_directories(home.path() / ".config");
    home.write(".config/Quorvant", "in the way");
    glimtags::reportSettingsFailuresOnce(*store);
    wxString message;
    GT_TEST_DIALOG(startEditor(), ExpectFileDialog(start.file("English.lan")), ExpectMessage(wxID_OK, &message),
                   wxExpectModal<GamePathDialog>(wxID_CANCEL));
    EXPECT_FALSE(editorEnded());
    EXPECT_EQ(window->settings().Language, "English.lan") << "the language serves this run all the same";
    EXPECT_TRUE(message.StartsWith("Unable to store the settings in '" +
                                   glimtags::platform::SettingsFile::userSettingsPath() + "'!"))
        << message;
    GT_EXPECT_NO_DIALOG(command(menuItemFor(Toggle::EnableStripe)));
    EXPECT_TRUE(window->settings().isOn(glimtags::Toggle::EnableStripe)) << "the option holds for this run";
}

TEST_F(OptionCommandsTest, GamePathIsAskedWithTheCurrentOneAndStoredOnOk)
{
    storeUsualSettings();
    startEditor();
    std::string opened;
    GT_TEST_DIALOG(command(ids::MenuGamePath), wxExpectModal<GamePathDialog>(wxID_CANCEL, std::nullopt, &opened));
    EXPECT_EQ(opened, gameFolder());
    const std::string other = home.path().string();
    GT_TEST_DIALOG(command(ids::MenuGamePath), wxExpectModal<GamePathDialog>(wxID_OK, other));
    EXPECT_EQ(window->settings().q3Path, other);
    EXPECT_NE(settingsText().find("q3Path=" + other + "\n"), std::string::npos);
}

TEST_F(OptionCommandsTest, BackgroundThatCannotLoadAtStartBringsUpTheChooserFirst)
{
    storeUsualSettings();
    storeSetting("BackGrnd Image", "missing.tga");
    FileDialogSeen chooser;
    GT_TEST_DIALOG(startEditor(), ExpectFileDialog("", &chooser));
    EXPECT_FALSE(chooser.otherWindowShown) << "the chooser comes before the window";
    EXPECT_TRUE(window->IsShown()) << "a cancelled chooser lets the editor go on";
    setName("ab", 1, 1);
    const wxImage preview = previewOnScreen();
    int lit = 0;
    for (int y = 180; y < 195; ++y)
        for (int x = 10; x < 60; ++x)
            lit += preview.GetRed(x, y) > 200 && preview.GetGreen(x, y) > 200 && preview.GetBlue(x, y) > 200;
    EXPECT_GT(lit, 20) << "the label \"Current\" does not depend on the background";
    EXPECT_LT(preview.GetRed(560, 20) + preview.GetBlue(560, 20), 480) << "no white sheet hides the white text";
    window->Destroy();
    ASSERT_TRUE(editorEnded());

    start.write("broken.tga", "not a picture");
    GT_TEST_DIALOG(startEditor(), ExpectFileDialog(start.file("broken.tga")), ExpectMessage(wxID_OK));
    EXPECT_TRUE(editorEnded()) << "a chosen picture that fails too ends the editor";
    EXPECT_EQ(settingsText().find("broken.tga"), std::string::npos) << "and is not kept for the next start";

    start.write("white.tga", plainPicture(255, 255, 255));
    GT_TEST_DIALOG(startEditor(), ExpectFileDialog(start.file("white.tga")));
    EXPECT_NE(settingsText().find("Image=" + start.file("white.tga") + "\n"), std::string::npos);
    EXPECT_GT(previewOnScreen().GetRed(560, 20), 240) << "a picture that loads is drawn and kept";
}

TEST_F(OptionCommandsTest, BackgroundWhileRunningIsDrawnOrRefused)
{
    storeUsualSettings();
    startEditor();
    start.write("broken.tga", "not a picture");
    wxString message;
    GT_TEST_DIALOG(command(ids::MenuSetBackground), ExpectFileDialog(start.file("broken.tga")),
                   ExpectMessage(wxID_OK, &message));
    EXPECT_TRUE(message.StartsWith("The background picture cannot be loaded."));
    EXPECT_FALSE(editorEnded()) << "the name being edited is not thrown away";
    EXPECT_EQ(settingsText().find("BackGrnd Image"), std::string::npos);

    start.write("white.tga", plainPicture(255, 255, 255));
    GT_TEST_DIALOG(command(ids::MenuSetBackground), ExpectFileDialog(start.file("white.tga")));
    EXPECT_NE(settingsText().find("Image=" + start.file("white.tga") + "\n"), std::string::npos);
    const wxImage preview = previewOnScreen();
    EXPECT_GT(preview.GetRed(560, 20) + preview.GetBlue(560, 20), 480);
}
