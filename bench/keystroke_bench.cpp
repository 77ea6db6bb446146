// One keystroke in the real editor window under an X server: the name box's change
// handling with AutoCheck on, then a synchronous paint of the preview.
// Run: xvfb-run -a -s "-screen 0 1280x1024x24" <build>/bench/keystroke_bench
#include "core/app_settings.h"
#include "platform/settings_file.h"
#include "ui/editor_start.h"
#include "ui/editor_window.h"
#include "ui/name_box.h"
#include "ui/preview_canvas.h"

#include <GL/gl.h>
#include <benchmark/benchmark.h>
#include <wx/app.h>
#include <wx/image.h>
#include <wx/stopwatch.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

namespace {

namespace fs = std::filesystem;
using glimtags::EditorWindow;

// A fresh home whose settings spare the first-run questions and turn on every option the
// preview draws, and a start directory with the shipped language file and pictures.
class Session {
public:
    Session()
        : root_(makeRoot())
    {
        setenv("HOME", root_.c_str(), 1);
        setenv("XDG_CONFIG_HOME", (root_ / ".config").c_str(), 1);
        fs::create_directories(root_ / "baseq3");
        fs::create_directories(root_ / "start");
        for (const char* name : {"English.lan", "Font.TGA", "BackGrnd.TGA"})
            fs::copy_file(fs::path(GLIMTAGS_RESOURCES) / name, root_ / "start" / name);
        fs::current_path(root_ / "start");
        store_ = std::make_unique<glimtags::platform::SettingsFile>(
            glimtags::platform::SettingsFile::userSettingsPath());
        store_->writeText(glimtags::settings_key::Language, "English.lan");
        store_->writeText(glimtags::settings_key::q3Path, (root_ / "baseq3").string());
        for (const glimtags::Toggle toggle : {glimtags::Toggle::AutoChecking, glimtags::Toggle::EnableStripe,
                                              glimtags::Toggle::EnableTextCursor, glimtags::Toggle::CharInfo,
                                              glimtags::Toggle::InGameLimit})
            store_->writeInteger(glimtags::settingsKey(toggle), 1);
    }
    ~Session()
    {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    glimtags::SettingsStore& store() { return *store_; }

private:
    static fs::path makeRoot()
    {
        std::string pattern = (fs::temp_directory_path() / "glimtags-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("mkdtemp failed");
        return pattern;
    }

    fs::path root_;
    std::unique_ptr<glimtags::platform::SettingsFile> store_;
};

EditorWindow* window = nullptr;

void runPendingEvents()
{
    while (wxTheApp->Pending())
        wxTheApp->Dispatch();
    wxTheApp->ProcessIdle();
}

// Letters each after a colour code of its own, with nothing the string check asks about.
std::string colouredName(std::size_t bytes)
{
    std::string name;
    for (std::size_t i = 0; name.size() < bytes; ++i) {
        name += '^';
        name += static_cast<char>('1' + i % 7);
        name += static_cast<char>('a' + i % 26);
    }
    name.resize(bytes);
    if (name.back() == '^')
        name.back() = 'z';
    return name;
}

// Each iteration is one keystroke: a letter typed at the end of the name, or the
// Backspace that takes it away again, each followed by the paint it asks for unless
// only the change handling is measured.
void keystroke(benchmark::State& state, std::size_t typedLength, bool paint)
{
    glimtags::NameBox& box = window->nameBox();
    box.setText(glimtags::NameText(colouredName(typedLength - 1)));
    runPendingEvents();
    const long end = static_cast<long>(typedLength) - 1;
    bool typed = false;
    for (auto _ : state) {
        if (typed)
            box.Remove(end, end + 1);
        else {
            box.SetInsertionPoint(end);
            box.WriteText("x");
        }
        typed = !typed;
        if (paint) {
            window->previewCanvas()->Update();
            glFinish();
        }
    }
    if (window->nameBox().boxBytes().size() + (typed ? 0 : 1) != typedLength)
        state.SkipWithError("the keystrokes did not reach the name box");
}

// The longest name the box holds; the preview shows the name-too-long notice instead.
BENCHMARK_CAPTURE(keystroke, name_255_bytes, 255, true)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK_CAPTURE(keystroke, name_255_bytes_change_only, 255, false)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
// The longest name the editor saves and draws glyph by glyph: 35 coloured letters.
BENCHMARK_CAPTURE(keystroke, name_105_bytes, 105, true)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK_CAPTURE(keystroke, name_105_bytes_change_only, 105, false)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

class BenchApp : public wxApp {
public:
    bool OnInit() override
    {
        wxInitAllImageHandlers();
        session_ = std::make_unique<Session>();
        window = glimtags::startEditor(session_->store()).window;
        if (!window)
            return false;
        CallAfter([this] { run(); });
        return true;
    }
    int OnExit() override
    {
        session_.reset();
        return wxApp::OnExit();
    }

private:
    void run()
    {
        const wxStopWatch watch;
        while (!(window->IsShownOnScreen() && window->previewCanvas()->sceneStarted()) && watch.Time() < 10000)
            runPendingEvents();
        if (window->previewCanvas()->sceneStarted())
            benchmark::RunSpecifiedBenchmarks();
        window->Destroy();
        ExitMainLoop();
    }

    std::unique_ptr<Session> session_;
};

} // namespace

wxIMPLEMENT_APP_NO_MAIN(BenchApp);

int main(int argc, char** argv)
{
    setenv("GDK_BACKEND", "x11", 1);
    benchmark::Initialize(&argc, argv);
    return wxEntry(argc, argv);
}
