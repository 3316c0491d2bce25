#include "player/yuv2rgb.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <mutex>
#include <new>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#if defined(__x86_64__)
#include <immintrin.h>
#define KAVIMO_HAVE_AVX2_PATH 1
#endif

#include "media/support/debuglog.h"
#include "platform/filemode.h"

namespace {

constexpr int32_t kScale = 10000;
// The largest sum whose quotient still fits 0..255: clamping the sum to 0..kSumMax first gives the
// same result as clamping the quotient.
constexpr int32_t kSumMax = 255 * kScale + kScale - 1;

inline uint8_t DivideAndClamp(int32_t sum) {
    if (sum < 0) return 0;  // a negative sum truncates to 0 or below: clamped to 0 either way
    const int32_t quotient = sum / kScale;
    return static_cast<uint8_t>(quotient > 255 ? 255 : quotient);
}

#ifdef KAVIMO_HAVE_AVX2_PATH

// Eight pixels at once. The tables are linear in their index, so each sum is computed directly;
// the division of a sum clamped to 0..kSumMax by 10000 is a float multiplication by the reciprocal
// truncated toward zero, which is exact over that whole range (the tests check every y, u, v).
__attribute__((target("avx2"))) inline __m256i DivideClamped8(__m256i sum) {
    const __m256i clamped = _mm256_min_epi32(_mm256_max_epi32(sum, _mm256_setzero_si256()), _mm256_set1_epi32(kSumMax));
    return _mm256_cvttps_epi32(_mm256_mul_ps(_mm256_cvtepi32_ps(clamped), _mm256_set1_ps(1.0f / kScale)));
}

// Converts 8 pixels: y8 holds 8 luma samples, u4 and v4 the 4 chroma samples of their pairs; writes
// 24 bytes of BGR.
__attribute__((target("avx2"))) inline void Convert8(const uint8_t* y8, const uint8_t* u4, const uint8_t* v4,
                                                     uint8_t* bgr) {
    int64_t y64;
    int32_t u32;
    int32_t v32;
    std::memcpy(&y64, y8, 8);
    std::memcpy(&u32, u4, 4);
    std::memcpy(&v32, v4, 4);
    const __m128i ys = _mm_cvtsi64_si128(y64);
    const __m128i us = _mm_cvtsi32_si128(u32);
    const __m128i vs = _mm_cvtsi32_si128(v32);
    const __m256i y = _mm256_cvtepu8_epi32(ys);
    const __m256i u = _mm256_cvtepu8_epi32(_mm_unpacklo_epi8(us, us));  // u0 u0 u1 u1 ...
    const __m256i v = _mm256_cvtepu8_epi32(_mm_unpacklo_epi8(vs, vs));

    const __m256i luma = _mm256_mullo_epi32(y, _mm256_set1_epi32(11644));
    const __m256i redSum = _mm256_add_epi32(
        _mm256_add_epi32(_mm256_mullo_epi32(v, _mm256_set1_epi32(15938)), _mm256_set1_epi32(-2221300)), luma);
    const __m256i blueSum = _mm256_add_epi32(
        _mm256_add_epi32(_mm256_mullo_epi32(u, _mm256_set1_epi32(20238)), _mm256_set1_epi32(-2771300)), luma);
    const __m256i r = DivideClamped8(redSum);
    const __m256i b = DivideClamped8(blueSum);
    const __m256i greenFromLuma =
        _mm256_add_epi32(_mm256_mullo_epi32(y, _mm256_set1_epi32(19837)), _mm256_set1_epi32(-311710));
    const __m256i greenSum =
        _mm256_sub_epi32(_mm256_sub_epi32(greenFromLuma, _mm256_mullo_epi32(r, _mm256_set1_epi32(5094))),
                         _mm256_mullo_epi32(b, _mm256_set1_epi32(1942)));
    const __m256i g = DivideClamped8(greenSum);

    // Each 32-bit lane becomes B G R 0; drop the zero bytes: 12 bytes per 128-bit half.
    const __m256i packed = _mm256_or_si256(_mm256_or_si256(b, _mm256_slli_epi32(g, 8)), _mm256_slli_epi32(r, 16));
    const __m256i squeeze = _mm256_setr_epi8(0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1,  //
                                             0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1);
    const __m256i squeezed = _mm256_shuffle_epi8(packed, squeeze);
    const __m128i low = _mm256_castsi256_si128(squeezed);
    const __m128i high = _mm256_extracti128_si256(squeezed, 1);
    _mm_storel_epi64(reinterpret_cast<__m128i*>(bgr), low);
    const int32_t lowTail = _mm_extract_epi32(low, 2);
    std::memcpy(bgr + 8, &lowTail, 4);
    _mm_storel_epi64(reinterpret_cast<__m128i*>(bgr + 12), high);
    const int32_t highTail = _mm_extract_epi32(high, 2);
    std::memcpy(bgr + 20, &highTail, 4);
}

__attribute__((target("avx2"))) void ConvertRowAvx2(const CYUV2RGB& tables, const uint8_t* y, const uint8_t* u,
                                                    const uint8_t* v, int32_t width, uint8_t* bgr) {
    int32_t x = 0;
    for (; x + 8 <= width; x += 8) Convert8(y + x, u + x / 2, v + x / 2, bgr + 3 * x);
    if (x < width) tables.ConvertRowWithTables(y + x, u + x / 2, v + x / 2, width - x, bgr + 3 * x);
}

bool HasAvx2() {
    static const bool has = __builtin_cpu_supports("avx2");
    return has;
}

#endif  // KAVIMO_HAVE_AVX2_PATH

std::mutex g_tablesLock;
std::unique_ptr<CYUV2RGB> g_tables;

}  // namespace

CYUV2RGB::CYUV2RGB() {
    for (int32_t i = 0; i < 256; ++i) {
        m_blueFromU[i] = 20238 * i - 2771300;
        m_redFromV[i] = 15938 * i - 2221300;
        m_luma[i] = 11644 * i;
        m_greenFromLuma[i] = 19837 * i - 311710;
    }
}

void CYUV2RGB::ConvertPixel(uint8_t y, uint8_t u, uint8_t v, uint8_t* bgr) const {
    const int32_t luma = m_luma[y];
    const uint8_t r = DivideAndClamp(m_redFromV[v] + luma);
    const uint8_t b = DivideAndClamp(m_blueFromU[u] + luma);
    const uint8_t g = DivideAndClamp(m_greenFromLuma[y] - 5094 * r - 1942 * b);
    bgr[0] = b;
    bgr[1] = g;
    bgr[2] = r;
}

void CYUV2RGB::ConvertRowWithTables(const uint8_t* y, const uint8_t* u, const uint8_t* v, int32_t width,
                                    uint8_t* bgr) const {
    for (int32_t x = 0; x + 1 < width; x += 2) {
        const uint8_t cb = u[x / 2];
        const uint8_t cr = v[x / 2];
        ConvertPixel(y[x], cb, cr, bgr + 3 * x);
        ConvertPixel(y[x + 1], cb, cr, bgr + 3 * x + 3);
    }
}

void CYUV2RGB::ConvertRow(const uint8_t* y, const uint8_t* u, const uint8_t* v, int32_t width, uint8_t* bgr) const {
#ifdef KAVIMO_HAVE_AVX2_PATH
    if (HasAvx2()) {
        ConvertRowAvx2(*this, y, u, v, width, bgr);
        return;
    }
#endif
    ConvertRowWithTables(y, u, v, width, bgr);
}

void CYUV2RGB::ConvertFrame(const TEGMO_YUV_FRAME& frame, uint8_t* bgr) const {
    const int32_t width = frame.width;
    const int32_t height = frame.height;
    const size_t rowBytes = size_t(width) * 3;
    for (int32_t row = 0; row < height; ++row) {
        const int32_t chromaRow = row / 2;
        ConvertRow(frame.planeY + ptrdiff_t(row) * frame.strideY, frame.planeU + ptrdiff_t(chromaRow) * frame.strideU,
                   frame.planeV + ptrdiff_t(chromaRow) * frame.strideV, width,
                   bgr + size_t(height - 1 - row) * rowBytes);
    }
}

const CYUV2RGB& GetYUV2RGB() {
    std::lock_guard<std::mutex> guard(g_tablesLock);
    if (!g_tables) g_tables.reset(new CYUV2RGB());
    return *g_tables;
}

void FreeYUV2RGB() {
    std::lock_guard<std::mutex> guard(g_tablesLock);
    g_tables.reset();
}

namespace {

void Put16(uint8_t* p, uint16_t value) {
    p[0] = uint8_t(value);
    p[1] = uint8_t(value >> 8);
}

void Put32(uint8_t* p, uint32_t value) {
    for (int i = 0; i < 4; ++i) p[i] = uint8_t(value >> (8 * i));
}

}  // namespace

int32_t WriteBmpFile(const TEGMO_YUV_FRAME* frame, const char* path) {
    if (!frame || !path || path[0] == '\0') return 0;
    if (frame->width % 16 != 0 || frame->height % 16 != 0) return 0;
    // A picture without pixels or planes has nothing to convert (and the planes would be read).
    if (frame->width <= 0 || frame->height <= 0 || !frame->planeY || !frame->planeU || !frame->planeV) {
        return 0;
    }
    const uint32_t width = uint32_t(frame->width);
    const uint32_t height = uint32_t(frame->height);
    const uint64_t imageBytes = uint64_t(width) * height * 3;
    // The file's size fields are 32 bits wide: a larger picture has no BMP form (and a caller's
    // absurd size must not turn into an allocation of that size).
    if (imageBytes > UINT32_MAX - 54) {
        g_DebugLog.Format("[WARN]Shot refused: a picture of %ux%u does not fit a BMP file\n", width, height);
        return 0;
    }

    std::unique_ptr<uint8_t[]> pixels(new (std::nothrow) uint8_t[imageBytes]);
    if (!pixels) return 0;
    GetYUV2RGB().ConvertFrame(*frame, pixels.get());

    // The frame is a picture of a patient: the data's mode and group, and never written through
    // a link planted in its place.
    const int fd = ::open(path, O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, platform::NewFileMode());
    if (fd >= 0) platform::GiveDataGroup(fd);
    std::FILE* file = fd < 0 ? nullptr : ::fdopen(fd, "wb");
    if (!file) {
        if (fd >= 0) ::close(fd);
        g_DebugLog.Format("[WARN]Can not create BMP file: %s\n", path);
        return 0;
    }

    uint8_t fileHeader[14] = {'B', 'M'};
    Put32(fileHeader + 2, BmpFileSize(width, height));
    Put16(fileHeader + 6, 0);
    Put16(fileHeader + 8, 0);
    Put32(fileHeader + 10, 54);

    uint8_t infoHeader[40] = {};
    Put32(infoHeader + 0, 40);
    Put32(infoHeader + 4, width);
    Put32(infoHeader + 8, height);  // positive: rows bottom-up
    Put16(infoHeader + 12, 1);
    Put16(infoHeader + 14, 24);
    Put32(infoHeader + 16, 0);
    Put32(infoHeader + 20, uint32_t(imageBytes));
    // resolutions and colour counts stay 0

    // A short write leaves a file that cannot be read back as a picture: it is removed and the
    // snapshot reported as failed, so that nobody takes the broken file for the picture.
    bool complete = true;
    size_t count = std::fwrite(fileHeader, 1, sizeof fileHeader, file);
    if (count < sizeof fileHeader) {
        g_DebugLog.Format("[WARN]write BMP file header failed: count=%d\n", int(count));
        complete = false;
    }
    count = std::fwrite(infoHeader, 1, sizeof infoHeader, file);
    if (count < sizeof infoHeader) {
        g_DebugLog.Format("[WARN]Read BMP file info failed: count=%d\n", int(count));
        complete = false;
    }
    count = std::fwrite(pixels.get(), 1, imageBytes, file);
    if (count != imageBytes) {
        g_DebugLog.Format("[WARN]write BMP file data failed: count=%d\n", int(count));
        complete = false;
    }
    if (std::fclose(file) != 0 && complete) {
        // The data did not reach the file after all (a full disk noticed at the final flush).
        g_DebugLog.Format("[WARN]write BMP file data failed: count=%d\n", 0);
        complete = false;
    }
    if (!complete) {
        struct stat status;
        if (stat(path, &status) == 0 && S_ISREG(status.st_mode)) std::remove(path);
        return 0;
    }
    return 1;
}
