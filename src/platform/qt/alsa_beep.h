#pragma once
// A sine tone on the default sound device.

#include <cstdint>

namespace platform::qt {

// Plays the tone and returns after its duration (sleeping when no device
// opens); returns early when the program quits.
void play_tone(std::int32_t frequency_hz, std::int32_t duration_ms);

}  // namespace platform::qt
