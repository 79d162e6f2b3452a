#pragma once

#include "listfile/file_info.h"
#include "listfile/file_result.h"
#include "store/card_list.h"

#include <string>
#include <vector>

// A card as another trainer's file holds it, before it becomes one of ours. The readers of those
// files collect every card first and touch the lists only once the whole file was read, so a
// damaged file leaves the lists as they were.
struct ImportedCard {
    std::string question;
    std::string answer;
    std::string lesson = "-";
    std::string additionalInfo = "-";
    int level = 0;
    bool known = false; // goes to knownList

    bool operator==(const ImportedCard&) const = default;
};

// Makes a card of each, in order, into list or (known ones) knownList; texts longer than their
// field keep their first characters. Fills the counts of info.
void appendImportedCards(CardList& list, const std::vector<ImportedCard>& cards, FileInfo& info);

// The level a file's text gives: a decimal number of at most nine digits, 0 when the text is not
// one or is negative.
int parseImportedLevel(std::string_view text);

// A damaged file: the failure naming the line (and, when known, the column) where it went wrong.
FileResult damagedFile(int line, int column = 0);

// The names the format detection gives the imported formats; a list read from any of them, like
// a plain text import, has no list file yet.
constexpr const char* kCsvFormatName = "CSV";
constexpr const char* kKvtmlFormatName = "KVTML 2.0";
bool isImportedFormat(const std::string& formatName);
