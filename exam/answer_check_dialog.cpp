#include "exam/answer_check_dialog.h"

#include "store/card_store.h"
#include "store/notices.h"
#include "store/utf8.h"
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

constexpr int kTooLongToAddText = 223;
constexpr int kCheckCharacterHeight = 12;
constexpr int kHighestLevel = 128;

QLineEdit* readOnly(QLineEdit* field, int id, const QString& text) {
    field->setObjectName(QString::number(id));
    field->setReadOnly(true);
    ui::showFieldText(field, text);
    return field;
}

QPushButton* button(QHBoxLayout* row, const QString& text, int id) {
    auto* b = new QPushButton(text);
    b->setObjectName(QString::number(id));
    row->addWidget(b);
    return b;
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
    form->addRow(tr("Card Number (ID)"), readOnly(new QLineEdit, 1008, QString::number(card_.id)));
    levelField_ = readOnly(new QLineEdit, 1012, QString::number(card_.level));
    form->addRow(tr("Level"), levelField_);
    auto fontField = [&](int id, const FontDescription& source, std::string_view text) {
        auto* field = new FontEdit;
        field->setFontFrom(source, kCheckCharacterHeight, 0);
        return readOnly(field, id, ui::fromStored(text));
    };
    form->addRow(tr("Question"), fontField(1005, questionFontSource, card_.question()));
    form->addRow(tr("Your Answer"), fontField(1006, answerFontSource, typed_));
    form->addRow(tr("Answer in the Database"), fontField(1007, answerFontSource, card_.answer()));
    form->addRow(tr("Lesson"), readOnly(new QLineEdit, 1004, ui::fromStored(card_.lesson())));
    layout->addLayout(form);

    auto* row = new QHBoxLayout;
    // Alt with N, Y, A or R presses a button without leaving the keyboard.
    QPushButton* no = button(row, tr("&No"), 2);
    QPushButton* yes = button(row, tr("&Yes"), 3);
    QPushButton* add = button(row, tr("Yes, &add my answer"), 2000);
    QPushButton* replace = button(row, tr("Yes, &replace answer"), 2001);
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
        showError(kTooLongToAddText);
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
