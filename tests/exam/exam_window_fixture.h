#pragma once

#include "exam/exam_commands.h"
#include "exam/exam_control_ids.h"
#include "exam/exam_dialog.h"
#include "tests/exam/exam_fixture.h"
#include "tests/support/qt_modal_answers.h"
#include "tests/support/qt_tone_recorder.h"
#include "ui/command_registry.h"
#include "ui/font_edit.h"
#include "ui/fonts.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

// Examination windows on the fake main window, with the commands installed, tones recorded and
// every modal dialog answered by the test.
class ExamWindowTest : public ExamTest {
protected:
    void SetUp() override {
        ExamTest::SetUp();
        installExamCommands(); // also the real known-card dialog, answered through the seam
        for (int id : {cmd::SystematicExam, cmd::ExamInOrder, cmd::ExamRandom})
            host.setCommandEnabled(id, true);
    }
    void TearDown() override {
        closeAllWindows();
        flushDeletes();
        ui::clearCommandHandlers();
        ExamTest::TearDown();
    }

    static void flushDeletes() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The examination windows still open.
    std::vector<ExamDialog*> openExams() {
        std::vector<ExamDialog*> open;
        for (ExamDialog* d : host.window()->findChildren<ExamDialog*>())
            if (isWindowOpen(d))
                open.push_back(d);
        return open;
    }

    ExamDialog* onlyExam() {
        std::vector<ExamDialog*> open = openExams();
        EXPECT_EQ(open.size(), 1u);
        return open.empty() ? nullptr : open.front();
    }

    template <class T = QLineEdit> static T* control(QWidget* window, int id) {
        auto* widget = window->findChild<T*>(QString::number(id));
        EXPECT_NE(widget, nullptr) << "control " << id;
        return widget;
    }

    // Types the answer into the examination window and presses Enter.
    static void answer(ExamDialog* exam, const QString& text) {
        auto* field = control<FontEdit>(exam, examctl::window::Answer);
        field->setFocus();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    }

    ToneRecorder tones;
    ModalAnswers modal;
};
