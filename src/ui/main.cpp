#include "ui/glimtags_app.h"

#include <cstdlib>

int main(int argc, char** argv)
{
    // The preview draws through GLX, so GTK must use its X11 backend (XWayland on Wayland).
    setenv("GDK_BACKEND", "x11", 1);
    wxApp::SetInstance(new glimtags::GlimtagsApp);
    return wxEntry(argc, argv);
}
