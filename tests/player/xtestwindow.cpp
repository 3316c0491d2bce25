#include "xtestwindow.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <thread>

namespace {

pid_t g_xvfb = 0;

void StopXvfb() {
    if (g_xvfb > 0) {
        kill(g_xvfb, SIGTERM);
        waitpid(g_xvfb, nullptr, 0);
        g_xvfb = 0;
    }
}

// XOpenDisplay, tried a few times: a busy X server sometimes refuses a connection for a moment.
Display* OpenDisplay() {
    for (int attempt = 0; attempt < 10; ++attempt) {
        if (attempt > 0) std::this_thread::sleep_for(std::chrono::milliseconds(20));
        if (Display* display = XOpenDisplay(nullptr)) return display;
    }
    return nullptr;
}

bool CanConnect() {
    Display* display = OpenDisplay();
    if (!display) return false;
    XCloseDisplay(display);
    return true;
}

// Starts "Xvfb -displayfd" and reads the display number it picked. The server dies with this
// process (even when it is killed) and writes nothing to its output, which a test runner may be
// waiting on. It runs with -noreset: by default an X server resets itself whenever its last client
// disconnects, and a client that connects during that reset is accepted but never answered, so
// its XOpenDisplay waits forever. Here that happens at once: CanConnect closes the only
// connection and SDL opens the next one a moment later.
bool StartXvfb(std::string* reason) {
    int fds[2];
    if (pipe(fds) != 0) {
        *reason = "pipe failed";
        return false;
    }
    const std::string fd = std::to_string(fds[1]);
    const pid_t pid = fork();
    if (pid < 0) {
        close(fds[0]);
        close(fds[1]);
        *reason = "fork failed";
        return false;
    }
    if (pid == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        const int null = open("/dev/null", O_RDWR);
        if (null >= 0) {
            dup2(null, 0);
            dup2(null, 1);
            dup2(null, 2);
        }
        close(fds[0]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1920x1080x24", "-nolisten", "tcp", "-noreset",
               static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    g_xvfb = pid;
    std::atexit(StopXvfb);
    std::string number;
    char c;
    while (read(fds[0], &c, 1) == 1 && c != '\n') number += c;
    close(fds[0]);
    if (number.empty()) {
        *reason = "Xvfb could not be started";
        StopXvfb();
        return false;
    }
    setenv("DISPLAY", (":" + number).c_str(), 1);
    return true;
}

}  // namespace

// Mesa's software OpenGL driver is unloaded whenever SDL lets go of OpenGL; a leak checker then
// cannot tell what it left behind from a leak of ours. Holding it loaded keeps its name on it.
void KeepOpenGlDriverLoaded() {
    for (const char* library : {"libGLX_mesa.so.0", "/usr/lib/x86_64-linux-gnu/dri/swrast_dri.so"}) {
        dlopen(library, RTLD_NOW | RTLD_GLOBAL | RTLD_NODELETE);
    }
}

bool EnsureXServer(std::string* reason) {
    static std::mutex lock;
    static int state = 0;  // 0 unknown, 1 available, -1 not available
    static std::string why;
    std::lock_guard<std::mutex> guard(lock);
    if (state == 0) {
        KeepOpenGlDriverLoaded();
        // A private server first: tests running side by side must not cover each other's windows
        // (an obscured window reads back garbage), nor draw on someone's desktop.
        const char* display = std::getenv("DISPLAY");
        const std::string shared = display ? display : "";
        std::string failure;
        if (StartXvfb(&failure) && CanConnect()) {
            state = 1;
        } else if (!shared.empty()) {
            setenv("DISPLAY", shared.c_str(), 1);
            state = CanConnect() ? 1 : -1;
            if (state < 0) why = "cannot connect to the X server " + shared + " (" + failure + ")";
        } else {
            why = failure;
            state = -1;
        }
    }
    if (state < 0 && reason) *reason = why;
    return state > 0;
}

TestWindow::TestWindow(int width, int height) : m_width(width), m_height(height) {
    Display* display = OpenDisplay();
    if (!display) return;
    m_display = display;
    XSetWindowAttributes attributes;
    std::memset(&attributes, 0, sizeof attributes);
    attributes.override_redirect = True;
    attributes.background_pixel = WhitePixel(display, DefaultScreen(display));
    attributes.event_mask = StructureNotifyMask | ExposureMask;
    const Window window =
        XCreateWindow(display, DefaultRootWindow(display), 0, 0, width, height, 0, CopyFromParent, InputOutput,
                      CopyFromParent, CWOverrideRedirect | CWBackPixel | CWEventMask, &attributes);
    XMapWindow(display, window);
    // Wait until the window is on screen before anyone draws into it.
    XEvent event;
    do {
        XWindowEvent(display, window, StructureNotifyMask, &event);
    } while (event.type != MapNotify);
    XSync(display, False);
    m_window = window;
}

TestWindow::~TestWindow() {
    Destroy();
    if (m_display) XCloseDisplay(static_cast<Display*>(m_display));
    delete[] m_pixels;
}

void TestWindow::Destroy() {
    if (m_display && m_window) {
        XDestroyWindow(static_cast<Display*>(m_display), m_window);
        XSync(static_cast<Display*>(m_display), False);
    }
    m_window = 0;
}

void TestWindow::Resize(int width, int height) {
    if (!m_window) return;
    XResizeWindow(static_cast<Display*>(m_display), m_window, width, height);
    XSync(static_cast<Display*>(m_display), False);
    m_width = width;
    m_height = height;
}

bool TestWindow::Capture() {
    if (!m_window) return false;
    Display* display = static_cast<Display*>(m_display);
    XImage* image = XGetImage(display, m_window, 0, 0, m_width, m_height, AllPlanes, ZPixmap);
    if (!image) return false;
    delete[] m_pixels;
    m_pixels = new uint32_t[size_t(m_width) * m_height];
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x)
            m_pixels[size_t(y) * m_width + x] = uint32_t(XGetPixel(image, x, y)) & 0xFFFFFF;
    }
    XDestroyImage(image);
    return true;
}

uint32_t TestWindow::PixelAt(int x, int y) const {
    if (!m_pixels || x < 0 || y < 0 || x >= m_width || y >= m_height) return 0xFFFFFFFF;
    return m_pixels[size_t(y) * m_width + x];
}

uint32_t TestWindow::Pixel(int x, int y) {
    if (!m_window) return 0xFFFFFFFF;
    Display* display = static_cast<Display*>(m_display);
    XImage* image = XGetImage(display, m_window, x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image) return 0xFFFFFFFF;
    const uint32_t pixel = uint32_t(XGetPixel(image, 0, 0)) & 0xFFFFFF;
    XDestroyImage(image);
    return pixel;
}
