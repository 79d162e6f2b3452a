#include "listfile/kvtml_part.h"

#include <QHash>

#include <algorithm>
#include <cstddef>
#include <iterator>

namespace {

struct EntrySlot {
    int card = -1; // the entry's place among the cards
    bool lessonGiven = false;
};

// The slot of each id: small numbers in a vector (numbers up to a bound that grows with the
// entries the file holds, so a single huge id costs no memory), other ids in hashes.
class EntrySlots {
public:
    explicit EntrySlots(std::size_t directIds) : directIds_(directIds) {}

    EntrySlot& operator[](const KvtmlId& id) {
        if (id.number < 0)
            return named_[id.text];
        std::size_t number = static_cast<std::size_t>(id.number);
        if (number >= directIds_)
            return numbered_[id.number];
        if (number >= direct_.size())
            direct_.resize(std::max(number + 1, direct_.size() * 2));
        return direct_[number];
    }

private:
    std::size_t directIds_;
    std::vector<EntrySlot> direct_;
    QHash<int, EntrySlot> numbered_;
    QHash<QString, EntrySlot> named_;
};

} // namespace

KvtmlId kvtmlId(QStringView id) {
    KvtmlId result;
    bool plain = !id.isEmpty() && id.size() <= 9 && (id.size() == 1 || id.front() != u'0');
    int number = 0;
    for (qsizetype i = 0; plain && i < id.size(); ++i) {
        char16_t c = id[i].unicode();
        plain = c >= u'0' && c <= u'9';
        number = number * 10 + (c - u'0');
    }
    if (plain)
        result.number = number;
    else
        result.text = id.toString();
    return result;
}

std::vector<ImportedCard> joinKvtmlParts(std::vector<KvtmlPart>& parts) {
    std::size_t entryCount = 0;
    std::size_t named = 0;
    for (const KvtmlPart& part : parts) {
        entryCount += part.cards.size();
        named += part.lessonEntries.size();
    }
    EntrySlots places(4 * (entryCount + named) + 1024);
    // All cards in the file's order, in the first part's room; then each moved up to its place
    // or over the card first read under its id.
    std::vector<ImportedCard> cards;
    for (KvtmlPart& part : parts)
        if (cards.empty())
            cards = std::move(part.cards);
        else
            std::move(part.cards.begin(), part.cards.end(), std::back_inserter(cards));
    std::size_t kept = 0;
    std::size_t read = 0;
    for (const KvtmlPart& part : parts)
        for (const KvtmlId& id : part.ids) {
            EntrySlot& slot = places[id];
            if (slot.card >= 0) {
                cards[static_cast<std::size_t>(slot.card)] = std::move(cards[read]);
            } else {
                slot.card = static_cast<int>(kept);
                if (kept != read)
                    cards[kept] = std::move(cards[read]);
                ++kept;
            }
            ++read;
        }
    cards.erase(cards.begin() + static_cast<std::ptrdiff_t>(kept), cards.end());
    // Which lesson an entry gets does not depend on where the entry stands.
    for (const KvtmlPart& part : parts)
        for (const auto& [id, lesson] : part.lessonEntries) {
            EntrySlot& slot = places[id];
            if (slot.lessonGiven)
                continue;
            slot.lessonGiven = true;
            if (slot.card >= 0)
                cards[static_cast<std::size_t>(slot.card)].lesson =
                    part.lessons[static_cast<std::size_t>(lesson)];
        }
    return cards;
}
