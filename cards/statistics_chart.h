#pragma once

#include "cards/statistics_figures.h"

#include <array>

// The drawing of the two statistics charts in pixels of the window: filled bars, then the two
// frames over them. Right and bottom edges are exclusive.
struct ChartRect {
    int left;
    int top;
    int right;
    int bottom;
    unsigned rgb; // 0xRRGGBB
    bool frame;   // a one-pixel outline instead of a filled rectangle

    bool operator==(const ChartRect&) const = default;
};

// Bar i of a chart whose bottom lies at baseline: 40 pixels wide, 5 apart, the tallest 80 high.
ChartRect chartBar(int index, int64_t counter, int64_t largest, int baseline, unsigned rgb);

// Colour of bar i of the level chart; the success chart paints its bar 1 like bar 0.
unsigned levelBarColour(int index);
unsigned successBarColour(int index);

// The sixteen bars and two frames, in drawing order (no allocation: it runs while painting).
constexpr int kChartRectCount = 18;
std::array<ChartRect, kChartRectCount> chartRectangles(const StatisticsFigures& figures);
