// Reading, writing and importing generated lists of 1,000 to 1,000,000 cards: German and English
// words, a list written in Windows-1252 (second argument 0), or words of six scripts, a list
// written in UTF-8 (second argument 1). BM_ReadFloor is the floor the reader is measured
// against: the same file read with one read and split into lines and TAB fields, nothing kept.
// BM_WriteShuffledList saves as the program does after the overview sorted the list: cards in
// an order unrelated to their places in memory, the previous version kept as a backup.
#include "bench/generate.h"
#include "bench/steady_heap.h"
#include "listfile/list_reader.h"
#include "listfile/list_writer.h"
#include "store/card_store.h"
#include "store/font_description.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <string>
#include <sys/stat.h>
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
    bench::keepHeap();
    resetCardStore();
    bench::generateCards(mainList, n - n / 10, 12345, mixedScripts);
    bench::generateCards(knownList, n / 10, 777, mixedScripts);
}

void makeList(const benchmark::State& state) {
    makeList(static_cast<int>(state.range(0)), state.range(1) != 0);
}

// A save as the program makes it: the previous version kept in the backup folder, and the main
// list in an order unrelated to where its cards lie in memory, as after the overview
// sorted it: a save then walks the cards as a user's sorted list has them.
void shuffleMainList() {
    std::vector<Card*> cards = mainList.cards();
    std::shuffle(cards.begin(), cards.end(), std::mt19937(99));
    CardList shuffled;
    shuffled.reserve(cards.size());
    for (Card* card : cards)
        shuffled.appendCard(card);
    mainList = std::move(shuffled);
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

// The file made whole in memory, as the recovery timer makes it.
void BM_ListFileBytes(benchmark::State& state) {
    makeList(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            listFileBuffer(mainList, knownList, sansSerif(700), sansSerif(400)));
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

void BM_WriteShuffledList(benchmark::State& state) {
    ScratchFolder scratch;
    makeList(state);
    shuffleMainList();
    setListBackupFolder((scratch.dir / "backups").string());
    std::string path = (scratch.dir / "list.zlk").string();
    FileInfo info;
    FileResult result;
    for (auto _ : state)
        result = writeListFile(mainList, path, info, sansSerif(700), sansSerif(400));
    setListBackupFolder({});
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

// The least any reader does: the file in one read, then every line and TAB field found.
std::size_t readAndSplit(const std::string& path, std::string& bytes) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat info {};
    if (fd < 0 || ::fstat(fd, &info) != 0) {
        if (fd >= 0)
            ::close(fd);
        return 0;
    }
    bytes.resize(static_cast<std::size_t>(info.st_size));
    ssize_t got = ::read(fd, bytes.data(), bytes.size());
    ::close(fd);
    if (got != static_cast<ssize_t>(bytes.size()))
        return 0;
    std::size_t fields = 0;
    for (std::size_t at = 0; at < bytes.size();) {
        std::size_t lineEnd = bytes.find('\n', at);
        if (lineEnd == std::string::npos)
            lineEnd = bytes.size();
        for (std::size_t field = at; field <= lineEnd; ++fields) {
            std::size_t tab = bytes.find('\t', field);
            field = tab < lineEnd ? tab + 1 : lineEnd + 1;
        }
        at = lineEnd + 1;
    }
    return fields;
}

void BM_ReadFloor(benchmark::State& state) {
    ScratchFolder scratch;
    makeList(state);
    std::string path = (scratch.dir / "list.zlk").string();
    FileInfo info;
    writeListFile(mainList, path, info, sansSerif(700), sansSerif(400));
    resetCardStore();
    std::size_t fields = 0;
    // The buffer is kept from one read to the next: the floor is the work of reading and
    // splitting alone, not of the system handing out fresh memory, whose cost swings widely.
    std::string bytes;
    for (auto _ : state) {
        fields = readAndSplit(path, bytes);
        benchmark::DoNotOptimize(bytes.data());
    }
    if (fields < static_cast<std::size_t>(state.range(0)) * 6)
        state.SkipWithError("the file was not read whole");
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_ImportText(benchmark::State& state) {
    bench::keepHeap();
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

// Windows-1252 lists of every size, and a UTF-8 list of 100,000 cards.
#define LIST_SIZES                                                                                 \
    ArgsProduct({{1000, 10000, 100000, 1000000}, {0}})                                             \
        ->Args({100000, 1})                                                                        \
        ->Unit(benchmark::kMillisecond)
BENCHMARK(BM_ListFileBytes)->LIST_SIZES;
BENCHMARK(BM_WriteListFile)->LIST_SIZES;
BENCHMARK(BM_WriteShuffledList)
    ->ArgsProduct({{100000, 1000000}, {0}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadListBytes)->LIST_SIZES;
BENCHMARK(BM_ReadListFile)->LIST_SIZES;
BENCHMARK(BM_ReadFloor)->LIST_SIZES;
BENCHMARK(BM_ImportText)->RangeMultiplier(10)->Range(1000, 1000000)->Unit(benchmark::kMillisecond);
