#include "print/print_control_ids.h"
#include "print/print_selection_dialog.h"
#include "store/card_store.h"
#include "tests/support/notice_recorder.h"
#include "ui/modal.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class PrintSelectionTest : public testing::Test {
protected:
    void SetUp() override {
        resetCardStore();
        add(mainList, "m1", 3, "L1");
        add(mainList, "m2", 0, "l1");
        add(mainList, "m3", 3, "-");
        add(mainList, "m4", 1, "-");
        add(knownList, "k1", 3, "L1");
        dialog.show();
    }
    void TearDown() override { resetCardStore(); }

    static void add(CardList& list, const char* question, int level, const char* lesson) {
        addCard(list, question, "answer", lesson, "-");
        list.cards().back()->level = level;
    }

    void choose(int id) { dialog.findChild<QRadioButton*>(QString::number(id))->setChecked(true); }
    void type(int id, const QString& text) {
        dialog.findChild<QLineEdit*>(QString::number(id))->setText(text);
    }
    // Presses "Print"; the questions of the print set, or "(stays open)".
    std::vector<std::string> print() {
        if (ui::pressButton(dialog, printctl::Print) != ui::kResultOk)
            return {"(stays open)"};
        std::vector<std::string> questions;
        for (Card* card : dialog.printSet())
            questions.emplace_back(card->question());
        return questions;
    }

    using Texts = std::vector<std::string>;
    NoticeRecorder notices;
    PrintSelectionDialog dialog;
};

TEST_F(PrintSelectionTest, startsWithNothingChosenAndRefusesToPrintSo) {
    for (QRadioButton* button : dialog.findChildren<QRadioButton*>())
        EXPECT_FALSE(button->isChecked()) << button->objectName().toStdString();
    EXPECT_EQ(dialog.findChild<QLineEdit*>(QString::number(printctl::LevelField))->text(),
              QStringLiteral("0"));
    EXPECT_EQ(print(), Texts{"(stays open)"});
    EXPECT_EQ(notices.texts(), Texts{"Please choose a radio button."});
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Choose a list..."));
}

TEST_F(PrintSelectionTest, eachChoiceTakesItsCardsInListOrder) {
    choose(printctl::AllCards);
    EXPECT_EQ(print(), (Texts{"m1", "m2", "m3", "m4"}));
    choose(printctl::LevelCards);
    type(printctl::LevelField, QStringLiteral("3"));
    EXPECT_EQ(print(), (Texts{"m1", "m3"})) << "known cards on level 3 are not taken";
    choose(printctl::LessonCards);
    type(printctl::LessonField, QStringLiteral("-"));
    EXPECT_EQ(print(), (Texts{"m3", "m4"}));
    type(printctl::LessonField, QStringLiteral("L1"));
    EXPECT_EQ(print(), (Texts{"m1"})) << "the lesson is compared exactly";
    choose(printctl::KnownCards);
    EXPECT_EQ(print(), (Texts{"k1"}));
    appendCard(wrongList, mainList.cards()[3]);
    choose(printctl::WrongCards);
    EXPECT_EQ(print(), (Texts{"m4"}));
    EXPECT_TRUE(notices.entries.empty());
}

TEST_F(PrintSelectionTest, noMatchingCardOrBadFieldKeepsTheDialogOpen) {
    choose(printctl::LevelCards);
    type(printctl::LevelField, QStringLiteral("7"));
    EXPECT_EQ(print(), Texts{"(stays open)"});
    type(printctl::LevelField, QStringLiteral("101"));
    EXPECT_EQ(print(), Texts{"(stays open)"});
    type(printctl::LevelField, QStringLiteral("x"));
    EXPECT_EQ(print(), Texts{"(stays open)"});
    choose(printctl::WrongCards);
    EXPECT_EQ(print(), Texts{"(stays open)"});
    EXPECT_EQ(notices.texts(),
              (Texts{"There are no cards with these properties",
                     "Please enter an integer between 0 and 100.", "Please enter an integer.",
                     "There are no cards with these properties"}));
}

TEST_F(PrintSelectionTest, typingALevelOrLessonChoosesPrintingByIt) {
    auto* level = dialog.findChild<QLineEdit*>(QString::number(printctl::LevelField));
    level->clear();
    QTest::keyClicks(level, QStringLiteral("3"));
    EXPECT_EQ(print(), (Texts{"m1", "m3"}));
    QTest::keyClicks(dialog.findChild<QLineEdit*>(QString::number(printctl::LessonField)),
                     QStringLiteral("l1"));
    EXPECT_EQ(print(), (Texts{"m2"}));
}

TEST_F(PrintSelectionTest, examinationScratchListsAreLeftAlone) {
    appendCard(levelList, mainList.cards()[1]);
    appendCard(lessonList, mainList.cards()[3]);
    choose(printctl::LevelCards);
    type(printctl::LevelField, QStringLiteral("3"));
    EXPECT_EQ(print(), (Texts{"m1", "m3"}));
    choose(printctl::LessonCards);
    type(printctl::LessonField, QStringLiteral("L1"));
    EXPECT_EQ(print(), (Texts{"m1"}));
    ASSERT_EQ(levelList.size(), 1);
    EXPECT_EQ(levelList.cards()[0], mainList.cards()[1]);
    ASSERT_EQ(lessonList.size(), 1);
    EXPECT_EQ(lessonList.cards()[0], mainList.cards()[3]);
}

} // namespace
