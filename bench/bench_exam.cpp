// One step of a systematic examination on generated lists of up to 1,000,000 cards: the typed
// answer judged, the card's level and counters changed, the card re-queued and the next card
// picked. The window is not drawn.
#include "bench/generate.h"
#include "exam/answer_match.h"
#include "exam/exam_session.h"
#include "exam/levels.h"
#include "exam/random_number.h"
#include "store/card_store.h"
#include "store/preferences.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void prepare(int n) {
    resetCardStore();
    resetPreferences();
    seedRandomNumber(7);
    setKnownCardOffer(nullptr); // keep every card, as "Keep It" does
    bench::generateCards(mainList, n);
}

// Every third answer is wrong: typed as the stored answer with a letter changed.
void systematicStep(benchmark::State& state) {
    prepare(static_cast<int>(state.range(0)));
    ExamSession session(ExamKind::Systematic);
    session.start();
    long answers = 0;
    for (auto _ : state) {
        session.nextCard([&](Card& card) {
            std::string typed(card.answer());
            if (++answers % 3 == 0)
                typed += 'x';
            return matchesAnswer(card, typed);
        });
        benchmark::DoNotOptimize(session.currentCard());
    }
    resetCardStore();
}
BENCHMARK(systematicStep)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMicrosecond);

// The start of a systematic examination: the review queue built and ordered.
void systematicStart(benchmark::State& state) {
    prepare(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        ExamSession session(ExamKind::Systematic);
        session.start();
        benchmark::DoNotOptimize(session.currentCard());
    }
    resetCardStore();
}
BENCHMARK(systematicStart)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

} // namespace
