#pragma once

#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>

// Limits of the card texts in characters (code points), whatever their script.
constexpr int kQuestionLimit = 100;
constexpr int kAnswerLimit = 100;
constexpr int kLessonLimit = 10;
constexpr int kAdditionalInfoLimit = 100;

enum class CardField : uint8_t { question, answer, lesson, additionalInfo };

struct Card;

// The four texts of a card, UTF-8, kept in one small heap buffer one after the other, each ended
// by a NUL (no text holds one). No texts at all take no buffer. Only assignText writes them.
class CardTexts {
public:
    CardTexts() = default;
    CardTexts(const CardTexts& other);
    CardTexts& operator=(const CardTexts& other);
    CardTexts(CardTexts&&) noexcept = default;
    CardTexts& operator=(CardTexts&&) noexcept = default;

    std::string_view get(CardField field) const;

private:
    friend void assignText(Card& card, CardField field, std::string_view text);
    friend void assignTexts(Card& card, std::string_view question, std::string_view answer,
                            std::string_view lesson, std::string_view additionalInfo);
    friend void breakLimitsForTests(Card& card, CardField field, std::string_view text);
    void store(const std::string_view (&texts)[4]);

    std::unique_ptr<char[]> bytes_;
};

// One vocabulary card.
struct Card {
    int32_t lastAnswerTurn = 0;
    int32_t id = 0;
    int32_t level = 0;
    int32_t wrongCount = 0;
    int32_t rightCount = 0;
    int32_t askCount = 0;
    int32_t lastWrongTurn = 0;
    CardTexts texts;

    std::string_view question() const { return texts.get(CardField::question); }
    std::string_view answer() const { return texts.get(CardField::answer); }
    std::string_view lesson() const { return texts.get(CardField::lesson); }
    std::string_view additionalInfo() const { return texts.get(CardField::additionalInfo); }
};

// The one way into a card's texts: each text is taken up to an embedded NUL, a byte that starts
// no well-formed UTF-8 character becomes U+FFFD, and at most the field's limit of characters is
// kept, never a part of one. assignTexts sets all four at once.
void assignText(Card& card, CardField field, std::string_view text);
void assignTexts(Card& card, std::string_view question, std::string_view answer,
                 std::string_view lesson, std::string_view additionalInfo);

// The field's limit in characters.
int textLimit(CardField field);

// Copies at most N-1 bytes of text into a fixed byte field (stopping at an embedded NUL), never a
// part of a UTF-8 character, and terminates it. For the face name of a font record.
template <std::size_t N> void assignText(char (&field)[N], std::string_view text) {
    std::size_t n = text.size() < N - 1 ? text.size() : N - 1;
    const void* nul = n ? std::memchr(text.data(), 0, n) : nullptr;
    if (nul)
        n = static_cast<std::size_t>(static_cast<const char*>(nul) - text.data());
    // A cut inside a character steps back to its start.
    if (n < text.size())
        while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0u) == 0x80u)
            --n;
    if (n)
        std::memcpy(field, text.data(), n);
    field[n] = '\0';
}

// Makes a card the one way every card is made: level 0, the next id, "-" for lesson and
// additional information, all counters 0; marks the list modified. Ends the program when memory
// is exhausted.
Card* makeCard();

// Whether the card keeps its field limits (question and answer at most 100 characters, lesson 10).
bool cardIsValid(const Card& card);

// For tests only: stores the text unchecked, as damaged memory would, so that the checks of a
// card's limits can be seen to work.
void breakLimitsForTests(Card& card, CardField field, std::string_view text);
