#include "playwindow.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <vector>

PlayWindow::~PlayWindow() {
    Display* display = static_cast<Display*>(m_display);
    if (!display) return;
    if (m_window) XDestroyWindow(display, m_window);
    XCloseDisplay(display);
}

bool PlayWindow::Open(int width, int height, const std::string& title, std::string* error) {
    // X11 is used from this thread only, but the player's SDL uses Xlib from its display thread.
    XInitThreads();
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        *error = "cannot open the X display (is DISPLAY set?)";
        return false;
    }
    m_display = display;
    m_width = width;
    m_height = height;
    const int screen = DefaultScreen(display);
    m_window = XCreateSimpleWindow(display, RootWindow(display, screen), 0, 0, unsigned(width), unsigned(height), 0,
                                   BlackPixel(display, screen), BlackPixel(display, screen));
    XStoreName(display, m_window, title.c_str());
    XSelectInput(display, m_window, StructureNotifyMask);
    Atom deleteAtom = XInternAtom(display, "WM_DELETE_WINDOW", False);
    XSetWMProtocols(display, m_window, &deleteAtom, 1);
    m_deleteAtom = deleteAtom;
    m_pane = XCreateSimpleWindow(display, m_window, 0, 0, unsigned(width), unsigned(height), 0,
                                 BlackPixel(display, screen), BlackPixel(display, screen));
    XSelectInput(display, m_pane, StructureNotifyMask | ExposureMask);
    XMapWindow(display, m_pane);
    XMapWindow(display, m_window);
    // The player draws once the pane is on screen.
    XEvent event;
    do {
        XWindowEvent(display, m_pane, StructureNotifyMask, &event);
    } while (event.type != MapNotify);
    XSync(display, False);
    return true;
}

bool PlayWindow::ProcessEvents() {
    Display* display = static_cast<Display*>(m_display);
    while (display && XPending(display) > 0) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == ConfigureNotify && event.xconfigure.window == m_window &&
            (event.xconfigure.width != m_width || event.xconfigure.height != m_height)) {
            m_width = event.xconfigure.width;
            m_height = event.xconfigure.height;
            XResizeWindow(display, m_pane, unsigned(m_width), unsigned(m_height));
        } else if (event.type == ClientMessage && Atom(event.xclient.data.l[0]) == Atom(m_deleteAtom)) {
            m_closed = true;
        }
    }
    return !m_closed;
}

bool PlayWindow::SavePaneAsBmp(const std::string& path, std::string* error) {
    Display* display = static_cast<Display*>(m_display);
    XWindowAttributes attributes;
    if (!display || !XGetWindowAttributes(display, m_pane, &attributes)) {
        *error = "no window";
        return false;
    }
    const int width = attributes.width;
    const int height = attributes.height;
    XImage* image = XGetImage(display, m_pane, 0, 0, unsigned(width), unsigned(height), AllPlanes, ZPixmap);
    if (!image) {
        *error = "cannot read the window back";
        return false;
    }
    const int rowBytes = (width * 3 + 3) & ~3;
    std::vector<uint8_t> file(54 + size_t(rowBytes) * height, 0);
    auto put32 = [&file](size_t offset, uint32_t value) {
        for (int i = 0; i < 4; ++i) file[offset + i] = uint8_t(value >> (8 * i));
    };
    file[0] = 'B';
    file[1] = 'M';
    put32(2, uint32_t(file.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, uint32_t(width));
    put32(22, uint32_t(height));
    file[26] = 1;
    file[28] = 24;
    put32(34, uint32_t(rowBytes) * height);
    for (int y = 0; y < height; ++y) {
        uint8_t* row = file.data() + 54 + size_t(height - 1 - y) * rowBytes;
        for (int x = 0; x < width; ++x) {
            const unsigned long pixel = XGetPixel(image, x, y);
            row[x * 3 + 0] = uint8_t(pixel & 0xFF);
            row[x * 3 + 1] = uint8_t((pixel >> 8) & 0xFF);
            row[x * 3 + 2] = uint8_t((pixel >> 16) & 0xFF);
        }
    }
    XDestroyImage(image);
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (!out) {
        *error = "cannot create " + path;
        return false;
    }
    const bool written = std::fwrite(file.data(), 1, file.size(), out) == file.size();
    const bool closed = std::fclose(out) == 0;
    if (!written || !closed) {
        *error = "cannot write " + path;
        return false;
    }
    return true;
}
