#include "cards/new_card_dialog.h"

#include "cards/card_control_ids.h"
#include "cards/card_texts.h"
#include "cards/card_windows_open.h"
#include "cards/entry_update.h"
#include "resources/command_ids.h"
#include "store/card_store.h"
#include "store/notices.h"
#include "ui/character_limit.h"
#include "ui/dialog_button.h"
#include "ui/font_edit.h"
#include "ui/fonts.h"
#include "ui/main_window_host.h"
#include "ui/text_codec.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CardWindow* NewCardDialog::current_ = nullptr;

namespace {

// What may be typed: a little less than the card holds for question and lesson; an answer as
// long as the card holds, so that the examination can take it typed in full.
constexpr int kQuestionTyped = 59;
constexpr int kLessonTyped = 9;

QLineEdit* plainField(QWidget* parent, int id, int limit) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::number(id));
    ui::limitCharacters(field, limit);
    return field;
}

} // namespace

NewCardDialog* NewCardDialog::openWindow() {
    if (NewCardDialog* open = instance()) {
        open->raise();
        open->activateWindow();
        return open;
    }
    auto* dialog = new NewCardDialog();
    dialog->show();
    dialog->question_->setFocus();
    return dialog;
}

NewCardDialog::NewCardDialog() : CardWindow({{cmd::NewCards, ctl::NewCardButton}}, &current_) {
    if (ui::MainWindowHost* host = ui::mainWindowHost())
        host->setCommandEnabled(cmd::NewList, false);
    setWindowTitle(tr("New vocabulary card"));
    buildFields();
}

void NewCardDialog::buildFields() {
    question_ = new FontEdit(this);
    question_->setObjectName(QString::number(cardctl::Question));
    ui::limitCharacters(question_, kQuestionTyped);
    question_->setFontFrom(questionFont, 12, 0);
    answer_ = new FontEdit(this);
    answer_->setObjectName(QString::number(cardctl::Answer));
    ui::limitCharacters(answer_, kAnswerLimit);
    answer_->setFontFrom(answerFont, 12, 0);
    additionalInfo_ = plainField(this, cardctl::AdditionalInfo, kAdditionalInfoLimit);
    lesson_ = plainField(this, cardctl::Lesson, kLessonTyped);

    auto* intro =
        new QLabel(tr("Please enter the question and the answer of the new card.( Zelkora will "
                      "ask you the question and you will have to enter the answer)"),
                   this);
    intro->setWordWrap(true);
    auto* form = new QFormLayout;
    form->addRow(tr("Question"), question_);
    form->addRow(tr("Answer"), answer_);
    form->addRow(tr("Additional Information"), additionalInfo_);
    form->addRow(tr("Lesson"), lesson_);

    QPushButton* enter = ui::dialogButton(tr("Enter this word"), cardctl::Ok, this);
    enter->setDefault(true);
    QPushButton* closeButton = ui::dialogButton(tr("Close"), cardctl::Close, this);
    connect(enter, &QPushButton::clicked, this, &NewCardDialog::enterWord);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(enter);
    buttons->addWidget(closeButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(form);
    layout->addLayout(buttons);
    setMinimumWidth(480);
}

void NewCardDialog::enterWord() {
    const std::string question = question_->textBytes();
    const std::string answer = answer_->textBytes();
    // Only the empty text is refused: a field of blanks counts as filled.
    if (question.empty() || answer.empty()) {
        activateWindow();
        showError(cards::text::EmptyCard);
        return;
    }
    addCard(mainList, question, answer, ui::toStored(lesson_->text()),
            ui::toStored(additionalInfo_->text()));
    if (ui::MainWindowHost* host = ui::mainWindowHost())
        updateMainWindowAfterEntry(*host, countCards(mainList), commandWindowOpen);
    question_->clear();
    answer_->clear();
    additionalInfo_->clear();
    question_->setFocus();
}
