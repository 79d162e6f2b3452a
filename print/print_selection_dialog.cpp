#include "print/print_selection_dialog.h"

#include "print/print_control_ids.h"
#include "print/print_texts.h"
#include "store/card_store.h"
#include "store/notices.h"
#include "ui/character_limit.h"
#include "ui/dialog_button.h"
#include "ui/field_exchange.h"
#include "ui/text_codec.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr int kHighestLevel = 100;

} // namespace

PrintSelectionDialog::PrintSelectionDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Choose a list..."));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Please choose the list to print"), this));
    layout->addLayout(makeChoices());
    layout->addWidget(makeButtons());
}

QGridLayout* PrintSelectionDialog::makeChoices() {
    levelField_ = new QLineEdit(QStringLiteral("0"), this);
    levelField_->setObjectName(QString::number(printctl::LevelField));
    lessonField_ = new QLineEdit(this);
    lessonField_->setObjectName(QString::number(printctl::LessonField));
    ui::limitCharacters(lessonField_, kLessonLimit);

    auto* grid = new QGridLayout;
    grid->addWidget(addChoice(printctl::AllCards, QT_TR_NOOP("Print all cards")), 0, 0);
    QRadioButton* levelChoice = addChoice(printctl::LevelCards, QT_TR_NOOP("Print cards on level"));
    grid->addWidget(levelChoice, 1, 0);
    grid->addWidget(levelField_, 1, 1);
    QRadioButton* lessonChoice =
        addChoice(printctl::LessonCards, QT_TR_NOOP("Print cards of lesson"));
    grid->addWidget(lessonChoice, 2, 0);
    grid->addWidget(lessonField_, 2, 1);
    grid->addWidget(
        addChoice(printctl::WrongCards,
                  QT_TR_NOOP("Print all cards you answered wrong during this examination")),
        3, 0, 1, 2);
    grid->addWidget(addChoice(printctl::KnownCards, QT_TR_NOOP("Print all known cards")), 4, 0, 1,
                    2);

    // Typing a level or a lesson means printing by it.
    connect(levelField_, &QLineEdit::textEdited, levelChoice,
            [levelChoice] { levelChoice->setChecked(true); });
    connect(lessonField_, &QLineEdit::textEdited, lessonChoice,
            [lessonChoice] { lessonChoice->setChecked(true); });
    return grid;
}

QDialogButtonBox* PrintSelectionDialog::makeButtons() {
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* print = ui::dialogButton(tr("Print"), printctl::Print, this);
    print->setDefault(true);
    // Shows the pages before any paper is spent; a print can start from the preview.
    QPushButton* preview = ui::dialogButton(tr("Pre&view..."), QStringLiteral("preview"), this);
    QPushButton* cancel = ui::dialogButton(tr("Cancel"), printctl::Cancel, this);
    buttons->addButton(print, QDialogButtonBox::AcceptRole);
    buttons->addButton(preview, QDialogButtonBox::ActionRole);
    buttons->addButton(cancel, QDialogButtonBox::RejectRole);
    connect(print, &QPushButton::clicked, this, [this] { finish(QDialog::Accepted); });
    connect(preview, &QPushButton::clicked, this, [this] { finish(kResultPreview); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    return buttons;
}

QRadioButton* PrintSelectionDialog::addChoice(int id, const char* label) {
    // Radio buttons of one parent exclude each other; none is chosen at first.
    auto* button = new QRadioButton(tr(label), this);
    button->setObjectName(QString::number(id));
    choices_.push_back(button);
    return button;
}

int PrintSelectionDialog::chosenId() const {
    for (QRadioButton* button : choices_)
        if (button->isChecked())
            return button->objectName().toInt();
    return 0;
}

void PrintSelectionDialog::finish(int result) {
    if (collectPrintSet())
        done(result);
}

bool PrintSelectionDialog::collectPrintSet() {
    int choice = chosenId();
    if (choice == 0) {
        showError(print::text::ChooseButton);
        return false;
    }
    clearList(printSet_);
    if (!collectChosenCards(choice))
        return false;
    if (printSet_.empty()) {
        showError(print::text::NoMatchingCards);
        return false;
    }
    return true;
}

bool PrintSelectionDialog::collectChosenCards(int choice) {
    switch (choice) {
    case printctl::AllCards:
        appendAllCards(printSet_, mainList);
        return true;
    case printctl::LevelCards: {
        int level = 0;
        if (!ui::readIntField(levelField_, 0, kHighestLevel, level))
            return false;
        copyCardsByLevel(mainList, printSet_, level);
        return true;
    }
    case printctl::LessonCards:
        if (!ui::checkTextLength(lessonField_, kLessonLimit))
            return false;
        copyCardsByLesson(mainList, printSet_, ui::toStored(lessonField_->text()));
        return true;
    case printctl::WrongCards:
        appendAllCards(printSet_, wrongList);
        return true;
    default:
        appendAllCards(printSet_, knownList);
        return true;
    }
}
