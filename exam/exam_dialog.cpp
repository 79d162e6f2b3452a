#include "exam/exam_dialog.h"

#include "exam/answer_check_dialog.h"
#include "exam/answer_match.h"
#include "exam/exam_control_ids.h"
#include "exam/exam_texts.h"
#include "exam/open_exams.h"
#include "resources/string_table.h"
#include "store/notices.h"
#include "store/preferences.h"
#include "store/utf8.h"
#include "ui/character_limit.h"
#include "ui/command_registry.h"
#include "ui/dialog_button.h"
#include "ui/field_exchange.h"
#include "ui/font_edit.h"
#include "ui/fonts.h"
#include "ui/modal.h"
#include "ui/text_codec.h"
#include "ui/tone.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kFieldCharacterHeight = 18;

QLineEdit* addReadOnlyField(QFormLayout* form, const QString& label, int id) {
    auto* field = new QLineEdit;
    field->setObjectName(QString::number(id));
    field->setReadOnly(true);
    form->addRow(label, field);
    return field;
}

} // namespace

ExamDialog* ExamDialog::open(ExamKind kind) {
    auto* dialog = new ExamDialog(kind);
    dialog->setWindowTitle(QString::fromUtf8(strings::text(examKindInfo(kind).titleText)));
    dialog->session_.start();
    if (dialog->session_.refused()) {
        dialog->finish();
        return nullptr;
    }
    dialog->presentCard();
    if (dialog->isTornDown())
        return nullptr;
    dialog->showFeedback();
    dialog->show();
    dialog->activateWindow();
    dialog->answerField_->setFocus();
    return dialog;
}

namespace {

// The examination's command, noted as open before the base grays it.
ui::HeldCommand heldCommand(ExamKind kind) {
    const ExamKindInfo& info = examKindInfo(kind);
    noteExamOpened(info.commandId);
    return {info.commandId, info.buttonId};
}

} // namespace

ExamDialog::ExamDialog(ExamKind kind)
    : ui::ModelessWindow({heldCommand(kind)}, enableExamCommand,
                         [command = examKindInfo(kind).commandId] { noteExamClosed(command); }),
      session_(kind) {
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    buildControls();
    questionField_->setFontFrom(questionFont, kFieldCharacterHeight, 0);
    answerField_->setFontFrom(answerFont, kFieldCharacterHeight, 0);
}

void ExamDialog::buildControls() {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Please enter the meaning of this word:")));

    auto* texts = new QFormLayout;
    questionField_ = new FontEdit;
    questionField_->setObjectName(QString::number(examctl::window::Question));
    // Read-only, but a Tab stop: the keyboard can move through a question wider than its field.
    questionField_->setReadOnly(true);
    texts->addRow(tr("Question"), questionField_);
    answerField_ = new FontEdit;
    answerField_->setObjectName(QString::number(examctl::window::Answer));
    ui::limitCharacters(answerField_, kAnswerLimit); // any stored answer can be typed
    texts->addRow(tr("Answer"), answerField_);
    layout->addLayout(texts);

    auto* group = new QGroupBox;
    auto* card = new QFormLayout(group);
    idField_ = addReadOnlyField(card, tr("Card Number (ID)"), examctl::window::CardId);
    levelField_ = addReadOnlyField(card, tr("Level"), examctl::window::Level);
    infoField_ = addReadOnlyField(card, tr("Add. Inform."), examctl::window::AdditionalInfo);
    lessonField_ = addReadOnlyField(card, tr("Lesson"), examctl::window::Lesson);
    layout->addWidget(group);

    auto* buttons = new QHBoxLayout;
    QPushButton* ok = ui::addDialogButton(buttons, tr("OK"), examctl::window::Ok);
    ok->setDefault(true);
    QPushButton* edit = ui::addDialogButton(buttons, tr("Edit Card"), examctl::window::EditCard);
    QPushButton* close = ui::addDialogButton(buttons, tr("Close"), examctl::window::Close);
    layout->addLayout(buttons);

    // An addition to the template: what this examination has asked so far.
    feedback_ = new QLabel;
    feedback_->setObjectName(QStringLiteral("feedback"));
    // A long answer is cut at the window's edge rather than widening the window.
    feedback_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    layout->addWidget(feedback_);
    rightAnswerTimer_ = new QTimer(this);
    rightAnswerTimer_->setSingleShot(true);
    rightAnswerTimer_->setInterval(kRightAnswerShownMs);
    connect(rightAnswerTimer_, &QTimer::timeout, this, [this] { showFeedback(); });

    connect(ok, &QPushButton::clicked, this, &ExamDialog::nextCard);
    connect(edit, &QPushButton::clicked, this, &ExamDialog::editCard);
    connect(close, &QPushButton::clicked, this, &ExamDialog::finish);
    setMinimumWidth(420);
}

void ExamDialog::finish() {
    close();
}

void ExamDialog::presentCard() {
    Card* card = session_.currentCard();
    if (!card) {
        // The notice gives the tally of an examination that asked anything.
        const ExamTally tally = session_.tally();
        if (tally.asked > 0)
            showNoticeText(std::string(strings::text(exam::text::EndOfList)) + "\n\n" +
                           tallyText({tally.asked, tally.right, tally.wrong, -1}).toStdString() +
                           ".");
        else
            showNotice(exam::text::EndOfList);
        finish();
        return;
    }
    ui::showFieldText(levelField_, QString::number(card->level));
    ui::showFieldText(idField_, QString::number(card->id));
    questionText_ = card->question();
    questionField_->setTextBytes(questionText_);
    ui::showFieldText(lessonField_, ui::fromStored(card->lesson()));
    ui::showFieldText(infoField_,
                      additionalInfoShown() ? ui::fromStored(card->additionalInfo()) : QString());
    answerField_->clear();
    // After the answer check or the known-card question the window may have lost the keyboard
    // (no window manager hands it back): the user types the next answer here at once.
    if (isVisible())
        activateWindow();
    answerField_->setFocus();
}

bool ExamDialog::evaluateAnswer(Card& card) {
    answerText_ = leadingCharacters(answerField_->textBytes(), kAnswerLimit);
    if (matchesAnswer(card, answerText_))
        return true;
    ui::beep(440, 50);
    AnswerCheckDialog check(this, card, answerText_, questionFont, answerFont);
    return ui::runModal(check) == ui::kResultOk;
}

void ExamDialog::nextCard() {
    if (isTornDown())
        return;
    QString rightAnswer;
    session_.nextCard([this, &rightAnswer](Card& card) {
        const bool right = evaluateAnswer(card);
        // The answer as stored now, after the answer check may have added to it.
        if (right)
            rightAnswer = ui::fromStored(card.answer());
        return right;
    });
    showFeedback(rightAnswer);
    presentCard();
}

// "3 asked, 2 right, 1 wrong, 17 left" (the cards left only where there is an end).
QString ExamDialog::tallyText(const ExamTally& tally) {
    QString text =
        tr("%1 asked, %2 right, %3 wrong").arg(tally.asked).arg(tally.right).arg(tally.wrong);
    if (tally.left >= 0)
        text += tr(", %1 left").arg(tally.left);
    return text;
}

void ExamDialog::showFeedback(const QString& rightAnswer) {
    const QString tally = tallyText(session_.tally());
    QString shown = tally;
    QString whole = tally;
    if (!rightAnswer.isEmpty()) {
        // A long answer gives way, so that the tally stays in sight; the tooltip holds it whole.
        const QString lead = tr("Right: ");
        const QString gap = QStringLiteral("    ");
        const QFontMetrics metrics = feedback_->fontMetrics();
        const int room = feedback_->width() - metrics.horizontalAdvance(lead + gap + tally);
        shown =
            lead + metrics.elidedText(rightAnswer, Qt::ElideRight, std::max(room, 0)) + gap + tally;
        whole = lead + rightAnswer + gap + tally;
        rightAnswerTimer_->start();
    }
    feedback_->setText(shown);
    feedback_->setToolTip(whole);
}

// The change-card window shows the card and changes the same record; this window keeps what it
// shows until the next card.
void ExamDialog::editCard() {
    // Coming back from the change window, the learner goes on typing the answer.
    answerField_->setFocus();
    ui::showCard(session_.currentCard());
}
