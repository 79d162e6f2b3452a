#pragma once

#include "cards/card_commands.h"
#include "cards/card_control_ids.h"
#include "resources/command_ids.h"
#include "store/window_registry.h"
#include "tests/cards/cards_fixture.h"
#include "tests/support/qt_fake_main_window_host.h"
#include "tests/support/qt_message_box_answers.h"
#include "tests/support/qt_modal_answers.h"
#include "tests/support/qt_tone_recorder.h"
#include "ui/command_registry.h"
#include "ui/font_edit.h"
#include "ui/modal.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

// The card windows run as the program runs them: through the main window's commands, against
// a fake main window; Close List ends every test as it ends a list.
class CardWindowsTest : public CardsTest {
protected:
    void SetUp() override {
        CardsTest::SetUp();
        installCardCommands();
    }
    void TearDown() override {
        closeAllWindows();
        QApplication::processEvents();
        ui::clearCommandHandlers();
        CardsTest::TearDown();
    }

    template <class T = QLineEdit> static T* control(QWidget* window, int id) {
        T* found = window->findChild<T*>(QString::number(id));
        EXPECT_NE(found, nullptr) << "control " << id;
        return found;
    }
    static void click(QWidget* window, int id) {
        QTest::mouseClick(control<QWidget>(window, id), Qt::LeftButton);
    }
    // Answers the next search dialog with the text typed into its field, then "Search".
    void answerSearch(const QString& text) {
        modals.queue([text](QDialog& dialog) {
            auto* field = dialog.findChild<QLineEdit*>(QString::number(cardctl::SearchText));
            field->selectAll();
            QTest::keyClicks(field, text);
            return ui::pressButton(dialog, cardctl::Ok);
        });
    }

    FakeMainWindowHost host;
    ModalAnswers modals;
    MessageBoxAnswers boxes;
    ToneRecorder tones;
};
