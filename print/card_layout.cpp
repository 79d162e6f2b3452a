#include "print/card_layout.h"

#include "print/list_layout.h"
#include "print/print_job.h"
#include "print/print_texts.h"
#include "print/text_wrap.h"
#include "resources/string_table.h"
#include "store/notices.h"
#include "ui/fonts.h"

#include <cstring>
#include <string>

namespace {

using namespace cardpage;

// Where a card of the page goes: its cell's top-left corner.
struct Cell {
    int x0;
    int y0;
};

struct Grid {
    int columns;
    int cardsPerPage;
    Cell (*cell)(int index, int side, int width, int height);
    int (*centreOffset)(int width);
    int (*textLimit)(int width);
    void (*drawVerticalCuts)(ui::PrintDevice& device, int width, int height);
};

Cell cellA6(int i, int side, int w, int h) {
    int column = side == kAnswerSide ? i % 4 : 3 - i % 4;
    return {(column * w) / 4, (i / 4) * (h / 4)};
}

Cell cellA7(int i, int side, int w, int h) {
    int column = side == kAnswerSide ? (i + 1) % 2 : i % 2;
    return {(column * w) / 2, (i / 2) * (h / 4)};
}

void verticalCutsA6(ui::PrintDevice& device, int w, int h) {
    for (int x : {w / 4, w / 2, 3 * (w / 4)})
        device.drawLine(x, 0, x, h);
}

void verticalCutsA7(ui::PrintDevice& device, int w, int h) {
    device.drawLine(w / 2, 0, w / 2, h);
}

const Grid gridA6{
    4, 16, cellA6, [](int w) { return w / 8; }, [](int w) { return w / 4 - 100; }, verticalCutsA6};
const Grid gridA7{
    2, 8, cellA7, [](int w) { return w / 4; }, [](int w) { return w / 2 - 100; }, verticalCutsA7};

void drawCutAndBandLines(ui::PrintDevice& device, const Grid& grid, int w, int h) {
    grid.drawVerticalCuts(device, w, h);
    for (int y : {h / 4, h / 2, 3 * (h / 4)})
        device.drawLine(0, y, w, y);
    for (int y : {0, h / 4, h / 2, 3 * (h / 4)})
        device.drawLine(0, y + kBandHeight, w, y + kBandHeight);
}

void drawCard(ui::PrintDevice& device, const Grid& grid, const Card& card, int i, int side) {
    const int w = device.printableWidth();
    const int h = device.printableHeight();
    Cell cell = grid.cell(i, side, w, h);
    std::string_view text = side == kAnswerSide ? card.answer() : card.question();
    std::string_view lesson = card.lesson();
    device.drawText(cell.x0 + kLessonInset, cell.y0 + kLessonInset, lesson);
    const int centre = cell.x0 + grid.centreOffset(w);
    int y = cell.y0 + h / 8 - 10;
    for (std::string_view line : wrapCardText(device, text, grid.textLimit(w))) {
        device.drawText(centre - device.textWidth(line) / 2, y, line);
        y += kLineHeight;
    }
}

int printCardPage(ui::PrintDevice& device, const Grid& grid, std::span<Card* const> cards,
                  FontDescription& font, int side) {
    drawCutAndBandLines(device, grid, device.printableWidth(), device.printableHeight());
    selectPrintFont(device, font);
    for (int i = 0; i < grid.cardsPerPage; ++i) {
        if (static_cast<std::size_t>(i) >= cards.size())
            return 0;
        drawCard(device, grid, *cards[static_cast<std::size_t>(i)], i, side);
        if (static_cast<std::size_t>(i) + 1 == cards.size())
            return 0;
    }
    return grid.cardsPerPage;
}

bool pageFitsCards(const ui::PrintDevice& device, const Grid& grid) {
    int w = device.printableWidth();
    int h = device.printableHeight();
    if (w / grid.columns >= kSmallestCellWidth && h / kRows >= kSmallestCellHeight)
        return true;
    std::string text = strings::text(print::text::PageTooSmallForCards);
    replaceArgument(text, "%1", std::to_string(w));
    replaceArgument(text, "%2", std::to_string(h));
    replaceArgument(text, "%3", std::to_string(kSmallestCellWidth));
    replaceArgument(text, "%4", std::to_string(kSmallestCellHeight));
    showErrorText(text);
    return false;
}

// One page of one side between its page calls; -1 when a page call failed.
int printSide(PrintJob& job, ui::PrintDevice& device, const Grid& grid,
              std::span<Card* const> cards, int side) {
    if (!job.startPage())
        return -1;
    int r = printCardPage(device, grid, cards, questionFont, side);
    return job.endPage() ? r : -1;
}

// Pages of one side for every group of cards. False when a page call failed.
bool printAllGroups(PrintJob& job, ui::PrintDevice& device, const Grid& grid,
                    std::span<Card* const> cards, int side) {
    for (;;) {
        int r = printSide(job, device, grid, cards, side);
        if (r <= 0)
            return r == 0;
        cards = cards.subspan(static_cast<std::size_t>(r));
    }
}

bool printDuplexPages(PrintJob& job, ui::PrintDevice& device, const Grid& grid,
                      std::span<Card* const> cards) {
    for (;;) {
        int r = printSide(job, device, grid, cards, kAnswerSide);
        if (r < 0 || printSide(job, device, grid, cards, kQuestionSide) < 0)
            return false;
        if (r == 0)
            return true;
        cards = cards.subspan(static_cast<std::size_t>(r));
    }
}

bool printSeparateSides(PrintJob& job, ui::PrintDevice& device, const Grid& grid,
                        std::span<Card* const> cards) {
    if (!printAllGroups(job, device, grid, cards, kAnswerSide))
        return false;
    if (!device.keepsOneDocument()) {
        if (!job.endDocument() || !job.startDocument(strings::text(print::text::CardsDocument)))
            return false;
    }
    return printAllGroups(job, device, grid, cards, kQuestionSide);
}

} // namespace

bool orientationFits(ui::PageOrientation orientation, bool a7) {
    if (!a7 && orientation == ui::PageOrientation::Landscape) {
        showError(print::text::A6NeedsPortrait);
        return false;
    }
    if (a7 && orientation == ui::PageOrientation::Portrait) {
        showError(print::text::A7NeedsLandscape);
        return false;
    }
    return true;
}

int printCardPageA6(ui::PrintDevice& device, std::span<Card* const> cards, FontDescription& font,
                    int side) {
    return printCardPage(device, gridA6, cards, font, side);
}

int printCardPageA7(ui::PrintDevice& device, std::span<Card* const> cards, FontDescription& font,
                    int side) {
    return printCardPage(device, gridA7, cards, font, side);
}

bool printFlashCardDocuments(ui::PrintDevice& device, const std::vector<Card*>& cards, bool a7,
                             bool duplex) {
    const Grid& grid = a7 ? gridA7 : gridA6;
    if (!orientationFits(device.orientation(), a7) || !pageFitsCards(device, grid))
        return false;
    PrintJob job(device);
    if (!job.startDocument(strings::text(print::text::CardsDocument)))
        return false;
    bool printed = duplex ? printDuplexPages(job, device, grid, cards)
                          : printSeparateSides(job, device, grid, cards);
    if (!printed || !job.endDocument())
        return false;
    if (!duplex && device.keepsOneDocument() && !device.outputFile().empty()) {
        std::string text = strings::text(print::text::AnswerPagesFirst);
        replaceArgument(text, "%1", device.outputFile());
        showNoticeText(text);
    }
    return true;
}
