#include "tools/camsim/jpegsource.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>

extern "C" {
#include <jpeglib.h>
}

namespace camsim {

namespace {
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

void OnError(j_common_ptr info) {
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    std::longjmp(manager->jump, 1);
}
}  // namespace

JpegSource::JpegSource(int width, int height)
    : m_width(width), m_height(height), m_rgb(static_cast<size_t>(width) * height * 3) {}

std::vector<uint8_t> JpegSource::Picture(int64_t index, int quality) {
    // A tooth-coloured disc drifting over a pink gradient, with a frame-dependent colour band.
    const int w = m_width, h = m_height;
    const int cx = static_cast<int>((index * 5) % (w > 1 ? w : 1));
    const int cy = h / 2;
    const int r = h / 5 > 4 ? h / 5 : 4;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            uint8_t* p = &m_rgb[(static_cast<size_t>(y) * w + x) * 3];
            int dx = x - cx, dy = y - cy;
            if (dx * dx + dy * dy <= r * r) {
                p[0] = 240, p[1] = 235, p[2] = 215;
            } else {
                p[0] = static_cast<uint8_t>(150 + (x * 80) / (w > 0 ? w : 1));
                p[1] = static_cast<uint8_t>(60 + (y * 60) / (h > 0 ? h : 1));
                p[2] = static_cast<uint8_t>(80 + ((index * 3) & 0x3F));
            }
        }
    }

    jpeg_compress_struct info;
    ErrorManager errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = OnError;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    if (setjmp(errors.jump)) {
        jpeg_destroy_compress(&info);
        std::free(buffer);
        return {};
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(w);
    info.image_height = static_cast<JDIMENSION>(h);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = &m_rgb[static_cast<size_t>(info.next_scanline) * w * 3];
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    std::vector<uint8_t> jpeg(buffer, buffer + size);
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return jpeg;
}

}  // namespace camsim
