// The value of all 32 holds per deal: the subset sums against judging every draw.
#include "PlainHolds.h"

#include "advisor/HoldValues.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <random>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kDeals = 10000;
// Judging every draw takes about a second a deal, so it runs on the first few only.
constexpr int kPlainDeals = 20;

std::vector<advisor::Deal> RandomDeals(int count) {
    std::mt19937 generator(20261207);
    std::vector<advisor::Deal> deals;
    for (int n = 0; n < count; ++n) {
        std::vector<int> pack(advisor::kPackSize);
        std::iota(pack.begin(), pack.end(), 0);
        std::shuffle(pack.begin(), pack.end(), generator);
        advisor::Deal deal;
        for (std::size_t i = 0; i < deal.size(); ++i) {
            deal[i] = advisor::CardAt(pack[i]);
        }
        deals.push_back(deal);
    }
    return deals;
}

double Microseconds(Clock::duration d) {
    return std::chrono::duration<double, std::micro>(d).count();
}

double Median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

double Percentile(std::vector<double> times, double share) {
    std::sort(times.begin(), times.end());
    return times[static_cast<std::size_t>(share * static_cast<double>(times.size() - 1))];
}

} // namespace

int main() {
    const std::vector<advisor::Deal> deals = RandomDeals(kDeals);

    const Clock::time_point prepare = Clock::now();
    advisor::ValueHolds(deals[0]);
    std::printf("preparing the tables: %.0f ms\n", Microseconds(Clock::now() - prepare) / 1000.0);

    std::vector<double> fast;
    std::vector<advisor::HoldValues> values;
    for (const advisor::Deal& deal : deals) {
        const Clock::time_point start = Clock::now();
        values.push_back(advisor::ValueHolds(deal));
        fast.push_back(Microseconds(Clock::now() - start));
    }
    std::printf("subset sums, %d deals: median %.2f us, mean %.2f us, 99th %.2f us, max %.2f us\n",
                kDeals, Median(fast),
                std::accumulate(fast.begin(), fast.end(), 0.0) / static_cast<double>(kDeals),
                Percentile(fast, 0.99), *std::max_element(fast.begin(), fast.end()));

    std::vector<double> plain;
    double largestDifference = 0.0;
    for (int n = 0; n < kPlainDeals; ++n) {
        const Clock::time_point start = Clock::now();
        const advisor::HoldValues exact = PlainHoldValues(deals[static_cast<std::size_t>(n)]);
        plain.push_back(Microseconds(Clock::now() - start));
        for (std::size_t mask = 0; mask < exact.size(); ++mask) {
            largestDifference =
                std::max(largestDifference,
                         std::abs(exact[mask] - values[static_cast<std::size_t>(n)][mask]));
        }
    }
    std::printf("every draw judged, first %d deals: median %.0f us\n", kPlainDeals, Median(plain));
    std::printf("ratio of the medians: %.0f times faster; largest difference %.3g\n",
                Median(plain) / Median(fast), largestDifference);
    return largestDifference < 1e-9 ? EXIT_SUCCESS : EXIT_FAILURE;
}
