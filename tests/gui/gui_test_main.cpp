#include "gui/gui_harness.h"
#include "support/temp_dir.h"

#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/image.h>
#include <wx/stopwatch.h>
#include <wx/utils.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <atomic>
#include <cstdlib>
#include <iostream>
#include <string>

namespace glimtags::test {

void runEventsFor(int milliseconds)
{
    const wxStopWatch watch;
    while (watch.Time() < milliseconds) {
        wxTheApp->Yield(true);
        wxMilliSleep(5);
    }
}

bool waitFor(const std::function<bool()>& condition, int milliseconds)
{
    const wxStopWatch watch;
    while (!condition()) {
        if (watch.Time() > milliseconds)
            return false;
        wxTheApp->Yield(true);
        wxMilliSleep(5);
    }
    return true;
}

wxImage screenImage(wxWindow* window)
{
    window->Refresh(false);
    window->Update();
    runEventsFor(50);
    const wxRect rect = window->GetScreenRect();
    Display* display = static_cast<Display*>(wxGetDisplay());
    XImage* shot = XGetImage(display, DefaultRootWindow(display), rect.x, rect.y, static_cast<unsigned>(rect.width),
                             static_cast<unsigned>(rect.height), AllPlanes, ZPixmap);
    wxImage image(rect.width, rect.height);
    for (int y = 0; y < rect.height; ++y)
        for (int x = 0; x < rect.width; ++x) {
            const unsigned long pixel = XGetPixel(shot, x, y);
            image.SetRGB(x, y, (pixel >> 16) & 0xff, (pixel >> 8) & 0xff, pixel & 0xff);
        }
    XDestroyImage(shot);
    return image;
}

void expectNothingClipped(wxWindow& window)
{
    const wxRect client(window.GetClientSize());
    const wxWindowList& children = window.GetChildren();
    for (wxWindow* child : children) {
        const wxRect rect = child->GetRect();
        SCOPED_TRACE(child->GetLabel().utf8_string());
        EXPECT_TRUE(client.Contains(rect));
        EXPECT_GE(rect.width, child->GetBestSize().x);
        EXPECT_GE(rect.height, child->GetBestSize().y);
        for (wxWindow* other : children)
            EXPECT_TRUE(other == child || !rect.Intersects(other->GetRect())) << "overlaps " << other->GetLabel();
    }
}

} // namespace glimtags::test

namespace {

// No wx assertion may pass unseen: one fails the test that raised it, and one raised while
// no test runs (as wx starts or ends, or between tests) fails the whole run.
std::atomic<bool> assertedOutsideTests = false;

void failOnAssertion(const wxString& file, int line, const wxString& function, const wxString& condition,
                     const wxString& message)
{
    const std::string text = "wx assertion " + condition.utf8_string() + " " + message.utf8_string() + " at " +
                             file.utf8_string() + ":" + std::to_string(line) + " in " + function.utf8_string();
    if (::testing::UnitTest::GetInstance()->current_test_info()) {
        ADD_FAILURE() << text;
        return;
    }
    assertedOutsideTests = true;
    std::cerr << text << " while no test ran\n";
}

// Runs the whole suite from the first idle event, inside the real main loop.
class TestApp : public wxApp {
public:
    bool OnInit() override
    {
        wxInitAllImageHandlers();
        CallAfter([this] {
            result_ = RUN_ALL_TESTS();
            ExitMainLoop();
        });
        return true;
    }
    int OnRun() override
    {
        wxApp::OnRun();
        return result_;
    }
    bool OnExceptionInMainLoop() override { throw; }

private:
    int result_ = 1;
};

} // namespace

wxIMPLEMENT_APP_NO_MAIN(TestApp);

int main(int argc, char** argv)
{
    setenv("GDK_BACKEND", "x11", 1);
    // GTK reads its data folder once; each test has a home of its own, so GTK gets one
    // folder for the whole run.
    const glimtags::test::TempDir gtkData;
    setenv("XDG_DATA_HOME", gtkData.path().c_str(), 1);
    ::testing::InitGoogleTest(&argc, argv);
    wxSetAssertHandler(failOnAssertion);
    const int result = wxEntry(argc, argv);
    return assertedOutsideTests ? 1 : result;
}
