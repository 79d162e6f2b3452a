#include "exam/answer_check_dialog.h"

#include "exam/exam_control_ids.h"
#include "exam/exam_texts.h"
#include "store/card_store.h"
#include "store/notices.h"
#include "store/utf8.h"
#include "ui/dialog_button.h"
#include "ui/field_exchange.h"
#include "ui/font_edit.h"
#include "ui/text_codec.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kCheckCharacterHeight = 12;
constexpr int kHighestLevel = 128;

QLineEdit* readOnly(QLineEdit* field, int id, const QString& text) {
    field->setObjectName(QString::number(id));
    field->setReadOnly(true);
    ui::showFieldText(field, text);
    return field;
}

} // namespace

AnswerCheckDialog::AnswerCheckDialog(QWidget* parent, Card& card, std::string typed,
                                     const FontDescription& questionFontSource,
                                     const FontDescription& answerFontSource)
    : QDialog(parent), card_(card), typed_(std::move(typed)) {
    setWindowTitle(tr("Is your answer right?"));
    buildControls(questionFontSource, answerFontSource);
}

void AnswerCheckDialog::buildControls(const FontDescription& questionFontSource,
                                      const FontDescription& answerFontSource) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(
        tr("Your answer and the answer in the database differ. Are both answers right?")));

    auto* form = new QFormLayout;
    form->addRow(tr("Card Number (ID)"),
                 readOnly(new QLineEdit, examctl::check::CardId, QString::number(card_.id)));
    levelField_ = readOnly(new QLineEdit, examctl::check::Level, QString::number(card_.level));
    form->addRow(tr("Level"), levelField_);
    auto fontField = [&](int id, const FontDescription& source, std::string_view text) {
        auto* field = new FontEdit;
        field->setFontFrom(source, kCheckCharacterHeight, 0);
        return readOnly(field, id, ui::fromStored(text));
    };
    form->addRow(tr("Question"),
                 fontField(examctl::check::Question, questionFontSource, card_.question()));
    form->addRow(tr("Your Answer"),
                 fontField(examctl::check::TypedAnswer, answerFontSource, typed_));
    form->addRow(tr("Answer in the Database"),
                 fontField(examctl::check::StoredAnswer, answerFontSource, card_.answer()));
    form->addRow(tr("Lesson"),
                 readOnly(new QLineEdit, examctl::check::Lesson, ui::fromStored(card_.lesson())));
    layout->addLayout(form);

    auto* row = new QHBoxLayout;
    // Alt with N, Y, A or R presses a button without leaving the keyboard.
    QPushButton* no = ui::addDialogButton(row, tr("&No"), examctl::check::No);
    QPushButton* yes = ui::addDialogButton(row, tr("&Yes"), examctl::check::Yes);
    QPushButton* add =
        ui::addDialogButton(row, tr("Yes, &add my answer"), examctl::check::AddMyAnswer);
    QPushButton* replace =
        ui::addDialogButton(row, tr("Yes, &replace answer"), examctl::check::ReplaceAnswer);
    layout->addLayout(row);
    no->setDefault(true);
    no->setFocus();

    connect(no, &QPushButton::clicked, this, &QDialog::reject);
    connect(yes, &QPushButton::clicked, this, &AnswerCheckDialog::acceptIfValid);
    connect(add, &QPushButton::clicked, this, &AnswerCheckDialog::addMyAnswer);
    connect(replace, &QPushButton::clicked, this, &AnswerCheckDialog::replaceAnswer);
    setMinimumWidth(460);
}

void AnswerCheckDialog::addMyAnswer() {
    std::string joined = std::string(card_.answer()) + ", " + typed_;
    // The joined answer is stored whole or not at all.
    if (countCharacters(joined) > kAnswerLimit) {
        showError(exam::text::TooLongToAdd);
    } else {
        assignText(card_, CardField::answer, joined);
        modifiedFlag = 1;
    }
    acceptIfValid();
}

void AnswerCheckDialog::replaceAnswer() {
    assignText(card_, CardField::answer, typed_);
    modifiedFlag = 1;
    acceptIfValid();
}

// The level shows the card's own level and cannot be typed into; a level the card already has
// is never refused, or a card on level -1 or above 128 could not be counted right at all.
void AnswerCheckDialog::acceptIfValid() {
    if (levelField_->text() != QString::number(card_.level)) {
        int level = 0;
        if (!ui::readIntField(levelField_, 0, kHighestLevel, level))
            return;
    }
    accept();
}
