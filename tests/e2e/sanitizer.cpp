// Under AddressSanitizer: leak reports of the X, OpenGL, D-Bus and font libraries that the
// program's window and the player's SDL use are theirs, not ours; they are suppressed by library.
// SDL loads the X extension and OpenGL libraries when its video starts and unloads them when it
// quits, so memory they keep for a display would show as leaked from an unloaded module, which
// no suppression can name: they are loaded here once, for good, before anything else runs.
// Compiled into each end-to-end test program.
#if defined(__SANITIZE_ADDRESS__)
#include <dlfcn.h>

namespace {

struct KeepGraphicsLibrariesLoaded {
    KeepGraphicsLibrariesLoaded() {
        static const char* const kLibraries[] = {
            "libXcursor.so.1",   "libXext.so.6", "libXi.so.6",       "libXfixes.so.3",
            "libXrandr.so.2",    "libXss.so.1",  "libXinerama.so.1", "libXxf86vm.so.1",
            "libxkbcommon.so.0", "libGL.so.1",   "libGLX_mesa.so.0", "/usr/lib/x86_64-linux-gnu/dri/swrast_dri.so"};
        for (const char* library : kLibraries) ::dlopen(library, RTLD_NOW | RTLD_GLOBAL | RTLD_NODELETE);
    }
} g_keepGraphicsLibrariesLoaded;

}  // namespace

extern "C" __attribute__((visibility("default"))) const char* __lsan_default_suppressions() {
    return "leak:libdbus-1.so\n"
           "leak:libSDL2-2.0.so\n"
           "leak:libfontconfig.so\n"
           "leak:libX11.so\n"
           "leak:libxcb\n"
           "leak:libXcursor.so\n"
           "leak:libXext.so\n"
           "leak:libXi.so\n"
           "leak:libXfixes.so\n"
           "leak:libXrandr.so\n"
           "leak:libXss.so\n"
           "leak:libXinerama.so\n"
           "leak:libXxf86vm.so\n"
           "leak:libxkbcommon.so\n"
           "leak:libXrender.so\n"
           "leak:libGL.so\n"
           "leak:libGLX\n"
           "leak:libglapi.so\n"
           "leak:libGLdispatch.so\n"
           "leak:swrast_dri\n"
           "leak:libLLVM\n";
}
#endif
