#include "exam/lesson_choice.h"
#include "exam/level_choice.h"
#include "resources/command_ids.h"
#include "tests/exam/exam_fixture.h"
#include "ui/lesson_fold.h"

namespace {

class Choice : public ExamTest {};

TEST_F(Choice, lessonNamesOnceEachFirstMetStandingLast) {
    addCards(mainList, 1, "A");
    addCards(mainList, 1, "B");
    addCards(mainList, 1, "A");
    addCards(mainList, 1, "b"); // the same name without regard to case
    addCards(mainList, 1, "Ärger");
    addCards(knownList, 1, "äRGER");
    addCards(knownList, 1, "C");
    EXPECT_EQ(ui::lessonNames(mainList, knownList),
              (std::vector<std::string>{"C", "Ärger", "B", "A"}));
}

TEST_F(Choice, lessonsCopyMainCardsExactlyAndEnableByCount) {
    addCards(mainList, 3, "A");
    addCards(mainList, 1, "a");
    addCards(mainList, 8, "B");
    addCards(knownList, 5, "K");

    EXPECT_EQ(chooseLessons({"A"}), LessonChoice::Chosen);
    EXPECT_EQ(countCards(lessonList), 3);
    EXPECT_EQ(lessonCommandFor(3), cmd::LessonInOrder);
    EXPECT_TRUE(host.isCommandEnabled(cmd::LessonInOrder));
    EXPECT_TRUE(host.isCommandEnabled(cmd::LessonRandom));
    EXPECT_FALSE(host.isCommandEnabled(cmd::LessonSystematic));

    EXPECT_EQ(chooseLessons({"A", "B"}), LessonChoice::Chosen);
    EXPECT_EQ(countCards(lessonList), 11);
    EXPECT_TRUE(host.isCommandEnabled(cmd::LessonSystematic));
    EXPECT_EQ(lessonCommandFor(11), cmd::LessonSystematic);
    EXPECT_EQ(lessonCommandFor(10), cmd::LessonRandom);
    EXPECT_EQ(lessonCommandFor(4), cmd::LessonRandom);
    EXPECT_TRUE(notices.entries.empty());
}

TEST_F(Choice, lessonRefusals) {
    const auto menu = host.commands;
    EXPECT_EQ(chooseLessons({"A"}), LessonChoice::NoCardsOpen);
    addCards(mainList, 2, "A");
    addCards(knownList, 2, "K");
    EXPECT_EQ(chooseLessons({"K"}), LessonChoice::NoCardsOfLesson); // only known cards
    EXPECT_EQ(chooseLessons({}), LessonChoice::NoCardsOfLesson);
    EXPECT_EQ(notices.texts(),
              (std::vector<std::string>{
                  "You have not opened any cards yet. Please try 'open' or 'new list'",
                  "Sorry: There are no cards of this lesson.",
                  "Sorry: There are no cards of this lesson."}));
    EXPECT_EQ(host.commands, menu);
}

TEST_F(Choice, levelChoiceFillsTheLevelListOrRefuses) {
    EXPECT_EQ(chooseLevel(0), LevelChoice::NoCardsOpen);
    std::vector<Card*> cards = addCards(mainList, 4);
    cards[1]->level = 2;
    cards[3]->level = 2;
    addCards(knownList, 1)[0]->level = 2;
    EXPECT_EQ(chooseLevel(3), LevelChoice::NoCardsOnLevel);
    EXPECT_FALSE(host.isCommandEnabled(cmd::LevelInOrder));
    EXPECT_EQ(chooseLevel(2), LevelChoice::Chosen);
    EXPECT_EQ(levelList.cards(), (std::vector<Card*>{cards[1], cards[3]}));
    EXPECT_TRUE(host.isCommandEnabled(cmd::LevelInOrder));
    EXPECT_EQ(notices.texts(),
              (std::vector<std::string>{
                  "You have not opened any cards yet. Please try 'open' or 'new list'",
                  "Sorry: there are no cards on this level."}));
}

} // namespace
