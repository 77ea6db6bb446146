// The least a program like the editor does before its first frame: wx and GTK started,
// one frame with a 576 x 228 OpenGL canvas, one frame drawn and swapped. Its start time
// is the floor under the editor's own (bench/startup-time measures both).
#include <GL/gl.h>
#include <wx/frame.h>
#include <wx/glcanvas.h>
#include <wx/wx.h>

#include <cstdlib>

namespace {

class FloorCanvas : public wxGLCanvas {
public:
    FloorCanvas(wxWindow* parent, const wxGLAttributes& attributes)
        : wxGLCanvas(parent, attributes, wxID_ANY, wxDefaultPosition, wxSize(576, 228))
        , context_(this)
    {
        Bind(wxEVT_PAINT, [this](wxPaintEvent&) {
            const wxPaintDC dc(this);
            SetCurrent(context_);
            glViewport(0, 0, 576, 228);
            glClearColor(0.1f, 0.2f, 0.3f, 1.0f);
            glClear(GL_COLOR_BUFFER_BIT);
            glBegin(GL_TRIANGLES);
            glColor3f(1.0f, 0.0f, 0.0f);
            glVertex2f(-1.0f, -1.0f);
            glColor3f(0.0f, 1.0f, 0.0f);
            glVertex2f(1.0f, -1.0f);
            glColor3f(0.0f, 0.0f, 1.0f);
            glVertex2f(0.0f, 1.0f);
            glEnd();
            SwapBuffers();
        });
    }

private:
    wxGLContext context_;
};

class FloorApp : public wxApp {
public:
    bool OnInit() override
    {
        auto* frame = new wxFrame(nullptr, wxID_ANY, "start floor");
        wxGLAttributes attributes;
        attributes.PlatformDefaults().RGBA().DoubleBuffer().Depth(24).EndList();
        new FloorCanvas(frame, attributes);
        frame->SetClientSize(576, 228);
        frame->Show();
        return true;
    }
};

} // namespace

wxIMPLEMENT_APP_NO_MAIN(FloorApp);

int main(int argc, char** argv)
{
    setenv("GDK_BACKEND", "x11", 1);
    return wxEntry(argc, argv);
}
