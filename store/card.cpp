#include "store/card.h"

#include "store/card_arena.h"
#include "store/card_store.h"
#include "store/notices.h"
#include "store/utf8.h"

#include <algorithm>
#include <cstddef>
#include <new>
#include <string>

namespace {

constexpr int kFields = 4;

std::size_t index(CardField field) {
    return static_cast<std::size_t>(field);
}

// The head of a text buffer: where each of the four texts starts and where the buffer ends.
constexpr std::size_t kHeadBytes = (kFields + 1) * sizeof(uint16_t);

// The texts every new card starts with (no question, no answer, "-" and "-"), shared by all of
// them rather than taken per card: most new cards get their own texts at once.
struct NewCardTexts {
    uint16_t offsets[kFields + 1];
    char texts[6];
};
const NewCardTexts kNewCardTexts = {
    {kHeadBytes, kHeadBytes + 1, kHeadBytes + 2, kHeadBytes + 4, kHeadBytes + 6},
    {'\0', '\0', '-', '\0', '-', '\0'}};
static_assert(offsetof(NewCardTexts, texts) == kHeadBytes);

char* newCardTexts() {
    return const_cast<char*>(reinterpret_cast<const char*>(&kNewCardTexts));
}

void freeTexts(char* bytes) {
    if (bytes != newCardTexts())
        card_arena::release(bytes);
}

// At most the limit of characters of well-formed UTF-8: no more bytes than the limit means no
// more characters either, so most texts are not counted.
std::string_view limited(std::string_view text, int limit) {
    auto max = static_cast<std::size_t>(limit);
    return text.size() <= max ? text : leadingCharacters(text, max);
}

// Where the text stops being well-formed UTF-8 without a NUL: its size when it never does.
std::size_t cleanPrefix(std::string_view text) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    std::size_t at = 0;
    while (at < text.size()) {
        unsigned byte = bytes[at];
        if (byte - 1u < 0x7Fu) { // ASCII but NUL
            ++at;
            continue;
        }
        // Two bytes, as the accented Latin letters are: checked here, the rest by the full rules.
        if (byte >= 0xC2 && byte < 0xE0 && at + 1 < text.size() &&
            (bytes[at + 1] & 0xC0u) == 0x80u) {
            at += 2;
            continue;
        }
        std::size_t length = byte == 0 ? 0 : utf8SequenceLength(text, at);
        if (length == 0)
            return at;
        at += length;
    }
    return at;
}

// The text as a card may hold it: up to a NUL, well-formed, within the limit. Texts that need
// no repair (nearly all) are views into the given bytes; others are built in the scratch string.
std::string_view boundedText(std::string_view text, int limit, std::string& scratch) {
    auto maxCharacters = static_cast<std::size_t>(limit);
    std::size_t clean = cleanPrefix(text);
    if (clean < text.size()) { // a text stops at a NUL
        const void* nul = std::memchr(text.data() + clean, 0, text.size() - clean);
        if (nul)
            text = text.substr(
                0, static_cast<std::size_t>(static_cast<const char*>(nul) - text.data()));
    }
    if (clean < text.size()) { // a byte that starts no well-formed character
        scratch.clear();
        for (std::size_t from = 0; from < text.size();)
            appendUtf8(scratch, nextCodePoint(text, from));
        return leadingCharacters(scratch, maxCharacters);
    }
    return limited(text, limit);
}

} // namespace

CardTexts::~CardTexts() {
    freeTexts(bytes_);
}

std::size_t CardTexts::bufferSize() const {
    return bytes_ ? reinterpret_cast<const uint16_t*>(bytes_)[kFields] : 0;
}

CardTexts::CardTexts(const CardTexts& other) {
    if (std::size_t size = other.bufferSize()) {
        bytes_ = static_cast<char*>(card_arena::allocate(size));
        if (!bytes_)
            fatalError(125);
        std::memcpy(bytes_, other.bytes_, size);
    }
}

CardTexts& CardTexts::operator=(const CardTexts& other) {
    if (this != &other)
        *this = CardTexts(other);
    return *this;
}

CardTexts& CardTexts::operator=(CardTexts&& other) noexcept {
    if (this != &other) {
        freeTexts(bytes_);
        bytes_ = other.bytes_;
        other.bytes_ = nullptr;
    }
    return *this;
}

void CardTexts::useNewCardTexts() {
    freeTexts(bytes_);
    bytes_ = newCardTexts();
}

std::size_t packedTextsSize(const std::string_view (&texts)[4]) {
    std::size_t size = kHeadBytes;
    for (std::string_view text : texts)
        size += text.size() + 1;
    return size;
}

void packTexts(char* out, const std::string_view (&texts)[4]) {
    uint16_t offsets[kFields + 1];
    std::size_t at = kHeadBytes;
    for (std::size_t i = 0; i < kFields; ++i) {
        offsets[i] = static_cast<uint16_t>(at);
        if (!texts[i].empty())
            std::memcpy(out + at, texts[i].data(), texts[i].size());
        at += texts[i].size();
        out[at++] = '\0';
    }
    offsets[kFields] = static_cast<uint16_t>(at);
    std::memcpy(out, offsets, kHeadBytes);
}

// A new buffer of size bytes, filled by fill, takes the old one's place (four empty texts take
// none). It is filled before the old one goes: a text may be a view into it.
template <class Fill> void CardTexts::replace(std::size_t size, Fill fill) {
    char* bytes = nullptr;
    if (size != kHeadBytes + kFields) {
        bytes = static_cast<char*>(card_arena::allocate(size));
        if (!bytes)
            fatalError(125);
        fill(bytes);
    }
    freeTexts(bytes_);
    bytes_ = bytes;
}

void CardTexts::store(const std::string_view (&texts)[4]) {
    std::size_t size = packedTextsSize(texts);
    // Bounded texts always fit; only a test's unchecked text could be longer.
    if (size > card_arena::kLargest)
        fatalError(125);
    replace(size, [&](char* bytes) { packTexts(bytes, texts); });
}

void CardTexts::storePacked(const char* packed, std::size_t size) {
    replace(size, [&](char* bytes) { std::memcpy(bytes, packed, size); });
}

void takePackedTexts(Card& card, const char* packed) {
    uint16_t size;
    std::memcpy(&size, packed + kFields * sizeof(uint16_t), sizeof size);
    card.texts.storePacked(packed, size);
}

int textLimit(CardField field) {
    switch (field) {
    case CardField::question:
        return kQuestionLimit;
    case CardField::answer:
        return kAnswerLimit;
    case CardField::lesson:
        return kLessonLimit;
    default:
        return kAdditionalInfoLimit;
    }
}

void assignTexts(Card& card, std::string_view question, std::string_view answer,
                 std::string_view lesson, std::string_view additionalInfo) {
    std::string scratch[kFields];
    const std::string_view texts[kFields] = {
        boundedText(question, kQuestionLimit, scratch[0]),
        boundedText(answer, kAnswerLimit, scratch[1]),
        boundedText(lesson, kLessonLimit, scratch[2]),
        boundedText(additionalInfo, kAdditionalInfoLimit, scratch[3])};
    card.texts.store(texts);
}

void assignCleanTexts(Card& card, std::string_view question, std::string_view answer,
                      std::string_view lesson, std::string_view additionalInfo) {
    const std::string_view texts[kFields] = {
        limited(question, kQuestionLimit), limited(answer, kAnswerLimit),
        limited(lesson, kLessonLimit), limited(additionalInfo, kAdditionalInfoLimit)};
    card.texts.store(texts);
}

void assignText(Card& card, CardField field, std::string_view text) {
    std::string scratch;
    std::string_view texts[kFields] = {card.question(), card.answer(), card.lesson(),
                                       card.additionalInfo()};
    texts[index(field)] = boundedText(text, textLimit(field), scratch);
    card.texts.store(texts);
}

void breakLimitsForTests(Card& card, CardField field, std::string_view text) {
    std::string_view texts[kFields] = {card.question(), card.answer(), card.lesson(),
                                       card.additionalInfo()};
    texts[index(field)] = text;
    card.texts.store(texts);
}

void* Card::operator new(std::size_t size) {
    if (void* card = card_arena::allocate(size))
        return card;
    throw std::bad_alloc();
}

void* Card::operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return card_arena::allocate(size);
}

void Card::operator delete(void* card) noexcept {
    card_arena::release(card);
}

Card* makeCard() {
    Card* card = new (std::nothrow) Card{};
    if (!card)
        fatalError(125);
    card->level = 0;
    card->id = nextCardId++;
    card->texts.useNewCardTexts();
    modifiedFlag = 1;
    return card;
}

namespace {

// No more bytes than the limit means no more characters either: most texts are not counted.
bool withinLimit(std::string_view text, int limit) {
    auto max = static_cast<std::size_t>(limit);
    return text.size() <= max || countCharacters(text) <= max;
}

} // namespace

bool cardIsValid(const Card& card) {
    return withinLimit(card.question(), kQuestionLimit) &&
           withinLimit(card.answer(), kAnswerLimit) && withinLimit(card.lesson(), kLessonLimit);
}
