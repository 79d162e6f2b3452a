// Sorting generated lists of 1,000 to 1,000,000 cards, from random and from sorted order, and
// sorted lists where some cards share an id (cards that agree in the whole key chain are
// ordered by a tree of their own).
#include "bench/generate.h"
#include "bench/steady_heap.h"
#include "store/card_store.h"
#include "store/sort_cards.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <vector>

namespace {

enum Start { randomOrder, alreadySorted, sortedSharingIds };

// The cards in the order the sort starts from. The cards stay owned by mainList.
std::vector<Card*> startingOrder(int n, SortKey key, Start start) {
    resetCardStore();
    bench::generateCards(mainList, n);
    std::vector<Card*> cards = mainList.cards();
    std::shuffle(cards.begin(), cards.end(), std::mt19937(42)); // ids are in order otherwise
    if (start != randomOrder)
        std::sort(cards.begin(), cards.end(),
                  [key](Card* a, Card* b) { return compareCards(a, b, key) < 0; });
    // Lists from older files may hold an id twice: every hundredth card takes its neighbour's.
    if (start == sortedSharingIds)
        for (std::size_t i = 1; i < cards.size(); i += 100)
            cards[i]->id = cards[i - 1]->id;
    return cards;
}

void sortBench(benchmark::State& state, SortKey key, Start start) {
    bench::keepHeap();
    std::vector<Card*> cards = startingOrder(static_cast<int>(state.range(0)), key, start);
    // A sort repairs shared ids.
    std::vector<int32_t> ids;
    for (Card* card : cards)
        ids.push_back(card->id);
    // Sorted by id, fresh ids start among the list's ids, as after cards were deleted and the
    // list opened again.
    const int32_t firstFreshId =
        key == SortKey::byId && start == sortedSharingIds ? nextCardId / 2 : nextCardId;
    // The list as the sort finds it; each round starts from the same ids.
    auto listToSort = [&] {
        CardList list;
        for (std::size_t i = 0; i < cards.size(); ++i) {
            cards[i]->id = ids[i];
            appendCard(list, cards[i]);
        }
        nextCardId = firstFreshId;
        return list;
    };
    // One round before the timing: a row of a million cards runs only a few rounds, and the
    // first, which also takes the sort's memory from the system, would weigh as much as all
    // the others.
    CardList warmUp = listToSort();
    sortCards(warmUp, key);
    for (auto _ : state) {
        state.PauseTiming();
        CardList list = listToSort();
        state.ResumeTiming();
        CardList sorted = sortCards(list, key);
        benchmark::DoNotOptimize(sorted.size());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    resetCardStore();
}

void BM_SortByQuestionRandom(benchmark::State& s) {
    sortBench(s, SortKey::byQuestion, randomOrder);
}
void BM_SortByQuestionSorted(benchmark::State& s) {
    sortBench(s, SortKey::byQuestion, alreadySorted);
}
void BM_SortByQuestionSortedSharingIds(benchmark::State& s) {
    sortBench(s, SortKey::byQuestion, sortedSharingIds);
}
void BM_SortByLevelRandom(benchmark::State& s) {
    sortBench(s, SortKey::byLevel, randomOrder);
}
void BM_SortByLevelSorted(benchmark::State& s) {
    sortBench(s, SortKey::byLevel, alreadySorted);
}
void BM_SortByIdRandom(benchmark::State& s) {
    sortBench(s, SortKey::byId, randomOrder);
}
void BM_SortByIdSorted(benchmark::State& s) {
    sortBench(s, SortKey::byId, alreadySorted);
}
void BM_SortByIdSortedSharingIds(benchmark::State& s) {
    sortBench(s, SortKey::byId, sortedSharingIds);
}

} // namespace

#define SIZES RangeMultiplier(10)->Range(1000, 1000000)->Unit(benchmark::kMillisecond)
BENCHMARK(BM_SortByQuestionRandom)->SIZES;
BENCHMARK(BM_SortByQuestionSorted)->SIZES;
BENCHMARK(BM_SortByQuestionSortedSharingIds)->SIZES;
BENCHMARK(BM_SortByLevelRandom)->SIZES;
BENCHMARK(BM_SortByLevelSorted)->SIZES;
BENCHMARK(BM_SortByIdRandom)->SIZES;
BENCHMARK(BM_SortByIdSorted)->SIZES;
BENCHMARK(BM_SortByIdSortedSharingIds)->SIZES;
