// Throughput of reading and writing a large track file, against a plain read of the same
// bytes from the file system and a memcpy of them.
#include "SyntheticTrack.h"
#include "TrackReader.h"
#include "TrackWriter.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

using namespace mKavrano_TrackIO_1_3;

namespace {

struct BenchFile {
    std::string path;
    size_t size = 0;
    TrackDocument doc;

    BenchFile() : doc(MakeSyntheticTrack()) {
        path = (std::filesystem::temp_directory_path() / "tornelle-bench-io.kvtrack").string();
        const SaveResult saved = SaveTrackFile(doc, path);
        if (!saved.Saved)
            throw std::runtime_error(saved.Error);
        size = std::filesystem::file_size(path);
    }
    ~BenchFile() { std::filesystem::remove(path); }
};

BenchFile& File() {
    static BenchFile file;
    return file;
}

void SetBytes(benchmark::State& state) {
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(File().size));
}

void BM_PlainRead(benchmark::State& state) {
    for (auto _ : state) {
        std::ifstream in(File().path, std::ios::binary);
        std::vector<char> bytes(File().size);
        in.read(bytes.data(), std::streamsize(bytes.size()));
        benchmark::DoNotOptimize(bytes.data());
    }
    SetBytes(state);
}

void BM_LoadTrackFile(benchmark::State& state) {
    TrackDocument doc;
    for (auto _ : state) {
        if (!LoadTrackFile(doc, File().path))
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(doc.SegmentCount);
    }
    SetBytes(state);
}

void BM_SaveTrackFile(benchmark::State& state) {
    TrackDocument doc = File().doc;
    const std::string out = File().path + ".out.kvtrack";
    for (auto _ : state)
        if (!SaveTrackFile(doc, out).Saved)
            state.SkipWithError("save failed");
    std::filesystem::remove(out);
    SetBytes(state);
}

void BM_Memcpy(benchmark::State& state) {
    std::vector<char> from(File().size, 1), to(File().size);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size());
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    SetBytes(state);
}

} // namespace

BENCHMARK(BM_PlainRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadTrackFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveTrackFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Memcpy)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
