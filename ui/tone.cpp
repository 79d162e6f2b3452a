#include "ui/tone.h"

#include <QApplication>
#include <QMetaObject>

#ifdef ZELKORA_HAVE_ALSA
#include <alsa/asoundlib.h>
#endif

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <mutex>
#include <numbers>
#include <thread>
#include <utility>
#include <vector>

namespace ui {
namespace {

ToneRecorder& toneRecorder() {
    static ToneRecorder recorder;
    return recorder;
}

// The desktop bell, rung on the UI thread whichever thread finds there is no sound device.
void ringBell() {
    if (!qApp)
        return;
    QMetaObject::invokeMethod(
        qApp, [] { QApplication::beep(); }, Qt::QueuedConnection);
}

#ifdef ZELKORA_HAVE_ALSA

constexpr unsigned kRate = 44100;

// ALSA reports a missing device on stderr; the bell answers instead, so those reports are noise.
void quietAlsa(const char*, int, const char*, int, const char*, ...) {}

std::vector<int16_t> sineSamples(int hertz, int milliseconds) {
    const std::size_t count = std::size_t(kRate) * std::size_t(milliseconds) / 1000;
    const std::size_t fade = std::min<std::size_t>(count / 4, kRate / 200); // 5 ms, no clicks
    std::vector<int16_t> samples(count);
    for (std::size_t i = 0; i < count; ++i) {
        double envelope = 1.0;
        if (fade > 0 && i < fade)
            envelope = double(i) / double(fade);
        else if (fade > 0 && count - i <= fade)
            envelope = double(count - i - 1) / double(fade);
        double phase = 2.0 * std::numbers::pi * hertz * double(i) / kRate;
        samples[i] = static_cast<int16_t>(std::lround(12000.0 * envelope * std::sin(phase)));
    }
    return samples;
}

void writeSamples(snd_pcm_t* pcm, const std::vector<int16_t>& samples) {
    std::size_t done = 0;
    while (done < samples.size()) {
        snd_pcm_sframes_t written =
            snd_pcm_writei(pcm, samples.data() + done, samples.size() - done);
        if (written < 0)
            written = snd_pcm_recover(pcm, static_cast<int>(written), 1);
        if (written < 0)
            return;
        done += static_cast<std::size_t>(written);
    }
    snd_pcm_drain(pcm);
}

void quietenAlsa() {
    static std::once_flag quiet;
    std::call_once(quiet, [] { snd_lib_error_set_handler(quietAlsa); });
}

void playTone(int hertz, int milliseconds) {
    if (!playToneOn("default", hertz, milliseconds))
        ringBell();
}

void startTone(int hertz, int milliseconds) {
    quietenAlsa();
    std::thread(playTone, hertz, milliseconds).detach();
}

#else

void startTone(int, int) {
    ringBell();
}

#endif

} // namespace

bool playToneOn(const char* device, int hertz, int milliseconds) {
#ifdef ZELKORA_HAVE_ALSA
    quietenAlsa();
    snd_pcm_t* pcm = nullptr;
    if (snd_pcm_open(&pcm, device, SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) < 0)
        return false;
    snd_pcm_nonblock(pcm, 0);
    if (snd_pcm_set_params(pcm, SND_PCM_FORMAT_S16, SND_PCM_ACCESS_RW_INTERLEAVED, 1, kRate, 1,
                           50000) < 0) {
        snd_pcm_close(pcm);
        return false;
    }
    writeSamples(pcm, sineSamples(hertz, milliseconds));
    snd_pcm_close(pcm);
    return true;
#else
    (void)device;
    (void)hertz;
    (void)milliseconds;
    return false;
#endif
}

void beep(int hertz, int milliseconds) {
    if (toneRecorder()) {
        toneRecorder()(hertz, milliseconds);
        return;
    }
    if (hertz <= 0 || milliseconds <= 0)
        return;
    startTone(std::clamp(hertz, 37, 20000), std::min(milliseconds, 5000));
}

ToneRecorder setToneRecorder(ToneRecorder recorder) {
    return std::exchange(toneRecorder(), std::move(recorder));
}

} // namespace ui
