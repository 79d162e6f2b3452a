#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

// Byte limits of the card texts (Windows-1252 bytes, without the terminating NUL).
constexpr int kQuestionLimit = 100;
constexpr int kAnswerLimit = 100;
constexpr int kLessonLimit = 10;
constexpr int kAdditionalInfoLimit = 100;

// One vocabulary card. Texts are NUL-terminated byte strings; every write into them goes through
// assignText, so no path can overflow a field.
struct Card {
    char question[kQuestionLimit + 1];
    char answer[kAnswerLimit + 1];
    char lesson[kLessonLimit + 1];
    char additionalInfo[kAdditionalInfoLimit + 1];
    int32_t lastAnswerTurn;
    int32_t id;
    int32_t level;
    int32_t wrongCount;
    int32_t rightCount;
    int32_t askCount;
    int32_t lastWrongTurn;
};

// Copies at most N-1 bytes of text into the field (stopping at an embedded NUL) and terminates it.
template <std::size_t N> void assignText(char (&field)[N], std::string_view text) {
    std::size_t n = text.size() < N - 1 ? text.size() : N - 1;
    const void* nul = n ? std::memchr(text.data(), 0, n) : nullptr;
    if (nul)
        n = static_cast<std::size_t>(static_cast<const char*>(nul) - text.data());
    if (n)
        std::memcpy(field, text.data(), n);
    field[n] = '\0';
}

// Makes a card the one way every card is made: level 0, the next id, "-" for lesson and
// additional information, all counters 0; marks the list modified. Ends the program when memory
// is exhausted.
Card* makeCard();

// Whether the card keeps its field limits (question and answer at most 100 bytes, lesson 10).
bool cardIsValid(const Card& card);
