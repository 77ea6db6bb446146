#include "core/app_settings.h"

#include <wx/app.h>
#include <wx/frame.h>
#include <wx/stattext.h>

#include <cstdlib>

namespace {

// Stands in for the editor window until it is built.
class PlaceholderApp : public wxApp {
public:
    bool OnInit() override
    {
        auto* frame = new wxFrame(nullptr, wxID_ANY, "Quorvant Glimtags Editor v1.7");
        new wxStaticText(frame, wxID_ANY, "The editor window is not built yet; this build has its name core only.");
        frame->Show();
        return true;
    }
};

} // namespace

int main(int argc, char** argv)
{
    // The preview draws through GLX, so GTK must use its X11 backend (XWayland on Wayland).
    setenv("GDK_BACKEND", "x11", 1);
    wxApp::SetInstance(new PlaceholderApp);
    return wxEntry(argc, argv);
}
