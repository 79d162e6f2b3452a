#pragma once

#include "store/card.h"
#include "store/font_description.h"
#include "ui/print_device.h"

#include <span>
#include <vector>

// Flash cards to cut out: a grid of cells per page, the lesson in a band at the top of each cell
// and the question or the answer centred below it. The columns of the question side mirror
// those of the answer side, so that each question lies behind its answer on a sheet turned
// over about its vertical axis.
namespace cardpage {
constexpr int kQuestionSide = 0;
constexpr int kAnswerSide = 1;
constexpr int kRows = 4;
constexpr int kBandHeight = 300;
constexpr int kLessonInset = 120;
constexpr int kLineHeight = 120;
constexpr int kTextMargin = 100; // the text limit is the cell width less this
// A cell must hold the lesson band and one line of text below it.
constexpr int kSmallestCellWidth = 400;
constexpr int kSmallestCellHeight = 620;
} // namespace cardpage

// Prints one side of a page of cards, starting with the first of the cards, in the font (made
// with height 0 first). Side 0 = questions, 1 = answers. Returns 0 when the cards ended on this
// page, else the number of cards a page holds: A6 is 4 x 4 cards on a portrait page, A7 2 x 4
// on a landscape page.
int printCardPageA6(ui::PrintDevice& device, std::span<Card* const> cards, FontDescription& font,
                    int side);
int printCardPageA7(ui::PrintDevice& device, std::span<Card* const> cards, FontDescription& font,
                    int side);

// True when the page orientation suits the layout (A6 portrait, A7 landscape); else tells the
// user which orientation to choose (texts 187, 188) and returns false.
bool orientationFits(ui::PageOrientation orientation, bool a7);

// Prints the cards as flash cards in the question font. With duplex the pages run answers,
// questions, answers, ...; without it all answer pages come first, in a document of their own,
// then all question pages in a second one (in the same document when the device keeps only
// one, which the user is told when it is a file). Refuses a page in the wrong orientation or
// too small. Returns false when nothing or not everything was printed.
bool printFlashCardDocuments(ui::PrintDevice& device, const std::vector<Card*>& cards, bool a7,
                             bool duplex);
