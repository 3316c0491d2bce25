// Reads what the objects of a patient's pictures are made from, straight from the work
// directory: the installation's identity (written once, when the work directory has none yet),
// the patient's record, its details file (or an old worklist file), the hospital name, the picture list and the
// pictures' teeth and views. Nothing
// else is written. Safe to call from any thread.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "dicom/pictureobject.h"
#include "records/patientdetails.h"
#include "records/recordtypes.h"
#include "records/toothtags.h"

namespace dicom {

struct PatientPictures {
    std::string installationId;
    _USER_INFO user = {};
    std::string hostDir;
    bool hasDetails = false;  // from the details file, or else an old worklist file
    records::PatientDetails details;
    records::PatientOrder order;  // the worklist order; empty when none (or its file is damaged)
    std::string institution;
    records::ToothTags tags;                // the pictures' teeth and views
    std::vector<PictureSource> pictures;    // in the order of the picture list
    std::vector<std::string> logicalPaths;  // the same pictures' logical paths
};

// The patient `uid` and its pictures. False, with the reason, when there is no such patient or
// the installation's identity cannot be had. A picture that is not a regular file, or whose links
// lead out of the work directory, comes with the reason in its `refused`; the others' host paths
// are their resolved paths.
bool LoadPatientPictures(uint64_t uid, PatientPictures* patient, std::string* error);

// One picture of the patient by its logical path. When the picture list does not (yet) hold it,
// the file's modification time stands for the picture's time. False, with the reason, when the
// patient or the file is missing, the path lies outside the patient's directory, or the file,
// its links resolved, lies outside the work directory (its host path is then the resolved one).
bool LoadPictureSource(uint64_t uid, const std::string& logicalPath, PictureSource* source, std::string* error);

}  // namespace dicom
