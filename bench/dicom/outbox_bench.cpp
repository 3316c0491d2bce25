// The outbox's queue file at the size a long outage leaves: 100,000 queued pictures. The work
// runs on the outbox's own thread, so the figures are wall-clock times.
//   Load: start an outbox on the file until the queue is read (the file read, its lines parsed
//         and indexed), then stop it.
//   BatchedRemoval: one round over the whole queue with an archive that takes the association,
//         every picture gone from the disk, so each leaves the queue (its picture looked up and
//         found missing, its entry dropped); the queue file is written at most once a second and
//         once at the end, outside the queue's lock.
// Everything stays on 127.0.0.1.
#include <benchmark/benchmark.h>

#include <condition_variable>
#include <filesystem>
#include <memory>
#include <mutex>
#include <string>

#include "dicom/outbox.h"
#include "tests/dicom/dicomtestsupport.h"
#include "tests/dicom/fakearchive.h"

namespace {

constexpr int kLines = 100000;
constexpr uint64_t kUid = 20240101080000ull;

std::string QueueText() {
    std::string text;
    for (int i = 0; i < kLines; ++i) {
        text += std::to_string(kUid) + "\td:\\DentalWorkDir\\UID20240101080000\\" + std::to_string(i) + ".jpg\n";
    }
    return text;
}

void BM_OutboxLoad(benchmark::State& state) {
    dicomtest::TempDrive drive;
    std::filesystem::create_directories(drive.Work());
    const std::string queue = drive.Work() + "/" + dicom::kOutboxFile;
    dicomtest::WriteFile(queue, QueueText());
    for (auto _ : state) {
        dicom::PacsOutbox outbox(queue, nullptr);  // no archive: nothing leaves the queue
        outbox.Start();
        if (outbox.Pending() != size_t(kLines)) state.SkipWithError("the queue was not read whole");
        outbox.Stop();
    }
    state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BM_OutboxLoad)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_OutboxBatchedRemoval(benchmark::State& state) {
    std::string error;
    dicomtest::TempDrive drive;
    std::filesystem::create_directories(drive.Work());
    const std::string queue = drive.Work() + "/" + dicom::kOutboxFile;
    const std::string text = QueueText();
    std::unique_ptr<dicomtest::FakeArchive> archive;
    for (auto _ : state) {
        state.PauseTiming();
        // The fake archive takes one association in its life: one per round.
        archive.reset();
        archive = std::make_unique<dicomtest::FakeArchive>(dicomtest::FakeArchive::Behaviour::Silent);
        if (!archive->Listening(&error)) {
            state.SkipWithError(error.c_str());
            break;
        }
        dicomtest::WriteFile(queue, text);
        std::mutex mutex;
        std::condition_variable changed;
        bool done = false;
        dicom::PacsOutbox outbox(queue, [&](const dicom::PacsOutbox::Progress& progress) {
            std::lock_guard<std::mutex> lock(mutex);
            done = progress.finished && progress.pending == 0 && progress.failed > 0;
            changed.notify_all();
        });
        outbox.SetAddress(archive->Address());
        state.ResumeTiming();
        outbox.Start();
        {
            std::unique_lock<std::mutex> lock(mutex);
            changed.wait(lock, [&] { return done; });
        }
        outbox.Stop();
    }
    std::vector<dicom::OutboxEntry> left;
    if (!dicom::LoadOutboxFile(queue, &left, &error) || !left.empty()) state.SkipWithError("the queue kept entries");
    state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BM_OutboxBatchedRemoval)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
