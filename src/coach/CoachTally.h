#pragma once

#include <cstdint>

// The session's holds against the best ones: how many draws were made with the coach
// watching, how many of them drew from a hold worth less than the best, and the pay
// given up in all. Kept for the run only; the game's files know nothing of it.
struct CoachTally {
    int decisions = 0;
    int belowBest = 0;
    double coinsGivenUp = 0;
    // The last draw's shortfall, in multiples of its wager; 0 for the best hold.
    double lastGivenUp = 0;

    // Values are exact sums over the same draws, so equal holds come out equal to the
    // last bits; the margin only keeps rounding noise from counting as a mistake.
    void NoteDraw(double best, double chosen, std::int32_t wager) {
        constexpr double kSameValue = 1e-9;
        ++decisions;
        lastGivenUp = best - chosen > kSameValue ? best - chosen : 0;
        if (lastGivenUp > 0) {
            ++belowBest;
            coinsGivenUp += lastGivenUp * wager;
        }
    }
};
