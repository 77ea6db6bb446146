// Starts a program and prints the milliseconds from its start until its preview window
// (576 x 228) first shows a picture on the X server, then ends it.
// Usage, in the program's start directory under an X server: first_frame_probe PROGRAM
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <thread>

namespace {

constexpr int kPreviewWidth = 576;
constexpr int kPreviewHeight = 228;
constexpr auto kGiveUpAfter = std::chrono::seconds(30);

// Windows come and go while the program starts; a vanished one is simply not found.
int ignoreErrors(Display*, XErrorEvent*)
{
    return 0;
}

Window findPreview(Display* display, Window window)
{
    XWindowAttributes attributes;
    if (XGetWindowAttributes(display, window, &attributes) && attributes.map_state == IsViewable &&
        attributes.width == kPreviewWidth && attributes.height == kPreviewHeight)
        return window;
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display, window, &root, &parent, &children, &count))
        return 0;
    Window found = 0;
    for (unsigned i = 0; i < count && !found; ++i)
        found = findPreview(display, children[i]);
    if (children)
        XFree(children);
    return found;
}

// A window that is still one flat colour has not been drawn into yet.
bool showsPicture(Display* display, Window preview)
{
    XImage* image = XGetImage(display, preview, 0, 0, kPreviewWidth, kPreviewHeight, AllPlanes, ZPixmap);
    if (!image)
        return false;
    const unsigned long first = XGetPixel(image, 0, 0);
    bool varied = false;
    for (int y = 0; y < kPreviewHeight && !varied; y += 3)
        for (int x = 0; x < kPreviewWidth && !varied; x += 3)
            varied = XGetPixel(image, x, y) != first;
    XDestroyImage(image);
    return varied;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s PROGRAM\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X server\n");
        return 2;
    }
    XSetErrorHandler(ignoreErrors);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execl(argv[1], argv[1], static_cast<char*>(nullptr));
        _exit(127);
    }
    int result = 1;
    while (std::chrono::steady_clock::now() - start < kGiveUpAfter) {
        if (waitpid(child, nullptr, WNOHANG) == child) {
            std::fprintf(stderr, "the program ended before its first frame\n");
            return 1;
        }
        const Window preview = findPreview(display, DefaultRootWindow(display));
        if (preview && showsPicture(display, preview)) {
            const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
            std::printf("%.1f\n", elapsed.count());
            result = 0;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    if (result != 0)
        std::fprintf(stderr, "no frame within %lld s\n", static_cast<long long>(kGiveUpAfter.count()));
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    return result;
}
