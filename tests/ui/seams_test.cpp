#include "tests/support/qt_file_dialog_answers.h"
#include "tests/support/qt_font_dialog_answers.h"
#include "tests/support/qt_message_box_answers.h"
#include "tests/support/qt_modal_answers.h"
#include "tests/support/qt_tone_recorder.h"

#include "store/notices.h"
#include "ui/fonts.h"
#include "ui/tone.h"

#include <QDialog>
#include <QPushButton>

#include <gtest/gtest.h>

TEST(MessageBoxSeam, questionGetsPresetAnswerAndIsRecorded) {
    MessageBoxAnswers answers;
    answers.queue(ui::MessageAnswer::No);
    auto answer = ui::askQuestion("Save?", "Save the list?", ui::MessageButtons::YesNoCancel);
    EXPECT_EQ(answer, ui::MessageAnswer::No);
    EXPECT_EQ(ui::askQuestion("Again?", "x", ui::MessageButtons::OkCancel), ui::MessageAnswer::Ok);
    ASSERT_EQ(answers.boxes.size(), 2u);
    EXPECT_EQ(answers.boxes[0].caption, "Save?");
    EXPECT_EQ(answers.boxes[0].buttons, ui::MessageButtons::YesNoCancel);
    EXPECT_EQ(answers.boxes[0].icon, ui::MessageIcon::Question);
}

TEST(MessageBoxSeam, noticesReachTheBoxesWithCaptionAndIcon) {
    MessageBoxAnswers answers;
    ui::installMessageBoxes();
    EXPECT_EQ(showErrorText("Broken \xC3\xA4"), 1);
    showNoticeText("Hello");
    setNoticeSink(nullptr);
    ASSERT_EQ(answers.boxes.size(), 2u);
    EXPECT_EQ(answers.boxes[0].caption, "An error occurred");
    EXPECT_EQ(answers.boxes[0].text, QString::fromUtf8("Broken \xC3\xA4"));
    EXPECT_EQ(answers.boxes[0].icon, ui::MessageIcon::Error);
    EXPECT_EQ(answers.boxes[1].caption, "Message:");
    EXPECT_EQ(answers.boxes[1].icon, ui::MessageIcon::Information);
}
