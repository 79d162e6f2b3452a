#include "cards/statistics_chart.h"
#include "cards/statistics_figures.h"
#include "tests/cards/cards_fixture.h"

#include <clocale>
#include <cmath>

namespace {

using StatisticsTest = CardsTest;

StatisticsFigures figuresNow(int32_t start = 0, int32_t now = 0) {
    return computeStatistics(mainList, knownList, wrongList, preferences.knownThreshold, start,
                             now);
}

TEST_F(StatisticsTest, levelChart_tallestBarIs80AndOthersScaleDown) {
    for (int i = 0; i < 10; ++i)
        add(mainList, "q", "a", "-", 0);
    for (int i = 0; i < 5; ++i)
        add(mainList, "q", "a", "-", 2);
    auto rects = chartRectangles(figuresNow());
    EXPECT_EQ(rects[0], (ChartRect{25, 25, 65, 105, 0xFF0000, false}));
    EXPECT_EQ(rects[2], (ChartRect{115, 65, 155, 105, 0xFF6400, false}));
    EXPECT_EQ(rects[1].top, 105); // an empty bar
    EXPECT_EQ(rects[7].left, 340);
    EXPECT_EQ(rects[7].right, 380);
}

TEST_F(StatisticsTest, levelChart_highLevelsShareTheLastBarAndDivisionDropsRemainder) {
    for (int i = 0; i < 3; ++i)
        add(mainList, "q", "a", "-", 1);
    add(mainList, "q", "a", "-", 9);
    auto rects = chartRectangles(figuresNow());
    EXPECT_EQ(rects[1].top, 25);
    EXPECT_EQ(rects[7].top, 105 - 26);
    EXPECT_EQ(rects[7].rgb, 0x00FFFFu);
}

TEST_F(StatisticsTest, successChart_countsBalanceOfAnswersAndFramesComeLast) {
    Card* good = add(mainList, "good");
    good->rightCount = 5;
    good->wrongCount = 1;
    Card* bad = add(mainList, "bad");
    bad->wrongCount = 3;
    add(knownList, "never asked");
    StatisticsFigures s = figuresNow();
    EXPECT_EQ(s.successCounters[7], 1);
    EXPECT_EQ(s.successCounters[0], 1);
    EXPECT_EQ(s.successCounters[3], 1);
    auto rects = chartRectangles(s);
    EXPECT_EQ(rects[8].bottom, 205);
    EXPECT_EQ(rects[8].top, 125);
    EXPECT_EQ(rects[9].rgb, 0xFF0000u); // bar 1 of this chart is painted like bar 0
    EXPECT_EQ(rects[10].rgb, 0xFF6400u);
    EXPECT_EQ(rects[16], (ChartRect{20, 25, 385, 105, 0, true}));
    EXPECT_EQ(rects[17], (ChartRect{20, 125, 385, 205, 0, true}));
}

TEST_F(StatisticsTest, negativeAndHugeLevelsStayInsideTheBars) {
    add(mainList, "q", "a", "-", -4);
    add(mainList, "q", "a", "-", INT32_MIN);
    add(mainList, "q", "a", "-", INT32_MAX);
    Card* odd = add(mainList, "q");
    odd->rightCount = INT32_MIN;
    odd->wrongCount = INT32_MAX;
    StatisticsFigures s = figuresNow();
    EXPECT_EQ(s.levelCounters[0], 3);
    EXPECT_EQ(s.levelCounters[7], 1);
    EXPECT_EQ(s.successCounters[0], 1);
    EXPECT_EQ(s.successCounters[3], 3);
    // Remaining examinations are summed without overflow: 5+4, 5+2^31, 5-(2^31-1), 5.
    EXPECT_EQ(s.remainingExaminations, 9 + 5 + 5 + 1 + 5);
}

TEST_F(StatisticsTest, knownCardsCountInChartsButNotInMainFigures) {
    preferences.knownThreshold = 5;
    add(mainList, "a", "a", "-", 0);
    add(mainList, "b", "a", "-", 2);
    add(mainList, "c", "a", "-", 7);
    add(knownList, "k", "a", "-", 5);
    StatisticsFigures s = figuresNow();
    EXPECT_EQ(s.remainingExaminations, 6);
    EXPECT_EQ(s.numberOfCards, 3);
    EXPECT_EQ(s.knownCards, 1);
    EXPECT_EQ(s.levelCounters[5], 1);
}

TEST_F(StatisticsTest, timeFiguresFromTheListStart) {
    Card* card = add(mainList, "q");
    card->askCount = 30;
    StatisticsFigures s = figuresNow(1000, 91000);
    EXPECT_EQ(formatFigure(s.timePerCard), "3");
    EXPECT_EQ(s.timeTotal, 90);
    EXPECT_EQ(formatFigure(s.averagelyAsked), "30");
}

TEST_F(StatisticsTest, beforeAnyAnswerAndOnEmptyListsEveryQuotientIsZero) {
    StatisticsFigures empty = figuresNow(0, 5000);
    for (double v :
         {empty.averagelyAsked, empty.timePerCard, empty.percentWrong, empty.wrongPerAnswers})
        EXPECT_EQ(formatFigure(v), "0");
    add(mainList, "q");
    StatisticsFigures fresh = figuresNow(0, 5000);
    EXPECT_EQ(fresh.totalAsked, 0);
    EXPECT_EQ(formatFigure(fresh.averagelyAsked), "0");
    EXPECT_EQ(formatFigure(fresh.timePerCard), "0");
    EXPECT_EQ(fresh.timeTotal, 5);
    // A known card with answers but an empty main list: % wrong has no cards to divide by.
    resetCardStore();
    Card* known = add(knownList, "k");
    known->wrongCount = 2;
    StatisticsFigures knownOnly = figuresNow();
    EXPECT_EQ(formatFigure(knownOnly.percentWrong), "0");
    EXPECT_EQ(formatFigure(knownOnly.wrongPerAnswers), "1");
}

TEST_F(StatisticsTest, percentWrongAndWrongPerAnswers) {
    for (int i = 0; i < 13; ++i) {
        Card* card = add(mainList, "q");
        card->wrongCount = i < 5 ? 5 : (i < 9 ? 8 : 0); // 25 + 32 = 57 wrong answers
        card->rightCount = 1;
    }
    StatisticsFigures s = figuresNow();
    EXPECT_EQ(s.wrongAnswers, 57);
    EXPECT_EQ(formatFigure(s.percentWrong), "438.461538461538");
    EXPECT_EQ(formatFigure(s.wrongPerAnswers), formatFigure(57.0 / 70.0));
    EXPECT_EQ(formatFigure(s.wrongPerAnswers), "0.814285714285714");
}

TEST(FigureFormat, behavesLikeCPercentGWithPrecision15InAnyLocale) {
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    std::string saved = previous ? previous : "C";
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8"); // may be missing; the checks hold either way
    EXPECT_EQ(formatFigure(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(formatFigure(2.0), "2");
    EXPECT_EQ(formatFigure(0.3), "0.3");
    EXPECT_EQ(formatFigure(0.00001), "1e-05");
    EXPECT_EQ(formatFigure(1e15), "1e+15");
    EXPECT_EQ(formatFigure(123456789012345.0), "123456789012345");
    EXPECT_EQ(formatFigure(int64_t{-42}), "-42");
    std::setlocale(LC_NUMERIC, saved.c_str());
}

} // namespace
