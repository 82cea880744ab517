// One editor run on every segment of the 20,000-segment track, its undo and its redo, and
// the memory the step holds.
#include "EditHistory.h"
#include "SegmentEdits.h"
#include "SyntheticTrack.h"

#include <benchmark/benchmark.h>

using namespace mKavrano_TrackIO_1_3;

namespace {

struct UndoBench {
    TrackDocument doc = MakeSyntheticTrack();
    mKV_TraceTrack::TraceState trace;
    mMain::MainState state;
    mMain::EditHistory history{doc, trace, state};

    UndoBench() {
        trace.TracedSegmentCount = doc.SegmentCount;
        trace.SegmentSelected.assign(size_t(doc.SegmentCount), true);
        history.Reset();
    }

    void Apply(bool tunnel) {
        history.Commit("Tunnel", mMain::PlanSelectedSegmentEdits(
                                     trace, doc, [&](TrackSegment& s) { s.Tunnel = tunnel; }));
    }
};

void BM_Apply(benchmark::State& state) {
    UndoBench b;
    bool tunnel = true;
    for (auto _ : state) {
        b.Apply(tunnel);
        tunnel = !tunnel;
        state.PauseTiming();
        b.history.Reset(); // keep the history from filling to its bound
        state.ResumeTiming();
    }
    state.counters["step_bytes"] = double(
        mMain::EditHistory::StepBytes(size_t(b.doc.SegmentCount), size_t(b.doc.SegmentCount)));
}

void BM_Undo(benchmark::State& state) {
    UndoBench b;
    b.Apply(true);
    for (auto _ : state) {
        b.history.Stack().undo();
        state.PauseTiming();
        b.history.Stack().redo();
        state.ResumeTiming();
    }
}

void BM_Redo(benchmark::State& state) {
    UndoBench b;
    b.Apply(true);
    for (auto _ : state) {
        state.PauseTiming();
        b.history.Stack().undo();
        state.ResumeTiming();
        b.history.Stack().redo();
    }
}

} // namespace

BENCHMARK(BM_Apply)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Undo)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Redo)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
