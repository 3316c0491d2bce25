// The patient used last, kept in kavimo's own settings file (kavimo.ini, "session/lastPatient",
// the UID in decimal digits) so that the patient dialog opens on that patient at the next start.
// The record files know nothing of it. User-interface thread.
#pragma once

#include <QString>

#include <cstdint>

class RecordStore;

// The UID remembered in the settings file `iniPath`; 0 when none is, or no file is given.
uint64_t RememberedPatient(const QString& iniPath);
// Remembers a UID in that file (nothing without a file); false when it cannot be written.
bool RememberPatient(const QString& iniPath, uint64_t uid);
// The index of the patient with that UID in the store's list; -1 when there is none.
int FindPatientByUid(const RecordStore& store, uint64_t uid);
