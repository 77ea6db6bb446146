#include "gui/editor_fixture.h"

#include "core/regular_file.h"
#include "support/tga_bytes.h"
#include "ui/editor_start.h"
#include "ui/preview_canvas.h"

#include <wx/uiaction.h>

#include <cstdlib>
#include <filesystem>
#include <regex>

namespace glimtags::test {

EditorFixture::EditorFixture()
{
    setenv("HOME", home.path().c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home.path() / ".config").c_str(), 1);
    for (const char* name : {"English.lan", "Font.TGA", "BackGrnd.TGA"})
        std::filesystem::copy_file(std::filesystem::path(GLIMTAGS_RESOURCES) / name, start.path() / name);
    inStart = std::make_unique<WorkingDirectory>(start.path());
    store = std::make_unique<platform::SettingsFile>(platform::SettingsFile::userSettingsPath());
}

EditorFixture::~EditorFixture()
{
    if (windowRef)
        windowRef->Destroy();
    runEventsFor(20);
}

std::string EditorFixture::settingsText() const
{
    return readTextFile(platform::SettingsFile::userSettingsPath()).value_or("");
}

void EditorFixture::storeUsualSettings()
{
    storeSetting("Language", "English.lan");
    std::filesystem::create_directories(gameFolder());
    storeSetting("q3Path", gameFolder());
}

void EditorFixture::startEditor()
{
    const EditorStart started = glimtags::startEditor(*store, desktop);
    window = started.window;
    windowRef = window;
    exitStatus = started.exitStatus;
    if (editorEnded())
        return;
    ASSERT_TRUE(waitFor([this] { return window->IsShownOnScreen() && window->previewCanvas()->sceneStarted(); }));
    runEventsFor(100);
    // No window manager: the keyboard follows the pointer.
    const wxRect box = window->nameBox().GetScreenRect();
    wxUIActionSimulator().MouseMove(box.GetRight() - 4, box.GetTop() + 6);
    window->nameBox().SetFocus();
    runEventsFor(50);
}

void EditorFixture::restartEditor()
{
    window->Destroy();
    ASSERT_TRUE(editorEnded());
    startEditor();
}

bool EditorFixture::editorEnded()
{
    runEventsFor(10);
    return !windowRef;
}

void EditorFixture::command(int id)
{
    wxCommandEvent event(wxEVT_MENU, id);
    event.SetEventObject(window);
    window->ProcessWindowEvent(event);
    runEventsFor(20);
}

std::string EditorFixture::keyNamedLanguageFile()
{
    const std::string english = readTextFile(start.file("English.lan")).value();
    start.write("Keys.lan", std::regex_replace(english, std::regex("(^|\\n)([A-Z0-9_]+) \"[^\"]*\""), "$1$2 \"$2\""));
    return "Keys.lan";
}

void EditorFixture::typeText(const std::string& text)
{
    wxUIActionSimulator simulator;
    for (const char character : text) {
        // The simulator does not find the shifted key of a caret on its own.
        if (character == '^')
            simulator.Char('6', wxMOD_SHIFT);
        else
            simulator.Char(static_cast<unsigned char>(character));
        runEventsFor(10);
    }
    runEventsFor(50);
}

void EditorFixture::pressKey(int keyCode, int modifiers)
{
    wxUIActionSimulator().Char(keyCode, modifiers);
    runEventsFor(60);
}

void EditorFixture::clickAt(wxWindow* target, wxPoint point)
{
    wxUIActionSimulator simulator;
    simulator.MouseMove(target->ClientToScreen(point));
    runEventsFor(30);
    simulator.MouseClick();
    runEventsFor(80);
}

void EditorFixture::clickControl(int id)
{
    wxWindow* control = window->FindWindow(id);
    ASSERT_NE(control, nullptr) << id;
    clickAt(control, centreOf(control));
}

void EditorFixture::clickInBoxAt(int position)
{
    NameBox& box = window->nameBox();
    const int y = box.GetClientSize().y / 2;
    long hit = 0;
    for (int x = 0; x < box.GetClientSize().x; ++x)
        if (box.HitTest(wxPoint(x, y), &hit) != wxTE_HT_UNKNOWN && hit == position)
            return clickAt(&box, wxPoint(x + 1, y));
    ADD_FAILURE() << "no point of the box at position " << position;
}

void EditorFixture::setName(const std::string& bytes, int selectionStart, int selectionEnd)
{
    window->nameBox().setText(NameText(bytes));
    window->nameBox().setSelection(selectionStart, selectionEnd);
    runEventsFor(20);
}

wxImage EditorFixture::previewOnScreen()
{
    return screenImage(window->previewCanvas());
}

void EditorFixture::startUsualEditor()
{
    storeUsualSettings();
    storeSetting("AutoChecking", 0);
    startEditor();
}

void EditorFixture::putGameSheet(const std::string& bytes)
{
    home.write("baseq3/gfx/2d/bigchars.tga", bytes);
}

std::string EditorFixture::solidSheet(int width, int height)
{
    return tga({.width = width, .height = height}, std::vector<unsigned char>(std::size_t(width) * height * 4, 0xff));
}

std::string EditorFixture::plainPicture(unsigned char red, unsigned char green, unsigned char blue)
{
    std::vector<unsigned char> pixels;
    for (int i = 0; i < 4; ++i)
        pixels.insert(pixels.end(), {blue, green, red}); // stored blue first
    return tga({.width = 2, .height = 2, .depth = 24}, pixels);
}

} // namespace glimtags::test
