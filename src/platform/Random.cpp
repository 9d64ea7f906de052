#include "platform/Random.h"

#include <charconv>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <optional>
#include <random>

namespace platform {
namespace {

// VESK_POKER_SEED, a number, fixes the cards of a whole run: the generator starts
// from it and the clock never reseeds it. The end-to-end test needs a win it can
// count on from the real program; unset, as for every player, nothing changes.
std::optional<std::uint32_t> SeedFromEnvironment() {
    static const std::optional<std::uint32_t> seed = []() -> std::optional<std::uint32_t> {
        const char* text = std::getenv("VESK_POKER_SEED");
        std::uint32_t value = 0;
        if (text == nullptr ||
            std::from_chars(text, text + std::strlen(text), value).ec != std::errc()) {
            return std::nullopt;
        }
        return value;
    }();
    return seed;
}

std::mt19937& Generator() {
    static std::mt19937 generator{SeedFromEnvironment().value_or(5489u)};
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
    if (SeedFromEnvironment()) {
        return;
    }
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    const auto wall = std::chrono::system_clock::now().time_since_epoch().count();
    std::seed_seq seed{static_cast<std::uint32_t>(ticks), static_cast<std::uint32_t>(ticks >> 32),
                       static_cast<std::uint32_t>(wall), static_cast<std::uint32_t>(wall >> 32)};
    Generator().seed(seed);
}

void SeedRandom(std::uint32_t seed) {
    Generator().seed(seed);
}

void ScriptRandom(const std::vector<float>& values) {
    Script().insert(Script().end(), values.begin(), values.end());
}

void ClearRandomScript() {
    Script().clear();
}

} // namespace platform
