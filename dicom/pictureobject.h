// One stored picture as a DICOM object: a VL Photographic Image that carries the picture's JPEG
// data unchanged when it is baseline JPEG with chroma subsampled (4:2:0, 4:2:2: YBR_FULL_422) or
// grey, and the decoded pixels (RGB, Explicit VR Little Endian) when it is not.
#pragma once

#include <memory>
#include <string>

#include "dicom/patient.h"
#include "dicom/picturelimit.h"
#include "records/patientdetails.h"
#include "records/toothtags.h"

class DcmDataset;
class DcmFileFormat;

namespace dicom {

// The local time the picture was taken.
struct PictureTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;

    std::string Date() const;  // YYYYMMDD
    std::string Time() const;  // HHMMSS
};

// Everything an object is made from.
struct PictureSource {
    std::string installationId;  // this installation's identity (dicom/installation.h)
    PatientAttributes patient;
    std::string institution;  // the hospital name, UTF-8
    std::string hostPath;     // the picture file
    std::string refused;      // why the file is not read (a link out of the work directory); empty: it is
    std::string name;         // the picture's file name without its extension
    PictureTime time;
    bool savedWithStrokes = false;  // written over with strokes: its original is kept aside
    // The worklist order the patient came with: a picture of the order's day goes into its study.
    records::PatientOrder order;
    records::PictureTags tags;  // the teeth and view it shows (records/toothtags.h)
};

// The study a picture of the source goes into: the order's when it applies, else the patient's
// day at this installation.
std::string StudyUidOf(const PictureSource& source);

// The name kavimo gives itself in the objects (Manufacturer) and its version.
inline constexpr const char* kManufacturer = "kavimo";
const char* SoftwareVersion();

class PictureObject {
public:
    ~PictureObject();
    PictureObject(const PictureObject&) = delete;
    PictureObject& operator=(const PictureObject&) = delete;

    // Reads the picture and builds its object. Null, with the reason in *error, when the file
    // cannot be read, is not a picture, claims more pixels than kavimo decodes
    // (kMaxPicturePixels), the source has no valid installation identity, or an identifier (the
    // Patient ID, its issuer, the order's Accession Number or UIDs) does not fit its VR. A text
    // that does not fit its VR is mended, with a line in the log. Never throws.
    static std::unique_ptr<PictureObject> Build(const PictureSource& source, std::string* error);

    const std::string& SopInstanceUid() const { return m_sopInstanceUid; }
    const std::string& StudyInstanceUid() const { return m_studyInstanceUid; }

    // True when the object holds the JPEG data as stored (JPEG Baseline transfer syntax).
    bool KeepsJpeg() const { return m_keepsJpeg; }

    // The transfer syntax UID the object is encoded in.
    const char* TransferSyntaxUid() const;

    // The object's data set with its pixels in the other form, for an archive that does not take
    // them as they are: decoded to RGB when the object keeps JPEG data (the same picture, no
    // further loss), encoded as baseline JPEG when it holds decoded pixels. Null, with the reason,
    // when that fails. The object's UIDs stay the same.
    std::unique_ptr<DcmDataset> OtherForm(std::string* error) const;

    // Writes the object as a DICOM file (with its file meta information), with the data's mode and
    // group (platform/filemode.h). Replaces an existing file as a whole, through a temporary file
    // of an unpredictable name in the same folder. False, with the reason, on failure.
    bool WriteFile(const std::string& hostPath, std::string* error) const;

    // The object for the network code.
    DcmFileFormat& File() const { return *m_file; }

private:
    PictureObject();
    static std::unique_ptr<PictureObject> BuildChecked(const PictureSource& source, std::string* error);

    std::unique_ptr<DcmFileFormat> m_file;
    std::string m_sopInstanceUid;
    std::string m_studyInstanceUid;
    bool m_keepsJpeg = false;
};

}  // namespace dicom
