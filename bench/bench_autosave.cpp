// The automatic save of the recovery file at 100,000 and 1,000,000 cards: what it costs the event
// loop (the bytes made and compared between two answers) and the write that follows in the
// background. keptPerCard: the heap bytes per card the autosaves leave in use once their writes
// have ended.
#include "bench/generate.h"
#include "shell/recovery.h"
#include "store/card_store.h"
#include "store/program_state.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <malloc.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// The recovery files go to a data folder of the benchmark's own, never the user's.
struct ScratchDataFolder {
    fs::path dir = fs::temp_directory_path() / ("zelkora-autosave-" + std::to_string(getpid()));
    ScratchDataFolder() {
        fs::create_directories(dir);
        setenv("XDG_DATA_HOME", dir.c_str(), 1);
    }
    ~ScratchDataFolder() { fs::remove_all(dir); }
};

void makeChangedList(int n) {
    resetCardStore();
    bench::generateCards(mainList, n - n / 10);
    bench::generateCards(knownList, n / 10, 777);
    currentFileName = "/nowhere/list.zlk";
}

std::size_t heapInUse() {
    struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// Each round one answer changes a level, then the timer's step runs: only this step blocks the
// learner; the write it starts is waited for outside the measurement.
void BM_AutosaveStep(benchmark::State& state) {
    ScratchDataFolder data;
    makeChangedList(static_cast<int>(state.range(0)));
    const std::size_t before = heapInUse();
    int32_t level = 0;
    for (auto _ : state) {
        mainList.slot(0)->level = ++level;
        modifiedFlag = 1;
        if (!shell::autosaveNow())
            state.SkipWithError("no recovery file was written");
        state.PauseTiming();
        shell::waitForAutosave();
        state.ResumeTiming();
    }
    state.counters["keptPerCard"] =
        static_cast<double>(heapInUse() - std::min(before, heapInUse())) /
        static_cast<double>(state.range(0));
    shell::discardRecovery();
    resetCardStore();
}

// The whole write in the background, for comparison: bytes, temporary file, sync, rename.
void BM_AutosaveStepAndWrite(benchmark::State& state) {
    ScratchDataFolder data;
    makeChangedList(static_cast<int>(state.range(0)));
    int32_t level = 0;
    for (auto _ : state) {
        mainList.slot(0)->level = ++level;
        modifiedFlag = 1;
        shell::autosaveNow();
        shell::waitForAutosave();
    }
    shell::discardRecovery();
    resetCardStore();
}

} // namespace

BENCHMARK(BM_AutosaveStep)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AutosaveStepAndWrite)->Arg(100000)->Unit(benchmark::kMillisecond);
