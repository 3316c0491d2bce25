#include "app/patients/patientdisplay.h"

#include <QDate>

#include "app/widgets/textutil.h"
#include "app/widgets/translation.h"
#include "platform/paths.h"
#include "records/patientdetails.h"
#include "records/recordnames.h"
#include "records/recordtypes.h"

PatientDisplay PatientDisplayOf(const _USER_INFO& user) {
    records::PatientDetails details;
    const std::string dir = platform::HostPath(records::RecordDirPath(user));
    if (dir.empty() || records::ReadPatientDetails(dir, &details) == records::DetailsFound::Damaged) details = {};

    PatientDisplay shown;
    shown.name = details.name.empty() ? FieldQString(user.name, 16) : QString::fromStdString(details.name);
    shown.sexOtherOrUnknown = details.sex == "O" || details.sex == "U";
    if (details.sex == "O")
        shown.sex = Ui::tr("other");
    else if (details.sex == "U")
        shown.sex = Ui::tr("unknown");
    else if (details.sex == "F" || (details.sex.empty() && user.sex == 0))
        shown.sex = Ui::tr("female");
    else
        shown.sex = Ui::tr("male");
    shown.phone = details.phone.empty() ? QString::number(qint64(user.phone)) : QString::fromStdString(details.phone);
    const QDate born = QDate::fromString(QString::fromStdString(details.birthDate), QStringLiteral("yyyyMMdd"));
    if (born.isValid()) shown.birthDate = born.toString(Qt::ISODate);
    // The same ID the archive gets for the patient.
    shown.patientId = details.patientId.empty() ? QString::number(user.uid) : QString::fromStdString(details.patientId);
    return shown;
}
