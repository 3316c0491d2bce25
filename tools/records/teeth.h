// The teeth and views of a patient's pictures in kavimo-records: shown with the patient, and set
// by `tag` for a practice system's scripts.
#pragma once

#include <string>

#include "records/toothtags.h"
#include "workdirscan.h"

namespace recordtool {

// What `tag` changes: a value given replaces the picture's, one not given stays.
struct TagRequest {
    std::string picture;  // as `show` names it: its number, its path, or its file name
    bool hasTeeth = false;
    std::string teeth;  // FDI numbers, "11,21"; empty clears them
    bool hasView = false;
    std::string view;  // a view name; empty clears it
};

// Sets a picture's teeth and view, holding the work directory's lock as kavimo does. Returns the
// exit status: 0 done, 1 no such patient or picture, the lock held by kavimo, or the file not
// written; 2 a request that is not teeth or a view.
int TagPicture(const WorkDir& workDir, const PatientDir& patient, const TagRequest& request);

// What `show` prints under a picture ("teeth 11,21  view frontal"), or "" for none.
std::string TagsLine(const records::ToothTags& tags, const std::string& pictureName);

}  // namespace recordtool
