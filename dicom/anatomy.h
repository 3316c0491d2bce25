// What a picture shows, in the terms of the objects: the mouth as its anatomic region, each tooth
// it was tagged with as a primary anatomic structure, and the view it was taken from
// (records/toothtags.h holds the tags). No Qt; any thread.
#pragma once

#include <string>

#include "records/toothtags.h"

class DcmDataset;

namespace dicom {

// A coded concept: code value, coding scheme designator and code meaning.
struct CodedConcept {
    const char* value;
    const char* scheme;
    const char* meaning;
};

// The SNOMED CT concept of an FDI tooth number; null for a number that is not a tooth.
const CodedConcept* ToothConcept(int fdi);

// The concept of a view; null for View::None.
const CodedConcept* ViewConcept(records::View view);

// Puts the tags into the object: Anatomic Region Sequence (0008,2218) with the mouth, Primary
// Anatomic Structure Sequence (0008,2228) with one item per tooth, View Code Sequence (0054,0220)
// with the view. Untagged pictures get the region only. False, with the reason, when DCMTK refuses an
// element.
bool PutAnatomy(const records::PictureTags& tags, DcmDataset* dataset, std::string* reason);

}  // namespace dicom
