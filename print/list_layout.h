#pragma once

#include "store/card.h"
#include "store/font_description.h"
#include "ui/print_device.h"

#include <span>
#include <string_view>
#include <vector>

// The card list as printed: one card a row, question, answer and lesson in three columns, in
// the printer's device units.
namespace listpage {
constexpr int kFirstRowTop = 350;
constexpr int kLineHeight = 120;
constexpr int kQuestionLeft = 100;
constexpr int kQuestionWidth = 1900;
constexpr int kAnswerLeft = 2000;
constexpr int kAnswerWidth = 1900;
constexpr int kLessonLeft = 4000;
constexpr int kLessonWidth = 200;
// The page must hold the three columns and one row of one line.
constexpr int kSmallestWidth = kLessonLeft + kLessonWidth;
constexpr int kSmallestHeight = kFirstRowTop + kLineHeight + 1;
// The page routine prints nothing on a page this high or lower.
constexpr int kNoRowHeight = 240;
} // namespace listpage

// Sets the font's height to 0 (the device's default size for its face; the font keeps that
// afterwards) and selects it on the device.
void selectPrintFont(ui::PrintDevice& device, FontDescription& font);

// Draws the text wrapped into the column, each line lineHeight below the one before, in the font
// (made with height 0 first). Returns the number of lines beyond the first.
int drawWrappedText(int x, int top, int lineHeight, int columnWidth, std::string_view text,
                    ui::PrintDevice& device, FontDescription& font);

// Prints one page of the list, starting with the first of the cards. Returns 0 when the cards
// ran out on this page, else 1 plus the number of cards printed. A row goes on the page only
// while its last line ends above the printable height; the first row of a page always prints,
// unless the page is no higher than kNoRowHeight: then nothing is printed and 1 returned.
int printListPage(ui::PrintDevice& device, std::span<Card* const> cards,
                  FontDescription& questionFont, FontDescription& answerFont,
                  FontDescription& lessonFont);

// Prints the cards as one document of list pages: question and answer in their fonts, the
// lesson in the print font. Tells the user when the page is too small or the printer fails
// (text 139) and returns false then.
bool printListDocument(ui::PrintDevice& device, const std::vector<Card*>& cards);
