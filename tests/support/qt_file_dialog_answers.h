#pragma once

#include "ui/file_dialogs.h"

#include <deque>
#include <vector>

// Answers the open and save dialogs for its lifetime with the queued answers in turn (the path
// as the user would type it); a dialog beyond the queue fails the test and is cancelled.
class FileDialogAnswers {
public:
    FileDialogAnswers();
    ~FileDialogAnswers();
    FileDialogAnswers(const FileDialogAnswers&) = delete;
    FileDialogAnswers& operator=(const FileDialogAnswers&) = delete;

    void choose(const QString& path) { answers_.push_back({ui::FileDialogStatus::Accepted, path}); }
    void cancel() { answers_.push_back({ui::FileDialogStatus::Cancelled, {}}); }
    void fail() { answers_.push_back({ui::FileDialogStatus::Failed, {}}); }

    std::vector<ui::FileDialogRequest> requests;

private:
    std::deque<ui::FileDialogResult> answers_;
    ui::FileDialogHandler previous_;
};
