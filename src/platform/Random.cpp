#include "platform/Random.h"

#include <chrono>
#include <deque>
#include <random>

namespace platform {
namespace {

std::mt19937& Generator() {
    static std::mt19937 generator{5489u};
    return generator;
}

std::deque<float>& Script() {
    static std::deque<float> script;
    return script;
}

} // namespace

float Rnd() {
    if (!Script().empty()) {
        const float value = Script().front();
        Script().pop_front();
        return value;
    }
    constexpr float kOneOver2To24 = 1.0f / 16777216.0f;
    return static_cast<float>(Generator()() >> 8) * kOneOver2To24;
}

void Randomize() {
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    const auto wall = std::chrono::system_clock::now().time_since_epoch().count();
    std::seed_seq seed{static_cast<std::uint32_t>(ticks), static_cast<std::uint32_t>(ticks >> 32),
                       static_cast<std::uint32_t>(wall), static_cast<std::uint32_t>(wall >> 32)};
    Generator().seed(seed);
}

void SeedRandom(std::uint32_t seed) { Generator().seed(seed); }

void ScriptRandom(const std::vector<float>& values) {
    Script().insert(Script().end(), values.begin(), values.end());
}

void ClearRandomScript() { Script().clear(); }

} // namespace platform
