// Reading, writing and importing generated lists of 1,000 to 100,000 cards: German and English
// words, a list written in Windows-1252 (second argument 0), or words of six scripts, a list
// written in UTF-8 (second argument 1).
#include "bench/generate.h"
#include "listfile/list_reader.h"
#include "listfile/list_writer.h"
#include "store/card_store.h"
#include "store/font_description.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

FontDescription sansSerif(int32_t weight) {
    FontDescription font;
    font.height = -16;
    font.weight = weight;
    font.pitchAndFamily = 34;
    assignText(font.faceName, "MS Sans Serif");
    return font;
}

// A list of n cards, a tenth of them known.
void makeList(int n, bool mixedScripts) {
    resetCardStore();
    bench::generateCards(mainList, n - n / 10, 12345, mixedScripts);
    bench::generateCards(knownList, n / 10, 777, mixedScripts);
}

void makeList(const benchmark::State& state) {
    makeList(static_cast<int>(state.range(0)), state.range(1) != 0);
}

// The saves append to the font debug log in the current directory: keep it out of the way.
struct ScratchFolder {
    fs::path previous = fs::current_path();
    fs::path dir = fs::temp_directory_path() / ("zelkora-bench-" + std::to_string(getpid()));
    ScratchFolder() {
        fs::create_directories(dir);
        fs::current_path(dir);
    }
    ~ScratchFolder() {
        fs::current_path(previous);
        fs::remove_all(dir);
    }
};

void BM_ListFileBytes(benchmark::State& state) {
    makeList(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            listFileBytes(mainList, knownList, sansSerif(700), sansSerif(400)));
    state.SetItemsProcessed(state.iterations() * state.range(0));
    resetCardStore();
}

void BM_WriteListFile(benchmark::State& state) {
    ScratchFolder scratch;
    makeList(state);
    std::string path = (scratch.dir / "list.zlk").string();
    FileInfo info;
    FileResult result;
    for (auto _ : state)
        result = writeListFile(mainList, path, info, sansSerif(700), sansSerif(400));
    if (!result.ok())
        state.SkipWithError("the list could not be written");
    state.SetItemsProcessed(state.iterations() * state.range(0));
    resetCardStore();
}

void BM_ReadListBytes(benchmark::State& state) {
    makeList(state);
    std::string bytes = listFileBytes(mainList, knownList, sansSerif(700), sansSerif(400));
    for (auto _ : state) {
        state.PauseTiming();
        resetCardStore();
        state.ResumeTiming();
        FileInfo info;
        readListBytes(mainList, bytes, info, nullptr);
        benchmark::DoNotOptimize(info.mainCount);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    resetCardStore();
}

void BM_ReadListFile(benchmark::State& state) {
    ScratchFolder scratch;
    makeList(state);
    std::string path = (scratch.dir / "list.zlk").string();
    FileInfo info;
    writeListFile(mainList, path, info, sansSerif(700), sansSerif(400));
    for (auto _ : state) {
        state.PauseTiming();
        resetCardStore();
        state.ResumeTiming();
        readListFile(mainList, path, info, nullptr);
    }
    if (countCards(mainList) + countCards(knownList) != state.range(0))
        state.SkipWithError("the list did not read back whole");
    state.SetItemsProcessed(state.iterations() * state.range(0));
    resetCardStore();
}

void BM_ImportText(benchmark::State& state) {
    std::string text = bench::generateTextFile(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        resetCardStore();
        state.ResumeTiming();
        FileInfo info;
        readListBytes(mainList, text, info, nullptr);
        benchmark::DoNotOptimize(info.mainCount);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    resetCardStore();
}

} // namespace

#define LIST_SIZES ArgsProduct({{1000, 10000, 100000}, {0, 1}})->Unit(benchmark::kMillisecond)
BENCHMARK(BM_ListFileBytes)->LIST_SIZES;
BENCHMARK(BM_WriteListFile)->LIST_SIZES;
BENCHMARK(BM_ReadListBytes)->LIST_SIZES;
BENCHMARK(BM_ReadListFile)->LIST_SIZES;
BENCHMARK(BM_ImportText)->RangeMultiplier(10)->Range(1000, 100000)->Unit(benchmark::kMillisecond);
