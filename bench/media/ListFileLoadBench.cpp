// Loading a full-size graphics list (28 pictures, about 4 MB of 24-bit pixels) into decoded pixels.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/listfile/ListFile.h"
#include "tests/support/BuildPaths.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <malloc.h>
#include <unistd.h>

namespace {

using namespace sixdice::media;

// Four screen-sized pictures and 24 smaller ones, roughly the shape of the game's graphics file.
ImageList GameSizedList() {
    ImageList list;
    list.colorTable.assign(1024, 0);
    for (int i = 0; i < 28; ++i) {
        ImageEntry e;
        e.name = "picture" + std::to_string(i);
        e.picture.width = i < 4 ? 547 : 160;
        e.picture.height = i < 4 ? 448 : 100;
        e.picture.pixels.resize(std::size_t(e.picture.width) * e.picture.height);
        std::uint32_t seed = 0x9E3779B9u * std::uint32_t(i + 1);
        for (auto& p : e.picture.pixels) {
            seed = seed * 1664525u + 1013904223u;
            p = seed >> 8;
        }
        e.transparentColor = 0xFF00FF;
        list.entries.push_back(std::move(e));
    }
    return list;
}

class GraphicsFile {
public:
    GraphicsFile() {
        bytes_ = WriteImageList(GameSizedList(), "GRAFIKA");
        path_ = (std::filesystem::temp_directory_path() /
                 ("sixdice_bench_" + std::to_string(::getpid()) + ".zrk"))
                    .string();
        if (auto error = SaveBytes(path_, bytes_)) {
            std::fprintf(stderr, "%s\n", error->c_str());
            std::abort();
        }
    }
    ~GraphicsFile() { std::filesystem::remove(path_); }
    const std::string& path() const { return path_; }
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
    std::string path_;
};

const GraphicsFile& File() {
    static const GraphicsFile file;
    return file;
}

// One load of the file at `path`; false, with the benchmark marked failed, when it fails.
bool LoadOnce(benchmark::State& state, const std::string& path) {
    ImageList list;
    if (LoadImageList(path, list)) {
        state.SkipWithError("load failed");
        return false;
    }
    benchmark::DoNotOptimize(list.entries.data());
    return true;
}

// The whole load as the game does it: open, read, parse and decode every picture.
void BM_LoadGraphicsFile(benchmark::State& state) {
    const GraphicsFile& file = File();
    for (auto _ : state) {
        if (!LoadOnce(state, file.path()))
            break;
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(file.bytes().size()));
    state.counters["file_MB"] = double(file.bytes().size()) / 1e6;
}
BENCHMARK(BM_LoadGraphicsFile)->Unit(benchmark::kMillisecond);

// The same with the freed memory handed back to the system before each load, as on the game's
// first load in a new process: every page of the decoded pixels is then new to the process.
void BM_LoadGraphicsFileFreshMemory(benchmark::State& state) {
    const GraphicsFile& file = File();
    for (auto _ : state) {
        state.PauseTiming();
        ::malloc_trim(0);
        state.ResumeTiming();
        if (!LoadOnce(state, file.path()))
            break;
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(file.bytes().size()));
}
BENCHMARK(BM_LoadGraphicsFileFreshMemory)->Unit(benchmark::kMillisecond);

// The game's own graphics file from the generated working directory, when the build made one.
void BM_LoadGameGraphicsFile(benchmark::State& state) {
    const std::string path = std::string(build_paths::assetDir) + "/grafika_cz.zrk";
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    if (ec) {
        state.SkipWithError("no generated grafika_cz.zrk in the working directory");
        return;
    }
    for (auto _ : state) {
        if (!LoadOnce(state, path))
            break;
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(size));
    state.counters["file_MB"] = double(size) / 1e6;
}
BENCHMARK(BM_LoadGameGraphicsFile)->Unit(benchmark::kMillisecond);

// Parsing and decoding alone, from bytes already in memory.
void BM_ReadGraphicsBytes(benchmark::State& state) {
    const GraphicsFile& file = File();
    for (auto _ : state) {
        ImageList list;
        if (ReadImageList(file.bytes(), list)) {
            state.SkipWithError("read failed");
            break;
        }
        benchmark::DoNotOptimize(list.entries.data());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(file.bytes().size()));
}
BENCHMARK(BM_ReadGraphicsBytes)->Unit(benchmark::kMillisecond);

} // namespace
