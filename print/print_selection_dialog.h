#pragma once

#include "store/card_list.h"

#include <QDialog>

#include <vector>

class QDialogButtonBox;
class QGridLayout;
class QLineEdit;
class QRadioButton;

// "Choose a list...": which cards to print. The chosen cards are collected in a list of the
// dialog's own, so printing never disturbs the lists an examination may be using.
class PrintSelectionDialog : public QDialog {
    Q_OBJECT
public:
    // The dialog's result when the user asked to see the pages first (OK is 1, Cancel 2).
    static constexpr int kResultPreview = 3;

    explicit PrintSelectionDialog(QWidget* parent = nullptr);

    // The cards to print in list order; filled when the dialog ended with OK or preview.
    std::vector<Card*> printSet() const { return printSet_.cards(); }

private:
    QGridLayout* makeChoices();
    QDialogButtonBox* makeButtons();
    QRadioButton* addChoice(int id, const char* label);
    void finish(int result);
    // Fills the print set from the chosen source; false (after telling the user) when no choice
    // is made, a field is wrong or no card matches.
    bool collectPrintSet();
    bool collectChosenCards(int choice);
    int chosenId() const;

    std::vector<QRadioButton*> choices_;
    QLineEdit* levelField_ = nullptr;
    QLineEdit* lessonField_ = nullptr;
    CardList printSet_;
};
