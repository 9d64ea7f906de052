#pragma once

#include "Synth.h"

#include <string>

namespace assets {

// 44.1 kHz, 16-bit, mono PCM: what every sound player opens.
bool SaveWav(const Samples& samples, const std::string& path);

} // namespace assets
