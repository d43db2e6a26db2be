#include "platform/qt/alsa_beep.h"

#include <alsa/asoundlib.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <mutex>
#include <numbers>
#include <vector>

#include "platform/events.h"
#include "platform/runtime.h"

namespace platform::qt {
namespace {

constexpr unsigned kRate = 44100;
constexpr int kChunkMs = 10;

// ALSA reports a missing device on stderr; a beep without sound is no error.
void quiet(const char*, int, const char*, int, const char*, ...) {}

// The device stays open after the first beep; null when none could be opened.
class ToneDevice {
public:
    ~ToneDevice()
    {
        if (pcm_ != nullptr) snd_pcm_close(pcm_);
    }
    snd_pcm_t* get()
    {
        if (!tried_) {
            tried_ = true;
            snd_lib_error_set_handler(quiet);
            if (snd_pcm_open(&pcm_, "default", SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) < 0) {
                pcm_ = nullptr;
            } else if (snd_pcm_nonblock(pcm_, 0) < 0 ||
                       snd_pcm_set_params(pcm_, SND_PCM_FORMAT_S16_LE, SND_PCM_ACCESS_RW_INTERLEAVED, 1, kRate, 1,
                                          50000) < 0) {
                snd_pcm_close(pcm_);
                pcm_ = nullptr;
            }
        }
        return pcm_;
    }
    std::mutex mutex;

private:
    snd_pcm_t* pcm_ = nullptr;
    bool tried_ = false;
};

ToneDevice& device()
{
    static ToneDevice instance;
    return instance;
}

}  // namespace

void play_tone(std::int32_t frequency_hz, std::int32_t duration_ms)
{
    using Clock = std::chrono::steady_clock;
    const auto end = Clock::now() + std::chrono::milliseconds(duration_ms);
    {
        std::lock_guard lock(device().mutex);
        if (snd_pcm_t* pcm = device().get(); pcm != nullptr && frequency_hz > 0) {
            snd_pcm_prepare(pcm);
            const double step = 2.0 * std::numbers::pi * frequency_hz / kRate;
            const std::int64_t total = static_cast<std::int64_t>(kRate) * duration_ms / 1000;
            std::vector<std::int16_t> chunk(kRate * kChunkMs / 1000);
            std::int64_t written = 0;
            while (written < total && !rt_stop_requested()) {
                const auto n = static_cast<std::size_t>(std::min<std::int64_t>(chunk.size(), total - written));
                for (std::size_t i = 0; i < n; ++i) {
                    chunk[i] = static_cast<std::int16_t>(12000.0 * std::sin(step * static_cast<double>(written + i)));
                }
                snd_pcm_sframes_t r = snd_pcm_writei(pcm, chunk.data(), n);
                if (r < 0) r = snd_pcm_recover(pcm, static_cast<int>(r), 1);
                if (r < 0) break;
                written += static_cast<std::int64_t>(n);
            }
            if (rt_stop_requested()) {
                snd_pcm_drop(pcm);
            } else {
                snd_pcm_drain(pcm);
            }
        }
    }
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(end - Clock::now()).count();
    if (left > 0) sleep_unless_stopping(static_cast<std::int32_t>(left));
}

}  // namespace platform::qt
