#include "cards/lesson_rows.h"

#include <unordered_map>

void collectLessonCards(const CardList& main, const CardList& known,
                        const std::vector<std::string>& lessons, CardList& target) {
    if (lessons.empty())
        return;
    std::unordered_map<std::string_view, std::size_t> rank;
    for (std::size_t i = 0; i < lessons.size(); ++i)
        rank.emplace(lessons[i], i);
    // Per chosen lesson: its main-list cards, then its known cards.
    std::vector<std::vector<Card*>> buckets(lessons.size() * 2);
    auto sortInto = [&](std::size_t offset) {
        return [&, offset](Card* card) {
            auto it = rank.find(std::string_view(card->lesson()));
            if (it != rank.end())
                buckets[it->second * 2 + offset].push_back(card);
        };
    };
    main.forEach(sortInto(0));
    known.forEach(sortInto(1));
    for (const auto& bucket : buckets)
        for (Card* card : bucket)
            appendCard(target, card);
}
