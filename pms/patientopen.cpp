#include "pms/patientopen.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "platform/dirlist.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "records/audittrail.h"
#include "records/patientdetails.h"
#include "records/recordnames.h"
#include "records/recordstore.h"
#include "records/textconv.h"

namespace pms {
namespace {

// The UID of a patient directory's name "UID<digits>"; 0 for any other name.
uint64_t UidOfDirectory(const std::string& name) {
    if (name.size() < 4 || name.compare(0, 3, "UID") != 0) return 0;
    uint64_t uid = 0;
    for (size_t i = 3; i < name.size(); ++i) {
        if (name[i] < '0' || name[i] > '9' || uid > UINT64_MAX / 10 - 1) return 0;
        uid = uid * 10 + uint64_t(name[i] - '0');
    }
    return uid;
}

int IndexOfUid(const RecordStore& store, uint64_t uid) {
    for (int i = 0; i < store.UserCount(); ++i) {
        _USER_INFO user = {};
        if (store.GetUser(i, &user) == i && user.uid == uid) return i;
    }
    return -1;
}

std::string Today(std::time_t t) { return std::to_string(records::LocalTimeNumber(t) / 1000000); }

// The record of a new patient made from the request, as the patient dialog fills it.
_USER_INFO NewRecord(const PatientRequest& request, uint64_t uid, const std::string& today) {
    _USER_INFO user = {};
    user.uid = uid;
    const std::u16string name = records::AnsiToUtf16(DisplayName(request));
    records::SetFieldText(user.name, name.substr(0, 15));
    user.sex = request.sex == "F" ? 0 : request.sex == "M" ? 1 : -1;
    user.age = AgeOn(request.birthDate, today);
    user.phone = std::strtoll(request.phone.c_str(), nullptr, 10);
    if (user.phone < 0) user.phone = 0;
    return user;
}

// A UID for a patient made now, above the newest patient's; 0 when the clock stays behind it.
uint64_t NextUid(const RecordStore& store, const std::function<std::time_t()>& now) {
    _USER_INFO last = {};
    const bool any = store.UserCount() > 0 && store.GetUser(store.UserCount() - 1, &last) >= 0;
    for (int waited = 0; waited <= 20; ++waited) {
        const uint64_t uid = records::MakeUid(now());
        if (!any || uid > last.uid) return uid;
        // Two patients from the practice system in one second: the second waits for the next one.
        if (uid + 2 < last.uid) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return 0;
}

}  // namespace

std::vector<uint64_t> PatientsWithId(const std::string& hostWorkDir, const std::string& patientId) {
    std::vector<uint64_t> found;
    if (patientId.empty()) return found;
    for (const platform::DirEntry& entry :
         platform::ListDirectory(hostWorkDir, "UID*", platform::DirDetail::TypeOnly)) {
        const uint64_t uid = UidOfDirectory(entry.name);
        if (!entry.isDirectory || uid == 0) continue;
        records::PatientDetails details;
        const records::DetailsFound kind = records::ReadPatientDetails(hostWorkDir + "/" + entry.name, &details);
        if ((kind == records::DetailsFound::Details || kind == records::DetailsFound::OldWorklist) &&
            details.patientId == patientId) {
            found.push_back(uid);
        }
    }
    std::sort(found.begin(), found.end());
    return found;
}

OpenedPatient OpenPatient(RecordStore& store, const PatientRequest& request, const std::string& issuer,
                          const std::function<std::time_t()>& now) {
    OpenedPatient opened;
    const std::string workDir = platform::HostPath(records::kWorkDir);
    // The newest patient that carries the ID and is in the list (one whose directory dropped out of
    // the list is not taken).
    const std::vector<uint64_t> uids = PatientsWithId(workDir, request.patientId);
    for (auto it = uids.rbegin(); it != uids.rend() && opened.index < 0; ++it) {
        opened.index = IndexOfUid(store, *it);
        opened.uid = *it;
    }
    if (opened.index < 0) {
        if (store.UserCount() >= records::kMaxPatients) {
            opened.error = text::Tr("the patient list is full: at most %n patients can be kept", nullptr,
                                    int(records::kMaxPatients));
            return opened;
        }
        const uint64_t uid = NextUid(store, now);
        if (uid == 0) {
            opened.error = text::Tr("the computer's clock is behind the newest patient's creation time");
            return opened;
        }
        const _USER_INFO user = NewRecord(request, uid, Today(now()));
        if (store.AddUser(user) != 1) {
            opened.error = text::Tr("the patient could not be stored in the work directory");
            return opened;
        }
        _USER_INFO added = {};
        store.GetUser(store.UserCount() - 1, &added);
        records::PatientDetails details;
        details.name = DisplayName(request);
        details.phone = request.phone;
        details.birthDate = request.birthDate;
        details.sex = request.sex;
        details.patientId = request.patientId;
        details.issuer = issuer;
        details.personName = PersonName(request);
        std::string error;
        if (!records::WritePatientDetails(platform::HostPath(records::RecordDirPath(added)), details, &error)) {
            // Without its details file the patient would not be found by its ID again, and its
            // pictures would go to the archive under kavimo's own ID: the new empty patient is
            // taken back.
            store.DeleteUser(store.UserCount() - 1);
            store.Flush();
            opened.error = text::Arg(text::Tr("the patient's details could not be written: %1"), {error});
            return opened;
        }
        records::AuditTrail::Record(records::audit::kPatientCreated, added.uid, records::RecordDirPath(added),
                                    "from the practice-management system");
        opened.created = true;
        opened.uid = added.uid;
        opened.index = store.UserCount() - 1;
    }
    if (store.CurrentIndex() >= 0) store.CommitCurrentUser();
    if (store.SelectUser(opened.index) != opened.index) {
        opened.error = text::Tr("the patient could not be selected");
        return opened;
    }
    opened.ok = true;
    return opened;
}

}  // namespace pms
