#include "tests/support/qt_font_dialog_answers.h"

#include <gtest/gtest.h>

FontDialogAnswers::FontDialogAnswers() {
    previous_ =
        ui::setFontDialogHandler([this](const FontDescription& start, FontDescription& result) {
            starts.push_back(start);
            result = start;
            if (answers_.empty()) {
                ADD_FAILURE() << "font dialog without a prepared answer";
                return false;
            }
            Answer answer = answers_.front();
            answers_.pop_front();
            if (answer.accepted)
                result = answer.description;
            return answer.accepted;
        });
}

FontDialogAnswers::~FontDialogAnswers() {
    ui::setFontDialogHandler(previous_);
}
