#pragma once

#include "store/card.h"

#include <cstdint>
#include <functional>

// On only while the known-words examination judges an answer: a right answer then offers no
// move, a wrong one sends the card back to the cards being learned.
extern int inKnownWordsExam;

// What the user chose when a card reached the known threshold.
enum class KnownCardChoice { KeepIt, KnownCards };
// Asks the user about the card (the known-card dialog). Windows install the dialog; tests a
// preset answer. Without one the card is kept.
using KnownCardOffer = std::function<KnownCardChoice(Card& card)>;
void setKnownCardOffer(KnownCardOffer offer);

// A right answer: one level up, the known-card offer at the threshold, the counters, the mark.
void answerRight(Card* card, int32_t position);
// A wrong answer: level 0, the counters, both marks, the wrong list; in the known-words
// examination the card goes back from the known cards to the main list.
void answerWrong(Card* card, int16_t position);
// Offers a card that reached the threshold for the known cards (called by answerRight).
void offerKnownCard(Card* card);
