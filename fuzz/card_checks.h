#pragma once

// What every read must leave behind, shared by the fuzz targets: cards within their limits in
// characters, every text well-formed UTF-8 (whichever encoding the file had).
#include "listfile/list_reader.h"
#include "store/card_store.h"
#include "store/utf8.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

inline bool wellFormed(std::string_view text, int limit) {
    return isValidUtf8(text) && countCharacters(text) <= static_cast<std::size_t>(limit);
}

inline void checkCards(const CardList& list) {
    list.forEach([](const Card* card) {
        if (!cardIsValid(*card) || !wellFormed(card->question(), kQuestionLimit) ||
            !wellFormed(card->answer(), kAnswerLimit) ||
            !wellFormed(card->lesson(), kLessonLimit) ||
            !wellFormed(card->additionalInfo(), kAdditionalInfoLimit))
            std::abort();
    });
}

// Another trainer's file: the lists either stay untouched (a refused file, its line named) or
// hold every card the reader counted.
inline int fuzzImportedReader(const uint8_t* data, std::size_t size, ImportFormat format) {
    FileInfo info;
    FileResult result = readImportedBytes(
        mainList, std::string_view(reinterpret_cast<const char*>(data), size), info, format);
    checkCards(mainList);
    checkCards(knownList);
    int cards = countCards(mainList) + countCards(knownList);
    if (result.ok() ? info.mainCount + info.knownCount != cards : cards != 0 || result.line <= 0)
        std::abort();
    resetCardStore(); // frees the cards, so memory stays bounded over the run
    return 0;
}
