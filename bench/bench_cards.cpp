// The overview and the statistics on generated lists of 100,000 and 1,000,000 cards: the table
// filled for every card and for one lesson of many, re-sorted by question and by level (shuffled
// and already sorted), and the statistics figures counted. The windows run on the offscreen
// platform.
#include "bench/generate.h"
#include "cards/card_table_model.h"
#include "cards/overview_dialog.h"
#include "cards/statistics_figures.h"
#include "store/card_store.h"
#include "store/preferences.h"
#include "store/window_registry.h"

#include <QApplication>
#include <QListWidget>
#include <QTreeView>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <random>

namespace {

void ensureApplication() {
    static int argc = 1;
    static char name[] = "bench_cards";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        return new QApplication(argc, argv);
    }();
    (void)app;
}

// n generated cards; with lessons > 0 they are spread over that many lessons.
void prepare(int n, int lessons = 0) {
    resetCardStore();
    resetPreferences();
    bench::generateCards(mainList, n);
    if (lessons > 0) {
        int i = 0;
        mainList.forEach([&](Card* card) {
            std::string lesson = "L";
            lesson += std::to_string(i++ % lessons);
            assignText(*card, CardField::lesson, lesson);
        });
    }
}

void shuffleMainList() {
    std::vector<Card*> cards = mainList.cards();
    std::shuffle(cards.begin(), cards.end(), std::mt19937(42));
    clearList(mainList);
    for (Card* card : cards)
        appendCard(mainList, card);
}

OverviewDialog* openOverview() {
    ensureApplication();
    OverviewDialog* dialog = OverviewDialog::openWindow();
    QApplication::processEvents();
    return dialog;
}

void closeOverview() {
    closeAllWindows();
    QApplication::processEvents();
    resetCardStore();
}

// "All cards": the list rebuilt, the table filled and its visible rows drawn.
void overviewFillAll(benchmark::State& state) {
    prepare(static_cast<int>(state.range(0)));
    OverviewDialog* dialog = openOverview();
    auto* table = dialog->findChild<QTreeView*>(QStringLiteral("1048"));
    for (auto _ : state) {
        dialog->chooseFilter(OverviewFilter::AllCards);
        benchmark::DoNotOptimize(table->grab());
    }
    state.counters["rows"] = dialog->model().rowCount();
    closeOverview();
}
BENCHMARK(overviewFillAll)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// One lesson chosen out of 1,000 in the lesson table.
void overviewFillOneLesson(benchmark::State& state) {
    prepare(static_cast<int>(state.range(0)), 1000);
    OverviewDialog* dialog = openOverview();
    auto* lessons = dialog->findChild<QListWidget*>(QStringLiteral("1047"));
    auto* table = dialog->findChild<QTreeView*>(QStringLiteral("1048"));
    int row = 0;
    for (auto _ : state) {
        lessons->clearSelection();
        lessons->item(row++ % lessons->count())->setSelected(true); // fills the table
        benchmark::DoNotOptimize(table->grab());
    }
    state.counters["rows"] = dialog->model().rowCount();
    closeOverview();
}
BENCHMARK(overviewFillOneLesson)->Arg(100000)->Unit(benchmark::kMillisecond);

// A click on a column heading of "Unknown Cards": the main list sorted and the table filled.
void overviewSort(benchmark::State& state, int column, bool alreadySorted) {
    prepare(static_cast<int>(state.range(0)));
    OverviewDialog* dialog = openOverview();
    // Sorted once before the timing: the sorted rows start from the sorted list, and the first
    // sort, which also takes the sort's memory from the system, would weigh as much as the few
    // other rounds of a million cards.
    dialog->sortByColumn(column);
    for (auto _ : state) {
        if (!alreadySorted) {
            state.PauseTiming();
            shuffleMainList();
            state.ResumeTiming();
        }
        dialog->sortByColumn(column);
    }
    closeOverview();
}
BENCHMARK_CAPTURE(overviewSort, byQuestion, QuestionColumn, false)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(overviewSort, byQuestionSorted, QuestionColumn, true)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(overviewSort, byLevel, LevelColumn, false)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(overviewSort, byLevelSorted, LevelColumn, true)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond);

// The ten figures and both charts' counters, as each paint of the statistics counts them.
void statisticsFigures(benchmark::State& state) {
    prepare(static_cast<int>(state.range(0)) * 9 / 10);
    bench::generateCards(knownList, static_cast<int>(state.range(0)) / 10, 99);
    mainList.forEach([](Card* card) {
        card->askCount = card->id % 7;
        card->wrongCount = card->id % 3;
        card->rightCount = card->id % 5;
    });
    for (auto _ : state)
        benchmark::DoNotOptimize(computeStatistics(mainList, knownList, wrongList,
                                                   preferences.knownThreshold, 0, 90000));
    resetCardStore();
}
BENCHMARK(statisticsFigures)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

} // namespace
