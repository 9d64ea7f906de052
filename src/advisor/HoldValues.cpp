#include "advisor/HoldValues.h"

#include "advisor/SubsetSums.h"

#include <atomic>
#include <cstdint>
#include <future>
#include <memory>
#include <mutex>

namespace advisor {
namespace {

// The pay summed over hands; at most 500 x 2,869,685, so it fits 32 bits.
using PaySums = SubsetSums<std::uint32_t>;

// Built once, on first use or on the worker; the worker is waited for at exit, before
// the table goes.
struct Preparation {
    std::unique_ptr<PaySums> table;
    std::once_flag built;
    std::atomic<bool> ready{false};
    std::once_flag started;
    std::future<void> worker;
};

Preparation& State() {
    static Preparation state;
    return state;
}

const PaySums& Table() {
    Preparation& state = State();
    std::call_once(state.built, [&state] {
        state.table = std::make_unique<PaySums>(
            [](std::uint32_t& pay, int code) { pay += static_cast<std::uint32_t>(PayRate(code)); });
        state.ready = true;
    });
    return *state.table;
}

} // namespace

HoldValues ValueHolds(const Deal& dealt) {
    const HoldSums<std::uint32_t> sums =
        SumHolds(Table(), dealt, [](const std::array<Card, 5>& hand) {
            return static_cast<std::uint32_t>(PayRate(HandCode(hand)));
        });
    HoldValues values{};
    for (int mask = 0; mask < 32; ++mask) {
        const auto m = static_cast<std::size_t>(mask);
        const auto drawn = static_cast<std::size_t>(5 - HeldCount(mask));
        values[m] =
            sums.plainChance[drawn] * sums.plain[m] + sums.jokerChance[drawn] * sums.joker[m];
    }
    return values;
}

int BestHold(const HoldValues& values) {
    int best = 0;
    for (int mask = 1; mask < 32; ++mask) {
        if (values[static_cast<std::size_t>(mask)] > values[static_cast<std::size_t>(best)]) {
            best = mask;
        }
    }
    return best;
}

bool Ready() {
    return State().ready;
}

void PrepareInBackground() {
    Preparation& state = State();
    std::call_once(state.started,
                   [&state] { state.worker = std::async(std::launch::async, [] { Table(); }); });
}

} // namespace advisor
