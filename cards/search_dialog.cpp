#include "cards/search_dialog.h"

#include "cards/card_control_ids.h"
#include "ui/character_limit.h"
#include "ui/dialog_button.h"
#include "ui/field_exchange.h"
#include "ui/font_edit.h"
#include "ui/modal.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

SearchDialog::SearchDialog(QWidget* parent, std::string_view initialText, const QString& prompt,
                           const FontDescription* font, int limit)
    : QDialog(parent), text_(initialText), limit_(limit) {
    setWindowTitle(tr("Search for..."));
    field_ = new FontEdit(this);
    if (font)
        field_->setFontFrom(*font, 12, 0);
    ui::limitCharacters(field_, limit_);
    field_->setTextBytes(text_);
    field_->setObjectName(QString::number(cardctl::SearchText));

    QPushButton* searchButton = ui::dialogButton(tr("Search"), cardctl::Ok, this);
    searchButton->setDefault(true);
    connect(searchButton, &QPushButton::clicked, this, &SearchDialog::search);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(prompt, this));
    layout->addWidget(field_);
    layout->addWidget(searchButton, 0, Qt::AlignRight);
    setMinimumWidth(360);
}

// The field is filled when the dialog is made; here it is only selected once, so typing at
// once replaces the initial text and what the user types later survives every repaint.
void SearchDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (shownOnce_)
        return;
    shownOnce_ = true;
    field_->setFocus();
    // All of it selected, so typing replaces it, and shown from its first character.
    const int length = static_cast<int>(field_->text().size());
    field_->setSelection(length, -length);
}

void SearchDialog::search() {
    if (!ui::checkTextLength(field_, limit_))
        return;
    text_ = field_->textBytes();
    accept();
}

std::string SearchDialog::ask(QWidget* parent, std::string_view initialText, const QString& prompt,
                              const FontDescription* font, int limit) {
    SearchDialog dialog(parent, initialText, prompt, font, limit);
    if (ui::runModal(dialog) == ui::kResultOk)
        return dialog.text();
    return std::string(initialText);
}
