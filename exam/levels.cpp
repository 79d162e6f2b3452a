#include "exam/levels.h"

#include "exam/exam_texts.h"
#include "exam/open_exams.h"
#include "resources/command_ids.h"
#include "store/card_store.h"
#include "store/notices.h"
#include "store/preferences.h"
#include "ui/main_window_host.h"

#include <utility>

int inKnownWordsExam = 0;

namespace {

KnownCardOffer& installedOffer() {
    static KnownCardOffer offer;
    return offer;
}

void updateCounters() {
    if (ui::MainWindowHost* host = ui::mainWindowHost())
        host->updateCounters();
}

// Known Cards: the card leaves the main list for the known list, keeping its level.
void moveToKnownCards(Card* card) {
    if (containsCardId(knownList, card->id)) {
        showError(exam::text::AlreadyKnown);
        return;
    }
    // A card deleted meanwhile is no longer in the main list; it must not come back as a known
    // card (it would then be owned twice).
    if (!removeCard(mainList, card))
        return;
    appendCard(knownList, card);
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
    if (!containsCardId(wrongList, card->id)) {
        appendCard(wrongList, card);
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
