#pragma once

#include "store/card.h"
#include "store/font_description.h"

#include <QDialog>

#include <string>

class QLineEdit;

// Asked when a typed answer differs from the stored one: the user may still count it as right,
// and may add it to the card's answer or put it in its place. OK ("Yes" and the two others)
// counts as a right answer; Cancel ("No", the default, Escape, the close box) as a wrong one.
class AnswerCheckDialog : public QDialog {
    Q_OBJECT
public:
    AnswerCheckDialog(QWidget* parent, Card& card, std::string typed,
                      const FontDescription& questionFontSource,
                      const FontDescription& answerFontSource);

private:
    void buildControls(const FontDescription& questionFontSource,
                       const FontDescription& answerFontSource);
    void addMyAnswer();
    void replaceAnswer();
    // Ends with OK once the fields read back well.
    void acceptIfValid();

    Card& card_;
    std::string typed_;
    QLineEdit* levelField_ = nullptr;
};
