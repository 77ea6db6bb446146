#include "gui/editor_fixture.h"

#include "core/language_table.h"
#include "core/regular_file.h"
#include "platform/beep.h"
#include "ui/preview_canvas.h"

#include <wx/utils.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <wx/uiaction.h>

#include <cstdlib>
#include <filesystem>

namespace glimtags::test {

EditorFixture::EditorFixture()
{
    setenv("HOME", home.path().c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home.path() / ".config").c_str(), 1);
    for (const char* name : {"English.lan", "Font.TGA", "BackGrnd.TGA"})
        std::filesystem::copy_file(std::filesystem::path(GLIMTAGS_RESOURCES) / name, start.path() / name);
    inStart = std::make_unique<WorkingDirectory>(start.path());
    store = std::make_unique<platform::SettingsFile>(settingsPath());
    platform::setBeepObserver([this] { ++beeps; });
}

EditorFixture::~EditorFixture()
{
    if (windowRef)
        windowRef->Destroy();
    runEventsFor(20);
    platform::setBeepObserver(nullptr);
}

std::string EditorFixture::settingsPath() const
{
    return (home.path() / ".config" / "Quorvant" / "GLiMTaGS EDiToR.conf").string();
}

void EditorFixture::storeSetting(const std::string& key, int value) { store->writeInteger(key, value); }

void EditorFixture::storeSetting(const std::string& key, const std::string& value) { store->writeText(key, value); }

void EditorFixture::storeUsualSettings()
{
    storeSetting("Language", "English.lan");
    std::filesystem::create_directories(home.path() / "baseq3");
    storeSetting("q3Path", (home.path() / "baseq3").string());
}

bool EditorFixture::startEditorExpectingEnd()
{
    window = new EditorWindow(*store);
    windowRef = window;
    window->start();
    return waitFor([this] { return editorEnded(); });
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

std::string EditorFixture::languageFileWithout(const std::string& missingKey)
{
    const std::string english = *readTextFile(fileInStart("English.lan"));
    std::string result;
    int index = 0;
    for (std::size_t at = 0; at < english.size();) {
        std::size_t end = english.find('\n', at);
        end = end == std::string::npos ? english.size() : end + 1;
        const std::string line = english.substr(at, end - at);
        at = end;
        const std::size_t space = line.find(" \"");
        if (space == std::string::npos || line.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_") != space)
            continue;
        const std::string key = line.substr(0, space);
        if (key != missingKey)
            result += key + " \"T" + std::to_string(index) + "\"\n";
        ++index;
    }
    start.write("Test.lan", result);
    return "Test.lan";
}

void EditorFixture::startEditor()
{
    window = new EditorWindow(*store);
    windowRef = window;
    window->start();
    ASSERT_TRUE(waitFor([this] { return window->IsShownOnScreen() && window->previewReady(); }));
    runEventsFor(100);
    // No window manager: the keyboard follows the pointer.
    wxUIActionSimulator().MouseMove(window->nameBox().GetScreenRect().GetRight() - 4,
                                    window->nameBox().GetScreenRect().GetTop() + 6);
    window->nameBox().SetFocus();
    runEventsFor(50);
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

void EditorFixture::clickBetweenCharacters(int position)
{
    NameBox& box = window->nameBox();
    // The point on the box's text that lies closest to the given position.
    const int y = box.GetClientSize().y / 2;
    for (int x = 0; x < box.GetClientSize().x; ++x) {
        long hit = 0;
        if (box.HitTest(wxPoint(x, y), &hit) != wxTE_HT_UNKNOWN && hit == position) {
            clickAt(&box, wxPoint(x + 1, y));
            return;
        }
    }
    ADD_FAILURE() << "no point of the box lies at position " << position;
}

void EditorFixture::setName(const std::string& bytes, int selectionStart, int selectionEnd)
{
    window->replaceName(NameText(bytes));
    window->nameBox().setSelection(selectionStart, selectionEnd);
    runEventsFor(20);
}

wxImage EditorFixture::previewOnScreen()
{
    PreviewCanvas* canvas = window->previewCanvas();
    canvas->Refresh(false);
    canvas->Update();
    runEventsFor(50);
    // What the X server shows in the preview's window, as a person would see it.
    Display* display = static_cast<Display*>(wxGetDisplay());
    const wxSize size = canvas->GetClientSize();
    XImage* shot = XGetImage(display, canvas->GetXWindow(), 0, 0, static_cast<unsigned>(size.x),
                             static_cast<unsigned>(size.y), AllPlanes, ZPixmap);
    wxImage image(size.x, size.y);
    for (int y = 0; y < size.y; ++y)
        for (int x = 0; x < size.x; ++x) {
            const unsigned long pixel = XGetPixel(shot, x, y);
            image.SetRGB(x, y, (pixel >> 16) & 0xff, (pixel >> 8) & 0xff, pixel & 0xff);
        }
    XDestroyImage(shot);
    return image;
}

Rgb EditorFixture::previewPixel(int x, int y)
{
    const wxImage image = previewOnScreen();
    return {image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y)};
}

} // namespace glimtags::test
