#pragma once

#include <cstdint>
#include <vector>

// The game's one source of randomness. Values are uniform in [0, 1) with 24 bits
// of resolution, so every float the game sees is exactly representable.
namespace platform {

float Rnd();

// Re-seeds from the clock; the main button does this at the start of every action.
void Randomize();

// A fixed seed, for benchmarks and statistical tests.
void SeedRandom(std::uint32_t seed);

// Tests queue exact values; they are served before any generated one, in order,
// and survive Randomize() so a scripted deal is not lost when the button reseeds.
void ScriptRandom(const std::vector<float>& values);
void ClearRandomScript();

} // namespace platform
