#include "store/sort_cards.h"
#include "store/utf8.h"
#include "tests/store/store_fixture.h"

#include <cstring>
#include <memory>
#include <random>
#include <string>

namespace {

using SortTest = StoreTest;

std::vector<std::string> questions(const CardList& list) {
    std::vector<std::string> out;
    list.forEach([&](Card* c) { out.emplace_back(c->question()); });
    return out;
}

TEST_F(SortTest, emptyList_saysSoAndStaysEmpty) {
    CardList sorted = sortCards(mainList, SortKey::byQuestion);
    EXPECT_EQ(notices.texts(), std::vector<std::string>{"There are no cards to sort"});
    EXPECT_EQ(countCards(sorted), 0);
}

TEST_F(SortTest, byQuestion_isWindows1252ByteOrderCaseSensitive) {
    add(mainList, "tree", "Baum");
    add(mainList, "apple", "Apfel");
    add(mainList, "Zebra", "Zebra");
    add(mainList, "äpfel", "x"); // above 127 sorts after z
    add(mainList, "λόγος", "x"); // beyond Windows-1252: after all of it
    add(mainList, "€uro", "x");  // 0x80 in Windows-1252: before ä as always
    mainList = sortCards(mainList, SortKey::byQuestion);
    EXPECT_EQ(questions(mainList),
              (std::vector<std::string>{"Zebra", "apple", "tree", "€uro", "äpfel", "λόγος"}));
    EXPECT_TRUE(notices.entries.empty());
}

TEST_F(SortTest, equalQuestionAndAnswer_orderedById) {
    Card* a = add(mainList, "same", "same");
    Card* b = add(mainList, "same", "same");
    a->id = 9;
    b->id = 4;
    mainList = sortCards(mainList, SortKey::byQuestion);
    EXPECT_EQ(mainList.cards(), (std::vector<Card*>{b, a}));
}

TEST_F(SortTest, byId_duplicateGetsNextIdAndGoesBefore) {
    Card* a = add(mainList, "a");
    Card* b = add(mainList, "b");
    b->id = a->id;
    int32_t before = nextCardId;
    modifiedFlag = 0;
    mainList = sortCards(mainList, SortKey::byId);
    EXPECT_EQ(b->id, before);
    EXPECT_EQ(nextCardId, before + 1);
    EXPECT_EQ(modifiedFlag, 0); // sorting never marks the list changed
}

TEST_F(SortTest, byQuestion_leavesDuplicateIdsOfDifferentQuestions) {
    Card* a = add(mainList, "b");
    Card* b = add(mainList, "a");
    b->id = a->id;
    int32_t before = nextCardId;
    mainList = sortCards(mainList, SortKey::byQuestion);
    EXPECT_EQ(a->id, b->id);
    EXPECT_EQ(nextCardId, before);
}

TEST_F(SortTest, byLevel_thenQuestion_andHolesDisappear) {
    for (const char* q : {"d", "c", "b", "a", "e"})
        add(mainList, q);
    mainList.slot(0)->level = 2;
    mainList.slot(1)->level = 0;
    mainList.slot(2)->level = 2;
    mainList.slot(3)->level = 1;
    Card* removed = mainList.slot(4);
    removeCard(mainList, removed);
    mainList = sortCards(mainList, SortKey::byLevel);
    EXPECT_EQ(questions(mainList), (std::vector<std::string>{"c", "a", "b", "d"}));
    EXPECT_EQ(mainList.slot(3)->question(), std::string("d"));
    delete removed;
}

TEST_F(SortTest, brokenListsEndTheProgram) {
    // A card past its limits is found before anything is sorted.
    Card* broken = add(mainList, "q");
    breakLimitsForTests(*broken, CardField::lesson, std::string(11, 'x'));
    setNoticeSink(nullptr); // the dying child writes its box to stderr
    EXPECT_EXIT(sortCards(mainList, SortKey::byQuestion), testing::ExitedWithCode(8),
                "A card was not correct. Internal database error.");
    assignText(*broken, CardField::lesson, "-");
    // The same card twice in one list would be compared with itself, under every key.
    appendCard(wrongList, broken);
    appendCard(wrongList, broken);
    for (SortKey key : {SortKey::byQuestion, SortKey::byLevel, SortKey::byId})
        EXPECT_EXIT(sortCards(wrongList, key), testing::ExitedWithCode(8),
                    "a card has been compared with itself");
}

TEST_F(SortTest, exchangeTwiceRestoresEveryCard) {
    add(mainList, "house", "Haus");
    exchangeQuestionAnswer(mainList);
    EXPECT_EQ(mainList.slot(0)->question(), "Haus");
    EXPECT_EQ(mainList.slot(0)->answer(), "house");
    exchangeQuestionAnswer(mainList);
    EXPECT_EQ(mainList.slot(0)->question(), "house");
}

// A plain reference: the unbalanced tree exactly as described, with its own comparison chain.
struct RefNode {
    Card* card;
    std::unique_ptr<RefNode> before, after;
};

int refText(std::string_view a, std::string_view b) {
    return compareStoredText(a, b);
}

int refCompare(Card* a, Card* b, int key) {
    int c;
    switch (key) {
    case 0:
        c = refText(a->question(), b->question());
        return c ? c : refCompare(a, b, 1);
    case 1:
        c = refText(a->answer(), b->answer());
        return c ? c : refCompare(a, b, 4);
    case 2:
        c = a->level < b->level ? -1 : a->level > b->level;
        return c ? c : refCompare(a, b, 0);
    case 3:
        c = refText(a->lesson(), b->lesson());
        return c ? c : refCompare(a, b, 0);
    default:
        if (a->id != b->id)
            return a->id < b->id ? -1 : 1;
        a->id = nextCardId++;
        return -1;
    }
}

void refWalk(const RefNode* n, std::vector<Card*>& out) {
    if (!n)
        return;
    refWalk(n->before.get(), out);
    out.push_back(n->card);
    refWalk(n->after.get(), out);
}

std::vector<Card*> refSort(const std::vector<Card*>& cards, int key) {
    std::unique_ptr<RefNode> root;
    for (Card* card : cards) {
        std::unique_ptr<RefNode>* place = &root;
        while (*place)
            place =
                refCompare(card, (*place)->card, key) < 0 ? &(*place)->before : &(*place)->after;
        *place = std::make_unique<RefNode>(RefNode{card, nullptr, nullptr});
    }
    std::vector<Card*> out;
    refWalk(root.get(), out);
    return out;
}

struct Snapshot {
    std::vector<std::vector<int32_t>> rows; // index into the original cards, id after the sort
    int32_t nextId;
};

TEST_F(SortTest, matchesTheReferenceTreeOnRandomLists) {
    std::mt19937 rng(12345);
    // Beside short words: characters Windows-1252 ranks above ASCII (\u00e9, \u00ff, the euro
    // sign), one it lacks, and words that agree beyond their first eight bytes.
    const char* words[] = {"a",
                           "b",
                           "ab",
                           "B",
                           "\xe9t\xe9",
                           "ba",
                           "",
                           "\xc3\xa9",
                           "\xc3\xbf"
                           "a",
                           "\xe2\x82\xac",
                           "\xe8\xaa\x9e",
                           "abcdefghij",
                           "abcdefghik"};
    const auto wordCount = static_cast<unsigned>(std::size(words));
    for (int round = 0; round < 300; ++round) {
        for (int key = 0; key <= 4; ++key) {
            bool duplicates = round % 2 == 1;
            int n = 1 + static_cast<int>(rng() % 60);
            // Two identical populations: one sorted by the program, one by the reference.
            std::vector<Card> population(static_cast<std::size_t>(n));
            for (int i = 0; i < n; ++i) {
                Card& c = population[static_cast<std::size_t>(i)];
                c = Card{};
                assignText(c, CardField::question, words[rng() % wordCount]);
                assignText(c, CardField::answer, words[rng() % wordCount]);
                assignText(c, CardField::lesson, words[rng() % 3]);
                c.level = static_cast<int32_t>(rng() % 4) - 1;
                c.id = duplicates ? static_cast<int32_t>(rng() % 8) : i * 3 + 1;
            }
            std::vector<Card> twin = population;
            CardList list;
            std::vector<Card*> twinCards;
            for (int i = 0; i < n; ++i) {
                appendCard(list, &population[static_cast<std::size_t>(i)]);
                twinCards.push_back(&twin[static_cast<std::size_t>(i)]);
            }
            // Fresh ids above every id, and (every third round) fresh ids that are taken.
            const int32_t firstFresh = round % 3 == 2 ? 2 : 1000;
            nextCardId = firstFresh;
            CardList sorted = sortCards(list, static_cast<SortKey>(key));
            int32_t programNext = nextCardId;
            nextCardId = firstFresh;
            std::vector<Card*> expected = refSort(twinCards, key);
            ASSERT_EQ(programNext, nextCardId) << "round " << round << " key " << key;
            std::vector<Card*> got = sorted.cards();
            ASSERT_EQ(got.size(), expected.size());
            for (std::size_t i = 0; i < got.size(); ++i) {
                ASSERT_EQ(got[i] - population.data(), expected[i] - twin.data())
                    << "round " << round << " key " << key << " at " << i;
                ASSERT_EQ(got[i]->id, expected[i]->id);
            }
            clearList(sorted);
        }
    }
    nextCardId = 0;
}

} // namespace
