#include "dicom/jpegpicture.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jpeglib.h>
// After jpeglib.h: which warnings it names depends on libjpeg's configuration.
#include <jerror.h>

#include "dicom/picturelimit.h"
#include "platform/text.h"

namespace dicom {
namespace {

struct JpegError {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    bool damaged = false;  // a warning that part of the picture was lost
    char damage[JMSG_LENGTH_MAX];
};

void OnJpegError(j_common_ptr info) {
    auto* error = reinterpret_cast<JpegError*>(info->err);
    (*info->err->format_message)(info, error->message);
    std::longjmp(error->jump, 1);
}

// libjpeg goes on past damaged or missing data, filling the rest of the picture with grey, and
// only warns. The warnings that mean pixels were lost are kept; nothing is printed.
void OnJpegMessage(j_common_ptr info, int level) {
    if (level >= 0) return;  // trace messages
    auto* error = reinterpret_cast<JpegError*>(info->err);
    ++info->err->num_warnings;
    switch (info->err->msg_code) {
        case JWRN_JPEG_EOF:
        case JWRN_HIT_MARKER:
        case JWRN_HUFF_BAD_CODE:
        case JWRN_ARITH_BAD_CODE:
        case JWRN_MUST_RESYNC:
        case JWRN_BOGUS_PROGRESSION:
            if (!error->damaged) (*info->err->format_message)(info, error->damage);
            error->damaged = true;
            break;
        default:
            break;
    }
}

void SetUpErrors(jpeg_decompress_struct* info, JpegError* error) {
    info->err = jpeg_std_error(&error->manager);
    error->manager.error_exit = OnJpegError;
    error->manager.emit_message = OnJpegMessage;
    error->message[0] = error->damage[0] = '\0';
}

// With lossy JPEG a VL image allows only YBR_FULL_422 for colour (PS3.3 C.8.12.1.1.3; PS3.5
// 8.2.1 names 4:2:0 so too): YCbCr whose chroma is halved across (4:2:2) or in both directions
// (4:2:0). Grey is MONOCHROME2. Anything else, 4:4:4, RGB (Adobe transform 0), other samplings,
// CMYK, would be mislabelled, so it is decoded to RGB pixels instead.
std::string PhotometricOf(const jpeg_decompress_struct& info) {
    if (info.num_components == 1 && info.jpeg_color_space == JCS_GRAYSCALE) return "MONOCHROME2";
    if (info.num_components != 3 || info.jpeg_color_space != JCS_YCbCr) return {};
    const jpeg_component_info* c = info.comp_info;
    if (c[1].h_samp_factor != c[2].h_samp_factor || c[1].v_samp_factor != c[2].v_samp_factor) return {};
    const int h = c[0].h_samp_factor, v = c[0].v_samp_factor;
    const int ch = c[1].h_samp_factor, cv = c[1].v_samp_factor;
    return h == 2 * ch && (v == cv || v == 2 * cv) ? "YBR_FULL_422" : "";
}

int OrientationOf(const jpeg_decompress_struct& info) {
    for (jpeg_saved_marker_ptr marker = info.marker_list; marker; marker = marker->next) {
        if (marker->marker != JPEG_APP0 + 1) continue;
        const int orientation = ExifOrientation(marker->data, marker->data_length);
        if (orientation != 1) return orientation;
    }
    return 1;
}

std::string DamageReason(const JpegError& error) {
    return text::Arg(text::Tr("the JPEG data is cut short or damaged (%1)"), {error.damage});
}

// libjpeg gave up on the data (jumped back out of a call).
std::string UnreadableReason(const JpegError& error) {
    return text::Arg(text::Tr("not a readable JPEG picture: %1"), {error.message});
}

// Where the pixel at (x, y) of the upright picture lies in the stored one.
struct Turn {
    int orientation;
    unsigned width, height;  // stored

    bool SwapsSides() const { return orientation >= 5; }
    size_t Source(unsigned x, unsigned y) const {
        unsigned sx = x, sy = y;
        switch (orientation) {
            case 2:
                sx = width - 1 - x;
                break;
            case 3:
                sx = width - 1 - x, sy = height - 1 - y;
                break;
            case 4:
                sy = height - 1 - y;
                break;
            case 5:
                sx = y, sy = x;
                break;
            case 6:
                sx = y, sy = height - 1 - x;
                break;
            case 7:
                sx = width - 1 - y, sy = height - 1 - x;
                break;
            case 8:
                sx = width - 1 - y, sy = x;
                break;
            default:
                break;
        }
        return (size_t(sy) * width + sx) * 3;
    }
};

void TurnUpright(int orientation, RgbPicture* picture) {
    if (orientation < 2 || orientation > 8) return;
    const Turn turn{orientation, picture->width, picture->height};
    RgbPicture upright;
    upright.width = turn.SwapsSides() ? picture->height : picture->width;
    upright.height = turn.SwapsSides() ? picture->width : picture->height;
    upright.pixels.resize(picture->pixels.size());
    unsigned char* out = upright.pixels.data();
    for (unsigned y = 0; y < upright.height; ++y) {
        for (unsigned x = 0; x < upright.width; ++x, out += 3) std::memcpy(out, &picture->pixels[turn.Source(x, y)], 3);
    }
    *picture = std::move(upright);
}

uint32_t ReadTiff(const unsigned char* p, int bytes, bool little) {
    uint32_t value = 0;
    for (int i = 0; i < bytes; ++i) value |= uint32_t(p[little ? i : bytes - 1 - i]) << (8 * i);
    return value;
}

}  // namespace

int ExifOrientation(const unsigned char* data, size_t size) {
    // "Exif\0\0", then a TIFF header: byte order, 42, the first directory's offset.
    if (size < 14 || std::memcmp(data, "Exif\0\0", 6) != 0) return 1;
    const unsigned char* tiff = data + 6;
    const size_t length = size - 6;
    bool little;
    if (std::memcmp(tiff, "II", 2) == 0) {
        little = true;
    } else if (std::memcmp(tiff, "MM", 2) == 0) {
        little = false;
    } else {
        return 1;
    }
    if (ReadTiff(tiff + 2, 2, little) != 42) return 1;
    const uint64_t directory = ReadTiff(tiff + 4, 4, little);
    if (directory + 2 > length) return 1;
    const uint32_t count = ReadTiff(tiff + directory, 2, little);
    for (uint32_t i = 0; i < count; ++i) {
        const uint64_t entry = directory + 2 + 12 * uint64_t(i);
        if (entry + 12 > length) return 1;
        const unsigned char* e = tiff + entry;
        // Orientation: tag 0x0112, type SHORT, one value, held in the entry itself.
        if (ReadTiff(e, 2, little) != 0x0112) continue;
        if (ReadTiff(e + 2, 2, little) != 3 || ReadTiff(e + 4, 4, little) != 1) return 1;
        const uint32_t value = ReadTiff(e + 8, 2, little);
        return value >= 1 && value <= 8 ? int(value) : 1;
    }
    return 1;
}

bool CheckJpeg(const unsigned char* data, size_t size, JpegFacts* facts, std::string* reason) {
    jpeg_decompress_struct info;
    JpegError error;
    SetUpErrors(&info, &error);
    if (setjmp(error.jump)) {
        *reason = UnreadableReason(error);
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    jpeg_save_markers(&info, JPEG_APP0 + 1, 0xFFFF);
    jpeg_read_header(&info, TRUE);
    facts->width = info.image_width;
    facts->height = info.image_height;
    facts->photometric = PhotometricOf(info);
    facts->orientation = OrientationOf(info);
    if (!PictureSizeAllowed(facts->width, facts->height)) {
        *reason = PictureTooLargeReason(facts->width, facts->height);
        jpeg_destroy_decompress(&info);
        return false;
    }
    // An eighth of the size leaves out most of the inverse transform; every coded bit is still read.
    info.scale_num = 1;
    info.scale_denom = 8;
    info.dct_method = JDCT_IFAST;
    info.do_fancy_upsampling = FALSE;
    jpeg_start_decompress(&info);
    JSAMPARRAY row = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                               info.output_width * info.output_components, 1);
    while (info.output_scanline < info.output_height && !error.damaged) jpeg_read_scanlines(&info, row, 1);
    if (!error.damaged) jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    if (!error.damaged) return true;
    *reason = DamageReason(error);
    return false;
}

bool DecodeJpeg(const unsigned char* data, size_t size, int orientation, RgbPicture* picture, std::string* reason) {
    jpeg_decompress_struct info;
    JpegError error;
    SetUpErrors(&info, &error);
    if (setjmp(error.jump)) {
        *reason = UnreadableReason(error);
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&info, TRUE);
    if (!PictureSizeAllowed(info.image_width, info.image_height)) {
        *reason = PictureTooLargeReason(info.image_width, info.image_height);
        jpeg_destroy_decompress(&info);
        return false;
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    if (info.output_components != 3) {
        *reason = text::Tr("the picture does not decode to RGB");
        jpeg_destroy_decompress(&info);
        return false;
    }
    picture->width = info.output_width;
    picture->height = info.output_height;
    const size_t stride = size_t(picture->width) * 3;
    picture->pixels.resize(stride * picture->height);
    while (info.output_scanline < info.output_height && !error.damaged) {
        JSAMPROW row = picture->pixels.data() + stride * info.output_scanline;
        jpeg_read_scanlines(&info, &row, 1);
    }
    if (!error.damaged) jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    if (error.damaged) {
        *reason = DamageReason(error);
        return false;
    }
    TurnUpright(orientation, picture);
    return true;
}

bool EncodeJpeg(const RgbPicture& picture, int quality, std::string* jpeg, std::string* reason) {
    jpeg_compress_struct info;
    JpegError error;
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = OnJpegError;
    error.message[0] = '\0';
    unsigned char* buffer = nullptr;
    unsigned long length = 0;
    if (setjmp(error.jump)) {
        *reason = text::Arg(text::Tr("cannot encode the picture as JPEG: %1"), {error.message});
        jpeg_destroy_compress(&info);
        std::free(buffer);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &buffer, &length);
    info.image_width = picture.width;
    info.image_height = picture.height;
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    info.write_JFIF_header = FALSE;
    info.comp_info[0].h_samp_factor = 2;
    info.comp_info[0].v_samp_factor = 1;
    jpeg_start_compress(&info, TRUE);
    const size_t stride = size_t(picture.width) * 3;
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<unsigned char*>(picture.pixels.data() + stride * info.next_scanline);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    jpeg->assign(reinterpret_cast<const char*>(buffer), length);
    std::free(buffer);
    return true;
}

}  // namespace dicom
