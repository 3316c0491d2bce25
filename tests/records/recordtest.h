// Shared set-up of the records tests: a temporary d: drive per test, a notifier that records what
// the store shows, and small helpers to look at the files the store writes.
#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/paths.h"
#include "records/recordnames.h"
#include "records/recordnotifier.h"
#include "records/recordstore.h"
#include "records/textconv.h"

namespace recordtest {

class CapturingNotifier : public RecordNotifier {
public:
    struct Shown {
        std::string text;
        std::string caption;
        Buttons buttons;
    };
    int MessageBox(const std::string& text, const std::string& caption, Buttons buttons) override {
        shown.push_back({text, caption, buttons});
        return answer;
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const Shown& s : shown) texts.push_back(s.text);
        return texts;
    }
    std::vector<Shown> shown;
    int answer = kOk;
};

inline std::string ReadBytes(const std::string& hostPath) {
    std::ifstream in(hostPath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::string& hostPath, const std::string& bytes) {
    std::ofstream out(hostPath, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
}

// Size of a file, -1 when it does not exist.
inline long FileSize(const std::string& hostPath) {
    struct stat st;
    return ::stat(hostPath.c_str(), &st) == 0 ? long(st.st_size) : -1;
}

inline bool Exists(const std::string& hostPath) {
    struct stat st;
    return ::lstat(hostPath.c_str(), &st) == 0;
}

// Names in a host directory, sorted.
inline std::vector<std::string> Names(const std::string& hostDir) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(hostDir, ec)) {
        names.push_back(e.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

template <typename Record>
Record RecordAt(const std::string& bytes, size_t index) {
    Record r;
    std::memcpy(&r, bytes.data() + index * sizeof(Record), sizeof(Record));
    return r;
}

inline _USER_INFO MakeUser(uint64_t uid, const std::u16string& name, int64_t phone, int sex = 1, int age = 40) {
    _USER_INFO user = {};
    user.uid = uid;
    records::SetFieldText(user.name, name);
    user.phone = phone;
    user.sex = sex;
    user.age = age;
    return user;
}

class RecordsTest : public ::testing::Test {
protected:
    void SetUp() override {
        char tmpl[] = "/tmp/kavimo-records-XXXXXX";
        ASSERT_NE(::mkdtemp(tmpl), nullptr);
        root_ = tmpl;
        platform::SetDriveRoot(root_);
    }
    void TearDown() override {
        platform::SetDriveRoot("");
        std::error_code ec;
        std::filesystem::remove_all(root_, ec);  // never follows links out of the tree
    }

    std::string Work() const { return root_ + "/DentalWorkDir"; }
    std::string PatientHost(uint64_t uid) const { return Work() + "/" + records::UidText(uid); }
    std::string UserListHost() const { return Work() + "/UserList.fdb"; }
    std::string BackupHost(uint64_t uid) const { return PatientHost(uid) + "/UserInfoBackup.fdb"; }
    std::string PictureListHost(uint64_t uid) const { return PatientHost(uid) + "/DisePicList.fdb"; }
    static std::string Logical(uint64_t uid, const std::string& name) {
        return records::PatientDirPath(uid) + "\\" + name;
    }

    // Writes a patient directory the way the store leaves it, without going through the store.
    void WritePatient(const _USER_INFO& user) {
        std::filesystem::create_directories(PatientHost(user.uid));
        _USER_INFO record = user;
        records::SetFieldText(record.dirPath, records::PatientDirPath(user.uid));
        WriteBytes(BackupHost(user.uid), std::string(reinterpret_cast<const char*>(&record), sizeof record));
        if (!Exists(PatientHost(user.uid) + "/DiagList.fdb")) WriteBytes(PatientHost(user.uid) + "/DiagList.fdb", "");
        if (!Exists(PictureListHost(user.uid))) WriteBytes(PictureListHost(user.uid), "");
    }

    _USER_INFO Backup(uint64_t uid) const { return RecordAt<_USER_INFO>(ReadBytes(BackupHost(uid)), 0); }
    void RewriteBackup(const _USER_INFO& record) {
        WriteBytes(BackupHost(record.uid), std::string(reinterpret_cast<const char*>(&record), sizeof record));
    }

    // A picture file in the patient's directory; returns its logical path.
    std::string MakePicture(uint64_t uid, const std::string& name, const std::string& content = "jpeg") {
        WriteBytes(PatientHost(uid) + "/" + name, content);
        return Logical(uid, name);
    }

    std::string root_;
    CapturingNotifier notifier_;
    RecordStore store_{&notifier_};
};

}  // namespace recordtest
