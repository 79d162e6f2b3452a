// Heap taken per card by an opened list: a generated list of 100,000 cards is read from its file
// bytes, and the heap in use before and after (glibc's count) gives the bytes per card. Second
// argument 1: words of six scripts, a UTF-8 list.
#include "bench/generate.h"
#include "listfile/list_reader.h"
#include "listfile/list_writer.h"
#include "store/card_store.h"

#include <benchmark/benchmark.h>

#include <malloc.h>

namespace {

std::size_t heapInUse() {
    return mallinfo2().uordblks;
}

void BM_OpenedListMemory(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    resetCardStore();
    bench::generateCards(mainList, n - n / 10, 12345, state.range(1) != 0);
    bench::generateCards(knownList, n / 10, 777, state.range(1) != 0);
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

} // namespace

BENCHMARK(BM_OpenedListMemory)
    ->Args({100000, 0})
    ->Args({100000, 1})
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);
