#include "exam/levels.h"

#include "exam/exam_texts.h"
#include "exam/open_exams.h"
#include "resources/command_ids.h"
#include "store/card_store.h"
#include "store/notices.h"
#include "store/preferences.h"
#include "ui/main_window_host.h"

#include <unordered_set>
#include <utility>

int inKnownWordsExam = 0;

namespace {

KnownCardOffer& installedOffer() {
    static KnownCardOffer offer;
    return offer;
}

// Whether a card with the id is in the list, without walking the list at every answer: the ids
// of its cards, taken from the list again when it was changed other than through added, or when
// a card's id may have changed (the ids a sort hands out to cards that shared one move the next
// id on, as every new card does).
class ListIds {
public:
    explicit ListIds(const CardList& list) : list_(list) {}

    bool contains(int32_t id) {
        if (listChanges_ != list_.changes() || nextId_ != nextCardId || !taken_) {
            ids_.clear();
            list_.forEach([this](const Card* card) { ids_.insert(card->id); });
            taken_ = true;
            nextId_ = nextCardId;
            listChanges_ = list_.changes();
        }
        return ids_.count(id) != 0;
    }
    // The card was just appended to the list.
    void added(const Card& card) {
        ids_.insert(card.id);
        listChanges_ = list_.changes();
    }

private:
    const CardList& list_;
    std::unordered_set<int32_t> ids_;
    bool taken_ = false;
    int32_t nextId_ = 0;
    uint64_t listChanges_ = 0;
};

ListIds& wrongIds() {
    static ListIds ids(wrongList);
    return ids;
}

ListIds& knownIds() {
    static ListIds ids(knownList);
    return ids;
}

void updateCounters() {
    if (ui::MainWindowHost* host = ui::mainWindowHost())
        host->updateCounters();
}

// Known Cards: the card leaves the main list for the known list, keeping its level.
void moveToKnownCards(Card* card) {
    if (knownIds().contains(card->id)) {
        showError(exam::text::AlreadyKnown);
        return;
    }
    // A card deleted meanwhile is no longer in the main list; it must not come back as a known
    // card (it would then be owned twice).
    if (!removeCard(mainList, card))
        return;
    appendCard(knownList, card);
    knownIds().added(*card);
    enableExamCommand(cmd::ExamKnownWords);
}

// A known card answered wrong goes back to the cards being learned.
void moveBackToMainList(Card* card) {
    if (!removeCard(knownList, card))
        return;
    appendCard(mainList, card);
    updateCounters();
}

} // namespace

void setKnownCardOffer(KnownCardOffer offer) {
    installedOffer() = std::move(offer);
}

void answerRight(Card* card, int32_t position) {
    card->level += 1;
    modifiedFlag = 1;
    if (card->level >= preferences.knownThreshold)
        offerKnownCard(card);
    card->askCount += 1;
    card->rightCount += 1;
    card->lastAnswerTurn = position;
}

void answerWrong(Card* card, int16_t position) {
    card->level = 0;
    modifiedFlag = 1;
    card->wrongCount += 1;
    card->askCount += 1;
    card->lastWrongTurn = card->lastAnswerTurn = position;
    if (!wrongIds().contains(card->id)) {
        appendCard(wrongList, card);
        wrongIds().added(*card);
        enableExamCommand(cmd::ExamWrongWords, ctl::WrongWordsButton);
    }
    if (inKnownWordsExam)
        moveBackToMainList(card);
}

void offerKnownCard(Card* card) {
    if (inKnownWordsExam)
        return;
    KnownCardChoice choice = installedOffer() ? installedOffer()(*card) : KnownCardChoice::KeepIt;
    if (choice == KnownCardChoice::KeepIt) {
        card->level = preferences.knownThreshold - 2;
        return;
    }
    moveToKnownCards(card);
    updateCounters();
}
