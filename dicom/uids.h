// Deterministic UIDs under the 2.25 root: a name-based UUID (SHA-1, version 5) written as one
// decimal number. The same installation, patient, day and picture always give the same UIDs, so
// sending a picture again never makes a second copy in the archive. The installation's identity
// (dicom/installation.h) keeps apart the patients of two workstations that have the same
// Patient ID.
#pragma once

#include <string>

namespace dicom {

// "2.25." followed by the decimal value of the name-based UUID of `name` in kavimo's namespace.
std::string NameBasedUid(const std::string& name);

// The study and the series that hold a patient's pictures of one calendar day (YYYYMMDD).
std::string StudyUid(const std::string& installationId, const std::string& patientId, const std::string& date);
std::string SeriesUid(const std::string& installationId, const std::string& patientId, const std::string& date);

// The series that holds a patient's pictures of one day taken for a worklist order, inside the
// order's study.
std::string OrderSeriesUid(const std::string& installationId, const std::string& patientId, const std::string& studyUid,
                           const std::string& date);

// The instance of one picture: the patient and the hash of the picture file's bytes, so that a
// picture saved again with strokes becomes a new instance.
std::string InstanceUid(const std::string& installationId, const std::string& patientId,
                        const std::string& pictureHash);

// kavimo's own Implementation Class UID (a fixed UID under the same root) and its Implementation
// Version Name ("KAVIMO_" and the version, at most 16 characters), for the file meta information
// and the association's request.
const std::string& ImplementationClassUid();
const std::string& ImplementationVersionName();

// The SHA-256 of bytes as 64 lower-case hex digits.
std::string Sha256Hex(const void* data, size_t size);

}  // namespace dicom
