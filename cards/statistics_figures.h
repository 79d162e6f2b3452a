#pragma once

#include "store/card_list.h"

#include <array>
#include <cstdint>
#include <string>

// Everything the statistics window shows: the two charts' counters and the ten figures.
struct StatisticsFigures {
    // Cards per level 0..7 (7 = level 7 and above; a level below 0 counts as level 0).
    std::array<int64_t, 8> levelCounters{};
    // Cards per balance of right minus wrong answers: -3 and below, -2 .. 3, 4 and above.
    std::array<int64_t, 8> successCounters{};

    int64_t numberOfCards = 0;
    int64_t knownCards = 0;
    int64_t wrongCards = 0;
    double averagelyAsked = 0;
    int64_t totalAsked = 0;
    double timePerCard = 0;
    int64_t timeTotal = 0;
    double percentWrong = 0;
    double wrongPerAnswers = 0;
    int64_t remainingExaminations = 0;

    int64_t wrongAnswers = 0;
    int64_t rightAnswers = 0;

    bool operator==(const StatisticsFigures&) const = default;
};

// Counts the lists in one pass each. nowMillis and startMillis are readings of the program's
// millisecond clock. A quotient whose divisor is 0 is 0.
StatisticsFigures computeStatistics(const CardList& main, const CardList& known,
                                    const CardList& wrong, int32_t knownThreshold,
                                    int32_t startMillis, int32_t nowMillis);

// Index of the level chart's bar for a level (negative levels in bar 0, 7 and above in bar 7).
int levelBar(int32_t level);
// Index of the success chart's bar for right and wrong answers.
int successBar(int32_t rightCount, int32_t wrongCount);

// A figure as C's "%.*g" with precision 15 writes it in the C locale, whatever the user's locale.
std::string formatFigure(double value);
std::string formatFigure(int64_t value);
