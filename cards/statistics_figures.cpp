#include "cards/statistics_figures.h"

#include <algorithm>
#include <charconv>

int levelBar(int32_t level) {
    return std::clamp<int32_t>(level, 0, 7);
}

int successBar(int32_t rightCount, int32_t wrongCount) {
    int64_t d = int64_t{rightCount} - wrongCount;
    return static_cast<int>(std::clamp<int64_t>(d + 3, 0, 7));
}

namespace {

double quotient(double dividend, double divisor) {
    return divisor == 0 ? 0.0 : dividend / divisor;
}

// Counts one list into both charts and the answer sums; the main list also feeds the
// remaining examinations.
void countList(const CardList& list, StatisticsFigures& s, const int32_t* knownThreshold) {
    list.forEach([&](const Card* card) {
        ++s.levelCounters[static_cast<std::size_t>(levelBar(card->level))];
        ++s.successCounters[static_cast<std::size_t>(
            successBar(card->rightCount, card->wrongCount))];
        s.totalAsked += card->askCount;
        s.wrongAnswers += card->wrongCount;
        s.rightAnswers += card->rightCount;
        if (knownThreshold)
            s.remainingExaminations += int64_t{*knownThreshold} - card->level;
    });
}

} // namespace

StatisticsFigures computeStatistics(const CardList& main, const CardList& known,
                                    const CardList& wrong, int32_t knownThreshold,
                                    int32_t startMillis, int32_t nowMillis) {
    StatisticsFigures s;
    countList(main, s, &knownThreshold);
    countList(known, s, nullptr);

    const double seconds = static_cast<double>(int64_t{nowMillis} - startMillis) * 0.001;
    s.knownCards = countCards(known);
    s.numberOfCards = countCards(main);
    s.averagelyAsked = quotient(static_cast<double>(s.totalAsked),
                                static_cast<double>(s.numberOfCards + s.knownCards));
    s.wrongCards = countCards(wrong);
    s.timePerCard = quotient(seconds, static_cast<double>(s.totalAsked));
    s.timeTotal = static_cast<int64_t>(seconds);
    s.percentWrong =
        quotient(100.0 * static_cast<double>(s.wrongAnswers), static_cast<double>(s.numberOfCards));
    s.wrongPerAnswers = quotient(static_cast<double>(s.wrongAnswers),
                                 static_cast<double>(s.rightAnswers + s.wrongAnswers));
    return s;
}

std::string formatFigure(double value) {
    char buffer[64];
    auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    return std::string(buffer, result.ptr);
}

std::string formatFigure(int64_t value) {
    return std::to_string(value);
}
