#pragma once

#include "listfile/file_result.h"
#include "listfile/imported_cards.h"

#include <string_view>
#include <vector>

// Reads a table as spreadsheets write it: fields separated by commas, semicolons or TABs (the one
// the first lines use most), a field in double quotes may hold separators, line ends and doubled
// quotes. UTF-8 with or without a byte-order mark, else Windows-1252. Columns: question, answer
// and, where present, lesson, additional information, level and whether the card is known
// ("known" or "1"). A first row that names its columns (Question, Answer, ...) decides which
// column is which and is not a card; header lines of the form "#key:value" before the table are
// skipped, "#columns:" among them naming the columns as a header row does. Empty rows are skipped.
// A quote that is never closed fails with the line where its field began; cards is then empty.
FileResult readCsvCards(std::string_view bytes, std::vector<ImportedCard>& cards);
