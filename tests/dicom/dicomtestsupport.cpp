#include "dicomtestsupport.h"

#include <stdlib.h>
#include <sys/stat.h>

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <jpeglib.h>

#include "platform/paths.h"
#include "records/recordnames.h"
#include "records/recordstore.h"
#include "records/textconv.h"

namespace dicomtest {

namespace {

struct JpegLayout {
    bool progressive = false;
    int h = 2, v = 2;  // libjpeg's default: 4:2:0
    bool rgb = false;
};

std::string WriteJpeg(int width, int height, int seed, const JpegLayout& layout) {
    jpeg_compress_struct info;
    jpeg_error_mgr error;
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(width);
    info.image_height = JDIMENSION(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 90, TRUE);
    if (layout.rgb) jpeg_set_colorspace(&info, JCS_RGB);
    info.comp_info[0].h_samp_factor = layout.h;
    info.comp_info[0].v_samp_factor = layout.v;
    if (layout.progressive) jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(size_t(width) * 3);
    while (info.next_scanline < info.image_height) {
        const int y = int(info.next_scanline);
        for (int x = 0; x < width; ++x) {
            row[size_t(x) * 3] = static_cast<unsigned char>((x + seed * 37) & 0xff);
            row[size_t(x) * 3 + 1] = static_cast<unsigned char>((y * 2 + seed) & 0xff);
            row[size_t(x) * 3 + 2] = static_cast<unsigned char>(((x ^ y) + seed * 11) & 0xff);
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::string jpeg(reinterpret_cast<char*>(buffer), size);
    std::free(buffer);
    return jpeg;
}

}  // namespace

std::string MakeJpeg(int width, int height, int seed, bool progressive) {
    JpegLayout layout;
    layout.progressive = progressive;
    return WriteJpeg(width, height, seed, layout);
}

std::string MakeJpegSampled(int width, int height, int seed, int h, int v, bool rgb) {
    JpegLayout layout;
    layout.h = rgb ? 1 : h;
    layout.v = rgb ? 1 : v;
    layout.rgb = rgb;
    return WriteJpeg(width, height, seed, layout);
}

std::string MakeOversizedJpeg(unsigned char sofMarker) {
    std::string jpeg = MakeJpeg(16, 16, 1, false);
    const size_t sof = jpeg.find("\xff\xc0");
    if (sof == std::string::npos) return std::string();
    // FF Cn, length (2), precision (1), height (2), width (2).
    jpeg[sof + 1] = static_cast<char>(sofMarker);
    for (size_t at : {sof + 5, sof + 7}) {
        jpeg[at] = static_cast<char>(60000 >> 8);
        jpeg[at + 1] = static_cast<char>(60000 & 0xff);
    }
    return jpeg;
}

std::string WithoutAppSegments(const std::string& jpeg) {
    std::string out = jpeg.substr(0, 2);  // SOI
    size_t pos = 2;
    while (pos + 4 <= jpeg.size() && static_cast<unsigned char>(jpeg[pos]) == 0xFF) {
        const unsigned char marker = static_cast<unsigned char>(jpeg[pos + 1]);
        const size_t length =
            (size_t(static_cast<unsigned char>(jpeg[pos + 2])) << 8) | static_cast<unsigned char>(jpeg[pos + 3]);
        if (marker == 0xDA) break;  // start of scan: everything from here on stays
        if (marker < 0xE0 || marker > 0xEF) out += jpeg.substr(pos, length + 2);
        pos += length + 2;
    }
    return out + jpeg.substr(pos);
}

std::vector<unsigned char> DecodeJpeg(const std::string& jpeg, int* width, int* height) {
    jpeg_decompress_struct info;
    jpeg_error_mgr error;
    info.err = jpeg_std_error(&error);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(jpeg.data()), jpeg.size());
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    *width = int(info.output_width);
    *height = int(info.output_height);
    std::vector<unsigned char> pixels(size_t(*width) * size_t(*height) * 3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = pixels.data() + size_t(info.output_scanline) * size_t(*width) * 3;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return pixels;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
}

TempDrive::TempDrive() {
    char dir[] = "/tmp/kavimo-dicom-XXXXXX";
    if (::mkdtemp(dir)) m_root = dir;
    platform::SetDriveRoot(m_root);
}

TempDrive::~TempDrive() {
    platform::SetDriveRoot("");
    std::error_code ec;
    if (!m_root.empty()) std::filesystem::remove_all(m_root, ec);
}

std::string TempDrive::PatientDir(uint64_t uid) const { return Work() + "/" + records::UidText(uid); }

std::vector<std::string> TempDrive::AddPatient(uint64_t uid, const std::u16string& name, int sex, int age,
                                               const std::vector<std::pair<uint64_t, std::string>>& pictures,
                                               const std::u16string& hospital) {
    RecordStore store;
    store.PrepareWorkDir();
    store.Load();
    _USER_INFO user = {};
    user.uid = uid;
    records::SetFieldText(user.name, name);
    user.sex = sex;
    user.age = age;
    store.AddUser(user);
    int index = -1;
    for (int i = 0; i < store.UserCount(); ++i) {
        _USER_INFO listed = {};
        store.GetUser(i, &listed);
        if (listed.uid == uid) index = i;
    }
    store.SelectUser(index);
    std::vector<std::string> paths;
    for (const auto& picture : pictures) {
        const std::string logical = records::PicturePath(records::PatientDirPath(uid), picture.first);
        const std::string host = platform::HostPath(logical);
        WriteFile(host, picture.second);
        store.AddPicture(0, logical, true);
        paths.push_back(logical);
    }
    if (!hospital.empty()) store.SetHospital(hospital);
    store.CommitCurrentUser();
    store.Flush();
    return paths;
}

}  // namespace dicomtest
