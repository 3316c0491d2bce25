// How a patient is shown in the main window and on the report: the name, sex, phone and birth
// date as they were typed (the patient's details file), or what the record holds where there is
// none. User-interface thread (it reads the details file).
#pragma once

#include <QString>

struct _USER_INFO;

struct PatientDisplay {
    QString name;                    // the whole name
    QString sex;                     // "female", "male", "other" or "unknown", in the user's language
    bool sexOtherOrUnknown = false;  // the details say O or U (the record itself knows only F and M)
    QString phone;                   // as typed, or the record's number
    QString birthDate;               // YYYY-MM-DD, or empty when none was given
    QString patientId;               // the outside Patient ID (the worklist's), else the record's own number
};

PatientDisplay PatientDisplayOf(const _USER_INFO& user);
