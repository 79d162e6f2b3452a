#include "tests/support/qt_modal_answers.h"

#include <QDialog>

#include <gtest/gtest.h>

ModalAnswers::ModalAnswers() {
    previous_ = ui::setModalHandler([this](QDialog& dialog) {
        shown.push_back(QString::fromLatin1(dialog.metaObject()->className()));
        if (steps_.empty()) {
            ADD_FAILURE() << "modal dialog without a prepared answer: "
                          << dialog.metaObject()->className();
            return ui::kResultCancel;
        }
        Step step = std::move(steps_.front());
        steps_.pop_front();
        return step(dialog);
    });
}

ModalAnswers::~ModalAnswers() {
    ui::setModalHandler(previous_);
}

void ModalAnswers::queuePress(int controlId) {
    queue([controlId](QDialog& dialog) {
        int result = ui::pressButton(dialog, controlId);
        EXPECT_NE(result, -1) << "button " << controlId << " did not end the dialog";
        return result == -1 ? ui::kResultCancel : result;
    });
}
