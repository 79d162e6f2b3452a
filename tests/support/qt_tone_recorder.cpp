#include "tests/support/qt_tone_recorder.h"

ToneRecorder::ToneRecorder() {
    previous_ = ui::setToneRecorder(
        [this](int hertz, int milliseconds) { tones.emplace_back(hertz, milliseconds); });
}

ToneRecorder::~ToneRecorder() {
    ui::setToneRecorder(previous_);
}
