#include "exam/level_chooser.h"

#include "exam/chooser_buttons.h"
#include "exam/exam_control_ids.h"
#include "exam/level_choice.h"
#include "ui/field_exchange.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

LevelChooser::LevelChooser(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Choose a level"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Please choose a level:")));
    levelField_ = new QLineEdit(QString::number(chosenLevel_));
    levelField_->setObjectName(QString::number(examctl::chooser::LevelField));
    layout->addWidget(levelField_);

    auto [ok, cancel] = addChooserButtons(layout);

    connect(ok, &QPushButton::clicked, this, &LevelChooser::choose);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    levelField_->selectAll();
    levelField_->setFocus();
    resize(260, sizeHint().height());
}

void LevelChooser::choose() {
    if (!ui::readIntField(levelField_, 0, kHighestLevelChoice, chosenLevel_))
        return;
    if (chooseLevel(chosenLevel_) == LevelChoice::Chosen)
        accept();
}
