// Finds a top-level X11 window by its exact title, prints where it stands, and asks it to close
// as a window manager's close button would (WM_DELETE_WINDOW).
// Usage: x11_close TITLE SECONDS
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

namespace {

std::string titleOf(Display* display, Window window) {
    const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    std::string title;
    if (XGetWindowProperty(display, window, netName, 0, 1024, False, utf8, &type, &format, &count,
                           &after, &data) == Success &&
        data != nullptr) {
        title.assign(reinterpret_cast<const char*>(data), count);
        XFree(data);
    }
    return title;
}

Window findWindow(Display* display, Window parent, const std::string& title) {
    Window root = 0;
    Window parentOut = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display, parent, &root, &parentOut, &children, &count) == 0) {
        return 0;
    }
    Window found = 0;
    for (unsigned int i = 0; i < count && found == 0; ++i) {
        if (titleOf(display, children[i]) == title) {
            found = children[i];
        } else {
            found = findWindow(display, children[i], title);
        }
    }
    if (children != nullptr) {
        XFree(children);
    }
    return found;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: x11_close TITLE SECONDS\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "x11_close: no X display\n");
        return 2;
    }
    const std::string title = argv[1];
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::seconds(std::atoi(argv[2]));
    Window window = 0;
    XWindowAttributes attributes{};
    while (std::chrono::steady_clock::now() < deadline) {
        window = findWindow(display, DefaultRootWindow(display), title);
        if (window != 0 && XGetWindowAttributes(display, window, &attributes) != 0 &&
            attributes.map_state == IsViewable) {
            break;
        }
        window = 0;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    if (window == 0) {
        std::fprintf(stderr, "x11_close: no window titled \"%s\" appeared\n", title.c_str());
        return 1;
    }
    int x = 0;
    int y = 0;
    Window child = 0;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &x, &y, &child);
    std::printf("%d %d %d %d %d %d\n", x, y, attributes.width, attributes.height,
                DisplayWidth(display, DefaultScreen(display)),
                DisplayHeight(display, DefaultScreen(display)));

    XEvent close{};
    close.xclient.type = ClientMessage;
    close.xclient.window = window;
    close.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    close.xclient.format = 32;
    close.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    close.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &close);
    XFlush(display);
    XCloseDisplay(display);
    return 0;
}
