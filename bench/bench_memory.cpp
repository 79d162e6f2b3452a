// Memory taken per card by an opened list of 100,000 or 1,000,000 cards.
// BM_OpenedListMemory: the list read from its file bytes; the heap in use before and after
// (glibc's count of small and mmapped blocks) gives the bytes per card. Second argument 1: words
// of six scripts, a UTF-8 list.
// BM_OpenAndSavePeak: what the system sees: the list opened from its file and saved again, the
// resident size after opening and the peak while opening and while saving, each beyond the
// resident size before, per card (the peak is reset through /proc/self/clear_refs).
#include "bench/generate.h"
#include "listfile/list_reader.h"
#include "listfile/list_writer.h"
#include "store/card_store.h"
#include "store/large_memory.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <malloc.h>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// The heap's blocks and the large buffers and card blocks mapped beside it.
std::size_t heapInUse() {
    struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd + large_memory::mappedBytes();
}

void makeList(int n, bool mixedScripts) {
    resetCardStore();
    bench::generateCards(mainList, n - n / 10, 12345, mixedScripts);
    bench::generateCards(knownList, n / 10, 777, mixedScripts);
}

void BM_OpenedListMemory(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    makeList(n, state.range(1) != 0);
    const std::string bytes = listFileBytes(mainList, knownList, {}, {});
    double perCard = 0;
    for (auto _ : state) {
        state.PauseTiming();
        resetCardStore();
        malloc_trim(0);
        std::size_t before = heapInUse();
        state.ResumeTiming();
        FileInfo info;
        readListBytes(mainList, bytes, info, nullptr);
        state.PauseTiming();
        perCard = static_cast<double>(heapInUse() - before) / n;
        state.ResumeTiming();
    }
    state.counters["bytes_per_card"] = perCard;
    state.counters["file_bytes_per_card"] = static_cast<double>(bytes.size()) / n;
    resetCardStore();
}

// VmRSS or VmHWM of this process in bytes.
double statusBytes(const std::string& key) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind(key + ':', 0) == 0)
            return std::stod(line.substr(key.size() + 1)) * 1024;
    return 0;
}

bool resetPeak() {
    std::ofstream clear("/proc/self/clear_refs");
    clear << "5";
    clear.close();
    return static_cast<bool>(clear);
}

void BM_OpenAndSavePeak(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    fs::path dir = fs::temp_directory_path() / ("zelkora-memory-" + std::to_string(getpid()));
    fs::create_directories(dir);
    fs::path previous = fs::current_path();
    fs::current_path(dir); // the save's font log goes there
    std::string path = (dir / "list.zlk").string();
    FileInfo info;
    makeList(n, false);
    writeListFile(mainList, path, info, {}, {});
    double opened = 0, openPeak = 0, savePeak = 0;
    for (auto _ : state) {
        resetCardStore();
        malloc_trim(0);
        double before = statusBytes("VmRSS");
        if (!resetPeak()) {
            state.SkipWithError("the peak cannot be reset here");
            break;
        }
        readListFile(mainList, path, info, nullptr);
        opened = (statusBytes("VmRSS") - before) / n;
        openPeak = (statusBytes("VmHWM") - before) / n;
        resetPeak();
        writeListFile(mainList, path, info, {}, {});
        savePeak = (statusBytes("VmHWM") - before) / n;
    }
    state.counters["opened_per_card"] = opened;
    state.counters["open_peak_per_card"] = openPeak;
    state.counters["save_peak_per_card"] = savePeak;
    resetCardStore();
    fs::current_path(previous);
    fs::remove_all(dir);
}

} // namespace

BENCHMARK(BM_OpenedListMemory)
    ->Args({100000, 0})
    ->Args({100000, 1})
    ->Args({1000000, 0})
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenAndSavePeak)
    ->Arg(100000)
    ->Arg(1000000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
