// Feeds arbitrary bytes through the list-file reader: the first byte picks the branch (old
// format, version 1.0.2, version 2.0 with fonts in Windows code pages or UTF-8, plain text import
// in either), so the corpus reaches all.
#include "fuzz/card_checks.h"
#include "listfile/list_writer.h"
#include "store/notices.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

// A text as a saved file holds it: each TAB, CR and LF a blank.
std::string blanked(std::string_view text) {
    std::string saved(text);
    for (char& c : saved)
        c = c == '\t' || c == '\r' || c == '\n' ? ' ' : c;
    return saved;
}

// Every card of both lists as one line of text, in list order; with blanked, as saved.
std::vector<std::string> cardTexts(bool asSaved = false) {
    auto text = [asSaved](std::string_view t) { return asSaved ? blanked(t) : std::string(t); };
    std::vector<std::string> texts;
    for (const CardList* list : {&mainList, &knownList}) {
        list->forEach([&](const Card* card) {
            texts.push_back(text(card->question()) + '\t' + text(card->answer()) + '\t' +
                            text(card->lesson()) + '\t' + text(card->additionalInfo()) + '\t' +
                            std::to_string(card->level) + '\t' + std::to_string(card->id));
        });
        texts.emplace_back("--");
    }
    return texts;
}

class SilentSink : public NoticeSink {
public:
    int show(NoticeKind, const std::string&, const std::string&) override { return 1; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static SilentSink sink;
    setNoticeSink(&sink);
    FileInfo info;
    int fontsHandedOver = 0;
    FontDescription fonts[2] = {};
    FileResult result =
        readListBytes(mainList, std::string_view(reinterpret_cast<const char*>(data), size), info,
                      [&](const FontDescription& q, const FontDescription& a) {
                          fontsHandedOver += 1;
                          fonts[0] = q;
                          fonts[1] = a;
                          if (strnlen(q.faceName, sizeof q.faceName) > 31 ||
                              strnlen(a.faceName, sizeof a.faceName) > 31 ||
                              !isValidUtf8(q.faceName) || !isValidUtf8(a.faceName))
                              std::abort();
                      });
    checkCards(mainList);
    checkCards(knownList);
    int cards = countCards(mainList) + countCards(knownList);
    if (result.ok() && (nextCardId != cards || info.mainCount + info.knownCount != cards))
        std::abort();
    if (fontsHandedOver > 1)
        std::abort();
    // A large list is read a window at a time: the same cards, whatever the windows (tiny
    // windows copy a long line again at each step, so only inputs of moderate size).
    if (size > 0 && size <= 65536 && (data[0] == 0x7E || data[0] == 0x7F || data[0] == 0x80)) {
        const std::vector<std::string> whole = cardTexts();
        const int32_t wholeNextId = nextCardId;
        resetCardStore();
        FileInfo pieceInfo;
        FileResult pieces =
            readListInPieces(mainList, std::string_view(reinterpret_cast<const char*>(data), size),
                             1 + size % 7, pieceInfo, nullptr);
        if (pieces.ok() != result.ok() || cardTexts() != whole || nextCardId != wholeNextId)
            std::abort();
    }
    // Saved with the file's fonts and read again: the same cards, each TAB and line end in a text
    // a blank.
    if (result.ok()) {
        const std::vector<std::string> saved = cardTexts(true);
        const std::string bytes = listFileBytes(mainList, knownList, fonts[0], fonts[1]);
        resetCardStore();
        FileInfo againInfo;
        if (!readListBytes(mainList, bytes, againInfo, nullptr).ok() || cardTexts() != saved)
            std::abort();
    }
    resetCardStore(); // frees the cards, so memory stays bounded over the run
    return 0;
}
