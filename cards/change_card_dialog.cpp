#include "cards/change_card_dialog.h"

#include "cards/card_control_ids.h"
#include "cards/card_texts.h"
#include "cards/search_dialog.h"
#include "resources/command_ids.h"
#include "resources/string_table.h"
#include "store/card_store.h"
#include "store/notices.h"
#include "ui/character_limit.h"
#include "ui/dialog_button.h"
#include "ui/field_exchange.h"
#include "ui/font_edit.h"
#include "ui/fonts.h"
#include "ui/message_boxes.h"
#include "ui/text_codec.h"
#include "ui/tone.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CardWindow* ChangeCardDialog::current_ = nullptr;

namespace {

QLineEdit* field(QWidget* parent, int id, int limit, bool editable) {
    auto* f = new QLineEdit(parent);
    f->setObjectName(QString::number(id));
    ui::limitCharacters(f, limit);
    f->setReadOnly(!editable);
    return f;
}

// The question and answer fields take as much as the card holds.
FontEdit* fontField(QWidget* parent, int id, int limit, const FontDescription& font) {
    auto* f = new FontEdit(parent);
    f->setObjectName(QString::number(id));
    ui::limitCharacters(f, limit);
    f->setFontFrom(font, 12, 0);
    return f;
}

QString text(int number) {
    return QString::fromUtf8(strings::text(number));
}

} // namespace

ChangeCardDialog* ChangeCardDialog::openWindow() {
    if (ChangeCardDialog* open = instance()) {
        open->show();
        open->raise();
        open->activateWindow();
        return open;
    }
    auto* dialog = new ChangeCardDialog();
    dialog->show();
    return dialog;
}

ChangeCardDialog::ChangeCardDialog() : CardWindow({{cmd::ModifyCards, 0}}, &current_) {
    setWindowTitle(tr("Change a card"));
    buildFields();
    displayValues();
}

void ChangeCardDialog::buildFields() {
    id_ = field(this, cardctl::CardId, 11, false);
    level_ = field(this, cardctl::Level, 11, false);
    question_ = fontField(this, cardctl::Question, kQuestionLimit, questionFont);
    answer_ = fontField(this, cardctl::Answer, kAnswerLimit, answerFont);
    lesson_ = field(this, cardctl::Lesson, kLessonLimit, true);
    additionalInfo_ = field(this, cardctl::AdditionalInfo, kAdditionalInfoLimit, true);

    auto* intro =
        new QLabel(tr("Please press 'search ID', 'search question' or 'search answer' to look for "
                      "a card in the database. Then you can modify it and enter your answer by "
                      "clicking OK."),
                   this);
    intro->setWordWrap(true);
    auto* form = new QFormLayout;
    form->addRow(tr("Card Number (ID)"), id_);
    form->addRow(tr("Level"), level_);
    form->addRow(tr("Question"), question_);
    form->addRow(tr("Answer"), answer_);
    form->addRow(tr("Lesson"), lesson_);
    form->addRow(tr("Additional Information"), additionalInfo_);

    QPushButton* ok = ui::dialogButton(tr("OK"), cardctl::Ok, this);
    ok->setDefault(true);
    QPushButton* byId = ui::dialogButton(tr("Search ID..."), cardctl::SearchId, this);
    QPushButton* byQuestion =
        ui::dialogButton(tr("Search Question..."), cardctl::SearchQuestion, this);
    QPushButton* byAnswer = ui::dialogButton(tr("Search Answer..."), cardctl::SearchAnswer, this);
    QPushButton* remove = ui::dialogButton(tr("Delete Card..."), cardctl::DeleteCard, this);
    QPushButton* closeButton = ui::dialogButton(tr("Close"), cardctl::Close, this);
    connect(ok, &QPushButton::clicked, this, &ChangeCardDialog::storeChanges);
    connect(byId, &QPushButton::clicked, this, &ChangeCardDialog::searchId);
    connect(byQuestion, &QPushButton::clicked, this, [this] { searchText(SearchField::Question); });
    connect(byAnswer, &QPushButton::clicked, this, [this] { searchText(SearchField::Answer); });
    connect(remove, &QPushButton::clicked, this, &ChangeCardDialog::deleteCard);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {ok, byId, byQuestion, byAnswer, remove, closeButton})
        buttons->addWidget(b);
    buttons->addStretch();
    auto* grid = new QGridLayout(this);
    grid->addWidget(intro, 0, 0, 1, 2);
    grid->addLayout(form, 1, 0);
    grid->addLayout(buttons, 1, 1);
    setMinimumWidth(560);
}

void ChangeCardDialog::displayValues() {
    const Card* card = chosen_;
    ui::showFieldText(id_, QString::number(shownId_));
    ui::showFieldText(level_, QString::number(card ? card->level : 0));
    question_->setTextBytes(card ? card->question() : "");
    answer_->setTextBytes(card ? card->answer() : "");
    ui::showFieldText(lesson_, ui::fromStored(card ? card->lesson() : ""));
    ui::showFieldText(additionalInfo_, ui::fromStored(card ? card->additionalInfo() : ""));
}

void ChangeCardDialog::showCard(Card* card) {
    chosen_ = card;
    shownId_ = card ? card->id : 0;
    displayValues();
}

// A search that finds nothing forgets the chosen card but leaves the fields as they are.
void ChangeCardDialog::chooseFound(Card* card) {
    if (!card) {
        chosen_ = nullptr;
        showError(cards::text::CardNotFound);
        return;
    }
    showCard(card);
}

void ChangeCardDialog::searchText(SearchField which) {
    const bool byQuestion = which == SearchField::Question;
    FontEdit* source = byQuestion ? question_ : answer_;
    const std::string text =
        SearchDialog::ask(this, source->textBytes(),
                          byQuestion ? tr("Please enter the question to search.")
                                     : tr("Please enter the answer to search."),
                          byQuestion ? &questionFont : &answerFont,
                          // An answer is typed as long as the card holds it.
                          byQuestion ? SearchDialog::kTextLimit : kAnswerLimit);
    chooseFound(searchCardByText(which, text, shownId_));
}

void ChangeCardDialog::searchId() {
    const std::string text = SearchDialog::ask(this, std::to_string(shownId_),
                                               tr("Please enter the ID (card number) to search."));
    std::optional<int32_t> id = readSearchId(text);
    chooseFound(id ? searchCardById(*id) : nullptr);
}

void ChangeCardDialog::storeChanges() {
    if (!chosen_) {
        showError(cards::text::NoCardToModify);
        return;
    }
    // The fields hold at most what the card holds, and assignText bounds every copy again.
    assignTexts(*chosen_, question_->textBytes(), answer_->textBytes(),
                ui::toStored(lesson_->text()), ui::toStored(additionalInfo_->text()));
    ui::beep(440, 50);
    modifiedFlag = 1;
}

void ChangeCardDialog::deleteCard() {
    if (!chosen_) {
        showError(cards::text::NoCardToDelete);
        return;
    }
    if (ui::askQuestion(text(cards::text::CautionCaption), text(cards::text::ReallyDelete),
                        ui::MessageButtons::YesNo, ui::MessageIcon::Warning,
                        ui::MessageAnswer::No) != ui::MessageAnswer::Yes)
        return;
    // The card the user sees goes, by identity: another card of the same id stays. It stays
    // valid for every list and window that still refers to it until the list is closed.
    if (removeCard(mainList, chosen_) || removeCard(knownList, chosen_))
        retireCard(chosen_);
    else
        showError(cards::text::DeleteFailed);
    showCard(nullptr);
    modifiedFlag = 1;
}
