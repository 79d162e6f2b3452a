// Feeds arbitrary bytes through the KVTML reader: the lists must either stay untouched (a refused
// file) or hold cards within their limits, every text well-formed UTF-8.
#include "listfile/list_reader.h"
#include "store/card_store.h"
#include "store/utf8.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

bool wellFormed(std::string_view text, int limit) {
    return isValidUtf8(text) && countCharacters(text) <= static_cast<std::size_t>(limit);
}

void checkCards(const CardList& list) {
    list.forEach([](const Card* card) {
        if (!cardIsValid(*card) || !wellFormed(card->question(), kQuestionLimit) ||
            !wellFormed(card->answer(), kAnswerLimit) ||
            !wellFormed(card->lesson(), kLessonLimit) ||
            !wellFormed(card->additionalInfo(), kAdditionalInfoLimit))
            std::abort();
    });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    FileInfo info;
    FileResult result =
        readImportedBytes(mainList, std::string_view(reinterpret_cast<const char*>(data), size),
                          info, ImportFormat::Kvtml);
    checkCards(mainList);
    checkCards(knownList);
    int cards = countCards(mainList) + countCards(knownList);
    if (result.ok() ? info.mainCount + info.knownCount != cards : cards != 0 || result.line <= 0)
        std::abort();
    resetCardStore(); // frees the cards, so memory stays bounded over the run
    return 0;
}
