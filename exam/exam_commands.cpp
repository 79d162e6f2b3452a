#include "exam/exam_commands.h"

#include "exam/exam_dialog.h"
#include "exam/known_card_dialog.h"
#include "exam/lesson_chooser.h"
#include "exam/level_chooser.h"
#include "resources/command_ids.h"
#include "ui/command_registry.h"
#include "ui/main_window_host.h"
#include "ui/modal.h"

#include <QPointer>

namespace {

void openExam(ExamKind kind) {
    ExamDialog::open(kind);
}

// The lesson examination last made by each lesson command. A lesson command brings its window
// to the front while it is open instead of making a second one.
QPointer<ExamDialog> lessonWindowInOrder;
QPointer<ExamDialog> lessonWindowRandom;
QPointer<ExamDialog> lessonWindowSystematic;

void openLessonExam(ExamKind kind, QPointer<ExamDialog>& window) {
    if (window && isWindowOpen(window.data())) {
        window->raise();
        window->activateWindow();
        return;
    }
    window = ExamDialog::open(kind);
}

void chooseLesson() {
    auto* chooser = new LessonChooser(ui::mainWindow());
    chooser->show();
}

void chooseLevel() {
    LevelChooser chooser(ui::mainWindow());
    if (ui::runModal(chooser) == ui::kResultOk)
        openExam(ExamKind::LevelInOrder);
}

} // namespace

void installExamCommands() {
    using ui::setCommandHandler;
    setCommandHandler(cmd::SystematicExam, [] { openExam(ExamKind::Systematic); });
    setCommandHandler(cmd::ExamInOrder, [] { openExam(ExamKind::InOrder); });
    setCommandHandler(cmd::ExamRandom, [] { openExam(ExamKind::Random); });
    setCommandHandler(cmd::ExamWrongWords, [] { openExam(ExamKind::WrongWords); });
    setCommandHandler(cmd::ExamKnownWords, [] { openExam(ExamKind::KnownWords); });
    setCommandHandler(cmd::ChooseLesson, chooseLesson);
    setCommandHandler(cmd::LessonInOrder,
                      [] { openLessonExam(ExamKind::LessonInOrder, lessonWindowInOrder); });
    setCommandHandler(cmd::LessonRandom,
                      [] { openLessonExam(ExamKind::LessonRandom, lessonWindowRandom); });
    setCommandHandler(cmd::LessonSystematic,
                      [] { openLessonExam(ExamKind::LessonSystematic, lessonWindowSystematic); });
    setCommandHandler(cmd::ChooseLevel, chooseLevel);
    setCommandHandler(cmd::LevelInOrder, [] { openExam(ExamKind::LevelInOrder); });
    setKnownCardOffer(askKnownCard);
}
