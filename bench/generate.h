#pragma once

// Realistic generated cards for the benchmarks: German-looking questions with umlauts and sharp s
// (all within Windows-1252, so such a list is written in it), English answers with one to four
// meanings, lessons, plural notes and example phrases, levels 0-9 and ids counted from
// nextCardId. Lines come out at about 70 bytes, as in real lists; one card in fifty is a long one
// (answer and note near their 100-character limit). The same seed gives the same cards.

#include "store/card_list.h"

#include <cstdint>
#include <string>

namespace bench {

class CardGenerator {
public:
    explicit CardGenerator(uint32_t seed = 12345, bool mixedScripts = false)
        : state_(seed), mixedScripts_(mixedScripts) {}

    uint32_t next(uint32_t bound) {
        state_ = state_ * 1664525u + 1013904223u;
        return (state_ >> 8) % bound;
    }

    // A word of two to four syllables, capitalised like a German noun half of the time; with
    // mixed scripts, a word of one of six scripts instead.
    std::string germanWord() {
        if (mixedScripts_)
            return scriptWord();
        static const char* const syllables[] = {
            "haus", "bä", "um",  "stra", "ße",   "kö", "nig", "schö",  "grü", "ten",
            "fl",   "ie", "ger", "wel",  "tü",   "re", "mä",  "dchen", "ber", "lin",
            "sp",   "ät", "ei",  "nä",   "chst", "bl", "au",  "fen",   "st"};
        std::string word;
        int count = 2 + static_cast<int>(next(3));
        for (int i = 0; i < count; ++i)
            word += syllables[next(sizeof syllables / sizeof *syllables)];
        if (next(2) == 0 && word[0] >= 'a' && word[0] <= 'z')
            word[0] = static_cast<char>(word[0] - 'a' + 'A');
        return word;
    }

    // Latin with accents, Cyrillic, Greek, Chinese, Japanese and Arabic, in turn at random.
    std::string scriptWord() {
        static const char* const syllables[][6] = {
            {"crè", "me", "brû", "lée", "ça", "fé"},      {"сло", "во", "дом", "кни", "га", "ро"},
            {"λό", "γος", "θά", "λασ", "σα", "ίο"},       {"语", "言", "学", "习", "书", "字"},
            {"言", "葉", "ひら", "がな", "カタ", "カナ"}, {"كل", "مة", "بي", "ت", "كت", "اب"}};
        const auto& script = syllables[next(6)];
        std::string word;
        int count = 2 + static_cast<int>(next(3));
        for (int i = 0; i < count; ++i)
            word += script[next(6)];
        return word;
    }

    std::string englishWord() {
        if (mixedScripts_)
            return scriptWord();
        static const char* const parts[] = {"ho", "use", "tr",  "ee",   "ca",  "t",  "bo",
                                            "ok", "wa",  "ter", "li",   "ght", "st", "reet",
                                            "ro", "om",  "ga",  "rden", "ca",  "feé"};
        std::string word;
        int count = 2 + static_cast<int>(next(2));
        for (int i = 0; i < count; ++i)
            word += parts[next(sizeof parts / sizeof *parts)];
        return word;
    }

    std::string answer() {
        std::string text = englishWord();
        int meanings = 1 + static_cast<int>(next(4));
        for (int i = 1; i < meanings; ++i) {
            text += next(2) ? ", " : "; ";
            text += englishWord();
        }
        return text;
    }

    std::string lesson() {
        static const char* const lessons[] = {"House",   "Food", "Travel", "Verbs",     "Body",
                                              "Weather", "L1",   "L2",     "Lektion 3", "-"};
        return lessons[next(sizeof lessons / sizeof *lessons)];
    }

    std::string additionalInfo() {
        switch (next(4)) {
        case 0:
            return std::string("plural: ").append(germanWord());
        case 1:
            return next(2) ? std::string("der, die ").append(germanWord()) : "das";
        case 2:
            return "z.B. " + germanWord() + ' ' + germanWord() + ' ' + germanWord();
        default:
            return "-";
        }
    }

    // Words joined by blanks up to about the length given (within the 100-character limits).
    std::string longText(std::size_t length) {
        std::string text = englishWord();
        while (text.size() < length)
            text += ' ' + englishWord();
        return text;
    }

    // Makes one card the program's way (makeCard) and appends it.
    void addCard(CardList& list) {
        std::string question = germanWord();
        if (next(4) == 0) {
            question += ' ';
            question += germanWord();
        }
        Card* card = makeCard();
        bool longCard = next(50) == 0;
        std::string answerText = longCard ? longText(85) : answer();
        std::string lessonText = lesson();
        std::string info = longCard ? longText(85) : additionalInfo();
        assignTexts(*card, question, answerText, lessonText, info);
        card->level = static_cast<int32_t>(next(10));
        appendCard(list, card);
    }

private:
    uint32_t state_;
    bool mixedScripts_;
};

// Appends count generated cards to the list; each gets its level (0-9) and the next id. With
// mixed scripts the words are of six scripts, and the list is written in UTF-8.
inline void generateCards(CardList& list, int count, uint32_t seed = 12345,
                          bool mixedScripts = false) {
    CardGenerator generator(seed, mixedScripts);
    for (int i = 0; i < count; ++i)
        generator.addCard(list);
}

// A plain text file of count lines "question TAB answer" with CR LF, as the import reads it.
inline std::string generateTextFile(int count, uint32_t seed = 12345) {
    CardGenerator generator(seed);
    std::string text;
    for (int i = 0; i < count; ++i)
        text += generator.germanWord() + '\t' + generator.answer() + "\r\n";
    return text;
}

} // namespace bench
