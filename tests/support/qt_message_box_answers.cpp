#include "tests/support/qt_message_box_answers.h"

MessageBoxAnswers::MessageBoxAnswers(ui::MessageAnswer fallback) : fallback_(fallback) {
    previous_ = ui::setMessageBoxHandler([this](const ui::MessageBoxRequest& box) {
        boxes.push_back(box);
        if (answers_.empty())
            return fallback_;
        ui::MessageAnswer answer = answers_.front();
        answers_.pop_front();
        return answer;
    });
}

MessageBoxAnswers::~MessageBoxAnswers() {
    ui::setMessageBoxHandler(previous_);
}

QStringList MessageBoxAnswers::texts() const {
    QStringList result;
    for (const auto& box : boxes)
        result << box.text;
    return result;
}
