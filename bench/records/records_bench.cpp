// Start-up and picture-list figures of the records store on a real file system.
//   Load of a work directory with 1000 patients            target <= 200 ms
//   RebuildPictures of a patient with 1000 pictures       target <= 200 ms
//   RebuildPictures of a patient with 10,000 pictures     target <= 100 ms (names and file times
//                                                         only: the contents are never read)
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/paths.h"
#include "records/recordnames.h"
#include "records/recordstore.h"
#include "records/textconv.h"

namespace {

constexpr uint64_t kFirstUid = 20240101080000ull;

class QuietNotifier : public RecordNotifier {
public:
    int MessageBox(const std::string& text, const std::string&, Buttons) override {
        std::fprintf(stderr, "unexpected message: %s\n", text.c_str());
        return kOk;
    }
};

// A temporary d: drive that lives as long as the benchmark.
class TempDrive {
public:
    TempDrive() {
        char tmpl[] = "/tmp/kavimo-records-bench-XXXXXX";
        m_root = ::mkdtemp(tmpl);
        platform::SetDriveRoot(m_root);
    }
    ~TempDrive() {
        platform::SetDriveRoot("");
        std::error_code ec;
        std::filesystem::remove_all(m_root, ec);
    }
    const std::string& root() const { return m_root; }

private:
    std::string m_root;
};

void WriteFile(const std::string& path, const void* data, size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(static_cast<const char*>(data), std::streamsize(size));
}

// Patient directories as the store leaves them, written directly so set-up stays quick.
void MakePatients(const std::string& root, int count) {
    for (int i = 0; i < count; ++i) {
        _USER_INFO user = {};
        user.uid = kFirstUid + uint64_t(i);
        records::SetFieldText(user.name, u"Patient");
        user.age = 40;
        user.phone = 5550000 + i;
        records::SetFieldText(user.dirPath, records::PatientDirPath(user.uid));
        const std::string dir = root + "/DentalWorkDir/" + records::UidText(user.uid);
        std::filesystem::create_directories(dir);
        WriteFile(dir + "/UserInfoBackup.fdb", &user, sizeof user);
        WriteFile(dir + "/DiagList.fdb", "", 0);
        WriteFile(dir + "/DisePicList.fdb", "", 0);
    }
}

void BM_Load1000Patients(benchmark::State& state) {
    TempDrive drive;
    MakePatients(drive.root(), 1000);
    QuietNotifier notifier;
    RecordStore store(&notifier);
    for (auto _ : state) {
        store.Load();
        if (store.UserCount() != 1000) state.SkipWithError("patients missing");
    }
    state.counters["patients"] = store.UserCount();
}
BENCHMARK(BM_Load1000Patients)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_RebuildPictures(benchmark::State& state) {
    const int count = int(state.range(0));
    TempDrive drive;
    MakePatients(drive.root(), 1);
    const std::string dir = drive.root() + "/DentalWorkDir/" + records::UidText(kFirstUid);
    const std::string jpeg(2048, '\xAB');
    for (int i = 0; i < count; ++i) {
        WriteFile(dir + "/" + records::PictureFileName(20240101090000ull + uint64_t(i)), jpeg.data(), jpeg.size());
    }
    QuietNotifier notifier;
    RecordStore store(&notifier);
    store.Load();
    store.SelectUser(0);
    for (auto _ : state) {
        if (store.RebuildPictures() != 1) state.SkipWithError("rebuild failed");
    }
    _USER_INFO user;
    store.GetCurrentUser(&user);
    state.counters["pictures"] = user.picCount;
}
BENCHMARK(BM_RebuildPictures)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

BENCHMARK_MAIN();
