#include "exam/exam_control_ids.h"
#include "exam/lesson_chooser.h"
#include "exam/level_chooser.h"
#include "tests/exam/exam_window_fixture.h"

#include <QListWidget>
#include <QPointer>

namespace {

class Choosers : public ExamWindowTest {
protected:
    // The lesson chooser the command opened, with the given rows selected.
    LessonChooser* openLessonChooser(std::vector<QString> selected) {
        ui::runCommand(cmd::ChooseLesson);
        auto choosers = host.window()->findChildren<LessonChooser*>();
        EXPECT_EQ(choosers.size(), 1);
        LessonChooser* chooser = choosers.isEmpty() ? nullptr : choosers.front();
        if (!chooser)
            return nullptr;
        auto* list = control<QListWidget>(chooser, examctl::chooser::LessonList);
        for (int row = 0; row < list->count(); ++row)
            list->item(row)->setSelected(std::find(selected.begin(), selected.end(),
                                                   list->item(row)->text()) != selected.end());
        return chooser;
    }

    // Presses OK; true when the chooser closed.
    bool pressOk(LessonChooser* chooser) {
        control<QPushButton>(chooser, examctl::chooser::Ok)->click();
        bool closed = !chooser->isVisible();
        flushDeletes();
        return closed;
    }

    static QStringList rows(LessonChooser* chooser) {
        QStringList texts;
        auto* list = control<QListWidget>(chooser, examctl::chooser::LessonList);
        for (int row = 0; row < list->count(); ++row)
            texts << list->item(row)->text();
        return texts;
    }
};

TEST_F(Choosers, lessonListAndTheExaminationThatSuitsTheCount) {
    addCards(mainList, 2, "A");
    addCards(mainList, 1, "B");
    addCards(mainList, 8, "C");
    addCards(knownList, 1, "K");

    LessonChooser* chooser = openLessonChooser({"A", "B"});
    EXPECT_EQ(chooser->windowTitle(), "Choose a lesson...");
    EXPECT_EQ(rows(chooser), (QStringList{"K", "C", "B", "A"}));
    EXPECT_TRUE(pressOk(chooser));
    ASSERT_EQ(openExams().size(), 1u);
    EXPECT_EQ(openExams()[0]->kind(), ExamKind::LessonInOrder);

    // The same command while its window is open: to the front, no second window.
    EXPECT_TRUE(pressOk(openLessonChooser({"A"})));
    EXPECT_EQ(openExams().size(), 1u);

    EXPECT_TRUE(pressOk(openLessonChooser({"C"})));
    EXPECT_EQ(openExams().size(), 2u);
    EXPECT_TRUE(examIsOpen(cmd::LessonRandom));

    EXPECT_TRUE(pressOk(openLessonChooser({"A", "B", "C"})));
    EXPECT_TRUE(examIsOpen(cmd::LessonSystematic));
    EXPECT_EQ(openExams().size(), 3u);
    EXPECT_TRUE(notices.entries.empty());
}

TEST_F(Choosers, lessonRefusalsLeaveTheChooserOpen) {
    addCards(mainList, 2, "A");
    addCards(knownList, 2, "K");
    LessonChooser* chooser = openLessonChooser({"K"});
    EXPECT_FALSE(pressOk(chooser));
    for (int row = 0; row < 2; ++row)
        control<QListWidget>(chooser, examctl::chooser::LessonList)->item(row)->setSelected(false);
    EXPECT_FALSE(pressOk(chooser));
    EXPECT_EQ(notices.texts(),
              (std::vector<std::string>{"Sorry: There are no cards of this lesson.",
                                        "Sorry: There are no cards of this lesson."}));
    EXPECT_TRUE(openExams().empty());
    control<QPushButton>(chooser, 2)->click();
    flushDeletes();
    EXPECT_TRUE(host.window()->findChildren<LessonChooser*>().isEmpty());
}

// A chooser left from a closed list could only refuse: Close List closes it with the list.
TEST_F(Choosers, closeListClosesTheLessonChoosers) {
    addCards(mainList, 2, "A");
    QPointer<LessonChooser> first = openLessonChooser({});
    ui::runCommand(cmd::ChooseLesson);
    closeAllWindows();
    EXPECT_TRUE(first.isNull());
    EXPECT_TRUE(host.window()->findChildren<LessonChooser*>().isEmpty());
}

TEST_F(Choosers, levelChooserRefusesUntilALevelWithCardsIsChosen) {
    std::vector<Card*> cards = addCards(mainList, 3);
    cards[2]->level = 3;
    modal.queue([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Choose a level");
        QLineEdit* field = control(&d, examctl::chooser::LevelField);
        for (const char* text : {"x", "10001", "2"}) {
            field->setText(QString::fromLatin1(text));
            EXPECT_EQ(ui::pressButton(d, examctl::chooser::Ok), -1) << text;
        }
        field->setText("3");
        return ui::pressButton(d, examctl::chooser::Ok);
    });
    ui::runCommand(cmd::ChooseLevel);
    EXPECT_EQ(notices.texts(),
              (std::vector<std::string>{"Please enter an integer.",
                                        "Please enter an integer between 0 and 10000.",
                                        "Sorry: there are no cards on this level."}));
    ASSERT_EQ(openExams().size(), 1u);
    EXPECT_EQ(openExams()[0]->kind(), ExamKind::LevelInOrder);
    EXPECT_EQ(control<FontEdit>(openExams()[0], examctl::window::Question)->text(), "q2");
    EXPECT_FALSE(host.isCommandEnabled(cmd::LevelInOrder));

    // Choosing again with OK opens a second level examination; Cancel opens nothing.
    modal.queue([](QDialog& d) {
        control(&d, examctl::chooser::LevelField)->setText("3");
        return ui::pressButton(d, examctl::chooser::Ok);
    });
    ui::runCommand(cmd::ChooseLevel);
    modal.queuePress(examctl::chooser::Cancel);
    ui::runCommand(cmd::ChooseLevel);
    EXPECT_EQ(openExams().size(), 2u);

    closeAllWindows();
    EXPECT_FALSE(examIsOpen(cmd::LevelInOrder));
}

} // namespace
