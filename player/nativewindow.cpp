#include "player/nativewindow.h"

#include <X11/Xlib.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <mutex>
#include <thread>

#include "media/support/debuglog.h"

namespace {

// One connection for the whole process, made on first use and kept: xcb connections may be used
// from any thread. Errors come back with each reply, so a window that has gone away is an ordinary
// answer here and never reaches a process-wide error handler.
xcb_connection_t* Connection() {
    static std::mutex lock;
    static xcb_connection_t* connection = nullptr;
    std::lock_guard<std::mutex> guard(lock);
    if (connection && xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        connection = nullptr;
    }
    // A busy X server sometimes refuses a connection for a moment: try a few times.
    for (int attempt = 0; !connection && attempt < 10; ++attempt) {
        if (attempt > 0) std::this_thread::sleep_for(std::chrono::milliseconds(20));
        xcb_connection_t* opened = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(opened)) {
            xcb_disconnect(opened);
        } else {
            connection = opened;
        }
    }
    return connection;
}

}  // namespace

bool QueryNativeWindow(uintptr_t window, NativeWindowState* state) {
    if (!state || window == 0 || window > 0xFFFFFFFFu) return false;
    xcb_connection_t* connection = Connection();
    if (!connection) return false;
    const xcb_window_t id = static_cast<xcb_window_t>(window);

    xcb_get_geometry_cookie_t geometryCookie = xcb_get_geometry(connection, id);
    xcb_get_window_attributes_cookie_t attributesCookie = xcb_get_window_attributes(connection, id);
    xcb_generic_error_t* error = nullptr;
    xcb_get_geometry_reply_t* geometry = xcb_get_geometry_reply(connection, geometryCookie, &error);
    std::free(error);
    error = nullptr;
    xcb_get_window_attributes_reply_t* attributes =
        xcb_get_window_attributes_reply(connection, attributesCookie, &error);
    std::free(error);

    const bool ok = geometry && attributes;
    if (ok) {
        state->width = geometry->width;
        state->height = geometry->height;
        state->viewable = attributes->map_state == XCB_MAP_STATE_VIEWABLE;
    }
    std::free(geometry);
    std::free(attributes);
    return ok;
}

bool XServerRendersDirectly() {
    static const bool direct = [] {
        xcb_connection_t* connection = Connection();
        if (!connection) return false;
        bool found = false;
        for (const char* name : {"DRI3", "DRI2"}) {
            const xcb_query_extension_cookie_t cookie =
                xcb_query_extension(connection, uint16_t(std::strlen(name)), name);
            xcb_query_extension_reply_t* reply = xcb_query_extension_reply(connection, cookie, nullptr);
            if (reply && reply->present) found = true;
            std::free(reply);
        }
        return found;
    }();
    return direct;
}

namespace {

std::mutex g_guardLock;
std::deque<unsigned long> g_guardedWindows;  // most recent last; ids are not reused soon
XErrorHandler g_previousHandler = nullptr;

// Windows stay guarded after their play object is gone: an error about the last request sent to
// one may be read much later.
constexpr size_t kGuardedWindows = 256;

int GuardHandler(Display* display, XErrorEvent* error) {
    XErrorHandler previous;
    {
        std::lock_guard<std::mutex> guard(g_guardLock);
        const bool ours =
            std::find(g_guardedWindows.begin(), g_guardedWindows.end(), error->resourceid) != g_guardedWindows.end();
        if (ours) {
            g_DebugLog.Format("[WARN]X error %d (request %d) on window 0x%lx ignored: the window has gone\n",
                              int(error->error_code), int(error->request_code), error->resourceid);
            return 0;
        }
        previous = g_previousHandler;
    }
    return previous ? previous(display, error) : 0;
}

}  // namespace

void InstallXErrorGuard() {
    const XErrorHandler current = XSetErrorHandler(&GuardHandler);
    if (current != &GuardHandler) {
        std::lock_guard<std::mutex> guard(g_guardLock);
        g_previousHandler = current;
    }
}

void GuardDrawnWindow(uintptr_t window) {
    std::lock_guard<std::mutex> guard(g_guardLock);
    if (std::find(g_guardedWindows.begin(), g_guardedWindows.end(), window) != g_guardedWindows.end()) return;
    g_guardedWindows.push_back(window);
    if (g_guardedWindows.size() > kGuardedWindows) g_guardedWindows.pop_front();
}
