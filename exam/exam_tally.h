#pragma once

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
