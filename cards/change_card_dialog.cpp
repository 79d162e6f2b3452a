#include "cards/change_card_dialog.h"

#include "cards/card_control_ids.h"
#include "cards/search_dialog.h"
#include "resources/command_ids.h"
#include "resources/string_table.h"
#include "store/card_store.h"
#include "store/notices.h"
#include "ui/character_limit.h"
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

QPushButton* button(QWidget* parent, const char* label, int id) {
    auto* b = new QPushButton(QString::fromUtf8(label), parent);
    b->setObjectName(QString::number(id));
    b->setAutoDefault(false);
    return b;
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
    setWindowTitle(QStringLiteral("Change a card"));
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

    auto* intro = new QLabel(
        QStringLiteral("Please press 'search ID', 'search question' or 'search answer' to look for "
                       "a card in the database. Then you can modify it and enter your answer by "
                       "clicking OK."),
        this);
    intro->setWordWrap(true);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Card Number (ID)"), id_);
    form->addRow(QStringLiteral("Level"), level_);
    form->addRow(QStringLiteral("Question"), question_);
    form->addRow(QStringLiteral("Answer"), answer_);
    form->addRow(QStringLiteral("Lesson"), lesson_);
    form->addRow(QStringLiteral("Additional Information"), additionalInfo_);

    QPushButton* ok = button(this, "OK", cardctl::Ok);
    ok->setDefault(true);
    QPushButton* byId = button(this, "Search ID...", cardctl::SearchId);
    QPushButton* byQuestion = button(this, "Search Question...", cardctl::SearchQuestion);
    QPushButton* byAnswer = button(this, "Search Answer...", cardctl::SearchAnswer);
    QPushButton* remove = button(this, "Delete Card...", cardctl::DeleteCard);
    QPushButton* closeButton = button(this, "Close", cardctl::Close);
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
    id_->setText(QString::number(shownId_));
    level_->setText(QString::number(card ? card->level : 0));
    question_->setTextBytes(card ? card->question() : "");
    answer_->setTextBytes(card ? card->answer() : "");
    lesson_->setText(ui::fromStored(card ? card->lesson() : ""));
    additionalInfo_->setText(ui::fromStored(card ? card->additionalInfo() : ""));
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
        showError(261);
        return;
    }
    showCard(card);
}

void ChangeCardDialog::searchText(SearchField which) {
    const bool byQuestion = which == SearchField::Question;
    FontEdit* source = byQuestion ? question_ : answer_;
    const std::string text =
        SearchDialog::ask(this, source->textBytes(),
                          byQuestion ? QStringLiteral("Please enter the question to search.")
                                     : QStringLiteral("Please enter the answer to search."),
                          byQuestion ? &questionFont : &answerFont);
    chooseFound(searchCardByText(which, text, shownId_));
}

void ChangeCardDialog::searchId() {
    const std::string text =
        SearchDialog::ask(this, std::to_string(shownId_),
                          QStringLiteral("Please enter the ID (card number) to search."));
    std::optional<int32_t> id = readSearchId(text);
    chooseFound(id ? searchCardById(*id) : nullptr);
}

void ChangeCardDialog::storeChanges() {
    if (!chosen_) {
        showError(262);
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
        showError(263);
        return;
    }
    if (ui::askQuestion(text(136), text(264), ui::MessageButtons::YesNo, ui::MessageIcon::Warning,
                        ui::MessageAnswer::No) != ui::MessageAnswer::Yes)
        return;
    // The card the user sees goes, by identity: another card of the same id stays. It stays
    // valid for every list and window that still refers to it until the list is closed.
    if (removeCard(mainList, chosen_) || removeCard(knownList, chosen_))
        retireCard(chosen_);
    else
        showError(265);
    showCard(nullptr);
    modifiedFlag = 1;
}
