#include "platform/assertion_log.h"
#include "platform/command_line.h"
#include "platform/x_display.h"
#include "ui/glimtags_app.h"
#include "ui/picture_command_line.h"

#include <wx/init.h>

#include <cstdio>
#include <cstdlib>

wxIMPLEMENT_APP_NO_MAIN(glimtags::GlimtagsApp);

int main(int argc, char** argv)
{
    const glimtags::platform::StartRequest request = glimtags::platform::readCommandLine(argc, argv, stdout, stderr);
    if (request.exitStatus)
        return *request.exitStatus;
    // The picture is drawn without OpenGL, so it needs no display: wx starts without its
    // GUI, for its paths and its PNG encoder.
    if (request.picture) {
        wxApp::SetInstance(new wxAppConsole);
        const wxInitializer wx;
        return wx.IsOk() ? glimtags::writeRequestedPicture(*request.picture, stderr) : EXIT_FAILURE;
    }
    // The preview draws through GLX, so GTK must use its X11 backend (XWayland on Wayland).
    setenv("GDK_BACKEND", "x11", 1);
    if (!glimtags::platform::xDisplayOpens()) {
        std::fputs("glimtags: no X display can be opened (is DISPLAY set?); the editor needs an X display, "
                   "or XWayland on Wayland\n",
                   stderr);
        return EXIT_FAILURE;
    }
    glimtags::platform::logAssertionsInsteadOfDialogs();
    glimtags::GlimtagsApp::openAtStart(request.script);
    // The command line is read; wx is given only the program's name, so that it does not
    // read a file name again in an encoding it may not take.
    int wxArgc = 1;
    return wxEntry(wxArgc, argv);
}
