#pragma once

#include "ui/modal.h"

#include <QString>

#include <deque>
#include <functional>
#include <vector>

// Answers our own modal dialogs for its lifetime, each with the next queued step. A step gets
// the shown dialog, may fill its fields and press its buttons (ui::pressButton), and returns
// the dialog's result. A dialog beyond the queue fails the test and gives Cancel.
class ModalAnswers {
public:
    using Step = std::function<int(QDialog& dialog)>;

    ModalAnswers();
    ~ModalAnswers();
    ModalAnswers(const ModalAnswers&) = delete;
    ModalAnswers& operator=(const ModalAnswers&) = delete;

    void queue(Step step) { steps_.push_back(std::move(step)); }
    // Presses the button with this control id; the result is the one the dialog ends with.
    void queuePress(int controlId);

    std::vector<QString> shown; // class name of every dialog run, in order

private:
    std::deque<Step> steps_;
    ui::ModalHandler previous_;
};
