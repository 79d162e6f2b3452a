#pragma once

#include "cards/card_search.h"
#include "cards/card_window.h"

#include <cstdint>
#include <string>

struct Card;
class FontEdit;
class QLineEdit;

// Looks up one card by id, question or answer, stores changed texts back into it or deletes
// it. At most one exists; the examination's "Edit Card" and the overview's double-click show
// their card here.
class ChangeCardDialog : public CardWindow {
    Q_OBJECT
public:
    // The open window, made (and shown) when there is none.
    static ChangeCardDialog* openWindow();
    static ChangeCardDialog* instance() { return static_cast<ChangeCardDialog*>(current_); }

    // Makes the card the chosen card and shows it.
    void showCard(Card* card);
    Card* chosenCard() const { return chosen_; }

    void searchText(SearchField field);
    void searchId();
    void storeChanges();
    void deleteCard();

private:
    ChangeCardDialog();
    void buildFields();
    void displayValues();
    void chooseFound(Card* card);

    Card* chosen_ = nullptr;
    int32_t shownId_ = 0;

    QLineEdit* id_;
    QLineEdit* level_;
    FontEdit* question_;
    FontEdit* answer_;
    QLineEdit* lesson_;
    QLineEdit* additionalInfo_;

    static CardWindow* current_;
};
