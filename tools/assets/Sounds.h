#pragma once

#include "Synth.h"

#include <string>
#include <vector>

namespace assets {

struct SoundFile {
    std::string name; // as the default Poker.ini names it, without the backslash
    Samples samples;
};

// The ten sounds of the game, in the order of its [SOUND] keys.
std::vector<SoundFile> AllSounds();

} // namespace assets
