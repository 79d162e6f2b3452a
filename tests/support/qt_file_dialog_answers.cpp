#include "tests/support/qt_file_dialog_answers.h"

#include <gtest/gtest.h>

FileDialogAnswers::FileDialogAnswers() {
    previous_ = ui::setFileDialogHandler([this](const ui::FileDialogRequest& request) {
        requests.push_back(request);
        if (answers_.empty()) {
            ADD_FAILURE() << "file dialog without a prepared answer: "
                          << request.title.toStdString();
            return ui::FileDialogResult{ui::FileDialogStatus::Cancelled, {}};
        }
        ui::FileDialogResult answer = answers_.front();
        answers_.pop_front();
        return answer;
    });
}

FileDialogAnswers::~FileDialogAnswers() {
    ui::setFileDialogHandler(previous_);
}
