#include "exam/known_card_dialog.h"

#include "exam/exam_control_ids.h"
#include "ui/dialog_button.h"
#include "ui/dialog_parent.h"
#include "ui/modal.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

KnownCardDialog::KnownCardDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Do you really know this word?"));
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(tr(
        "You have answered this word correctly as many times as specified in the Preferences "
        "dialog. Do you want to keep it or do you want to put it into the list of known cards?"));
    text->setWordWrap(true);
    layout->addWidget(text);

    auto* row = new QHBoxLayout;
    QPushButton* keep = ui::addDialogButton(row, tr("Keep It"), examctl::known::KeepIt);
    keep->setDefault(true);
    QPushButton* known = ui::addDialogButton(row, tr("Known Cards"), examctl::known::KnownCards);
    layout->addLayout(row);

    connect(keep, &QPushButton::clicked, this, &QDialog::accept);
    connect(known, &QPushButton::clicked, this, &QDialog::reject);
    setMinimumWidth(380);
}

KnownCardChoice askKnownCard(Card&) {
    KnownCardDialog dialog(ui::dialogParent());
    return ui::runModal(dialog) == ui::kResultOk ? KnownCardChoice::KeepIt
                                                 : KnownCardChoice::KnownCards;
}
