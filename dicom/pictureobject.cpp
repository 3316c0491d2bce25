#include "dicom/pictureobject.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <new>
#include <stdexcept>
#include <vector>

#include "dcmtk/config/osconfig.h"
#include "dcmtk/dcmdata/dcdeftag.h"
#include "dcmtk/dcmdata/dcfilefo.h"
#include "dcmtk/dcmdata/dcmetinf.h"
#include "dcmtk/dcmdata/dcostrmf.h"
#include "dcmtk/dcmdata/dcpixel.h"
#include "dcmtk/dcmdata/dcpixseq.h"
#include "dcmtk/dcmdata/dcpxitem.h"
#include "dcmtk/dcmdata/dcuid.h"
#include "dcmtk/dcmdata/dcwcache.h"
#include "dcmtk/dcmdata/libi2d/i2d.h"
#include "dcmtk/dcmdata/libi2d/i2djpgs.h"
#include "dcmtk/dcmdata/libi2d/i2dplvlp.h"
#include "dicom/anatomy.h"
#include "dicom/dcmtklog.h"
#include "dicom/installation.h"
#include "dicom/jpegpicture.h"
#include "dicom/picturelimit.h"
#include "dicom/uids.h"
#include "dicom/vrcheck.h"
#include "platform/debug.h"
#include "platform/filemode.h"
#include "platform/text.h"
#include "records/recordfile.h"

#ifndef KAVIMO_VERSION
#define KAVIMO_VERSION "0"
#endif

namespace dicom {
namespace {

// Why the source's picture cannot be made into an object, with its file named.
std::string OfPicture(const PictureSource& source, const std::string& reason) {
    //: a picture file, then why it cannot be made into a DICOM object
    return text::Arg(text::Tr("%1: %2"), {source.hostPath, reason});
}

bool ReadWholeFile(const std::string& hostPath, std::vector<char>* bytes, std::string* error) {
    FILE* file = std::fopen(hostPath.c_str(), "rb");
    if (!file) {
        *error = text::Arg(text::Tr("cannot open %1: %2"), {hostPath, std::strerror(errno)});
        return false;
    }
    bytes->clear();
    char buffer[65536];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes->insert(bytes->end(), buffer, buffer + n);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) *error = text::Arg(text::Tr("cannot read %1"), {hostPath});
    return !failed;
}

// A picture that cannot travel as its JPEG data, decoded once to 8-bit RGB (turned upright) for
// the converter.
class DecodedPictureSource : public I2DImgSource {
public:
    DecodedPictureSource(const std::vector<char>& bytes, int orientation)
        : m_bytes(bytes), m_orientation(orientation) {}

    OFString inputFormat() const override { return "JPEG (decoded)"; }

    OFCondition readPixelData(Uint16& rows, Uint16& cols, Uint16& samplesPerPixel, OFString& photoMetrInt,
                              Uint16& bitsAlloc, Uint16& bitsStored, Uint16& highBit, Uint16& pixelRepr,
                              Uint16& planConf, Uint16& pixAspectH, Uint16& pixAspectV, char*& pixData, Uint32& length,
                              E_TransferSyntax& ts) override {
        RgbPicture picture;
        if (!DecodeJpeg(reinterpret_cast<const unsigned char*>(m_bytes.data()), m_bytes.size(), m_orientation, &picture,
                        &m_error)) {
            return makeOFCondition(OFM_dcmdata, 1, OF_error, m_error.c_str());
        }
        if (picture.width > 65535 || picture.height > 65535) {
            m_error = text::Tr("the picture is too large for an object");
            return makeOFCondition(OFM_dcmdata, 1, OF_error, m_error.c_str());
        }
        rows = Uint16(picture.height);
        cols = Uint16(picture.width);
        samplesPerPixel = 3;
        photoMetrInt = "RGB";
        bitsAlloc = bitsStored = 8;
        highBit = 7;
        pixelRepr = 0;
        planConf = 0;
        pixAspectH = pixAspectV = 1;
        length = Uint32(picture.pixels.size());
        pixData = new char[picture.pixels.size()];  // the converter frees it with delete[]
        std::memcpy(pixData, picture.pixels.data(), picture.pixels.size());
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
    const std::vector<char>& m_bytes;
    const int m_orientation;
    std::string m_error;
};

std::string TwoDigits(int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

OFCondition Put(DcmItem* item, const DcmTagKey& tag, const std::string& value) {
    return item->putAndInsertOFStringArray(tag, value.c_str());
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

// The order the source's picture belongs to: the patient's worklist order when the picture was
// taken on its day; null otherwise.
const records::PatientOrder* OrderOf(const PictureSource& source) {
    const records::PatientOrder& order = source.order;
    return !order.IsEmpty() && order.date == source.time.Date() ? &order : nullptr;
}

// The Request Attributes Sequence: the order's requested procedure and scheduled step (PS3.3
// C.7.3.1). Values that do not fit their VR are left out of it; the Accession Number and the
// study, checked where they are written at the top level, go in as they are.
void PutRequestAttributes(const records::PatientOrder& order, const std::string& studyUid, DcmDataset* dataset,
                          OFCondition* status) {
    if (status->bad()) return;
    DcmItem* item = nullptr;
    *status = dataset->findOrCreateSequenceItem(DCM_RequestAttributesSequence, item);
    if (status->bad() || !item) return;
    const auto put = [&](const DcmTagKey& tag, Vr vr, const std::string& value) {
        if (status->good() && !value.empty() && FitsVr(vr, value)) *status = Put(item, tag, value);
    };
    put(DCM_AccessionNumber, Vr::SH, order.accessionNumber);
    put(DCM_StudyInstanceUID, Vr::UI, studyUid);
    put(DCM_RequestedProcedureID, Vr::SH, order.requestedProcedureId);
    put(DCM_RequestedProcedureDescription, Vr::LO, FitValue(Vr::LO, order.requestedProcedureDescription));
    put(DCM_ScheduledProcedureStepID, Vr::SH, order.stepId);
    put(DCM_ScheduledProcedureStepDescription, Vr::LO, FitValue(Vr::LO, order.stepDescription));
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
        *reason = text::Tr("no installation identity to make the object's UIDs with");
        return false;
    }
    const PatientAttributes& patient = source.patient;
    const std::string& installation = source.installationId;
    const std::string date = source.time.Date();
    const std::string time = source.time.Time();
    const records::PatientOrder* order = OrderOf(source);
    OFCondition status = EC_Normal;
    const auto put = [&](const DcmTagKey& tag, const std::string& value) {
        if (status.good()) status = Put(dataset, tag, value);
    };
    // Every value outside kavimo's own making is checked against its VR first. An identifier
    // that does not fit fails the object: cut or cleaned, it could name another patient or
    // order. A text is mended, and the log says so.
    std::string refused;
    const auto putId = [&](const DcmTagKey& tag, Vr vr, const std::string& value, const std::string& pattern) {
        if (FitsVr(vr, value)) return put(tag, value);
        if (refused.empty()) refused = text::Arg(pattern, {ValueProblem(vr, value)});
    };
    const auto putText = [&](const DcmTagKey& tag, Vr vr, const std::string& value, const char* what) {
        const std::string problem = ValueProblemForLog(vr, value);
        if (!problem.empty()) {
            platform::DebugWarning("kavimo: %s: %s %s (%s): written shortened or cleaned\n", source.hostPath.c_str(),
                                   what, problem.c_str(), VrName(vr));
        }
        put(tag, FitValue(vr, value));
    };
    const std::string study = StudyUidOf(source);
    put(DCM_SpecificCharacterSet, "ISO_IR 192");
    put(DCM_ImageType, source.savedWithStrokes ? "DERIVED\\SECONDARY" : "ORIGINAL\\PRIMARY");
    if (source.savedWithStrokes) put(DCM_DerivationDescription, "strokes drawn over the picture");
    put(DCM_SOPClassUID, UID_VLPhotographicImageStorage);
    put(DCM_SOPInstanceUID, InstanceUid(installation, patient.patientId, pictureHash));
    putId(DCM_StudyInstanceUID, Vr::UI, study, text::Tr("the order's Study Instance UID: %1"));
    put(DCM_SeriesInstanceUID, order ? OrderSeriesUid(installation, patient.patientId, study, date)
                                     : SeriesUid(installation, patient.patientId, date));
    putText(DCM_PatientName, Vr::PN, patient.patientName, "the patient's name");
    putId(DCM_PatientID, Vr::LO, patient.patientId, text::Tr("Patient ID: %1"));
    if (!patient.issuer.empty())
        putId(DCM_IssuerOfPatientID, Vr::LO, patient.issuer, text::Tr("Issuer of Patient ID: %1"));
    put(DCM_PatientSex, FitValue(Vr::CS, patient.sex));
    put(DCM_PatientAge, AgeOnPictureDay(patient, date));
    put(DCM_PatientBirthDate, FitValue(Vr::DA, patient.birthDate));
    put(DCM_Modality, "XC");
    put(DCM_StudyDate, date);
    put(DCM_StudyTime, kStudyTime);
    put(DCM_StudyID, order && FitsVr(Vr::SH, order->requestedProcedureId) && !order->requestedProcedureId.empty()
                         ? order->requestedProcedureId
                         : date);
    putId(DCM_AccessionNumber, Vr::SH, order ? order->accessionNumber : std::string(),
          text::Tr("Accession Number: %1"));
    putText(DCM_ReferringPhysicianName, Vr::PN, order ? order->referringPhysician : std::string(),
            "the referring physician");
    if (order) PutRequestAttributes(*order, study, dataset, &status);
    put(DCM_SeriesDate, date);
    put(DCM_SeriesNumber, "1");
    put(DCM_Laterality, "");
    put(DCM_InstanceNumber, InstanceNumber(source.time, pictureHash));
    put(DCM_ContentDate, date);
    put(DCM_ContentTime, time);
    put(DCM_AcquisitionDateTime, date + time);
    putText(DCM_InstitutionName, Vr::LO, source.institution, "the institution's name");
    put(DCM_StationName, StationName());
    put(DCM_Manufacturer, kManufacturer);
    put(DCM_DeviceSerialNumber, installation);
    put(DCM_SoftwareVersions, SoftwareVersion());
    putText(DCM_ImageComments, Vr::LT, source.name, "the picture's name");
    if (!refused.empty()) {
        *reason = refused;
        return false;
    }
    if (status.good() && !PutAnatomy(source.tags, dataset, reason)) return false;
    if (status.good()) return true;
    *reason = status.text();
    return false;
}

}  // namespace

std::string StudyUidOf(const PictureSource& source) {
    const records::PatientOrder* order = OrderOf(source);
    if (order && !order->studyUid.empty()) return order->studyUid;
    return StudyUid(source.installationId, source.patient.patientId, source.time.Date());
}

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
        reason = text::Tr("not enough memory for the picture");
    } catch (const std::exception& exception) {
        reason = exception.what();
    }
    if (error) *error = OfPicture(source, reason);
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
    JpegFacts facts;
    if (!CheckJpeg(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), &facts, &reason)) {
        if (error) *error = OfPicture(source, reason);
        return nullptr;
    }

    // Baseline JPEG in a colour model the object allows, and upright, goes in as it is; anything
    // else is decoded (a turned picture too: turning it as JPEG data would lose its edge blocks
    // or mean a second loss).
    DcmDataset* dataset = nullptr;
    E_TransferSyntax syntax = EXS_Unknown;
    I2DJpegSource jpeg;
    jpeg.setImageFile(source.hostPath.c_str());
    jpeg.setExtSeqSupport(OFFalse);
    jpeg.setProgrSupport(OFFalse);
    bool converted = !facts.photometric.empty() && facts.orientation == 1 &&
                     Convert(&jpeg, &dataset, &syntax, &reason) && syntax == EXS_JPEGProcess1 &&
                     dataset->putAndInsertString(DCM_PhotometricInterpretation, facts.photometric.c_str()).good();
    if (!converted) {
        delete dataset;
        dataset = nullptr;
        DecodedPictureSource decoded(bytes, facts.orientation);
        if (!Convert(&decoded, &dataset, &syntax, &reason)) {
            if (error) {
                *error = OfPicture(source, decoded.Error().empty() ? reason : decoded.Error());
            }
            return nullptr;
        }
    }

    std::unique_ptr<PictureObject> object(new PictureObject);
    object->m_file.reset(new DcmFileFormat(dataset, OFFalse));
    object->m_keepsJpeg = syntax == EXS_JPEGProcess1;

    const std::string hash = Sha256Hex(bytes.data(), bytes.size());
    if (!PutAttributes(source, hash, dataset, &reason)) {
        if (error) *error = OfPicture(source, reason);
        return nullptr;
    }
    object->m_studyInstanceUid = StudyUidOf(source);
    object->m_sopInstanceUid = InstanceUid(source.installationId, source.patient.patientId, hash);
    return object;
}

const char* PictureObject::TransferSyntaxUid() const {
    return m_keepsJpeg ? UID_JPEGProcess1TransferSyntax : UID_LittleEndianExplicitTransferSyntax;
}

namespace {

// How much a JPEG made for an archive that takes nothing else may lose: the picture was JPEG
// already, and this second round should add as little as it can.
constexpr int kSecondJpegQuality = 95;

OFCondition Failure(const std::string& reason) { return makeOFCondition(OFM_dcmdata, 3, OF_error, reason.c_str()); }

// The JPEG data an object keeps: the first fragment of its encapsulated pixel data.
bool KeptJpeg(DcmDataset* dataset, const Uint8** data, size_t* size) {
    DcmElement* element = nullptr;
    if (dataset->findAndGetElement(DCM_PixelData, element).bad() || !element) return false;
    DcmPixelSequence* fragments = nullptr;
    if (static_cast<DcmPixelData*>(element)
            ->getEncapsulatedRepresentation(EXS_JPEGProcess1, nullptr, fragments)
            .bad() ||
        !fragments) {
        return false;
    }
    DcmPixelItem* fragment = nullptr;
    Uint8* bytes = nullptr;
    if (fragments->card() != 2 || fragments->getItem(fragment, 1).bad() || fragment->getUint8Array(bytes).bad() ||
        !bytes) {
        return false;
    }
    *data = bytes;
    *size = fragment->getLength();
    return true;
}

OFCondition PutDecoded(DcmDataset* dataset) {
    const Uint8* jpeg = nullptr;
    size_t size = 0;
    if (!KeptJpeg(dataset, &jpeg, &size)) return Failure(text::Tr("the object holds no JPEG data"));
    RgbPicture picture;
    std::string reason;
    if (!DecodeJpeg(jpeg, size, 1, &picture, &reason)) return Failure(reason);
    OFCondition status =
        dataset->putAndInsertUint8Array(DCM_PixelData, picture.pixels.data(), Uint32(picture.pixels.size()));
    if (status.good()) status = dataset->putAndInsertString(DCM_PhotometricInterpretation, "RGB");
    if (status.good()) status = dataset->putAndInsertUint16(DCM_SamplesPerPixel, 3);
    if (status.good()) status = dataset->putAndInsertUint16(DCM_PlanarConfiguration, 0);
    return status;
}

// Appends one more value to a multi-valued string attribute (a second lossy compression).
OFCondition AppendValue(DcmDataset* dataset, const DcmTagKey& tag, const std::string& value) {
    OFString values;
    dataset->findAndGetOFStringArray(tag, values);
    return dataset->putAndInsertOFStringArray(tag, values.empty() ? value.c_str() : (values + "\\" + value.c_str()));
}

OFCondition PutEncoded(DcmDataset* dataset) {
    Uint16 rows = 0, columns = 0, samples = 0;
    const Uint8* pixels = nullptr;
    unsigned long count = 0;
    if (dataset->findAndGetUint16(DCM_Rows, rows).bad() || dataset->findAndGetUint16(DCM_Columns, columns).bad() ||
        dataset->findAndGetUint16(DCM_SamplesPerPixel, samples).bad() || samples != 3 ||
        dataset->findAndGetUint8Array(DCM_PixelData, pixels, &count).bad() || !pixels ||
        count < size_t(rows) * columns * 3) {
        return Failure(text::Tr("the object holds no RGB pixels"));
    }
    RgbPicture picture;
    picture.width = columns;
    picture.height = rows;
    picture.pixels.assign(pixels, pixels + size_t(rows) * columns * 3);
    std::string jpeg, reason;
    if (!EncodeJpeg(picture, kSecondJpegQuality, &jpeg, &reason)) return Failure(reason);
    if (jpeg.size() % 2) jpeg.push_back('\0');  // fragments are of even length; JPEG ignores what follows EOI
    auto fragments = std::make_unique<DcmPixelSequence>(DCM_PixelSequenceTag);
    fragments->insert(new DcmPixelItem(DCM_PixelItemTag));  // an empty offset table
    auto* fragment = new DcmPixelItem(DCM_PixelItemTag);
    fragments->insert(fragment);
    OFCondition status = fragment->putUint8Array(reinterpret_cast<const Uint8*>(jpeg.data()), Uint32(jpeg.size()));
    if (status.bad()) return status;
    auto* element = new DcmPixelData(DCM_PixelData);
    element->putOriginalRepresentation(EXS_JPEGProcess1, nullptr, fragments.release());
    status = dataset->insert(element, OFTrue);
    if (status.bad()) {
        delete element;
        return status;
    }
    status = dataset->putAndInsertString(DCM_PhotometricInterpretation, "YBR_FULL_422");
    if (status.good()) status = dataset->putAndInsertString(DCM_LossyImageCompression, "01");
    if (status.good()) status = AppendValue(dataset, DCM_LossyImageCompressionMethod, "ISO_10918_1");
    if (status.good() && dataset->tagExists(DCM_LossyImageCompressionRatio)) {
        char ratio[32];
        std::snprintf(ratio, sizeof ratio, "%.2f", double(picture.pixels.size()) / double(jpeg.size()));
        status = AppendValue(dataset, DCM_LossyImageCompressionRatio, ratio);
    }
    return status;
}

}  // namespace

std::unique_ptr<DcmDataset> PictureObject::OtherForm(std::string* error) const {
    std::string reason;
    try {
        auto dataset = std::make_unique<DcmDataset>(*m_file->getDataset());
        const OFCondition status = m_keepsJpeg ? PutDecoded(dataset.get()) : PutEncoded(dataset.get());
        if (status.good()) {
            dataset->updateOriginalXfer();
            return dataset;
        }
        reason = status.text();
    } catch (const std::bad_alloc&) {
        reason = text::Tr("not enough memory for the picture");
    }
    if (error) {
        *error = m_keepsJpeg ? text::Arg(text::Tr("cannot make the picture uncompressed: %1"), {reason})
                             : text::Arg(text::Tr("cannot make the picture JPEG: %1"), {reason});
    }
    return nullptr;
}

namespace {

// Makes the file meta information anew for the syntax, naming kavimo as the implementation that
// wrote the file (DCMTK would name itself), and reckons the group's length afterwards.
OFCondition PrepareMetaInfo(DcmFileFormat& object, E_TransferSyntax syntax) {
    OFCondition status = object.validateMetaInfo(syntax, EWM_createNewMeta);
    DcmMetaInfo* meta = object.getMetaInfo();
    if (status.good() && !meta) status = EC_IllegalCall;
    if (status.good()) status = meta->putAndInsertString(DCM_ImplementationClassUID, ImplementationClassUid().c_str());
    if (status.good()) {
        status = meta->putAndInsertString(DCM_ImplementationVersionName, ImplementationVersionName().c_str());
    }
    if (status.good()) {
        status = meta->computeGroupLengthAndPadding(EGL_withGL, EPD_noChange, META_HEADER_DEFAULT_TRANSFERSYNTAX);
    }
    return status;
}

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
    OFCondition status = PrepareMetaInfo(object, syntax);
    if (status.good()) {
        DcmOutputFileStream stream(file);
        DcmWriteCache cache;
        object.transferInit();
        status = object.write(stream, syntax, EET_UndefinedLength, &cache, EGL_recalcGL, EPD_noChange, 0, 0, 0,
                              EWM_dontUpdateMeta);
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
        if (error) *error = text::Arg(text::Tr("cannot write %1: %2"), {hostPath, std::strerror(errno)});
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
        if (error) *error = text::Arg(text::Tr("cannot write %1: %2"), {hostPath, status.text()});
        return false;
    }
    return true;
}

}  // namespace dicom
