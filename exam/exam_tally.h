#pragma once

#include <string>

// What one examination has asked so far. Nothing of it is saved; it ends with the window.
struct ExamTally {
    int asked = 0;
    int right = 0;
    int wrong = 0;
    int left = -1; // cards still to ask; -1 where the examination has no end of its own

    void count(bool answeredRight) {
        ++asked;
        ++(answeredRight ? right : wrong);
    }
};

// "3 asked, 2 right, 1 wrong, 17 left" (the cards left only where there is an end).
std::string tallyText(const ExamTally& tally);
