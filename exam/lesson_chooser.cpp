#include "exam/lesson_chooser.h"

#include "exam/chooser_buttons.h"
#include "exam/exam_control_ids.h"
#include "exam/lesson_choice.h"
#include "store/card_store.h"
#include "ui/command_registry.h"
#include "ui/lesson_fold.h"
#include "ui/text_codec.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

LessonChooser::LessonChooser(QWidget* parent)
    : QDialog(parent), names_(ui::lessonNames(mainList, knownList)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowTitle(tr("Choose a lesson..."));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(
        tr("Please choose a lesson:\n(Use Shift and Ctrl to select more than one lesson)")));

    list_ = new QListWidget;
    list_->setObjectName(QString::number(examctl::chooser::LessonList));
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    for (const std::string& name : names_)
        list_->addItem(ui::fromStored(name));
    layout->addWidget(list_);

    auto [ok, cancel] = addChooserButtons(layout);

    connect(ok, &QPushButton::clicked, this, &LessonChooser::choose);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(list_, &QListWidget::itemDoubleClicked, this, &LessonChooser::choose);
    resize(260, 320);
    registerWindow(this);
}

LessonChooser::~LessonChooser() {
    unregisterWindow(this);
}

void LessonChooser::destroyWindow() {
    delete this;
}

void LessonChooser::choose() {
    std::vector<std::string> chosen;
    for (int row = 0; row < list_->count(); ++row)
        if (list_->item(row)->isSelected())
            chosen.push_back(names_[static_cast<std::size_t>(row)]);
    if (chooseLessons(chosen) != LessonChoice::Chosen)
        return;
    ui::runCommand(lessonCommandFor(countCards(lessonList)));
    accept();
}
