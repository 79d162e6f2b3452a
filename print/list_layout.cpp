#include "print/list_layout.h"

#include "print/print_job.h"
#include "print/print_texts.h"
#include "print/text_wrap.h"
#include "resources/string_table.h"
#include "store/notices.h"
#include "ui/fonts.h"
#include "ui/text_shape.h"

#include <algorithm>
#include <string>

namespace {

int countColumnLines(ui::PrintDevice& device, std::string_view text, int columnWidth,
                     FontDescription& font) {
    selectPrintFont(device, font);
    return static_cast<int>(wrapColumnText(device, text, columnWidth).size());
}

// The lines a card's row takes: the most any of its three columns needs.
int rowLines(ui::PrintDevice& device, const Card& card, FontDescription& questionFont,
             FontDescription& answerFont, FontDescription& lessonFont) {
    using namespace listpage;
    int q = countColumnLines(device, card.question(), kQuestionWidth, questionFont);
    int a = countColumnLines(device, card.answer(), kAnswerWidth, answerFont);
    int l = countColumnLines(device, card.lesson(), kLessonWidth, lessonFont);
    return std::max({q, a, l});
}

bool pageFitsList(ui::PrintDevice& device) {
    int width = device.printableWidth();
    int height = device.printableHeight();
    if (width >= listpage::kSmallestWidth && height >= listpage::kSmallestHeight)
        return true;
    std::string text = strings::text(print::text::PageTooSmallForList);
    replaceArgument(text, "%1", std::to_string(width));
    replaceArgument(text, "%2", std::to_string(height));
    replaceArgument(text, "%3", std::to_string(listpage::kSmallestWidth));
    replaceArgument(text, "%4", std::to_string(listpage::kSmallestHeight));
    showErrorText(text);
    return false;
}

} // namespace

void selectPrintFont(ui::PrintDevice& device, FontDescription& font) {
    font.height = 0;
    device.selectFont(font);
}

int drawWrappedText(int x, int top, int lineHeight, int columnWidth, std::string_view text,
                    ui::PrintDevice& device, FontDescription& font) {
    selectPrintFont(device, font);
    std::vector<std::string_view> lines = wrapColumnText(device, text, columnWidth);
    int y = top;
    for (std::string_view line : lines) {
        // A right-to-left text (Arabic, Hebrew) starts at the column's right edge.
        int left = ui::isRightToLeft(line) ? x + columnWidth - device.textWidth(line) : x;
        device.drawText(std::max(left, x), y, line);
        y += lineHeight;
    }
    return static_cast<int>(lines.size()) - 1;
}

int printListPage(ui::PrintDevice& device, std::span<Card* const> cards,
                  FontDescription& questionFont, FontDescription& answerFont,
                  FontDescription& lessonFont) {
    using namespace listpage;
    const int height = device.printableHeight();
    int result = 1;
    if (height <= kNoRowHeight)
        return result; // not even a row of one line fits below the first top
    int linesUsed = 0;
    for (std::size_t i = 0; i < cards.size(); ++i) {
        const Card& card = *cards[i];
        int top = kFirstRowTop + kLineHeight * linesUsed;
        int lines = rowLines(device, card, questionFont, answerFont, lessonFont);
        if (i > 0 && top + kLineHeight * lines >= height)
            return result;
        drawWrappedText(kQuestionLeft, top, kLineHeight, kQuestionWidth, card.question(), device,
                        questionFont);
        drawWrappedText(kAnswerLeft, top, kLineHeight, kAnswerWidth, card.answer(), device,
                        answerFont);
        drawWrappedText(kLessonLeft, top, kLineHeight, kLessonWidth, card.lesson(), device,
                        lessonFont);
        linesUsed += lines;
        ++result;
    }
    return 0;
}

bool printListDocument(ui::PrintDevice& device, const std::vector<Card*>& cards) {
    if (!pageFitsList(device))
        return false;
    PrintJob job(device);
    if (!job.startDocument(strings::text(print::text::ListDocument)))
        return false;
    std::span<Card* const> rest(cards);
    while (!rest.empty()) {
        if (!job.startPage())
            return false;
        int r = printListPage(device, rest, questionFont, answerFont, printFont);
        if (!job.endPage())
            return false;
        if (r <= 1)
            break; // the cards ran out, or the page held none (a height refused above)
        rest = rest.subspan(static_cast<std::size_t>(r - 1));
    }
    return job.endDocument();
}
