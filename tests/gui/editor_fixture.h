#pragma once

#include "gui/gui_harness.h"
#include "platform/desktop.h"
#include "platform/settings_file.h"
#include "support/temp_dir.h"
#include "ui/editor_window.h"
#include "ui/name_box.h"

#include <wx/image.h>
#include <wx/weakref.h>

#include <memory>
#include <string>

namespace glimtags::test {

// A real editor window over a fresh home folder and a fresh start directory that
// holds the shipped language file, font sheet and background.
class EditorFixture : public ::testing::Test {
protected:
    EditorFixture();
    ~EditorFixture() override;

    // Settings written before the window starts.
    void storeSetting(const std::string& key, int value) { store->writeInteger(key, value); }
    void storeSetting(const std::string& key, const std::string& value) { store->writeText(key, value); }
    // Settings that spare the first-run questions, the game folder in the home.
    void storeUsualSettings();
    // Starts the editor as the program does.
    void startEditor();
    // Ends the editor and starts it again with the settings stored since.
    void restartEditor();
    // True when the window has been destroyed, as after Exit.
    bool editorEnded();
    // Runs a menu or toolbar command as a click on it would.
    void command(int id);

    // "Keys.lan" in the start directory: the English file with every value replaced by its
    // key, so that each text shows which key reached it.
    std::string keyNamedLanguageFile();

    // Real input through the X server, into the name box.
    void typeText(const std::string& text);
    void pressKey(int keyCode, int modifiers = 0);
    void clickAt(wxWindow* window, wxPoint point);
    void clickControl(int id);
    // A click into the name box's text that leaves the caret at the position.
    void clickInBoxAt(int position);

    std::string boxBytes() const { return window->nameBox().boxBytes(); }
    int caret() const { return window->nameBox().selectionStart(); }
    void setName(const std::string& bytes, int selectionStart, int selectionEnd);

    // The preview freshly painted, as the X server shows it.
    wxImage previewOnScreen();
    std::string settingsText() const;
    std::string gameFolder() const { return (home.path() / "baseq3").string(); }

    TempDir home;
    TempDir start;
    std::unique_ptr<WorkingDirectory> inStart;
    std::unique_ptr<platform::SettingsFile> store;
    EditorWindow* window = nullptr;
    wxWeakRef<EditorWindow> windowRef;
    // Of a start that brought up no window.
    int exitStatus = 0;
    int beeps = 0;
    // What the window asks of the desktop: its beeps are counted.
    platform::Desktop desktop{.beep = [this] { ++beeps; }};

    // The usual settings without the automatic check, then the editor.
    void startUsualEditor();
    // The game's font sheet as a loose file of the game folder.
    void putGameSheet(const std::string& bytes);
    // A sheet of opaque white: every glyph a solid square that fills its cell.
    static std::string solidSheet(int width = 256, int height = 256);
    // A TGA picture of 2 x 2 pixels in one colour.
    static std::string plainPicture(unsigned char red, unsigned char green, unsigned char blue);
};

} // namespace glimtags::test
