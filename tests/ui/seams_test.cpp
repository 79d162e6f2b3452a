#include "resources/command_ids.h"
#include "tests/support/qt_fake_main_window_host.h"
#include "tests/support/qt_file_dialog_answers.h"
#include "tests/support/qt_font_dialog_answers.h"
#include "tests/support/qt_message_box_answers.h"
#include "tests/support/qt_modal_answers.h"
#include "tests/support/qt_tone_recorder.h"

#include "store/notices.h"
#include "ui/fonts.h"
#include "ui/modal.h"
#include "ui/tone.h"

#include <QCoreApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

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

TEST(FileDialogSeam, defaultExtensionIsAddedOnlyWhenTheNameHasNone) {
    QTemporaryDir dir;
    FileDialogAnswers answers;
    answers.choose(dir.filePath("UNTITLED"));
    answers.choose(dir.filePath("words.txt"));
    std::vector<ui::FileFilter> filters{{"Zelkora-File", "*.zlk"}};
    auto first = ui::getSaveFileName("Save", filters, "zlk", "UNTITLED");
    EXPECT_EQ(first.status, ui::FileDialogStatus::Accepted);
    EXPECT_EQ(first.path, dir.filePath("UNTITLED.zlk"));
    auto second = ui::getOpenFileName("Open a list:", filters, "zlk");
    EXPECT_EQ(second.path, dir.filePath("words.txt"));
    ASSERT_EQ(answers.requests.size(), 2u);
    EXPECT_TRUE(answers.requests[0].save);
    EXPECT_EQ(answers.requests[0].initialName, "UNTITLED");
    EXPECT_FALSE(answers.requests[1].save);
    EXPECT_EQ(answers.requests[1].title, "Open a list:");
}

TEST(FileDialogSeam, unusablePathsFailAndCancelStaysCancel) {
    QTemporaryDir dir;
    FileDialogAnswers answers;
    answers.choose(dir.path());                       // a folder
    answers.choose(dir.filePath("missing/list.zlk")); // a folder that does not exist
    answers.choose("");
    answers.cancel();
    answers.fail();
    for (auto expected :
         {ui::FileDialogStatus::Failed, ui::FileDialogStatus::Failed, ui::FileDialogStatus::Failed,
          ui::FileDialogStatus::Cancelled, ui::FileDialogStatus::Failed}) {
        auto result = ui::getSaveFileName("Save", {{"text file", "*.txt"}}, "txt");
        EXPECT_EQ(result.status, expected);
        EXPECT_TRUE(result.path.isEmpty());
    }
}

TEST(FontDialogSeam, cancelLeavesTheStartDescription) {
    FontDialogAnswers answers;
    FontDescription chosen = ui::startFontDescription();
    chosen.weight = 700;
    answers.cancel();
    answers.choose(chosen);
    FontDescription start = ui::startFontDescription();
    start.height = -40;
    FontDescription result;
    EXPECT_FALSE(ui::chooseFont(start, result));
    EXPECT_EQ(result, start);
    EXPECT_TRUE(ui::chooseFont(start, result));
    EXPECT_EQ(result, chosen);
    ASSERT_EQ(answers.starts.size(), 2u);
    EXPECT_EQ(answers.starts[1], start);
}

namespace {

// A dialog whose OK (1) refuses while its field is empty, with Cancel (2) and an own button 7.
class SampleDialog : public QDialog {
public:
    SampleDialog() {
        field->setObjectName("1012");
        ok->setObjectName("1");
        cancel->setObjectName("2");
        own->setObjectName("7");
        connect(ok, &QPushButton::clicked, this, [this] {
            if (!field->text().isEmpty())
                accept();
        });
        connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
        connect(own, &QPushButton::clicked, this, [this] { done(7); });
    }
    QLineEdit* field = new QLineEdit(this);
    QPushButton* ok = new QPushButton(this);
    QPushButton* cancel = new QPushButton(this);
    QPushButton* own = new QPushButton(this);
};

} // namespace

TEST(ModalSeam, stepsFillFieldsAndPressButtons) {
    ModalAnswers answers;
    answers.queue([](QDialog& dialog) {
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(ui::pressButton(dialog, 1), -1); // refused: the field is empty
        EXPECT_TRUE(dialog.isVisible());
        dialog.findChild<QLineEdit*>("1012")->setText("5");
        return ui::pressButton(dialog, 1);
    });
    answers.queuePress(2);
    answers.queuePress(7);
    SampleDialog dialog;
    EXPECT_EQ(ui::runModal(dialog), ui::kResultOk);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(ui::runModal(dialog), ui::kResultCancel);
    EXPECT_EQ(ui::runModal(dialog), 7);
    EXPECT_EQ(answers.shown.size(), 3u);
    EXPECT_EQ(ui::pressButton(dialog, 99), -1);
}

TEST(ModalSeam, escapeAndCloseBoxGiveCancel) {
    EXPECT_EQ(ui::mappedResult(QDialog::Rejected), ui::kResultCancel);
    EXPECT_EQ(ui::mappedResult(QDialog::Accepted), ui::kResultOk);
    ModalAnswers answers;
    answers.queue([](QDialog& dialog) {
        QTest::keyClick(&dialog, Qt::Key_Escape);
        return ui::mappedResult(dialog.result());
    });
    SampleDialog dialog;
    EXPECT_EQ(ui::runModal(dialog), ui::kResultCancel);
}

TEST(ToneSeam, recorderTakesEveryTone) {
    ToneRecorder recorder;
    ui::beep(400, 100);
    ui::beep(440, 50);
    EXPECT_EQ(recorder.tones, (std::vector<std::pair<int, int>>{{400, 100}, {440, 50}}));
}

TEST(MainWindowHostSeam, fakeRecordsStatesAndRestoresThePrevious) {
    ui::MainWindowHost* before = ui::mainWindowHost();
    {
        FakeMainWindowHost host;
        ASSERT_EQ(ui::mainWindowHost(), &host);
        ui::mainWindowHost()->setCommandEnabled(cmd::ExamInOrder, false);
        ui::mainWindowHost()->setButtonEnabled(ctl::InOrderButton, false);
        ui::mainWindowHost()->updateCounters();
        EXPECT_FALSE(host.isCommandEnabled(cmd::ExamInOrder));
        EXPECT_TRUE(host.isCommandEnabled(cmd::ExamRandom));
        EXPECT_FALSE(host.isButtonEnabled(ctl::InOrderButton));
        EXPECT_EQ(host.counterUpdates, 1);
    }
    EXPECT_EQ(ui::mainWindowHost(), before);
}

TEST(Tone, aDeviceThatDoesNotAnswerFailsWithoutPrintingAnything) {
    testing::internal::CaptureStderr();
    bool played = ui::playToneOn("zelkora_no_such_device", 440, 20);
    std::string printed = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(played);
    EXPECT_EQ(printed, "");
}

TEST(FileDialogSeam, filtersMatchBothCasesOfTheExtension) {
    EXPECT_EQ(ui::filterLine({"Zelkora Files (*.ZLK)", "*.zlk"}), "Zelkora Files (*.zlk *.ZLK)");
    EXPECT_EQ(ui::filterLine({"text file", "*.txt"}), "text file (*.txt *.TXT)");
    EXPECT_EQ(ui::filterLine({"All", "*"}), "All (*)");
}
