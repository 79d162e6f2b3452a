#pragma once

#include "store/card_list.h"

#include <string>

// Tables of the cards of list and then of known for spreadsheets and flash-card programs: a row
// per card with question, answer, lesson, additional information, level and "known" for a known
// card. A field holding the separator, a double quote or a line end is quoted, its quotes doubled.

// CSV as spreadsheets read it: UTF-8 with a byte-order mark, commas, a header row, CR LF.
std::string csvBytes(const CardList& list, const CardList& known);

// Tab-separated UTF-8 text with the header lines that flash-card programs read ("#separator:tab",
// "#html:false", "#columns:..."), LF.
std::string tsvBytes(const CardList& list, const CardList& known);
