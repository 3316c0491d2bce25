// Questions about the application's native window (an X11 window id) that SDL does not answer for a
// window it did not create: does it still exist, how big is it, is it on screen. Kept apart from
// the rest of the player so that no X11 header reaches other sources.
//
// Thread safety: any thread; the X connection is shared and opened on first use.
#pragma once

#include <cstdint>

struct NativeWindowState {
    int32_t width = 0;  // client size in pixels
    int32_t height = 0;
    bool viewable = false;  // mapped, and all its ancestors too
};

// Fills `state` for the window; false when there is no X server or no such window.
bool QueryNativeWindow(uintptr_t window, NativeWindowState* state);

// True when the X server offers direct rendering (the DRI2 or DRI3 extension), so OpenGL may run
// on a graphics processor. Without it (Xvfb, most virtual machines) OpenGL is emulated by the
// processor, and merely setting it up costs seconds on a busy machine. Asked once per process.
bool XServerRendersDirectly();

// X errors about a window the player draws into would end the process (Xlib's default handler
// exits, and SDL passes errors on to it): a window can go away between the player's look at it and
// its next drawing call, when the application destroys it without deleting the play object first.
// GuardDrawnWindow adds the window to those whose errors are logged and ignored; every other error
// goes on to the handler that was there before. InstallXErrorGuard puts the handler in place
// again after SDL's video start (which replaces it); call it with SDL's global lock held.
void InstallXErrorGuard();
void GuardDrawnWindow(uintptr_t window);
