#include "shell/language_chooser_dialog.h"

#include "ui/main_window_host.h"
#include "ui/modal.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QComboBox* languageBox(const std::vector<std::string>& names, int selected, const char* objectName,
                       QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(objectName));
    for (const std::string& name : names)
        box->addItem(QString::fromStdString(name));
    box->setCurrentIndex(selected);
    return box;
}

} // namespace

LanguageChooserDialog::LanguageChooserDialog(const std::vector<std::string>& names, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Choose Languages"));
    auto* layout = new QVBoxLayout(this);
    auto* explanation =
        new QLabel(tr("This file holds more than two languages. Which two become the cards?"));
    explanation->setWordWrap(true);
    layout->addWidget(explanation);
    auto* form = new QFormLayout;
    question_ = languageBox(names, 0, "question", this);
    answer_ = languageBox(names, 1, "answer", this);
    form->addRow(tr("&Question:"), question_);
    form->addRow(tr("&Answer:"), answer_);
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setObjectName(QStringLiteral("1"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("2"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    for (QComboBox* box : {question_, answer_})
        connect(box, &QComboBox::currentIndexChanged, this, &LanguageChooserDialog::updateOk);
    setMinimumWidth(fontMetrics().averageCharWidth() * 50);
}

int LanguageChooserDialog::questionIndex() const {
    return question_->currentIndex();
}

int LanguageChooserDialog::answerIndex() const {
    return answer_->currentIndex();
}

// Questions and answers in the same language would make no cards worth learning.
void LanguageChooserDialog::updateOk() {
    ok_->setEnabled(question_->currentIndex() != answer_->currentIndex());
}

namespace shell {

bool chooseLanguages(const std::vector<std::string>& names, int& question, int& answer) {
    ui::MainWindowHost* host = ui::mainWindowHost();
    LanguageChooserDialog dialog(names, host ? host->window() : nullptr);
    if (ui::runModal(dialog) != ui::kResultOk)
        return false;
    question = dialog.questionIndex();
    answer = dialog.answerIndex();
    return true;
}

} // namespace shell
