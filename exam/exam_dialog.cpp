#include "exam/exam_dialog.h"

#include "exam/answer_check_dialog.h"
#include "exam/answer_match.h"
#include "exam/exam_kinds.h"
#include "exam/open_exams.h"
#include "resources/string_table.h"
#include "store/notices.h"
#include "store/preferences.h"
#include "store/utf8.h"
#include "ui/character_limit.h"
#include "ui/command_registry.h"
#include "ui/font_edit.h"
#include "ui/fonts.h"
#include "ui/main_window_host.h"
#include "ui/modal.h"
#include "ui/text_codec.h"
#include "ui/tone.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kEndOfListText = 220;
constexpr int kAnswerLength = 60;
constexpr int kFieldCharacterHeight = 18;

QWidget* mainWindow() {
    ui::MainWindowHost* host = ui::mainWindowHost();
    return host ? host->window() : nullptr;
}

QLineEdit* addReadOnlyField(QFormLayout* form, const char* label, int id) {
    auto* field = new QLineEdit;
    field->setObjectName(QString::number(id));
    field->setReadOnly(true);
    form->addRow(QString::fromLatin1(label), field);
    return field;
}

// Buttons stay auto-default: Enter presses the button that has the focus, else OK.
QPushButton* addButton(QHBoxLayout* row, const char* text, int id) {
    auto* button = new QPushButton(QString::fromLatin1(text));
    button->setObjectName(QString::number(id));
    row->addWidget(button);
    return button;
}

} // namespace

ExamDialog* ExamDialog::open(ExamKind kind) {
    ExamDialog* dialog = makeExamDialog(kind);
    dialog->setWindowTitle(QString::fromUtf8(strings::text(examKindInfo(kind).titleText)));
    dialog->session_.start();
    if (dialog->session_.refused()) {
        dialog->finish();
        return nullptr;
    }
    dialog->presentCard();
    if (dialog->tornDown_)
        return nullptr;
    dialog->show();
    dialog->activateWindow();
    dialog->answerField_->setFocus();
    return dialog;
}

ExamDialog::ExamDialog(ExamKind kind)
    : QDialog(mainWindow()), session_(kind), commandId_(examKindInfo(kind).commandId),
      buttonId_(examKindInfo(kind).buttonId) {
    setModal(false);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    noteExamOpened(commandId_);
    grayExamCommand(commandId_, buttonId_);
    buildControls();
    questionField_->setFontFrom(questionFont, kFieldCharacterHeight, 0);
    answerField_->setFontFrom(answerFont, kFieldCharacterHeight, 0);
    registerWindow(this);
}

void ExamDialog::buildControls() {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Please enter the meaning of this word:")));

    auto* texts = new QFormLayout;
    questionField_ = new FontEdit;
    questionField_->setObjectName(QStringLiteral("1005"));
    questionField_->setReadOnly(true);
    questionField_->setFocusPolicy(Qt::ClickFocus);
    texts->addRow(QStringLiteral("Question"), questionField_);
    answerField_ = new FontEdit;
    answerField_->setObjectName(QStringLiteral("1006"));
    ui::limitCharacters(answerField_, kAnswerLength);
    texts->addRow(QStringLiteral("Answer"), answerField_);
    layout->addLayout(texts);

    auto* group = new QGroupBox;
    auto* card = new QFormLayout(group);
    idField_ = addReadOnlyField(card, "Card Number (ID)", 1004);
    levelField_ = addReadOnlyField(card, "Level", 1012);
    infoField_ = addReadOnlyField(card, "Add. Inform.", 1007);
    lessonField_ = addReadOnlyField(card, "Lesson", 1008);
    layout->addWidget(group);

    auto* buttons = new QHBoxLayout;
    QPushButton* ok = addButton(buttons, "OK", 3);
    ok->setDefault(true);
    QPushButton* edit = addButton(buttons, "Edit Card", 1009);
    QPushButton* close = addButton(buttons, "Close", 4);
    layout->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, &ExamDialog::nextCard);
    connect(edit, &QPushButton::clicked, this, &ExamDialog::editCard);
    connect(close, &QPushButton::clicked, this, &ExamDialog::finish);
    setMinimumWidth(420);
}

ExamDialog::~ExamDialog() {
    // Destroyed with the main window: there is nothing left to give the commands back to.
    teardown(false);
}

void ExamDialog::teardown(bool giveCommandsBack) {
    if (tornDown_)
        return;
    tornDown_ = true;
    noteExamClosed(commandId_);
    // While Close List closes every window it puts the menu into its state without a list.
    if (giveCommandsBack && !closingAll)
        enableExamCommand(commandId_, buttonId_);
    unregisterWindow(this);
}

void ExamDialog::finish() {
    teardown(true);
    hide();
    deleteLater();
}

void ExamDialog::destroyWindow() {
    teardown(true);
    delete this;
}

void ExamDialog::reject() {
    finish();
}

void ExamDialog::closeEvent(QCloseEvent* event) {
    event->accept();
    finish();
}

void ExamDialog::presentCard() {
    Card* card = session_.currentCard();
    if (!card) {
        showNotice(kEndOfListText);
        finish();
        return;
    }
    levelField_->setText(QString::number(card->level));
    idField_->setText(QString::number(card->id));
    questionText_ = card->question();
    questionField_->setTextBytes(questionText_);
    lessonField_->setText(ui::fromStored(card->lesson()));
    infoField_->setText(preferences.showAdditionalInfo ? ui::fromStored(card->additionalInfo())
                                                       : QString());
    answerField_->clear();
    // After the answer check or the known-card question the window may have lost the keyboard
    // (no window manager hands it back): the user types the next answer here at once.
    if (isVisible())
        activateWindow();
    answerField_->setFocus();
}

bool ExamDialog::evaluateAnswer(Card& card) {
    answerText_ = leadingCharacters(answerField_->textBytes(), kAnswerLength);
    if (matchesAnswer(card, answerText_))
        return true;
    ui::beep(440, 50);
    AnswerCheckDialog check(this, card, answerText_, questionFont, answerFont);
    return ui::runModal(check) == ui::kResultOk;
}

void ExamDialog::nextCard() {
    if (tornDown_)
        return;
    session_.nextCard([this](Card& card) { return evaluateAnswer(card); });
    presentCard();
}

// The change-card window shows the card and changes the same record; this window keeps what it
// shows until the next card.
void ExamDialog::editCard() {
    // Coming back from the change window, the learner goes on typing the answer.
    answerField_->setFocus();
    ui::showCard(session_.currentCard());
}
