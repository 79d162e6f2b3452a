#include "store/card.h"

#include "store/card_store.h"
#include "store/notices.h"
#include "store/utf8.h"

#include <algorithm>
#include <new>
#include <string>

namespace {

constexpr int kFields = 4;

std::size_t index(CardField field) {
    return static_cast<std::size_t>(field);
}

std::size_t bufferSize(const char* bytes) {
    if (!bytes)
        return 0;
    const char* p = bytes;
    for (int i = 0; i < kFields; ++i)
        p += std::strlen(p) + 1;
    return static_cast<std::size_t>(p - bytes);
}

// The text as a card may hold it: up to a NUL, well-formed, within the limit. Texts that need
// no repair (nearly all) are views into the given bytes; others are built in the scratch string.
std::string_view boundedText(std::string_view text, int limit, std::string& scratch) {
    if (text.empty())
        return {};
    // Most texts are plain ASCII without a NUL: one byte, one character.
    if (std::all_of(text.begin(), text.end(),
                    [](char c) { return c != 0 && static_cast<unsigned char>(c) < 0x80; }))
        return text.substr(0, std::min(text.size(), static_cast<std::size_t>(limit)));
    if (const void* nul = std::memchr(text.data(), 0, text.size()))
        text =
            text.substr(0, static_cast<std::size_t>(static_cast<const char*>(nul) - text.data()));
    if (!isValidUtf8(text)) {
        scratch.clear();
        for (std::size_t at = 0; at < text.size();)
            appendUtf8(scratch, nextCodePoint(text, at));
        text = scratch;
    }
    return leadingCharacters(text, static_cast<std::size_t>(limit));
}

} // namespace

CardTexts::CardTexts(const CardTexts& other) {
    if (std::size_t size = bufferSize(other.bytes_.get())) {
        bytes_ = std::make_unique_for_overwrite<char[]>(size);
        std::memcpy(bytes_.get(), other.bytes_.get(), size);
    }
}

CardTexts& CardTexts::operator=(const CardTexts& other) {
    if (this != &other)
        *this = CardTexts(other);
    return *this;
}

std::string_view CardTexts::get(CardField field) const {
    const char* p = bytes_.get();
    if (!p)
        return {};
    for (std::size_t i = 0; i < index(field); ++i)
        p += std::strlen(p) + 1;
    return p;
}

void CardTexts::store(const std::string_view (&texts)[4]) {
    std::size_t size = 0;
    for (std::string_view text : texts)
        size += text.size() + 1;
    if (size == kFields) {
        bytes_.reset();
        return;
    }
    // The new buffer is filled before the old one goes: a text may be a view into it.
    auto bytes = std::unique_ptr<char[]>(new (std::nothrow) char[size]);
    if (!bytes)
        fatalError(125);
    char* p = bytes.get();
    for (std::string_view text : texts) {
        if (!text.empty())
            std::memcpy(p, text.data(), text.size());
        p += text.size();
        *p++ = '\0';
    }
    bytes_ = std::move(bytes);
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

Card* makeCard() {
    Card* card = new (std::nothrow) Card{};
    if (!card)
        fatalError(125);
    card->level = 0;
    card->id = nextCardId++;
    assignTexts(*card, {}, {}, "-", "-");
    modifiedFlag = 1;
    return card;
}

bool cardIsValid(const Card& card) {
    return countCharacters(card.question()) <= kQuestionLimit &&
           countCharacters(card.answer()) <= kAnswerLimit &&
           countCharacters(card.lesson()) <= kLessonLimit;
}
