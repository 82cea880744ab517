// Tracing and spine building of the large synthetic track, beside loading the same track
// from its file: milliseconds per whole track and samples per second. The demo track,
// whose segments are several units long, adds the rate of the fine-step sampling.
#include "DemoTrack.h"
#include "SyntheticTrack.h"
#include "TrackReader.h"
#include "TrackSpine.h"
#include "TrackTracer.h"
#include "TrackWriter.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <stdexcept>
#include <string>

namespace {

using mKavrano_TrackIO_1_3::TrackDocument;
using mKV_TraceTrack::TraceState;

int64_t SampleCountOf(const TrackDocument& doc) {
    TraceState state;
    if (!mKV_TraceTrack::TraceTrack(state, doc))
        throw std::runtime_error("a benchmark track was refused");
    int64_t samples = 0;
    for (int32_t i = 0; i < state.TracedSegmentCount; ++i)
        samples += state.TracedSegments[i].SampleCount;
    return samples;
}

// A track written to a file and read back, as the editor would see it.
struct BenchTrack {
    std::string path;
    TrackDocument doc;
    int64_t samples = 0;

    BenchTrack(TrackDocument made, const std::string& name) {
        path = (std::filesystem::temp_directory_path() / name).string();
        const mKavrano_TrackIO_1_3::SaveResult saved = SaveTrackFile(made, path);
        if (!saved.Saved)
            throw std::runtime_error(saved.Error);
        if (!mKavrano_TrackIO_1_3::LoadTrackFile(doc, path))
            throw std::runtime_error("cannot read back " + path);
        samples = SampleCountOf(doc);
    }
    ~BenchTrack() { std::filesystem::remove(path); }
};

const BenchTrack& Synthetic() {
    static const BenchTrack track(MakeSyntheticTrack(), "tornelle-bench-trace.kvtrack");
    return track;
}

const BenchTrack& Demo() {
    static const BenchTrack track(mKavrano_TrackIO_1_3::MakeDemoTrack(),
                                  "tornelle-bench-trace-demo.kvtrack");
    return track;
}

void CountSamples(benchmark::State& state, const BenchTrack& track) {
    state.counters["samples"] = static_cast<double>(track.samples);
    state.counters["samples/s"] = benchmark::Counter(
        static_cast<double>(track.samples * state.iterations()), benchmark::Counter::kIsRate);
}

void BM_LoadTrackFile(benchmark::State& state, const BenchTrack& (*track)()) {
    TrackDocument doc;
    for (auto _ : state) {
        if (!mKavrano_TrackIO_1_3::LoadTrackFile(doc, track().path))
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(doc.SegmentCount);
    }
}

void BM_TraceTrack(benchmark::State& state, const BenchTrack& (*track)()) {
    TraceState trace;
    for (auto _ : state) {
        mKV_TraceTrack::TraceTrack(trace, track().doc);
        benchmark::DoNotOptimize(trace.TracedSegments.data());
    }
    CountSamples(state, track());
}

void BM_BuildSpine(benchmark::State& state, const BenchTrack& (*track)()) {
    TraceState trace;
    mKV_TraceTrack::TraceTrack(trace, track().doc);
    for (auto _ : state) {
        mKV_TraceTrack::BuildSpine(trace, track().doc);
        benchmark::DoNotOptimize(trace.SpinePoints.data());
    }
    CountSamples(state, track());
}

// What the editor does after every successful open.
void BM_TraceAndBuildSpine(benchmark::State& state, const BenchTrack& (*track)()) {
    TraceState trace;
    for (auto _ : state) {
        mKV_TraceTrack::TraceTrack(trace, track().doc);
        mKV_TraceTrack::BuildSpine(trace, track().doc);
        benchmark::DoNotOptimize(trace.SpinePoints.data());
    }
    CountSamples(state, track());
}

} // namespace

BENCHMARK_CAPTURE(BM_LoadTrackFile, synthetic, Synthetic)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_TraceTrack, synthetic, Synthetic)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_BuildSpine, synthetic, Synthetic)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_TraceAndBuildSpine, synthetic, Synthetic)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadTrackFile, demo, Demo)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_TraceAndBuildSpine, demo, Demo)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
