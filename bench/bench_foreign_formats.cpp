// Opening another trainer's file of 1,000 to 100,000 cards (a tenth of them known): a KVTML
// vocabulary and a CSV table, each as Zelkora's own export writes it, read into the lists.
#include "bench/generate.h"
#include "listfile/kvtml_writer.h"
#include "listfile/list_reader.h"
#include "listfile/table_writer.h"
#include "store/card_store.h"

#include <benchmark/benchmark.h>

namespace {

std::string exportedBytes(int n, ImportFormat format) {
    resetCardStore();
    bench::generateCards(mainList, n - n / 10, 12345, false);
    bench::generateCards(knownList, n / 10, 777, false);
    std::string bytes = format == ImportFormat::Kvtml ? kvtmlBytes(mainList, knownList)
                                                      : csvBytes(mainList, knownList);
    resetCardStore();
    return bytes;
}

void readImported(benchmark::State& state, ImportFormat format) {
    const std::string bytes = exportedBytes(static_cast<int>(state.range(0)), format);
    for (auto _ : state) {
        FileInfo info;
        if (!readImportedBytes(mainList, bytes, info, format).ok())
            state.SkipWithError("the file was refused");
        state.PauseTiming();
        resetCardStore();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
}

void BM_OpenKvtml(benchmark::State& state) {
    readImported(state, ImportFormat::Kvtml);
}

void BM_OpenCsv(benchmark::State& state) {
    readImported(state, ImportFormat::Csv);
}

} // namespace

// A large KVTML file is read by two threads: the CPU time counted is that of the whole process.
BENCHMARK(BM_OpenKvtml)
    ->Arg(1000)
    ->Arg(100000)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenCsv)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);
