#pragma once

#include "ui/tone.h"

#include <utility>
#include <vector>

// Records every tone (hertz, milliseconds) for its lifetime instead of playing it.
class ToneRecorder {
public:
    ToneRecorder();
    ~ToneRecorder();
    ToneRecorder(const ToneRecorder&) = delete;
    ToneRecorder& operator=(const ToneRecorder&) = delete;

    std::vector<std::pair<int, int>> tones;

private:
    ui::ToneRecorder previous_;
};
