#include "gui/editor_fixture.h"

#include "gui/dialog_expectations.h"
#include "ui/control_ids.h"
#include "ui/name_box.h"
#include "ui/settings_failure_notice.h"

#include <wx/filedlg.h>
#include <wx/menu.h>
#include <wx/toolbar.h>

#include <fstream>
#include <sstream>

using glimtags::test::EditorFixture;
using glimtags::test::ExpectMessage;
namespace ids = glimtags::ids;

namespace {

std::string fileText(const std::string& path)
{
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// Answers a file dialog and records whether the editor window was on screen then.
class ExpectFileDialogSeeing : public wxExpectModalBase<wxFileDialog, ExpectFileDialogSeeing> {
public:
    ExpectFileDialogSeeing(wxString path, int answer, const wxWeakRef<glimtags::EditorWindow>* window, bool* windowShown)
        : path_(std::move(path)), answer_(answer), window_(window), windowShown_(windowShown)
    {
    }

protected:
    int OnInvoked(wxFileDialog* dialog) const override
    {
        *windowShown_ = *window_ && (*window_)->IsShown();
        dialog->SetPath(path_);
        return answer_;
    }

private:
    wxString path_;
    int answer_;
    const wxWeakRef<glimtags::EditorWindow>* window_;
    bool* windowShown_;
};

class OptionCommandsTest : public EditorFixture {
protected:
    wxMenuBar& menus() { return *window->GetMenuBar(); }
};

} // namespace

TEST_F(OptionCommandsTest, BuiltInTextsWithoutALanguage)
{
    storeSetting("q3Path", home.path().string());
    GT_TEST_DIALOG(startEditor(), wxExpectModal<wxFileDialog>("", wxID_CANCEL));
    EXPECT_EQ(menus().GetMenuLabel(0), "&File");
    EXPECT_EQ(menus().GetMenuLabel(1), "&Options");
    EXPECT_EQ(menus().GetMenuLabel(2), "&Help");
    EXPECT_EQ(menus().GetLabel(ids::MenuMerge), "&Merge Glimtag with q3Config...");
    EXPECT_EQ(menus().GetLabel(ids::MenuStripe), "Enable color &Stripe behind NickName");
    EXPECT_EQ(menus().GetLabel(ids::MenuOnlineCentre), "Quorvant Glimtags &Center OnLine...");
    EXPECT_EQ(window->FindWindow(ids::NameLabel)->GetLabel(), "User/Host Name :");
    EXPECT_EQ(window->settings().Language, "");
    EXPECT_FALSE(menus().IsChecked(ids::MenuStripe));
    for (int checked : {ids::MenuTextCursor, ids::MenuEndsWhite, ids::MenuCharInfo, ids::MenuLimitGuide,
                        ids::MenuAutoCheck})
        EXPECT_TRUE(menus().IsChecked(checked)) << checked;

    // The toolbar's tooltips, with none over a separator.
    wxToolBar* toolBar = window->GetToolBar();
    ASSERT_NE(toolBar, nullptr);
    EXPECT_EQ(toolBar->GetToolShortHelp(ids::ToolMerge), "Merge Glimtag with q3Config...");
    EXPECT_EQ(toolBar->GetToolShortHelp(ids::ToolExit), "Exit");
    EXPECT_EQ(toolBar->GetToolsCount(), 9u);
    EXPECT_TRUE(toolBar->GetToolByPos(5)->IsSeparator());
}

TEST_F(OptionCommandsTest, LocalisedTextsKeepTheirCheckMarks)
{
    storeUsualSettings();
    storeSetting("Language", languageFileWithout("HELP_UPDATE"));
    storeSetting("EnableStripe", 5);
    storeSetting("AutoChecking", 0);
    startEditor();
    EXPECT_EQ(menus().GetMenuLabel(0), "T1");
    EXPECT_EQ(menus().GetLabel(ids::MenuNew), "T4");
    EXPECT_EQ(menus().GetLabel(ids::MenuUpdate).Strip(wxString::both), "") << "a missing key gives an empty text";
    EXPECT_EQ(menus().GetLabel(ids::MenuAbout), "T21");
    EXPECT_EQ(menus().GetLabel(ids::MenuOnlineCentre), "T23");
    EXPECT_EQ(window->FindWindow(ids::NameLabel)->GetLabel(), "T24");
    EXPECT_EQ(window->FindWindow(ids::SpecialCharsGroup)->GetLabel(), "T25");
    EXPECT_TRUE(menus().IsChecked(ids::MenuStripe)) << "a stored 5 counts as on";
    EXPECT_FALSE(menus().IsChecked(ids::MenuAutoCheck));
    // The toolbar stays in English.
    EXPECT_EQ(window->GetToolBar()->GetToolShortHelp(ids::ToolNew), "New Glimtag");
}

TEST_F(OptionCommandsTest, TogglesFlipMarkAndStoreAtOnce)
{
    storeUsualSettings();
    storeSetting("EnableStripe", 5);
    startEditor();
    command(ids::MenuStripe);
    EXPECT_FALSE(menus().IsChecked(ids::MenuStripe));
    EXPECT_NE(fileText(settingsPath()).find("EnableStripe=0"), std::string::npos);
    command(ids::MenuStripe);
    EXPECT_TRUE(menus().IsChecked(ids::MenuStripe));
    EXPECT_NE(fileText(settingsPath()).find("EnableStripe=1"), std::string::npos);

    command(ids::MenuEndsWhite);
    EXPECT_FALSE(window->settings().isOn(glimtags::Toggle::EndColorWhite));
    EXPECT_NE(fileText(settingsPath()).find("EndColorWhite=0"), std::string::npos);
}

TEST_F(OptionCommandsTest, StripeToggleRepaintsThePreview)
{
    storeUsualSettings();
    startEditor();
    setName("WWW", 0, 0);
    const auto stripePixel = [this] { return previewPixel(8, 96); };
    const glimtags::test::Rgb before = stripePixel();
    command(ids::MenuStripe);
    const glimtags::test::Rgb after = stripePixel();
    EXPECT_GT(after.red + after.green + after.blue, before.red + before.green + before.blue + 60)
        << "the grey stripe lightens the dark background";
}

TEST_F(OptionCommandsTest, CheckStringFromMenuAndToolbar)
{
    storeUsualSettings();
    storeSetting("AutoChecking", 0);
    startEditor();
    for (int id : {ids::MenuCheckString, ids::ToolCheckString}) {
        setName(std::string("a\x05") + "b", 0, 0);
        wxString question;
        long style = 0;
        GT_TEST_DIALOG(command(id), ExpectMessage(wxID_YES, &question, &style));
        EXPECT_EQ(boxBytes(), "ab") << id;
        EXPECT_EQ(question, "This character is not allowed in a name.\nDo you want to delete it?");
        EXPECT_TRUE(style & wxICON_WARNING);
        EXPECT_TRUE(style & wxYES_NO);
    }
}

TEST_F(OptionCommandsTest, AutoCheckAsksAfterEveryChange)
{
    storeUsualSettings();
    startEditor();
    GT_TEST_DIALOG(setName(std::string("x\x05") + "y", 0, 0), ExpectMessage(wxID_YES));
    EXPECT_EQ(boxBytes(), "xy");
    // Turning AutoCheck on asks nothing until the next change.
    command(ids::MenuAutoCheck);
    setName(std::string("x\x05") + "y", 0, 0);
    GT_EXPECT_NO_DIALOG(command(ids::MenuAutoCheck));
    GT_TEST_DIALOG(typeText("z"), ExpectMessage(wxID_NO));
}

TEST_F(OptionCommandsTest, ToolbarButtonsRunTheirMenuTwins)
{
    storeUsualSettings();
    startEditor();
    for (int id : {ids::MenuNew, ids::ToolNew}) {
        setName("abc", 3, 3);
        wxString question;
        GT_TEST_DIALOG(command(id), ExpectMessage(wxID_YES, &question));
        EXPECT_EQ(boxBytes(), "") << id;
        EXPECT_EQ(question, "The current name will be deleted.\nDo you want to go on?");
    }
}

TEST_F(OptionCommandsTest, ConfirmedLanguageAtFirstRunEndsTheEditor)
{
    std::filesystem::copy_file(std::filesystem::path(GLIMTAGS_RESOURCES) / "Deutsch.lan", start.path() / "Deutsch.lan");
    // The language chooser comes first; a confirmed language ends the editor before the
    // game path question and without showing the window.
    GT_TEST_DIALOG(EXPECT_TRUE(startEditorExpectingEnd()),
                   wxExpectModal<wxFileDialog>(wxString(fileInStart("Deutsch.lan"))), ExpectMessage(wxID_YES));
    EXPECT_NE(fileText(settingsPath()).find("Language=Deutsch.lan"), std::string::npos);
    EXPECT_EQ(fileText(settingsPath()).find("q3Path"), std::string::npos);
}

TEST_F(OptionCommandsTest, LanguageAnsweredNoKeepsTheOldOne)
{
    storeUsualSettings();
    startEditor();
    GT_TEST_DIALOG(command(ids::MenuLanguage), wxExpectModal<wxFileDialog>(wxString(fileInStart("Other.lan"))),
                   ExpectMessage(wxID_NO));
    EXPECT_FALSE(editorEnded());
    EXPECT_EQ(window->settings().Language, "English.lan");
}

TEST_F(OptionCommandsTest, BadBackgroundAtStartBringsUpTheChooserBeforeTheWindowShows)
{
    storeUsualSettings();
    storeSetting("BackGrnd Image", "missing.tga");
    bool shownDuringChooser = true;
    GT_TEST_DIALOG(startEditor(), ExpectFileDialogSeeing("", wxID_CANCEL, &windowRef, &shownDuringChooser));
    EXPECT_FALSE(shownDuringChooser);
    EXPECT_TRUE(window->IsShown()) << "a cancelled chooser lets the editor go on";
}

TEST_F(OptionCommandsTest, UnloadableBackgroundWhileRunningKeepsTheOldOne)
{
    storeUsualSettings();
    startEditor();
    start.write("broken.tga", "not a picture");
    wxString message;
    GT_TEST_DIALOG(command(ids::MenuSetBackground), wxExpectModal<wxFileDialog>(wxString(fileInStart("broken.tga"))),
                   ExpectMessage(wxID_OK, &message));
    EXPECT_TRUE(message.StartsWith("The background picture cannot be loaded."));
    EXPECT_FALSE(editorEnded()) << "the name being edited is not thrown away";
    EXPECT_EQ(window->settings().BackGrndImage, "BackGrnd.TGA");
    EXPECT_EQ(fileText(settingsPath()).find("BackGrnd Image"), std::string::npos);
}

TEST_F(OptionCommandsTest, NewBackgroundIsStoredAndDrawn)
{
    storeUsualSettings();
    startEditor();
    // A plain white 2 x 2 Targa.
    std::string white(18, '\0');
    white[2] = 2;
    white[12] = 2;
    white[14] = 2;
    white[16] = 24;
    white += std::string(12, '\xff');
    start.write("white.tga", white);
    GT_TEST_DIALOG(command(ids::MenuSetBackground), wxExpectModal<wxFileDialog>(wxString(fileInStart("white.tga"))));
    EXPECT_EQ(window->settings().BackGrndImage, fileInStart("white.tga"));
    EXPECT_NE(fileText(settingsPath()).find("white.tga"), std::string::npos);
    const glimtags::test::Rgb corner = previewPixel(560, 20);
    EXPECT_GT(corner.red, 240);
    EXPECT_GT(corner.blue, 240);
}

TEST_F(OptionCommandsTest, FirstRunAsksLanguageThenGamePathAndStoresNothingWhenBothAreCancelled)
{
    std::filesystem::create_directories(home.path() / ".openarena" / "baseoa");
    const std::string expectedPreset = (home.path() / ".openarena" / "baseoa").string();
    for (int run = 0; run < 2; ++run) {
        std::string preset;
        GT_TEST_DIALOG(startEditor(), wxExpectModal<wxFileDialog>("", wxID_CANCEL),
                       wxExpectModal<glimtags::GamePathDialog>(wxID_CANCEL, std::nullopt, &preset));
        EXPECT_EQ(preset, expectedPreset) << "the existing per-user game folder is offered";
        EXPECT_EQ(window->settings().q3Path, expectedPreset) << "and used for this run";
        EXPECT_EQ(fileText(settingsPath()).find("q3Path"), std::string::npos);
        EXPECT_EQ(fileText(settingsPath()).find("Language"), std::string::npos);
        window->Destroy();
        EXPECT_TRUE(editorEnded());
    }
}

TEST_F(OptionCommandsTest, GamePathConfirmedAtFirstRunIsStored)
{
    storeSetting("Language", "English.lan");
    const std::string chosen = (home.path() / "games" / "baseq3").string();
    GT_TEST_DIALOG(startEditor(), wxExpectModal<glimtags::GamePathDialog>(wxID_OK, chosen), ExpectMessage(wxID_YES));
    EXPECT_TRUE(std::filesystem::is_directory(chosen));
    EXPECT_EQ(window->settings().q3Path, chosen);
    EXPECT_NE(fileText(settingsPath()).find("q3Path=" + chosen), std::string::npos);
}

TEST_F(OptionCommandsTest, GamePathCommandStoresOnOkOnly)
{
    storeUsualSettings();
    startEditor();
    const std::string before = window->settings().q3Path;
    std::string opened;
    GT_TEST_DIALOG(command(ids::MenuGamePath), wxExpectModal<glimtags::GamePathDialog>(wxID_CANCEL, std::nullopt, &opened));
    EXPECT_EQ(opened, before) << "the dialog opens on the current path";
    EXPECT_EQ(window->settings().q3Path, before);

    const std::string other = home.path().string();
    GT_TEST_DIALOG(command(ids::MenuGamePath), wxExpectModal<glimtags::GamePathDialog>(wxID_OK, other));
    EXPECT_EQ(window->settings().q3Path, other);
    EXPECT_NE(fileText(settingsPath()).find("q3Path=" + other + "\n"), std::string::npos);
}

TEST_F(OptionCommandsTest, LanguageOutsideTheStartFolderIsStoredWithItsPath)
{
    storeUsualSettings();
    startEditor();
    const std::string elsewhere = home.write("Mine.lan", fileText(fileInStart("English.lan")));
    GT_TEST_DIALOG(command(ids::MenuLanguage), wxExpectModal<wxFileDialog>(wxString(elsewhere)),
                   ExpectMessage(wxID_YES));
    EXPECT_TRUE(editorEnded());
    EXPECT_NE(fileText(settingsPath()).find("Language=" + elsewhere), std::string::npos);

    // The next start reads the file where it lies; one in the start folder keeps its bare name.
    startEditor();
    EXPECT_EQ(window->settings().Language, elsewhere);
    GT_TEST_DIALOG(command(ids::MenuLanguage), wxExpectModal<wxFileDialog>(wxString(fileInStart("English.lan"))),
                   ExpectMessage(wxID_YES));
    EXPECT_NE(fileText(settingsPath()).find("Language=English.lan\n"), std::string::npos);
}

TEST_F(OptionCommandsTest, UnstorableSettingsAreReportedOnceAndTheFirstRunGoesOn)
{
    // A file where the settings folder should be: no write can succeed, even as root.
    std::filesystem::create_directories(home.path() / ".config");
    home.write(".config/Quorvant", "in the way");
    glimtags::reportSettingsFailuresOnce(*store);
    wxString message;
    GT_TEST_DIALOG(startEditor(), wxExpectModal<wxFileDialog>(wxString(fileInStart("English.lan"))),
                   ExpectMessage(wxID_YES), ExpectMessage(wxID_OK, &message),
                   wxExpectModal<glimtags::GamePathDialog>(wxID_CANCEL));
    EXPECT_FALSE(editorEnded()) << "a language that was not stored must not end the editor";
    EXPECT_TRUE(message.StartsWith("Unable to store the settings in '" + settingsPath() + "'!")) << message;
    GT_EXPECT_NO_DIALOG(command(ids::MenuStripe));
    EXPECT_TRUE(window->settings().isOn(glimtags::Toggle::EnableStripe));
}
