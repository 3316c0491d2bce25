// A folder of picture objects that opens in any viewer, for a USB stick or a disc: the objects
// under DICOM/, in a folder per patient, named within ISO 9660's eight characters (upper-case
// letters and digits, no extension), and a DICOMDIR at the top that lists them (the General
// Purpose USB and Flash Memory with JPEG profile, STD-GEN-USB-JPEG: the pictures keep their JPEG
// data, decoded ones travel uncompressed). Exporting into the same folder again replaces each
// picture's file and lists every object of the folder's DICOM tree, earlier exports' included.
//
// One thread uses an ExportFolder at a time.
#pragma once

#include <string>
#include <vector>

namespace dicom {

class PictureObject;

// The DICOMDIR's name and the folder the objects go under.
inline constexpr const char* kDicomDirName = "DICOMDIR";
inline constexpr const char* kExportObjectsFolder = "DICOM";

class ExportFolder {
public:
    // `hostDir` is the folder chosen for the export; it must exist.
    explicit ExportFolder(std::string hostDir);

    // Writes the object into the folder's DICOM tree, under the name its patient and its instance
    // give it (the same picture exported again replaces its file). *fileId (may be null) is the
    // file's path within the folder ("DICOM/P1A2B3C4/I0F9E8D7"). False, with the reason, when
    // it cannot be written. The file is made in a private folder and renamed into place, so that
    // nobody else who can write to the export folder can redirect or read it half-made.
    bool Add(const PictureObject& object, std::string* fileId, std::string* error);

    // Writes the DICOMDIR listing every object in the folder's DICOM tree; it replaces an earlier
    // one as a whole. False, with the reason (a file DCMTK finds unfit for the profile, say).
    bool WriteDicomDir(std::string* error);

private:
    std::string m_dir;
};

}  // namespace dicom
