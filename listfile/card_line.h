#pragma once

#include "listfile/text_encoding.h"
#include "store/card.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The most UTF-8 bytes a card's four texts take (four to a character).
constexpr std::size_t kLongestCardTexts =
    4 * (kQuestionLimit + kAnswerLimit + kLessonLimit + kAdditionalInfoLimit);

// A card line as the card it becomes: its four texts as a card may hold them (views into the
// decoder or the line, valid until it decodes the next line), its level and id.
struct CardLine {
    std::string_view texts[4];
    int32_t level = 0;
    int32_t id = 0;
};

class LineMasks;

// Decodes the card lines of a list, one after the other.
class CardLineDecoder {
public:
    explicit CardLineDecoder(ListEncoding encoding);

    // The six TAB-separated fields of a card line (without its line end). A field the line holds
    // replaces the new card's default, also when it is empty (a card entered without a lesson has
    // an empty lesson and keeps it through a save); a field that a line cut short does not reach
    // leaves the "-" of a new card, and reads as 0 for the level and the id. A text is decoded
    // from its encoding (a field of a UTF-8 list that is not well-formed is read as
    // Windows-1252), ends at a NUL, and keeps at most its field's limit of characters. When the
    // line lies within bytes that go on for 64 bytes after it, it is read where it stands;
    // otherwise it is copied first.
    CardLine decode(std::string_view line, std::string_view within = {});

private:
    std::string_view fieldText(std::string_view line, const LineMasks& masks, std::size_t from,
                               std::size_t to, int field);

    // Bytes the decoder may read and write beyond a line and a text.
    static constexpr std::size_t kSlack = 64;

    ListEncoding encoding_;
    // The code page tables of the question (also of the lesson and the information) and the
    // answer.
    const Utf8OfBytes* tables_[2];
    // A line without slack behind it is copied here first, with slack.
    std::string line_;
    // The texts that have to be decoded are built here, with slack behind each; out_ is where
    // the next one goes.
    char texts_[kLongestCardTexts + 4 * kSlack];
    char* out_ = nullptr;
};

// Where among 64 bytes the TABs are, and the bytes a text cannot simply be copied from (NUL and
// the upper half), a bit for each byte, the first lowest; worked out eight bytes at a time, as on
// processors without SSE2 (with it, the decoder works sixteen at a time).
void maskWordByWords(const char* bytes, uint64_t& tabs, uint64_t& special);
