#include "dicom/anatomy.h"

#include "dcmtk/config/osconfig.h"
#include "dcmtk/dcmdata/dcdatset.h"
#include "dcmtk/dcmdata/dcdeftag.h"
#include "dcmtk/dcmdata/dcitem.h"

namespace dicom {
namespace {

struct Tooth {
    int fdi;
    CodedConcept concept;
};

// The permanent teeth, ISO 3950 designation, with their codes and meanings as DICOM PS3.16
// CID 4018 "Intra-oral Anatomic Structure Permanent Dentition" lists them (current edition;
// earlier editions gave other SNOMED codes for some teeth). The table's meanings are kept as it
// words them, the mandibular ones without "Permanent". Taken from pydicom's concept tables, which
// are generated from the standard's own; check them against PS3.16 when a new edition comes out.
constexpr Tooth kPermanentTeeth[] = {
    {11, {"422653006", "SCT", "Permanent maxillary right central incisor tooth"}},
    {12, {"424877001", "SCT", "Permanent maxillary right lateral incisor tooth"}},
    {13, {"860767006", "SCT", "Permanent maxillary right canine tooth"}},
    {14, {"57826002", "SCT", "Permanent maxillary right first premolar tooth"}},
    {15, {"36492000", "SCT", "Permanent maxillary right second premolar tooth"}},
    {16, {"865995000", "SCT", "Permanent maxillary right first molar tooth"}},
    {17, {"863902006", "SCT", "Permanent maxillary right second molar tooth"}},
    {18, {"68085002", "SCT", "Permanent maxillary right third molar tooth"}},
    {21, {"424399000", "SCT", "Permanent maxillary left central incisor tooth"}},
    {22, {"423185002", "SCT", "Permanent maxillary left lateral incisor tooth"}},
    {23, {"860780009", "SCT", "Permanent maxillary left canine tooth"}},
    {24, {"61897005", "SCT", "Permanent maxillary left first premolar tooth"}},
    {25, {"23226009", "SCT", "Permanent maxillary left second premolar tooth"}},
    {26, {"865988009", "SCT", "Permanent maxillary left first molar tooth"}},
    {27, {"863901004", "SCT", "Permanent maxillary left second molar tooth"}},
    {28, {"87704003", "SCT", "Permanent maxillary left third molar tooth"}},
    {31, {"425106001", "SCT", "Mandibular left central incisor tooth"}},
    {32, {"423331005", "SCT", "Mandibular left lateral tooth"}},
    {33, {"860782001", "SCT", "Mandibular left canine tooth"}},
    {34, {"2400006", "SCT", "Mandibular left first premolar tooth"}},
    {35, {"24573005", "SCT", "Mandibular left second premolar tooth"}},
    {36, {"866006002", "SCT", "Mandibular left first molar tooth"}},
    {37, {"863898000", "SCT", "Mandibular left second molar tooth"}},
    {38, {"74344005", "SCT", "Mandibular left third molar tooth"}},
    {41, {"424575004", "SCT", "Mandibular right central incisor tooth"}},
    {42, {"423937004", "SCT", "Mandibular right lateral incisor tooth"}},
    {43, {"860785004", "SCT", "Mandibular right canine tooth"}},
    {44, {"80140008", "SCT", "Mandibular right first premolar tooth"}},
    {45, {"8873007", "SCT", "Mandibular right second premolar tooth"}},
    {46, {"866005003", "SCT", "Mandibular right first molar tooth"}},
    {47, {"863899008", "SCT", "Mandibular right second molar tooth"}},
    {48, {"38994002", "SCT", "Mandibular right third molar tooth"}},
};

// The deciduous teeth, ISO 3950 designation, as DICOM PS3.16 CID 4019 "Intra-oral Anatomic
// Structure Deciduous Dentition" lists them (current edition).
constexpr Tooth kDeciduousTeeth[] = {
    {51, {"88824007", "SCT", "Deciduous maxillary right central incisor tooth"}},
    {52, {"65624003", "SCT", "Deciduous maxillary right lateral incisor tooth"}},
    {53, {"30618001", "SCT", "Deciduous maxillary right canine tooth"}},
    {54, {"17505006", "SCT", "Deciduous maxillary right first molar tooth"}},
    {55, {"27855007", "SCT", "Deciduous maxillary right second molar tooth"}},
    {61, {"51678005", "SCT", "Deciduous maxillary left central incisor tooth"}},
    {62, {"43622005", "SCT", "Deciduous maxillary left lateral incisor tooth"}},
    {63, {"73937000", "SCT", "Deciduous maxillary left canine tooth"}},
    {64, {"45234009", "SCT", "Deciduous maxillary left first molar tooth"}},
    {65, {"51943008", "SCT", "Deciduous maxillary left second molar tooth"}},
    {71, {"89552004", "SCT", "Deciduous mandibular left central incisor tooth"}},
    {72, {"14770005", "SCT", "Deciduous mandibular left lateral incisor tooth"}},
    {73, {"43281008", "SCT", "Deciduous mandibular left canine tooth"}},
    {74, {"38896004", "SCT", "Deciduous mandibular left first molar tooth"}},
    {75, {"49330006", "SCT", "Deciduous mandibular left second molar tooth"}},
    {81, {"67834006", "SCT", "Deciduous mandibular right central incisor tooth"}},
    {82, {"22445006", "SCT", "Deciduous mandibular right lateral incisor tooth"}},
    {83, {"6062009", "SCT", "Deciduous mandibular right canine tooth"}},
    {84, {"58646007", "SCT", "Deciduous mandibular right first molar tooth"}},
    {85, {"61868007", "SCT", "Deciduous mandibular right second molar tooth"}},
};

// The anatomic region of every intraoral picture (SNOMED CT "Mouth region structure"). Not yet
// confirmed against a table of PS3.16: the dental photography guidance uses it in Anatomic Region
// Sequence, but CID 4028 "Craniofacial Anatomic Region" as pydicom lists it does not hold it.
constexpr CodedConcept kMouth = {"123851003", "SCT", "Mouth region structure"};

// The views. The standard's context groups for views name radiographic projections, not the
// views of an intraoral camera, so these are kavimo's own codes in a private coding scheme
// (PS3.16 8.2: designators beginning "99"), which an archive shows by their meanings.
struct ViewCode {
    records::View view;
    CodedConcept concept;
};
constexpr ViewCode kViewCodes[] = {
    {records::View::Frontal, {"FRONTAL", "99KAVIMO", "Intraoral frontal view"}},
    {records::View::LeftBuccal, {"LEFT-BUCCAL", "99KAVIMO", "Intraoral left buccal view"}},
    {records::View::RightBuccal, {"RIGHT-BUCCAL", "99KAVIMO", "Intraoral right buccal view"}},
    {records::View::UpperOcclusal, {"UPPER-OCCLUSAL", "99KAVIMO", "Intraoral maxillary occlusal view"}},
    {records::View::LowerOcclusal, {"LOWER-OCCLUSAL", "99KAVIMO", "Intraoral mandibular occlusal view"}},
    {records::View::CloseUp, {"CLOSE-UP", "99KAVIMO", "Intraoral close-up view"}},
    {records::View::Other, {"OTHER", "99KAVIMO", "Other intraoral view"}},
};

OFCondition PutConcept(DcmItem* item, const CodedConcept& concept) {
    OFCondition status = item->putAndInsertString(DCM_CodeValue, concept.value);
    if (status.good()) status = item->putAndInsertString(DCM_CodingSchemeDesignator, concept.scheme);
    if (status.good()) status = item->putAndInsertString(DCM_CodeMeaning, concept.meaning);
    return status;
}

// Appends one coded item to the sequence `tag` of the dataset.
OFCondition AppendConcept(DcmDataset* dataset, const DcmTagKey& tag, const CodedConcept& concept) {
    DcmItem* item = nullptr;
    OFCondition status = dataset->findOrCreateSequenceItem(tag, item, -2 /* a new item at the end */);
    return status.good() ? PutConcept(item, concept) : status;
}

}  // namespace

const CodedConcept* ToothConcept(int fdi) {
    for (const Tooth& tooth : kPermanentTeeth) {
        if (tooth.fdi == fdi) return &tooth.concept;
    }
    for (const Tooth& tooth : kDeciduousTeeth) {
        if (tooth.fdi == fdi) return &tooth.concept;
    }
    return nullptr;
}

const CodedConcept* ViewConcept(records::View view) {
    for (const ViewCode& code : kViewCodes) {
        if (code.view == view) return &code.concept;
    }
    return nullptr;
}

bool PutAnatomy(const records::PictureTags& tags, DcmDataset* dataset, std::string* reason) {
    // Every picture of an intraoral camera shows the mouth, tagged or not.
    OFCondition status = AppendConcept(dataset, DCM_AnatomicRegionSequence, kMouth);
    for (int fdi : tags.teethFdi) {
        const CodedConcept* tooth = ToothConcept(fdi);
        if (tooth && status.good()) status = AppendConcept(dataset, DCM_PrimaryAnatomicStructureSequence, *tooth);
    }
    const CodedConcept* view = ViewConcept(tags.view);
    if (view && status.good()) status = AppendConcept(dataset, DCM_ViewCodeSequence, *view);
    if (status.good()) return true;
    *reason = status.text();
    return false;
}

}  // namespace dicom
