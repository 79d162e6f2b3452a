#pragma once

#include <functional>

namespace ui {

// A short tone of the given pitch and length: through ALSA when a sound device answers, the
// desktop bell otherwise. Returns at once; the tone plays in the background.
void beep(int hertz, int milliseconds);

// Plays the tone on the named sound device and returns when it has played; false, and nothing
// printed, when the device does not answer. beep() runs it on "default" in the background.
bool playToneOn(const char* device, int hertz, int milliseconds);

// Tests record tones instead of playing them; nullptr restores the real tone.
using ToneRecorder = std::function<void(int hertz, int milliseconds)>;
// Returns the recorder installed before.
ToneRecorder setToneRecorder(ToneRecorder recorder);

} // namespace ui
