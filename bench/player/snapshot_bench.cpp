// Snapshot conversion of a 1920 x 1080 picture: the player's fixed-point tables (CYUV2RGB) against
// libswscale's YUV420P -> BGR24 of the same picture, in the same run; prints the ratio of the
// medians. (That the conversion is exactly the table formula is checked by the tests.)
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

extern "C" {
#include <libswscale/swscale.h>
}

#include "bench/common/benchmain.h"
#include "player/yuv2rgb.h"

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

// A picture with every kind of sample: ramps in all three planes.
struct Picture {
    std::vector<uint8_t> y = std::vector<uint8_t>(kWidth * kHeight);
    std::vector<uint8_t> u = std::vector<uint8_t>(kWidth / 2 * kHeight / 2);
    std::vector<uint8_t> v = std::vector<uint8_t>(kWidth / 2 * kHeight / 2);
    TEGMO_YUV_FRAME frame = {};

    Picture() {
        for (int row = 0; row < kHeight; ++row) {
            for (int x = 0; x < kWidth; ++x) y[row * kWidth + x] = uint8_t(x + row * 3);
        }
        for (int row = 0; row < kHeight / 2; ++row) {
            for (int x = 0; x < kWidth / 2; ++x) {
                u[row * kWidth / 2 + x] = uint8_t(x * 2 + row);
                v[row * kWidth / 2 + x] = uint8_t(255 - x + row * 2);
            }
        }
        frame.width = kWidth;
        frame.height = kHeight;
        frame.strideY = kWidth;
        frame.strideU = frame.strideV = kWidth / 2;
        frame.planeY = y.data();
        frame.planeU = u.data();
        frame.planeV = v.data();
    }
};

void BM_SnapshotConvert(benchmark::State& state) {
    Picture picture;
    std::vector<uint8_t> bgr(size_t(kWidth) * kHeight * 3);
    const CYUV2RGB& tables = GetYUV2RGB();
    for (auto _ : state) {
        tables.ConvertFrame(picture.frame, bgr.data());
        benchmark::DoNotOptimize(bgr.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_SwscaleBgr24(benchmark::State& state) {
    Picture picture;
    std::vector<uint8_t> bgr(size_t(kWidth) * kHeight * 3);
    SwsContext* context = sws_getContext(kWidth, kHeight, AV_PIX_FMT_YUV420P, kWidth, kHeight, AV_PIX_FMT_BGR24,
                                         SWS_BILINEAR, nullptr, nullptr, nullptr);
    if (!context) {
        state.SkipWithError("libswscale cannot convert YUV420P to BGR24");
        return;
    }
    const uint8_t* source[3] = {picture.y.data(), picture.u.data(), picture.v.data()};
    const int sourceStride[3] = {kWidth, kWidth / 2, kWidth / 2};
    uint8_t* dest[1] = {bgr.data()};
    const int destStride[1] = {kWidth * 3};
    for (auto _ : state) {
        sws_scale(context, source, sourceStride, 0, kHeight, dest, destStride);
        benchmark::DoNotOptimize(bgr.data());
        benchmark::ClobberMemory();
    }
    sws_freeContext(context);
    state.SetItemsProcessed(state.iterations());
}

// Repetitions run interleaved (see main), so that a busy machine disturbs both sides alike.
BENCHMARK(BM_SnapshotConvert)->Unit(benchmark::kMillisecond)->MinTime(0.5)->Repetitions(5);
BENCHMARK(BM_SwscaleBgr24)->Unit(benchmark::kMillisecond)->MinTime(0.5)->Repetitions(5);

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median" && !run.error_occurred) {
                cpu_[run.run_name.function_name] = run.GetAdjustedCPUTime();
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    void PrintRatio() const {
        if (!cpu_.count("BM_SnapshotConvert") || !cpu_.count("BM_SwscaleBgr24")) return;
        const double ours = cpu_.at("BM_SnapshotConvert");
        const double swscale = cpu_.at("BM_SwscaleBgr24");
        std::printf(
            "ratio snapshot conversion / libswscale YUV420P->BGR24, 1920x1080: %.2f "
            "(%.3f vs %.3f ms per picture, cpu medians; target <= 3)\n",
            ours / swscale, ours, swscale);
    }

private:
    std::map<std::string, double> cpu_;
};

}  // namespace

int main(int argc, char** argv) {
    RatioReporter reporter;
    return bench::RunWithRatios(argc, argv, reporter, [](RatioReporter& r) { r.PrintRatio(); });
}
