#include "listfile/imported_cards.h"

#include "store/card_store.h"

void appendImportedCards(CardList& list, const std::vector<ImportedCard>& cards, FileInfo& info) {
    info.mainCount = 0;
    info.knownCount = 0;
    for (const ImportedCard& imported : cards) {
        Card* card = makeCard();
        assignTexts(*card, imported.question, imported.answer, imported.lesson,
                    imported.additionalInfo);
        card->level = imported.level;
        appendCard(imported.known ? knownList : list, card);
        ++(imported.known ? info.knownCount : info.mainCount);
    }
}

int parseImportedLevel(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    if (text.empty() || text.size() > 9)
        return 0;
    int level = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return 0;
        level = level * 10 + (c - '0');
    }
    return level;
}

FileResult damagedFile(int line, int column) {
    FileResult result =
        fileFailure(FileError::NotAList,
                    column > 0 ? listfile::text::DamagedAtColumn : listfile::text::DamagedAtLine);
    result.line = line;
    result.column = column;
    return result;
}

bool isImportedFormat(const std::string& formatName) {
    return formatName == "ASCII-tabsep-file" || formatName == kCsvFormatName ||
           formatName == kKvtmlFormatName;
}
