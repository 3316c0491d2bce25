// The identity of this kavimo installation: a random UUID made once and kept in the work
// directory. Patient IDs are creation times and can be the same on two workstations, so every
// UID kavimo makes and the issuer of its own Patient IDs carry this identity; the objects of two
// workstations then never merge two people in the archive.
//
// The file is written once and never replaced. A damaged one stops the making of objects until
// someone restores it (or removes it on purpose): a new identity would give every picture sent
// before new UIDs, and a second copy in the archive when it is sent again.
//
// Safe to call from any thread; the issuer setting is guarded by its own lock.
#pragma once

#include <string>

namespace dicom {

// The file in the work directory that holds the identity: one line, the UUID.
inline constexpr const char* kInstallationFile = "Installation.txt";

// True for a UUID as kavimo writes it: 8-4-4-4-12 lower-case hex digits.
bool IsValidInstallationId(const std::string& id);

// The identity of the work directory's installation, made and written (0600) when there is none
// yet. False, with the reason, when the file is damaged or cannot be read or written.
bool LoadInstallationId(std::string* id, std::string* error);

// The identity kept in the file's text; false when the text is not one valid identity.
bool ParseInstallationText(const std::string& text, std::string* id);

// Issuer of Patient ID for kavimo's own Patient IDs: the one set with SetPatientIdIssuer, else
// "KAVIMO-" and the identity's first 8 hex digits in capitals.
std::string OwnPatientIdIssuer(const std::string& installationId);

// Sets the issuer the site chose (empty: the one derived from the identity).
void SetPatientIdIssuer(const std::string& issuer);

// True for a text an Issuer of Patient ID (LO) can be: 1 to 64 characters, no backslash, no
// control characters, not only spaces.
bool IsValidPatientIdIssuer(const std::string& issuer);

// This computer's host name as a Station Name (SH): the name before the first dot, cut to 16
// characters, with anything SH does not allow replaced by '_'.
std::string StationName();
std::string StationNameFrom(const std::string& hostName);

}  // namespace dicom
