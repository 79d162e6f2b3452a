#include "cards/statistics_chart.h"

#include <algorithm>

namespace {

constexpr unsigned kBarColours[8] = {0xFF0000, 0xFF3200, 0xFF6400, 0xFFFF32,
                                     0xFFFF00, 0x80FF00, 0x00FF00, 0x00FFFF};
constexpr unsigned kFrameColour = 0x000000;
constexpr int kLevelBaseline = 105;
constexpr int kSuccessBaseline = 205;

int64_t largestOf(const std::array<int64_t, 8>& counters) {
    int64_t largest = *std::max_element(counters.begin(), counters.end());
    return largest == 0 ? 1 : largest;
}

ChartRect* addChart(ChartRect* out, const std::array<int64_t, 8>& counters, int baseline,
                    unsigned (*colour)(int)) {
    const int64_t largest = largestOf(counters);
    for (int i = 0; i < 8; ++i)
        *out++ = chartBar(i, counters[static_cast<std::size_t>(i)], largest, baseline, colour(i));
    return out;
}

} // namespace

ChartRect chartBar(int index, int64_t counter, int64_t largest, int baseline, unsigned rgb) {
    const int height = static_cast<int>(counter * 80 / largest);
    return {25 + 45 * index, baseline - height, 65 + 45 * index, baseline, rgb, false};
}

unsigned levelBarColour(int index) {
    return kBarColours[std::clamp(index, 0, 7)];
}

unsigned successBarColour(int index) {
    return index == 1 ? kBarColours[0] : levelBarColour(index);
}

std::array<ChartRect, kChartRectCount> chartRectangles(const StatisticsFigures& figures) {
    std::array<ChartRect, kChartRectCount> out{};
    ChartRect* next = addChart(out.data(), figures.levelCounters, kLevelBaseline, levelBarColour);
    next = addChart(next, figures.successCounters, kSuccessBaseline, successBarColour);
    next[0] = {20, 25, 385, 105, kFrameColour, true};
    next[1] = {20, 125, 385, 205, kFrameColour, true};
    return out;
}
