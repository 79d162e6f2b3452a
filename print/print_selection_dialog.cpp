#include "print/print_selection_dialog.h"

#include "store/card_store.h"
#include "store/notices.h"
#include "ui/character_limit.h"
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

constexpr int kAllCards = 1031;
constexpr int kLevelCards = 1032;
constexpr int kLessonCards = 1033;
constexpr int kWrongCards = 1034;
constexpr int kKnownCards = 1035;
constexpr int kLevelField = 1012;
constexpr int kLessonField = 1004;
constexpr int kHighestLevel = 100;

constexpr int kChooseButtonText = 126;
constexpr int kNoMatchingCardsText = 184;

QPushButton* makeButton(const QString& text, const QString& name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    return button;
}

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
    levelField_->setObjectName(QString::number(kLevelField));
    lessonField_ = new QLineEdit(this);
    lessonField_->setObjectName(QString::number(kLessonField));
    ui::limitCharacters(lessonField_, kLessonLimit);

    auto* grid = new QGridLayout;
    grid->addWidget(addChoice(kAllCards, QT_TR_NOOP("Print all cards")), 0, 0);
    QRadioButton* levelChoice = addChoice(kLevelCards, QT_TR_NOOP("Print cards on level"));
    grid->addWidget(levelChoice, 1, 0);
    grid->addWidget(levelField_, 1, 1);
    QRadioButton* lessonChoice = addChoice(kLessonCards, QT_TR_NOOP("Print cards of lesson"));
    grid->addWidget(lessonChoice, 2, 0);
    grid->addWidget(lessonField_, 2, 1);
    grid->addWidget(
        addChoice(kWrongCards,
                  QT_TR_NOOP("Print all cards you answered wrong during this examination")),
        3, 0, 1, 2);
    grid->addWidget(addChoice(kKnownCards, QT_TR_NOOP("Print all known cards")), 4, 0, 1, 2);

    // Typing a level or a lesson means printing by it.
    connect(levelField_, &QLineEdit::textEdited, levelChoice,
            [levelChoice] { levelChoice->setChecked(true); });
    connect(lessonField_, &QLineEdit::textEdited, lessonChoice,
            [lessonChoice] { lessonChoice->setChecked(true); });
    return grid;
}

QDialogButtonBox* PrintSelectionDialog::makeButtons() {
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* print = makeButton(tr("Print"), QStringLiteral("1"), this);
    print->setDefault(true);
    // Shows the pages before any paper is spent; a print can start from the preview.
    QPushButton* preview = makeButton(tr("Pre&view..."), QStringLiteral("preview"), this);
    QPushButton* cancel = makeButton(tr("Cancel"), QStringLiteral("2"), this);
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
        showError(kChooseButtonText);
        return false;
    }
    clearList(printSet_);
    if (!collectChosenCards(choice))
        return false;
    if (printSet_.empty()) {
        showError(kNoMatchingCardsText);
        return false;
    }
    return true;
}

bool PrintSelectionDialog::collectChosenCards(int choice) {
    switch (choice) {
    case kAllCards:
        appendAllCards(printSet_, mainList);
        return true;
    case kLevelCards: {
        int level = 0;
        if (!ui::readIntField(levelField_, 0, kHighestLevel, level))
            return false;
        copyCardsByLevel(mainList, printSet_, level);
        return true;
    }
    case kLessonCards:
        if (!ui::checkTextLength(lessonField_, kLessonLimit))
            return false;
        copyCardsByLesson(mainList, printSet_, ui::toStored(lessonField_->text()));
        return true;
    case kWrongCards:
        appendAllCards(printSet_, wrongList);
        return true;
    default:
        appendAllCards(printSet_, knownList);
        return true;
    }
}
