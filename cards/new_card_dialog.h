#pragma once

#include "cards/card_window.h"

class FontEdit;
class QLineEdit;

// Takes new cards one after another into the main list. "Enter this word" adds a card and
// empties the fields for the next; the lesson stays for a run of cards of one lesson.
class NewCardDialog : public CardWindow {
    Q_OBJECT
public:
    static NewCardDialog* openWindow();
    static NewCardDialog* instance() { return static_cast<NewCardDialog*>(current_); }

    void enterWord();

private:
    NewCardDialog();
    void buildFields();

    FontEdit* question_;
    FontEdit* answer_;
    QLineEdit* additionalInfo_;
    QLineEdit* lesson_;

    static CardWindow* current_;
};
