#pragma once

#include "exam/exam_session.h"
#include "ui/modeless_window.h"

#include <string>

class FontEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

// The examination window shared by the nine kinds: one card at a time, the typed answer judged
// at OK, the next card picked by the kind. Modeless; while it is open its command is grayed and
// its button disabled. Close, Escape, the close box, the end of the list and Close List all end
// in one teardown that gives them back.
class ExamDialog : public ui::ModelessWindow {
    Q_OBJECT
public:
    // Makes the examination of the kind and shows its first card. Returns nullptr when it ended
    // at once (no first card, or refused for too few cards).
    static ExamDialog* open(ExamKind kind);

    // OK: judges the answer and shows the following card.
    void nextCard();
    // Shows the current card, or ends the examination with "You reached the end of the list."
    void presentCard();

    const ExamSession& session() const { return session_; }
    ExamKind kind() const { return session_.kind(); }
    const std::string& answerText() const { return answerText_; }

    // How long "Right:" and the stored answer stay on the feedback line after a right answer.
    static constexpr int kRightAnswerShownMs = 2500;

private:
    explicit ExamDialog(ExamKind kind);
    void buildControls();
    // Reads the typed answer, judges it and, when it differs, asks the user; true for right.
    bool evaluateAnswer(Card& card);
    void editCard();
    // The feedback line: the tally, after a right answer led by "Right:" and the stored answer.
    void showFeedback(const QString& rightAnswer = {});
    static QString tallyText(const ExamTally& tally);
    void finish();

    ExamSession session_;
    std::string answerText_;
    std::string questionText_;

    FontEdit* questionField_ = nullptr;
    FontEdit* answerField_ = nullptr;
    QLineEdit* idField_ = nullptr;
    QLineEdit* levelField_ = nullptr;
    QLineEdit* infoField_ = nullptr;
    QLineEdit* lessonField_ = nullptr;
    QLabel* feedback_ = nullptr;
    QTimer* rightAnswerTimer_ = nullptr;
};
