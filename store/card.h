#pragma once

#include <cstdint>
#include <cstring>
#include <new>
#include <string_view>

// Limits of the card texts in characters (code points), whatever their script.
constexpr int kQuestionLimit = 100;
constexpr int kAnswerLimit = 100;
constexpr int kLessonLimit = 10;
constexpr int kAdditionalInfoLimit = 100;

enum class CardField : uint8_t { question, answer, lesson, additionalInfo };

struct Card;

// The four texts of a card, UTF-8, kept in one small buffer one after the other, each ended by a
// NUL (no text holds one), behind a short head of offsets so that each text is found at once.
// No texts at all take no buffer. Only assignText writes them. The buffers come from the card
// arena.
class CardTexts {
public:
    CardTexts() = default;
    ~CardTexts();
    CardTexts(const CardTexts& other);
    CardTexts& operator=(const CardTexts& other);
    CardTexts(CardTexts&& other) noexcept : bytes_(other.bytes_) { other.bytes_ = nullptr; }
    CardTexts& operator=(CardTexts&& other) noexcept;

    std::string_view get(CardField field) const {
        if (!bytes_)
            return {};
        const auto* offsets = reinterpret_cast<const uint16_t*>(bytes_);
        auto i = static_cast<std::size_t>(field);
        return {bytes_ + offsets[i], static_cast<std::size_t>(offsets[i + 1] - offsets[i] - 1)};
    }

    // The four texts as they lie one after the other, each ended by its NUL.
    std::string_view all() const {
        if (!bytes_)
            return {"\0\0\0\0", 4};
        const auto* offsets = reinterpret_cast<const uint16_t*>(bytes_);
        return {bytes_ + offsets[0], static_cast<std::size_t>(offsets[4] - offsets[0])};
    }

    // Asks the processor to fetch the texts ahead of their use (a walk over cards in an order
    // unrelated to their place in memory waits for memory at every card otherwise).
    void prefetch() const {
        if (bytes_) {
            __builtin_prefetch(bytes_);
            __builtin_prefetch(bytes_ + 64);
        }
    }

private:
    friend void assignText(Card& card, CardField field, std::string_view text);
    friend void assignTexts(Card& card, std::string_view question, std::string_view answer,
                            std::string_view lesson, std::string_view additionalInfo);
    friend void assignCleanTexts(Card& card, std::string_view question, std::string_view answer,
                                 std::string_view lesson, std::string_view additionalInfo);
    friend void breakLimitsForTests(Card& card, CardField field, std::string_view text);
    friend void takePackedTexts(Card& card, const char* packed);
    friend Card* makeCard();
    void store(const std::string_view (&texts)[4]);
    void storePacked(const char* packed, std::size_t size);
    template <class Fill> void replace(std::size_t size, Fill fill);
    void useNewCardTexts();
    std::size_t bufferSize() const;

    // Five offsets (the start of each text and the end of the buffer), then the texts.
    char* bytes_ = nullptr;
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

    // Cards come from the card arena, many to a block; each keeps its address while it lives.
    static void* operator new(std::size_t size);
    static void* operator new(std::size_t size, const std::nothrow_t&) noexcept;
    static void operator delete(void* card) noexcept;
};

// The one way into a card's texts: each text is taken up to an embedded NUL, a byte that starts
// no well-formed UTF-8 character becomes U+FFFD, and at most the field's limit of characters is
// kept, never a part of one. assignTexts sets all four at once.
void assignText(Card& card, CardField field, std::string_view text);
void assignTexts(Card& card, std::string_view question, std::string_view answer,
                 std::string_view lesson, std::string_view additionalInfo);

// The same for texts known to be well-formed UTF-8 without a NUL (as a file reader that checked
// them has them): only the limits are applied.
void assignCleanTexts(Card& card, std::string_view question, std::string_view answer,
                      std::string_view lesson, std::string_view additionalInfo);

// A card's four texts packed as a card keeps them, for a reader that decodes a file in one
// thread and makes the cards in another: packTexts writes them at out, which has room for
// packedTextsSize bytes; takePackedTexts gives a card a copy. The texts must be as a card may
// hold them already (well-formed UTF-8 without a NUL, within the limits).
std::size_t packedTextsSize(const std::string_view (&texts)[4]);
void packTexts(char* out, const std::string_view (&texts)[4]);
void takePackedTexts(Card& card, const char* packed);

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
