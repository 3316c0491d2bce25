#include "app/patients/patientmemory.h"

#include <QSettings>

#include "records/recordstore.h"

namespace {

const QString kLastPatientKey = QStringLiteral("session/lastPatient");

}  // namespace

uint64_t RememberedPatient(const QString& iniPath) {
    if (iniPath.isEmpty()) return 0;
    const QSettings ini(iniPath, QSettings::IniFormat);
    bool ok = false;
    const qulonglong uid = ini.value(kLastPatientKey).toString().toULongLong(&ok);
    return ok ? uid : 0;
}

bool RememberPatient(const QString& iniPath, uint64_t uid) {
    if (iniPath.isEmpty()) return true;
    QSettings ini(iniPath, QSettings::IniFormat);
    if (ini.value(kLastPatientKey).toString() == QString::number(qulonglong(uid))) return true;
    ini.setValue(kLastPatientKey, QString::number(qulonglong(uid)));
    ini.sync();
    return ini.status() == QSettings::NoError;
}

int FindPatientByUid(const RecordStore& store, uint64_t uid) {
    if (uid == 0) return -1;
    const int count = store.UserCount();
    for (int i = 0; i < count; ++i) {
        _USER_INFO user = {};
        if (store.GetUser(i, &user) == i && user.uid == uid) return i;
    }
    return -1;
}
