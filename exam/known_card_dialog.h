#pragma once

#include "exam/levels.h"

#include <QDialog>

// Asked when a card reaches the known threshold: "Keep It" (OK, the default) keeps it with the
// cards being learned, "Known Cards" (Cancel, also Escape and the close box) moves it to the
// known cards.
class KnownCardDialog : public QDialog {
    Q_OBJECT
public:
    explicit KnownCardDialog(QWidget* parent = nullptr);
};

// Shows the dialog through the modal seam and gives the user's choice.
KnownCardChoice askKnownCard(Card& card);
