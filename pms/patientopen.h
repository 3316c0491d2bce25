// Opening the patient a practice-management system names: the patient whose details carry its
// ID, or a new one made as the patient dialog makes one (the record with the first 15 characters
// of the name, the age and the phone's leading number; the whole name, birth date, sex and the
// ID with its issuer in the details file). UI thread (the records store's).
#pragma once

#include <cstdint>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "pms/patientrequest.h"

class RecordStore;

namespace pms {

// The UIDs of the patients in the work directory (host path) whose details file carries this
// Patient ID, oldest first. Reads only; the records store is not needed.
std::vector<uint64_t> PatientsWithId(const std::string& hostWorkDir, const std::string& patientId);

struct OpenedPatient {
    bool ok = false;
    bool created = false;
    uint64_t uid = 0;
    int index = -1;     // in the store's list
    std::string error;  // why the patient could not be opened
};

// Makes the patient with the request's ID current in the store, creating it first when there is
// none; the patient current before is committed. `issuer` is the Issuer of Patient ID a new
// patient's ID gets (the installation's). `now` gives the time that names a new patient: when a
// patient was made in this very second, it waits (up to two seconds) for the next one. Nothing
// changes when the patient cannot be made (the list is full, the clock is behind the newest
// patient, a file cannot be written).
OpenedPatient OpenPatient(RecordStore& store, const PatientRequest& request, const std::string& issuer,
                          const std::function<std::time_t()>& now);

}  // namespace pms
