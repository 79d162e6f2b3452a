#include "exam/exam_tally.h"

std::string tallyText(const ExamTally& tally) {
    std::string text = std::to_string(tally.asked) + " asked, " + std::to_string(tally.right) +
                       " right, " + std::to_string(tally.wrong) + " wrong";
    if (tally.left >= 0)
        text += ", " + std::to_string(tally.left) + " left";
    return text;
}
