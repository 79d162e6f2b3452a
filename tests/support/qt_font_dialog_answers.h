#pragma once

#include "ui/font_dialog.h"

#include <deque>
#include <vector>

// Answers the font dialog for its lifetime: choose() leaves a description with OK, cancel()
// leaves the start description with Cancel; a dialog beyond the queue fails the test (Cancel).
class FontDialogAnswers {
public:
    FontDialogAnswers();
    ~FontDialogAnswers();
    FontDialogAnswers(const FontDialogAnswers&) = delete;
    FontDialogAnswers& operator=(const FontDialogAnswers&) = delete;

    void choose(const FontDescription& description) { answers_.push_back({true, description}); }
    void cancel() { answers_.push_back({false, {}}); }

    std::vector<FontDescription> starts; // what each dialog started from

private:
    struct Answer {
        bool accepted;
        FontDescription description;
    };
    std::deque<Answer> answers_;
    ui::FontDialogHandler previous_;
};
