#pragma once

#include "ui/message_boxes.h"

#include <QStringList>

#include <deque>
#include <vector>

// Answers message boxes for its lifetime: the queued answers in turn, then the fallback; records
// every box. showError/showNotice reach it only where ui::installMessageBoxes() routes them here
// (a NoticeRecorder takes them otherwise).
class MessageBoxAnswers {
public:
    explicit MessageBoxAnswers(ui::MessageAnswer fallback = ui::MessageAnswer::Ok);
    ~MessageBoxAnswers();
    MessageBoxAnswers(const MessageBoxAnswers&) = delete;
    MessageBoxAnswers& operator=(const MessageBoxAnswers&) = delete;

    void queue(ui::MessageAnswer answer) { answers_.push_back(answer); }
    QStringList texts() const;

    std::vector<ui::MessageBoxRequest> boxes;

private:
    ui::MessageAnswer fallback_;
    std::deque<ui::MessageAnswer> answers_;
    ui::MessageBoxHandler previous_;
};
