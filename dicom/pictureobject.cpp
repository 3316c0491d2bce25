#include "dicom/pictureobject.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <new>
#include <stdexcept>
#include <vector>

#include <jpeglib.h>

#include "dcmtk/config/osconfig.h"
#include "dcmtk/dcmdata/dcdeftag.h"
#include "dcmtk/dcmdata/dcfilefo.h"
#include "dcmtk/dcmdata/dcostrmf.h"
#include "dcmtk/dcmdata/dcuid.h"
#include "dcmtk/dcmdata/dcwcache.h"
#include "dcmtk/dcmdata/libi2d/i2d.h"
#include "dcmtk/dcmdata/libi2d/i2djpgs.h"
#include "dcmtk/dcmdata/libi2d/i2dplvlp.h"
#include "dicom/anatomy.h"
#include "dicom/dcmtklog.h"
#include "dicom/installation.h"
#include "dicom/picturelimit.h"
#include "dicom/uids.h"
#include "platform/filemode.h"
#include "records/recordfile.h"

#ifndef KAVIMO_VERSION
#define KAVIMO_VERSION "0"
#endif

namespace dicom {
namespace {

bool ReadWholeFile(const std::string& hostPath, std::vector<char>* bytes, std::string* error) {
    FILE* file = std::fopen(hostPath.c_str(), "rb");
    if (!file) {
        *error = "cannot open " + hostPath + ": " + std::strerror(errno);
        return false;
    }
    bytes->clear();
    char buffer[65536];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes->insert(bytes->end(), buffer, buffer + n);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) *error = "cannot read " + hostPath;
    return !failed;
}

struct JpegError {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void OnJpegError(j_common_ptr info) {
    auto* error = reinterpret_cast<JpegError*>(info->err);
    (*info->err->format_message)(info, error->message);
    std::longjmp(error->jump, 1);
}

// What the JPEG's headers say about the picture.
struct JpegHeader {
    uint64_t width = 0, height = 0;
    // The colour model under which the JPEG data can travel unchanged; empty when it cannot.
    std::string photometric;
};

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

// Reads the JPEG headers only, so that a picture over the limit is refused before anything is
// decoded or converted. False with the reason.
bool ReadJpegHeader(const std::vector<char>& bytes, JpegHeader* header, std::string* reason) {
    jpeg_decompress_struct info;
    JpegError error;
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = OnJpegError;
    if (setjmp(error.jump)) {
        *reason = std::string("not a readable JPEG picture: ") + error.message;
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    header->width = info.image_width;
    header->height = info.image_height;
    header->photometric = PhotometricOf(info);
    jpeg_destroy_decompress(&info);
    if (PictureSizeAllowed(header->width, header->height)) return true;
    *reason = PictureTooLargeReason(header->width, header->height);
    return false;
}

// A picture that is not baseline JPEG, decoded once to 8-bit RGB for the converter.
class DecodedPictureSource : public I2DImgSource {
public:
    explicit DecodedPictureSource(const std::vector<char>& bytes) : m_bytes(bytes) {}

    OFString inputFormat() const override { return "JPEG (decoded)"; }

    OFCondition readPixelData(Uint16& rows, Uint16& cols, Uint16& samplesPerPixel, OFString& photoMetrInt,
                              Uint16& bitsAlloc, Uint16& bitsStored, Uint16& highBit, Uint16& pixelRepr,
                              Uint16& planConf, Uint16& pixAspectH, Uint16& pixAspectV, char*& pixData, Uint32& length,
                              E_TransferSyntax& ts) override {
        std::vector<unsigned char> pixels;
        unsigned width = 0, height = 0;
        if (!Decode(&pixels, &width, &height)) {
            return makeOFCondition(OFM_dcmdata, 1, OF_error, m_error.c_str());
        }
        rows = Uint16(height);
        cols = Uint16(width);
        samplesPerPixel = 3;
        photoMetrInt = "RGB";
        bitsAlloc = bitsStored = 8;
        highBit = 7;
        pixelRepr = 0;
        planConf = 0;
        pixAspectH = pixAspectV = 1;
        length = Uint32(pixels.size());
        pixData = new char[pixels.size()];  // the converter frees it with delete[]
        std::memcpy(pixData, pixels.data(), pixels.size());
        ts = EXS_LittleEndianExplicit;
        return EC_Normal;
    }

    OFCondition getLossyComprInfo(OFBool& lossy, OFString& method) const override {
        lossy = OFTrue;
        method = "ISO_10918_1";
        return EC_Normal;
    }

    const std::string& Error() const { return m_error; }

private:
    bool Decode(std::vector<unsigned char>* pixels, unsigned* width, unsigned* height) {
        jpeg_decompress_struct info;
        JpegError error;
        info.err = jpeg_std_error(&error.manager);
        error.manager.error_exit = OnJpegError;
        if (setjmp(error.jump)) {
            m_error = std::string("not a readable JPEG picture: ") + error.message;
            jpeg_destroy_decompress(&info);
            return false;
        }
        jpeg_create_decompress(&info);
        jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(m_bytes.data()),
                     static_cast<unsigned long>(m_bytes.size()));
        jpeg_read_header(&info, TRUE);
        if (!PictureSizeAllowed(info.image_width, info.image_height)) {
            m_error = PictureTooLargeReason(info.image_width, info.image_height);
            jpeg_destroy_decompress(&info);
            return false;
        }
        info.out_color_space = JCS_RGB;
        jpeg_start_decompress(&info);
        if (info.output_width > 65535 || info.output_height > 65535 || info.output_components != 3) {
            m_error = "the picture is too large for an object";
            jpeg_destroy_decompress(&info);
            return false;
        }
        *width = info.output_width;
        *height = info.output_height;
        const size_t stride = size_t(*width) * 3;
        pixels->resize(stride * *height);
        while (info.output_scanline < info.output_height) {
            JSAMPROW row = pixels->data() + stride * info.output_scanline;
            jpeg_read_scanlines(&info, &row, 1);
        }
        jpeg_finish_decompress(&info);
        jpeg_destroy_decompress(&info);
        return true;
    }

    const std::vector<char>& m_bytes;
    std::string m_error;
};

std::string TwoDigits(int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

OFCondition Put(DcmDataset* dataset, const DcmTagKey& tag, const std::string& value) {
    return dataset->putAndInsertOFStringArray(tag, value.c_str());
}

// Converts with the given source; the dataset and its transfer syntax on success.
bool Convert(I2DImgSource* source, DcmDataset** dataset, E_TransferSyntax* syntax, std::string* error) {
    Image2Dcm converter;
    I2DOutputPlugVLP output;
    converter.setValidityChecking(OFTrue, OFTrue, OFTrue);
    output.setValidityChecking(OFTrue, OFTrue, OFTrue);
    DcmDataset* result = nullptr;
    E_TransferSyntax proposed = EXS_Unknown;
    OFCondition status = converter.convertFirstFrame(source, &output, 1, result, proposed);
    if (status.good()) status = converter.updateLossyCompressionInfo(source, 1, result);
    if (status.bad()) {
        delete result;
        *error = status.text();
        return false;
    }
    *dataset = result;
    *syntax = proposed;
    return true;
}

// The study time of every study: the start of its day.
constexpr const char* kStudyTime = "000000";

// The instance number: the picture's time of day and three digits of its content, so that a
// picture saved again with strokes (same name, same time) is not numbered as the original is.
std::string InstanceNumber(const PictureTime& time, const std::string& pictureHash) {
    const long long content = std::stoll(pictureHash.substr(0, 8), nullptr, 16) % 1000;
    return std::to_string((time.hour * 10000LL + time.minute * 100 + time.second) * 1000 + content);
}

// The patient's age on the picture's day: from the birth date when it is known, else the age
// the record holds.
std::string AgeOnPictureDay(const PatientAttributes& patient, const std::string& date) {
    const int years = AgeOn(patient.birthDate, date);
    return years >= 0 ? AgeString(years) : patient.age;
}

// The attributes kavimo sets over what the converter made. The study and series are the
// patient's day at this installation. Their objects are made one by one, in separate sends, and
// no picture's own time would stay the same for all of them (the day's first picture may be
// deleted), so every object of the day gives the day's start as the study time and no series
// time; each picture keeps its own content time. A picture as it was taken is an original; one
// written over with strokes is derived from it (PS3.3 C.7.6.1.1.2). Which side of the mouth a picture shows is not
// known: Laterality is present and empty (PS3.3 C.7.3.1, Type 2C).
bool PutAttributes(const PictureSource& source, const std::string& pictureHash, DcmDataset* dataset,
                   std::string* reason) {
    if (!IsValidInstallationId(source.installationId)) {
        *reason = "no installation identity to make the object's UIDs with";
        return false;
    }
    const PatientAttributes& patient = source.patient;
    const std::string& installation = source.installationId;
    const std::string date = source.time.Date();
    const std::string time = source.time.Time();
    OFCondition status = EC_Normal;
    const auto put = [&](const DcmTagKey& tag, const std::string& value) {
        if (status.good()) status = Put(dataset, tag, value);
    };
    put(DCM_SpecificCharacterSet, "ISO_IR 192");
    put(DCM_ImageType, source.savedWithStrokes ? "DERIVED\\SECONDARY" : "ORIGINAL\\PRIMARY");
    if (source.savedWithStrokes) put(DCM_DerivationDescription, "strokes drawn over the picture");
    put(DCM_SOPClassUID, UID_VLPhotographicImageStorage);
    put(DCM_SOPInstanceUID, InstanceUid(installation, patient.patientId, pictureHash));
    put(DCM_StudyInstanceUID, StudyUid(installation, patient.patientId, date));
    put(DCM_SeriesInstanceUID, SeriesUid(installation, patient.patientId, date));
    put(DCM_PatientName, patient.patientName);
    put(DCM_PatientID, patient.patientId);
    if (!patient.issuer.empty()) put(DCM_IssuerOfPatientID, patient.issuer);
    put(DCM_PatientSex, patient.sex);
    put(DCM_PatientAge, AgeOnPictureDay(patient, date));
    put(DCM_PatientBirthDate, patient.birthDate);
    put(DCM_Modality, "XC");
    put(DCM_StudyDate, date);
    put(DCM_StudyTime, kStudyTime);
    put(DCM_StudyID, date);
    put(DCM_SeriesDate, date);
    put(DCM_SeriesNumber, "1");
    put(DCM_Laterality, "");
    put(DCM_InstanceNumber, InstanceNumber(source.time, pictureHash));
    put(DCM_ContentDate, date);
    put(DCM_ContentTime, time);
    put(DCM_AcquisitionDateTime, date + time);
    put(DCM_InstitutionName, source.institution);
    put(DCM_StationName, StationName());
    put(DCM_Manufacturer, kManufacturer);
    put(DCM_DeviceSerialNumber, installation);
    put(DCM_SoftwareVersions, SoftwareVersion());
    put(DCM_ImageComments, source.name);
    if (status.good() && !PutAnatomy(source.tags, dataset, reason)) return false;
    if (status.good()) return true;
    *reason = status.text();
    return false;
}

}  // namespace

std::string PictureTime::Date() const {
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02d%02d", year, month, day);
    return text;
}

std::string PictureTime::Time() const { return TwoDigits(hour) + TwoDigits(minute) + TwoDigits(second); }

const char* SoftwareVersion() { return "kavimo " KAVIMO_VERSION; }

PictureObject::PictureObject() = default;
PictureObject::~PictureObject() = default;

std::unique_ptr<PictureObject> PictureObject::Build(const PictureSource& source, std::string* error) {
    // Nothing a picture file holds may end the program: whatever the converters throw (memory
    // they could not have) fails this picture only.
    std::string reason;
    try {
        return BuildChecked(source, error);
    } catch (const std::bad_alloc&) {
        reason = "not enough memory for the picture";
    } catch (const std::exception& exception) {
        reason = exception.what();
    }
    if (error) *error = source.hostPath + ": " + reason;
    return nullptr;
}

std::unique_ptr<PictureObject> PictureObject::BuildChecked(const PictureSource& source, std::string* error) {
    ConfigureDcmtkLog();
    if (!source.refused.empty()) {
        if (error) *error = source.refused;
        return nullptr;
    }
    std::string reason;
    std::vector<char> bytes;
    if (!ReadWholeFile(source.hostPath, &bytes, &reason)) {
        if (error) *error = reason;
        return nullptr;
    }
    JpegHeader header;
    if (!ReadJpegHeader(bytes, &header, &reason)) {
        if (error) *error = source.hostPath + ": " + reason;
        return nullptr;
    }

    // Baseline JPEG in a colour model the object allows goes in as it is; anything else is decoded.
    DcmDataset* dataset = nullptr;
    E_TransferSyntax syntax = EXS_Unknown;
    I2DJpegSource jpeg;
    jpeg.setImageFile(source.hostPath.c_str());
    jpeg.setExtSeqSupport(OFFalse);
    jpeg.setProgrSupport(OFFalse);
    bool converted = !header.photometric.empty() && Convert(&jpeg, &dataset, &syntax, &reason) &&
                     syntax == EXS_JPEGProcess1 &&
                     dataset->putAndInsertString(DCM_PhotometricInterpretation, header.photometric.c_str()).good();
    if (!converted) {
        delete dataset;
        dataset = nullptr;
        DecodedPictureSource decoded(bytes);
        if (!Convert(&decoded, &dataset, &syntax, &reason)) {
            if (error) {
                *error = source.hostPath + ": " + (decoded.Error().empty() ? reason : decoded.Error());
            }
            return nullptr;
        }
    }

    std::unique_ptr<PictureObject> object(new PictureObject);
    object->m_file.reset(new DcmFileFormat(dataset, OFFalse));
    object->m_keepsJpeg = syntax == EXS_JPEGProcess1;

    const std::string hash = Sha256Hex(bytes.data(), bytes.size());
    if (!PutAttributes(source, hash, dataset, &reason)) {
        if (error) *error = source.hostPath + ": " + reason;
        return nullptr;
    }
    object->m_studyInstanceUid = StudyUid(source.installationId, source.patient.patientId, source.time.Date());
    object->m_sopInstanceUid = InstanceUid(source.installationId, source.patient.patientId, hash);
    return object;
}

const char* PictureObject::TransferSyntaxUid() const {
    return m_keepsJpeg ? UID_JPEGProcess1TransferSyntax : UID_LittleEndianExplicitTransferSyntax;
}

namespace {

// Writes the object into a file of our own making, with the data's mode and group.
OFCondition WriteObject(DcmFileFormat& object, E_TransferSyntax syntax, int fd) {
    if (::fchmod(fd, platform::AllowedFileMode()) != 0 || !platform::GiveDataGroup(fd)) {
        return makeOFCondition(OFM_dcmdata, 2, OF_error, std::strerror(errno));
    }
    const int copy = ::dup(fd);
    std::FILE* file = copy < 0 ? nullptr : ::fdopen(copy, "wb");
    if (!file) {
        const int saved = errno;
        if (copy >= 0) ::close(copy);
        return makeOFCondition(OFM_dcmdata, 2, OF_error, std::strerror(saved));
    }
    // What DcmFileFormat::saveFile does. The stream closes its copy
    // of the descriptor; a write lost in that last flush shows in the file's size.
    offile_off_t written = 0;
    OFCondition status;
    {
        DcmOutputFileStream stream(file);
        DcmWriteCache cache;
        object.transferInit();
        status = object.write(stream, syntax, EET_UndefinedLength, &cache, EGL_recalcGL);
        object.transferEnd();
        if (status.good()) stream.flush();
        written = stream.tell();
    }
    struct stat st;
    if (status.good() && (::fstat(fd, &st) != 0 || offile_off_t(st.st_size) != written)) {
        status = makeOFCondition(OFM_dcmdata, 2, OF_error, "the file was not completely written");
    }
    return status;
}

}  // namespace

bool PictureObject::WriteFile(const std::string& hostPath, std::string* error) const {
    // The temporary file gets an unpredictable name that mkostemp creates itself (never through a
    // link another account planted in the folder), the data's mode and group before any data goes
    // in, and is renamed over the target only when it is complete. Its name is the one the
    // records' own rewrites use, so that a leftover after a crash is recognised as such.
    const size_t slash = hostPath.rfind('/');
    const std::string dir = slash == std::string::npos ? "." : hostPath.substr(0, slash == 0 ? 1 : slash);
    const std::string name = slash == std::string::npos ? hostPath : hostPath.substr(slash + 1);
    std::string temp = (dir == "/" ? dir : dir + "/") + "." + name + ".XXXXXX";
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) {
        if (error) *error = "cannot write " + hostPath + ": " + std::strerror(errno);
        return false;
    }
    OFCondition status = WriteObject(*m_file, m_keepsJpeg ? EXS_JPEGProcess1 : EXS_LittleEndianExplicit, fd);
    if (status.good() && ::fsync(fd) != 0) status = makeOFCondition(OFM_dcmdata, 2, OF_error, std::strerror(errno));
    if (::close(fd) != 0 && status.good()) status = makeOFCondition(OFM_dcmdata, 2, OF_error, std::strerror(errno));
    if (status.good() && std::rename(temp.c_str(), hostPath.c_str()) != 0) {
        status = makeOFCondition(OFM_dcmdata, 2, OF_error, std::strerror(errno));
    }
    if (status.bad()) {
        ::unlink(temp.c_str());
        if (error) *error = "cannot write " + hostPath + ": " + status.text();
        return false;
    }
    return true;
}

}  // namespace dicom
