#include "player/sdlvideo.h"

#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>

#include <cstring>
#include <string>

#include "media/support/debuglog.h"
#include "player/nativewindow.h"

std::mutex& SdlGlobalLock() {
    static std::mutex* lock = new std::mutex;  // never destroyed: display threads may outlive statics
    return *lock;
}

namespace {

// SDL's own messages go where the library's messages go: to the debugger output.
void ForwardSdlLog(void*, int, SDL_LogPriority, const char* message) { g_DebugLog.Format("[TIP]SDL: %s\n", message); }

}  // namespace

bool StartSdlVideo() {
    std::lock_guard<std::mutex> guard(SdlGlobalLock());
    if (SDL_WasInit(SDL_INIT_VIDEO)) return true;
    // The application owns the process: SDL neither catches its signals nor keeps the screen saver
    // away.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
    // Window handles are X11 window ids: no other video driver could draw into them.
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
    // The application's window is made by its toolkit; SDL may still draw into it with OpenGL.
    SDL_SetHint(SDL_HINT_VIDEO_FOREIGN_WINDOW_OPENGL, "1");
    SDL_SetYUVConversionMode(SDL_YUV_CONVERSION_BT601);
    SDL_LogSetOutputFunction(&ForwardSdlLog, nullptr);
    const char* display = SDL_getenv("DISPLAY");
    const int kAttempts = display && *display ? 10 : 1;
    for (int attempt = 1; attempt <= kAttempts; ++attempt) {
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) == 0) {
            InstallXErrorGuard();  // after SDL's own handler, which it passes other errors on to
            return true;
        }
        if (attempt < kAttempts) SDL_Delay(20);
    }
    g_DebugLog.Format("[WARN]SDL video: %s\n", SDL_GetError());
    return false;
}

void ReleaseSdlThreadState() { SDL_TLSCleanup(); }

bool IsContiguousYV12(const TEGMO_YUV_FRAME& frame) {
    if (!frame.planeY || !frame.planeV || !frame.planeU || frame.strideY <= 0) return false;
    const int32_t chromaStride = (frame.strideY + 1) / 2;
    const int32_t chromaRows = (frame.height + 1) / 2;
    return frame.strideV == chromaStride && frame.strideU == chromaStride &&
           frame.planeV == frame.planeY + ptrdiff_t(frame.strideY) * frame.height &&
           frame.planeU == frame.planeV + ptrdiff_t(chromaStride) * chromaRows;
}

bool UploadYuvPlanes(SDL_Texture* texture, const TEGMO_YUV_FRAME& frame) {
    const int32_t width = frame.width;
    const int32_t height = frame.height;
    if ((width % 2) == 0 && (height % 2) == 0) {
        return SDL_UpdateYUVTexture(texture, nullptr, frame.planeY, frame.strideY, frame.planeU, frame.strideU,
                                    frame.planeV, frame.strideV) == 0;
    }
    // Odd sizes: SDL would read one chroma row and column more than a picture holds; copy exactly
    // width/2 x height/2 chroma samples into the texture's own YV12 buffer instead.
    void* pixels = nullptr;
    int pitch = 0;
    if (SDL_LockTexture(texture, nullptr, &pixels, &pitch) != 0) return false;
    uint8_t* y = static_cast<uint8_t*>(pixels);
    const int chromaPitch = (pitch + 1) / 2;
    uint8_t* v = y + ptrdiff_t(pitch) * height;
    uint8_t* u = v + ptrdiff_t(chromaPitch) * ((height + 1) / 2);
    for (int32_t row = 0; row < height; ++row) {
        std::memcpy(y + ptrdiff_t(row) * pitch, frame.planeY + ptrdiff_t(row) * frame.strideY, width);
    }
    for (int32_t row = 0; row < height / 2; ++row) {
        std::memcpy(v + ptrdiff_t(row) * chromaPitch, frame.planeV + ptrdiff_t(row) * frame.strideV, width / 2);
        std::memcpy(u + ptrdiff_t(row) * chromaPitch, frame.planeU + ptrdiff_t(row) * frame.strideU, width / 2);
    }
    SDL_UnlockTexture(texture);
    return true;
}

namespace {

struct FontFile {
    std::string path;
    int index = 0;
};

// "Arial" as fontconfig resolves it (a metric-compatible face when Arial itself is not installed);
// looked up once per process.
const FontFile& OverlayFontFile() {
    static const FontFile file = [] {
        FontFile found;
        FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>("Arial"));
        if (!pattern) return found;
        FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        FcResult result = FcResultNoMatch;
        FcPattern* match = FcFontMatch(nullptr, pattern, &result);
        if (match) {
            FcChar8* path = nullptr;
            int index = 0;
            if (FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch && path) {
                found.path = reinterpret_cast<const char*>(path);
            }
            if (FcPatternGetInteger(match, FC_INDEX, 0, &index) == FcResultMatch) found.index = index;
            FcPatternDestroy(match);
        }
        FcPatternDestroy(pattern);
        return found;
    }();
    return file;
}

// Opens the face so that a line of text is 20 pixels high (the height the overlay asks for).
TTF_Font* OpenOverlayFace() {
    const FontFile& file = OverlayFontFile();
    if (file.path.empty()) return nullptr;
    constexpr int kHeight = 20;
    TTF_Font* font = TTF_OpenFontIndex(file.path.c_str(), kHeight, file.index);
    if (!font) return nullptr;
    const int height = TTF_FontHeight(font);
    if (height > kHeight) {
        const int size = (kHeight * kHeight + height / 2) / height;
        if (TTF_SetFontSize(font, size) != 0) {
            TTF_CloseFont(font);
            return nullptr;
        }
    }
    return font;
}

}  // namespace

OverlayFont::~OverlayFont() { Close(); }

bool OverlayFont::Open(SDL_Renderer* renderer) {
    Close();
    {
        std::lock_guard<std::mutex> guard(SdlGlobalLock());
        if (TTF_Init() != 0) return false;
        m_ttfStarted = true;
    }
    TTF_Font* font = OpenOverlayFace();
    if (!font) {
        g_DebugLog.Format("[WARN]overlay font \"Arial\" not found: %s\n", TTF_GetError());
        Close();
        return false;
    }
    m_lineHeight = TTF_FontLineSkip(font);

    // Every printable character side by side in one white strip; the text is drawn from it.
    SDL_Surface* glyphs[kLastChar - kFirstChar + 1] = {};
    int atlasWidth = 0;
    int atlasHeight = 0;
    const SDL_Color white = {255, 255, 255, 255};
    for (int c = kFirstChar; c <= kLastChar; ++c) {
        const char text[2] = {static_cast<char>(c), '\0'};
        SDL_Surface* glyph = TTF_RenderUTF8_Blended(font, text, white);
        glyphs[c - kFirstChar] = glyph;
        if (!glyph) continue;
        m_glyphs[c - kFirstChar] = {atlasWidth, 0, glyph->w, glyph->h};
        atlasWidth += glyph->w;
        if (glyph->h > atlasHeight) atlasHeight = glyph->h;
    }
    TTF_CloseFont(font);

    SDL_Surface* atlas = atlasWidth > 0
                             ? SDL_CreateRGBSurfaceWithFormat(0, atlasWidth, atlasHeight, 32, SDL_PIXELFORMAT_ARGB8888)
                             : nullptr;
    if (atlas) {
        SDL_FillRect(atlas, nullptr, 0);
        for (int i = 0; i <= kLastChar - kFirstChar; ++i) {
            if (!glyphs[i]) continue;
            SDL_SetSurfaceBlendMode(glyphs[i], SDL_BLENDMODE_NONE);
            SDL_Rect where = m_glyphs[i];
            SDL_BlitSurface(glyphs[i], nullptr, atlas, &where);
        }
        m_atlas = SDL_CreateTextureFromSurface(renderer, atlas);
        if (m_atlas) SDL_SetTextureBlendMode(m_atlas, SDL_BLENDMODE_BLEND);
        SDL_FreeSurface(atlas);
    }
    for (SDL_Surface* glyph : glyphs) SDL_FreeSurface(glyph);
    if (!m_atlas) {
        Close();
        return false;
    }
    return true;
}

void OverlayFont::Close() {
    if (m_atlas) {
        SDL_DestroyTexture(m_atlas);
        m_atlas = nullptr;
    }
    if (m_ttfStarted) {
        std::lock_guard<std::mutex> guard(SdlGlobalLock());
        TTF_Quit();
        m_ttfStarted = false;
    }
}

int OverlayFont::LineWidth(const char* line, const char* end) const {
    int width = 0;
    for (const char* p = line; p < end; ++p) {
        int c = static_cast<unsigned char>(*p);
        if (c < kFirstChar || c > kLastChar) c = '?';
        width += m_glyphs[c - kFirstChar].w;
    }
    return width;
}

void OverlayFont::DrawRightAligned(SDL_Renderer* renderer, const char* text, int left, int top, int right, int bottom,
                                   uint32_t colorBgr) const {
    if (!m_atlas || !text) return;
    SDL_SetTextureColorMod(m_atlas, colorBgr & 0xFF, (colorBgr >> 8) & 0xFF, (colorBgr >> 16) & 0xFF);
    int y = top;
    const char* line = text;
    while (*line && y + m_lineHeight <= bottom) {
        const char* end = std::strchr(line, '\n');
        if (!end) end = line + std::strlen(line);
        int x = right - LineWidth(line, end);
        for (const char* p = line; p < end; ++p) {
            int c = static_cast<unsigned char>(*p);
            if (c < kFirstChar || c > kLastChar) c = '?';
            const SDL_Rect& glyph = m_glyphs[c - kFirstChar];
            if (x >= left && glyph.w > 0) {
                const SDL_Rect where = {x, y, glyph.w, glyph.h};
                SDL_RenderCopy(renderer, m_atlas, &glyph, &where);
            }
            x += glyph.w;
        }
        y += m_lineHeight;
        line = *end ? end + 1 : end;
    }
}
