#pragma once

#include "gui/gui_harness.h"
#include "platform/settings_file.h"
#include "support/temp_dir.h"
#include "ui/editor_window.h"
#include "ui/name_box.h"

#include <wx/image.h>
#include <wx/weakref.h>

#include <memory>
#include <string>
#include <vector>

namespace glimtags::test {

struct Rgb {
    int red, green, blue;
};

// A real editor window over a fresh home folder and a fresh start directory that
// holds the shipped language file, font sheet and background.
class EditorFixture : public ::testing::Test {
protected:
    EditorFixture();
    ~EditorFixture() override;

    // Settings written before the window starts.
    void storeSetting(const std::string& key, int value);
    void storeSetting(const std::string& key, const std::string& value);
    // Settings that spare the first-run questions.
    void storeUsualSettings();
    void startEditor();
    // Starts the editor when start-up is expected to end it; true when it ended.
    bool startEditorExpectingEnd();
    // True when the window has been destroyed, as after Exit.
    bool editorEnded();
    // Runs a menu or toolbar command as a click on it would.
    void command(int id);
    // Writes the start directory's language file with values of our own.
    std::string languageFileWithout(const std::string& missingKey);

    // Real input through the X server, into the name box.
    void typeText(const std::string& text);
    void pressKey(int keyCode, int modifiers = 0);
    void clickAt(wxWindow* window, wxPoint point);
    void clickBetweenCharacters(int position);

    std::string boxBytes() const { return window->nameBox().boxBytes(); }
    int caret() const { return window->nameBox().selectionStart(); }
    void setName(const std::string& bytes, int selectionStart, int selectionEnd);

    // The preview freshly painted, as the screen shows it.
    wxImage previewOnScreen();
    Rgb previewPixel(int x, int y);

    std::string settingsPath() const;
    std::string fileInStart(const std::string& name) const { return start.file(name); }

    TempDir home;
    TempDir start;
    std::unique_ptr<WorkingDirectory> inStart;
    std::unique_ptr<platform::SettingsFile> store;
    EditorWindow* window = nullptr;
    wxWeakRef<EditorWindow> windowRef;
    int beeps = 0;
};

} // namespace glimtags::test
