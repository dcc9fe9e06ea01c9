// Finds a top-level X11 window by its exact title, prints where it stands and the class of its
// WM_CLASS, optionally saves its pixels as a PPM picture once its painting has settled, and asks
// it to close as a window manager's close button would (WM_DELETE_WINDOW).
// Usage: x11_close TITLE SECONDS [PICTURE.ppm]
// Prints: X Y WIDTH HEIGHT SCREEN_WIDTH SCREEN_HEIGHT CLASS
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
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

std::string classOf(Display* display, Window window) {
    XClassHint hint{};
    if (XGetClassHint(display, window, &hint) == 0) {
        return "-";
    }
    std::string name = hint.res_class != nullptr ? hint.res_class : "-";
    XFree(hint.res_name);
    XFree(hint.res_class);
    return name;
}

// The window's pixels as a binary PPM; empty if they cannot be read.
std::string pictureOf(Display* display, Window window, int width, int height) {
    XImage* image = XGetImage(display, window, 0, 0, static_cast<unsigned>(width),
                              static_cast<unsigned>(height), AllPlanes, ZPixmap);
    if (image == nullptr) {
        return {};
    }
    std::string ppm = "P6\n" + std::to_string(width) + " " + std::to_string(height) + "\n255\n";
    const auto channel = [](unsigned long pixel, unsigned long mask) {
        if (mask == 0) {
            return '\0';
        }
        while ((mask & 1) == 0) {
            mask >>= 1;
            pixel >>= 1;
        }
        return static_cast<char>((pixel & mask) * 255 / mask);
    };
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const unsigned long pixel = XGetPixel(image, x, y);
            ppm += channel(pixel, image->red_mask);
            ppm += channel(pixel, image->green_mask);
            ppm += channel(pixel, image->blue_mask);
        }
    }
    XDestroyImage(image);
    return ppm;
}

// A freshly mapped window may not be painted yet: wait until two looks a little apart agree.
std::string settledPictureOf(Display* display, Window window, int width, int height) {
    std::string previous;
    for (int attempt = 0; attempt < 50; ++attempt) {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        std::string current = pictureOf(display, window, width, height);
        if (!current.empty() && current == previous) {
            return current;
        }
        previous = std::move(current);
    }
    return {};
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: x11_close TITLE SECONDS [PICTURE.ppm]\n");
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
    std::printf("%d %d %d %d %d %d %s\n", x, y, attributes.width, attributes.height,
                DisplayWidth(display, DefaultScreen(display)),
                DisplayHeight(display, DefaultScreen(display)), classOf(display, window).c_str());

    bool saved = true;
    if (argc == 4) {
        const std::string picture =
            settledPictureOf(display, window, attributes.width, attributes.height);
        std::ofstream out(argv[3], std::ios::binary);
        out << picture;
        if (picture.empty() || !out) {
            std::fprintf(stderr, "x11_close: could not save the window's pixels\n");
            saved = false;
        }
    }

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
    return saved ? 0 : 1;
}
